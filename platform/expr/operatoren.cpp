#include "platform/expr/operatoren.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/runtime/laufzeitfehler.h"
#include "platform/text/zahl.h"

namespace plat::expr {

using rt::Laufzeitfehler;
using rt::Value;

namespace {

constexpr std::size_t kMaxText = std::size_t{16} * 1024 * 1024;

[[noreturn]] void typfehler(Op op, const Value& a, const Value& b) {
  throw Laufzeitfehler(std::string("Typfehler: ") + a.typ_buchstabe() + " " + op_zeichen(op) + " " +
                       b.typ_buchstabe());
}

bool nahe(double a, double b) {
  if (a == b) return true;
  const double m = std::max({1.0, std::fabs(a), std::fabs(b)});
  return std::fabs(a - b) <= 1e-9 * m;
}

// -1, 0, 1; texts compare byte-wise over the length of the right operand
// when the left is longer (the classic rule that goes with "=").
int vergleiche(Op op, const Value& a, const Value& b) {
  if (a.typ() != b.typ()) typfehler(op, a, b);
  switch (a.typ()) {
    case Value::Typ::Text: {
      const std::string& x = a.text();
      const std::string& y = b.text();
      const std::string_view xv = x.size() > y.size() ? std::string_view(x).substr(0, y.size()) : x;
      const int c = xv.compare(y);  // std::char_traits<char> compares as unsigned char
      return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    case Value::Typ::Zahl:
      if (nahe(a.zahl(), b.zahl())) return 0;
      return a.zahl() < b.zahl() ? -1 : 1;
    case Value::Typ::Datum:
      return a.datum() < b.datum() ? -1 : a.datum() == b.datum() ? 0 : 1;
    case Value::Typ::Logisch:
      return static_cast<int>(a.logisch()) - static_cast<int>(b.logisch());
    default:
      typfehler(op, a, b);
  }
}

bool gleich(Op op, const Value& a, const Value& b, bool exakt) {
  if (a.ist_nil() || b.ist_nil()) return a.ist_nil() && b.ist_nil();
  if (a.typ() != b.typ()) typfehler(op, a, b);
  switch (a.typ()) {
    case Value::Typ::Text:
      return exakt ? a.text() == b.text() : text_gleich(a.text(), b.text());
    case Value::Typ::Zahl:
      return nahe(a.zahl(), b.zahl());
    case Value::Typ::Datum:
      return a.datum() == b.datum();
    case Value::Typ::Logisch:
      return a.logisch() == b.logisch();
    case Value::Typ::Liste:
      return a.liste() == b.liste();
    case Value::Typ::Objekt:
      return a.objekt() == b.objekt();
    case Value::Typ::Block:
      return a.block() == b.block();
    case Value::Typ::Nil:
      return true;
  }
  return false;
}

Value zahl(double n, int dez) {
  if (std::isnan(n)) throw Laufzeitfehler("Rechenfehler: kein Zahlenwert");
  return Value::berechnet(n, std::clamp(dez, 0, 15));
}

std::string verbinde(const std::string& a, const std::string& b) {
  if (a.size() + b.size() > kMaxText) throw Laufzeitfehler("Text zu lang");
  return a + b;
}

}  // namespace

const char* op_zeichen(Op op) {
  switch (op) {
    case Op::Plus:
      return "+";
    case Op::Minus:
      return "-";
    case Op::Mal:
      return "*";
    case Op::Durch:
      return "/";
    case Op::Rest:
      return "%";
    case Op::Hoch:
      return "**";
    case Op::Gleich:
      return "=";
    case Op::Exakt:
      return "==";
    case Op::Ungleich:
      return "!=";
    case Op::Kleiner:
      return "<";
    case Op::Groesser:
      return ">";
    case Op::KleinerGleich:
      return "<=";
    case Op::GroesserGleich:
      return ">=";
    case Op::Enthalten:
      return "$";
    case Op::Und:
      return ".AND.";
    case Op::Oder:
      return ".OR.";
  }
  return "?";
}

bool text_gleich(const std::string& a, const std::string& b) {
  return a.size() >= b.size() && a.compare(0, b.size(), b) == 0;
}

int dezimalen_von(const Value& z) {
  return z.dezimalen() >= 0 ? z.dezimalen() : z.anzeige_dezimalen();
}

text::Datum verschiebe(const text::Datum& d, double tage) {
  if (d.leer()) return d;
  static const long letzter = text::Datum::aus_ymd(9999, 12, 31)->tag_nummer();
  const double n = static_cast<double>(d.tag_nummer()) + std::trunc(tage);
  if (!(n >= 1 && n <= static_cast<double>(letzter)))
    throw Laufzeitfehler("Datum ausserhalb des Bereichs");
  return text::Datum::aus_tag_nummer(static_cast<long>(n));
}

Value rechne(Op op, const Value& a, const Value& b) {
  switch (op) {
    case Op::Plus:
      if (a.ist_zahl() && b.ist_zahl())
        return zahl(a.zahl() + b.zahl(), std::max(dezimalen_von(a), dezimalen_von(b)));
      if (a.ist_text() && b.ist_text()) return Value(verbinde(a.text(), b.text()));
      if (a.ist_datum() && b.ist_zahl()) return Value(verschiebe(a.datum(), b.zahl()));
      if (a.ist_zahl() && b.ist_datum()) return Value(verschiebe(b.datum(), a.zahl()));
      typfehler(op, a, b);
    case Op::Minus:
      if (a.ist_zahl() && b.ist_zahl())
        return zahl(a.zahl() - b.zahl(), std::max(dezimalen_von(a), dezimalen_von(b)));
      if (a.ist_text() && b.ist_text()) {
        // Trailing blanks of the left text move to the end of the result.
        const std::string& x = a.text();
        const std::size_t ende = x.find_last_not_of(' ');
        const std::size_t bis = ende == std::string::npos ? 0 : ende + 1;
        return Value(verbinde(x.substr(0, bis), b.text()) + std::string(x.size() - bis, ' '));
      }
      if (a.ist_datum() && b.ist_zahl()) return Value(verschiebe(a.datum(), -b.zahl()));
      if (a.ist_datum() && b.ist_datum()) {
        if (a.datum().leer() || b.datum().leer()) return Value::berechnet(0, 0);
        return Value::berechnet(static_cast<double>(a.datum().minus(b.datum())), 0);
      }
      typfehler(op, a, b);
    case Op::Mal:
      if (!a.ist_zahl() || !b.ist_zahl()) typfehler(op, a, b);
      return zahl(a.zahl() * b.zahl(), dezimalen_von(a) + dezimalen_von(b));
    case Op::Durch: {
      if (!a.ist_zahl() || !b.ist_zahl()) typfehler(op, a, b);
      if (b.zahl() == 0) throw Laufzeitfehler("Division durch Null");
      const double q = a.zahl() / b.zahl();
      int d = std::max(dezimalen_von(a), dezimalen_von(b));
      // Two more decimals where the quotient does not come out even.
      if (std::isfinite(q) && !nahe(text::runde(q, d), q)) d += 2;
      return zahl(q, d);
    }
    case Op::Rest:
      if (!a.ist_zahl() || !b.ist_zahl()) typfehler(op, a, b);
      if (b.zahl() == 0) throw Laufzeitfehler("Division durch Null");
      return zahl(std::fmod(a.zahl(), b.zahl()), std::max(dezimalen_von(a), dezimalen_von(b)));
    case Op::Hoch: {
      if (!a.ist_zahl() || !b.ist_zahl()) typfehler(op, a, b);
      const double p = std::pow(a.zahl(), b.zahl());
      if (std::isnan(p)) throw Laufzeitfehler("Rechenfehler: kein Zahlenwert");
      return Value(p);
    }
    case Op::Gleich:
      return Value(gleich(op, a, b, false));
    case Op::Exakt:
      return Value(gleich(op, a, b, true));
    case Op::Ungleich:
      return Value(!gleich(op, a, b, false));
    case Op::Kleiner:
      return Value(vergleiche(op, a, b) < 0);
    case Op::Groesser:
      return Value(vergleiche(op, a, b) > 0);
    case Op::KleinerGleich:
      return Value(vergleiche(op, a, b) <= 0);
    case Op::GroesserGleich:
      return Value(vergleiche(op, a, b) >= 0);
    case Op::Enthalten:
      if (!a.ist_text() || !b.ist_text()) typfehler(op, a, b);
      return Value(b.text().find(a.text()) != std::string::npos);
    case Op::Und:
    case Op::Oder:
      break;
  }
  typfehler(op, a, b);
}

}  // namespace plat::expr
