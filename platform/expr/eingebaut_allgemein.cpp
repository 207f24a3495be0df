// Functions on any value: EMPTY, VALTYPE, TYPE, EVAL, and list helpers.
#include <mutex>

#include "platform/expr/eingebaut.h"
#include "platform/expr/eingebaut_hilfen.h"
#include "platform/expr/expr.h"

namespace plat::expr {

namespace intern {

using rt::Argumente;
using rt::Value;

void registriere_allgemeine_funktionen() {
  nur_neu("EMPTY", rt::Funktion([](Argumente& a) { return Value(arg(a, 0).leer()); }));
  nur_neu("VALTYPE", rt::Funktion([](Argumente& a) {
            return Value(std::string(1, arg(a, 0).typ_buchstabe()));
          }));
  nur_neu("TYPE", rt::Funktion([](Argumente& a) {
            const Value& t = arg(a, 0);
            if (!t.ist_text()) argumentfehler("TYPE", "Text");
            return Value(typ_pruefen(t.text()));
          }));
  nur_neu("EVAL", rt::Funktion([](Argumente& a) {
            const Value& b = arg(a, 0);
            if (!b.ist_block()) argumentfehler("EVAL", "Codeblock");
            std::vector<Value> args;
            for (std::size_t i = 1; i < a.size(); ++i) args.push_back(a[i].wert);
            return b.block()->call(args);
          }));
  nur_neu("ARRAY", rt::Funktion([](Argumente& a) {
            const Value& n = arg(a, 0);
            if (!n.ist_zahl()) argumentfehler("ARRAY", "Zahl");
            pruefe_laenge(n.zahl());
            return Value::liste(rt::Array(static_cast<std::size_t>(std::max(0L, ganz(n.zahl())))));
          }));
  nur_neu("AADD", rt::Funktion([](Argumente& a) {
            const Value& l = arg(a, 0);
            if (!l.ist_liste()) argumentfehler("AADD", "Liste");
            l.liste()->push_back(arg(a, 1));
            return arg(a, 1);
          }));
}

}  // namespace intern

void eingebaute_sicherstellen() {
  static std::once_flag einmal;
  std::call_once(einmal, [] {
    intern::registriere_textfunktionen();
    intern::registriere_zahlfunktionen();
    intern::registriere_datumsfunktionen();
    intern::registriere_allgemeine_funktionen();
  });
}

}  // namespace plat::expr
