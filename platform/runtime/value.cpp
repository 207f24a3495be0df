#include "platform/runtime/value.h"

#include <cmath>

#include "platform/text/zahl.h"

namespace plat::rt {

bool Value::leer() const {
  switch (typ()) {
    case Typ::Nil:
      return true;
    case Typ::Text:
      return text().find_first_not_of(" \t\r\n") == std::string::npos;
    case Typ::Zahl:
      return zahl() == 0.0;
    case Typ::Datum:
      return datum().leer();
    case Typ::Logisch:
      return !logisch();
    case Typ::Liste:
      return liste()->empty();
    case Typ::Objekt:
    case Typ::Block:
      return false;
  }
  return false;
}

char Value::typ_buchstabe() const {
  switch (typ()) {
    case Typ::Nil:
      return 'U';
    case Typ::Text:
      return 'C';
    case Typ::Zahl:
      return 'N';
    case Typ::Datum:
      return 'D';
    case Typ::Logisch:
      return 'L';
    case Typ::Liste:
      return 'A';
    case Typ::Objekt:
      return 'O';
    case Typ::Block:
      return 'B';
  }
  return 'U';
}

int Value::anzeige_dezimalen() const {
  if (dezimalen_ >= 0) return dezimalen_;
  const double n = zahl();
  return std::isfinite(n) && n == std::trunc(n) ? 0 : 2;
}

std::string zahl_text(const Value& zahl) {
  const int breite = zahl.breite() > 0 ? zahl.breite() : 10;
  std::string s = text::zahl_ohne_breite(zahl.zahl(), zahl.anzeige_dezimalen());
  if (static_cast<int>(s.size()) < breite) s.insert(0, breite - s.size(), ' ');
  return s;
}

std::string als_text(const Value& v) {
  switch (v.typ()) {
    case Value::Typ::Nil:
      return "NIL";
    case Value::Typ::Text:
      return v.text();
    case Value::Typ::Zahl: {
      std::string s = zahl_text(v);
      return s.substr(s.find_first_not_of(' '));
    }
    case Value::Typ::Datum:
      return v.datum().dtoc();
    case Value::Typ::Logisch:
      return v.logisch() ? ".T." : ".F.";
    case Value::Typ::Liste:
      return "{...}";
    case Value::Typ::Objekt:
      return "{Objekt}";
    case Value::Typ::Block:
      return v.block()->source.empty() ? "{||...}" : v.block()->source;
  }
  return "";
}

}  // namespace plat::rt
