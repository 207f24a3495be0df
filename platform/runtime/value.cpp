#include "platform/runtime/value.h"

namespace plat::rt {

bool Value::leer() const {
  switch (typ()) {
    case Typ::Nil: return true;
    case Typ::Text: return text().find_first_not_of(" \t\r\n") == std::string::npos;
    case Typ::Zahl: return zahl() == 0.0;
    case Typ::Datum: return datum().leer();
    case Typ::Logisch: return !logisch();
    case Typ::Liste: return liste()->empty();
    case Typ::Objekt:
    case Typ::Block: return false;
  }
  return false;
}

char Value::typ_buchstabe() const {
  switch (typ()) {
    case Typ::Nil: return 'U';
    case Typ::Text: return 'C';
    case Typ::Zahl: return 'N';
    case Typ::Datum: return 'D';
    case Typ::Logisch: return 'L';
    case Typ::Liste: return 'A';
    case Typ::Objekt: return 'O';
    case Typ::Block: return 'B';
  }
  return 'U';
}

}  // namespace plat::rt
