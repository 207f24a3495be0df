// Number functions: INT, ROUND, ABS, MIN, MAX, MOD.
#include "platform/expr/eingebaut.h"
#include "platform/expr/eingebaut_hilfen.h"
#include "platform/expr/operatoren.h"
#include "platform/text/zahl.h"

namespace plat::expr::intern {

using rt::Argumente;
using rt::Value;

namespace {

const Value& zahl_arg(const Argumente& a, std::size_t i, const char* f) {
  const Value& v = arg(a, i);
  if (!v.ist_zahl()) argumentfehler(f, "Zahl");
  return v;
}

Value int_(Argumente& a) { return Value::berechnet(std::trunc(zahl_arg(a, 0, "INT").zahl()), 0); }

Value round_(Argumente& a) {
  const double n = zahl_arg(a, 0, "ROUND").zahl();
  const long d = arg(a, 1).ist_zahl() ? std::clamp(ganz(arg(a, 1).zahl()), -15L, 15L) : 0;
  if (d >= 0) return Value::berechnet(text::runde(n, static_cast<int>(d)), static_cast<int>(d));
  const double f = std::pow(10.0, static_cast<double>(-d));
  return Value::berechnet(text::runde(n / f, 0) * f, 0);
}

Value abs_(Argumente& a) {
  const Value& v = zahl_arg(a, 0, "ABS");
  return Value::berechnet(std::fabs(v.zahl()), dezimalen_von(v));
}

// MIN/MAX of two numbers or two dates; the chosen value is returned as it is.
Value min_max(Argumente& a, bool max) {
  const Value& x = arg(a, 0);
  const Value& y = arg(a, 1);
  const char* f = max ? "MAX" : "MIN";
  if (x.ist_zahl() && y.ist_zahl()) return (x.zahl() < y.zahl()) == max ? y : x;
  if (x.ist_datum() && y.ist_datum()) return (x.datum() < y.datum()) == max ? y : x;
  argumentfehler(f, "zwei Zahlen oder zwei Daten");
}

Value mod_(Argumente& a) {
  const Value& x = zahl_arg(a, 0, "MOD");
  const Value& y = zahl_arg(a, 1, "MOD");
  if (y.zahl() == 0) throw rt::Laufzeitfehler("Division durch Null");
  double r = std::fmod(x.zahl(), y.zahl());
  if (r != 0 && (r < 0) != (y.zahl() < 0)) r += y.zahl();  // the sign of the divisor
  return Value::berechnet(r, std::max(dezimalen_von(x), dezimalen_von(y)));
}

}  // namespace

void registriere_zahlfunktionen() {
  nur_neu("INT", rt::Funktion(&int_));
  nur_neu("ROUND", rt::Funktion(&round_));
  nur_neu("ABS", rt::Funktion(&abs_));
  nur_neu("MIN", rt::Funktion([](Argumente& a) { return min_max(a, false); }));
  nur_neu("MAX", rt::Funktion([](Argumente& a) { return min_max(a, true); }));
  nur_neu("MOD", rt::Funktion(&mod_));
}

}  // namespace plat::expr::intern
