#include "platform/text/zahl.h"

#include <cmath>
#include <cstdio>

namespace plat::text {

double runde(double n, int dezimalen) {
  if (!std::isfinite(n)) return n;
  if (dezimalen < 0) dezimalen = 0;
  if (dezimalen > 15) dezimalen = 15;
  const double f = std::pow(10.0, dezimalen);
  const double scaled = n * f;
  if (std::fabs(scaled) >= 9e15) return n;  // beyond exact integers: nothing to round
  // Nudge by a few units in the last place so that values typed as x.5 round up
  // although their binary form lies just below.
  const double nudged = scaled + std::copysign(std::fabs(scaled) * 4 * 2.220446049250313e-16, scaled);
  return std::round(nudged) / f;
}

std::string zahl_ohne_breite(double n, int dezimalen) {
  if (dezimalen < 0) dezimalen = 0;
  if (dezimalen > 15) dezimalen = 15;
  if (!std::isfinite(n)) return "***";
  double r = runde(n, dezimalen);
  if (r == 0) r = 0;  // no "-0.00"
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", dezimalen, r);
  return buf;
}

std::string str(double n, int breite, int dezimalen) {
  if (breite <= 0) return "";
  std::string s = zahl_ohne_breite(n, dezimalen);
  if (static_cast<int>(s.size()) > breite || !std::isfinite(n)) return std::string(breite, '*');
  return std::string(breite - s.size(), ' ') + s;
}

}  // namespace plat::text
