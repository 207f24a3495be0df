#include "platform/text/datum.h"

#include <cstdio>

namespace plat::text {
namespace {

// Howard Hinnant's civil calendar algorithms (days relative to 1970-01-01).
long hinnant_days(long y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

const long kEpoch = hinnant_days(1, 1, 1) - 1;  // day number 1 = 01.01.0001

long days_from_civil(int y, int m, int d) { return hinnant_days(y, m, d) - kEpoch; }

void civil_from_days(long n, int& y, int& m, int& d) {
  long z = n + kEpoch + 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long yy = yoe + era * 400;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yy + (m <= 2));
}

bool is_leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int days_in_month(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && is_leap(y) ? 29 : days[m - 1];
}

bool all_digits(std::string_view s) {
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return !s.empty();
}

int to_int(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

bool all_blank(std::string_view s) {
  for (char c : s) {
    if (c != ' ') return false;
  }
  return true;
}

}  // namespace

std::optional<Datum> Datum::aus_ymd(int jahr, int monat, int tag) {
  if (jahr < 1 || jahr > 9999 || monat < 1 || monat > 12 || tag < 1 ||
      tag > days_in_month(jahr, monat)) {
    return std::nullopt;
  }
  Datum d;
  d.tag_nummer_ = days_from_civil(jahr, monat, tag);
  return d;
}

std::optional<Datum> Datum::aus_dtos(std::string_view s) {
  if (s.size() == 8 && all_blank(s)) return Datum();
  if (s.size() != 8 || !all_digits(s)) return std::nullopt;
  return aus_ymd(to_int(s.substr(0, 4)), to_int(s.substr(4, 2)), to_int(s.substr(6, 2)));
}

std::optional<Datum> Datum::aus_dtoc(std::string_view s) {
  if (all_blank(s) || s == "  .  .    " || s == "  .  .  ") return Datum();
  if ((s.size() != 10 && s.size() != 8) || s[2] != '.' || s[5] != '.') return std::nullopt;
  std::string_view dd = s.substr(0, 2), mm = s.substr(3, 2), yy = s.substr(6);
  if (!all_digits(dd) || !all_digits(mm) || !all_digits(yy)) return std::nullopt;
  int y = to_int(yy);
  if (yy.size() == 2) y += y < 30 ? 2000 : 1900;
  return aus_ymd(y, to_int(mm), to_int(dd));
}

int Datum::jahr() const {
  if (leer()) return 0;
  int y, m, d;
  civil_from_days(tag_nummer_, y, m, d);
  return y;
}
int Datum::monat() const {
  if (leer()) return 0;
  int y, m, d;
  civil_from_days(tag_nummer_, y, m, d);
  return m;
}
int Datum::tag() const {
  if (leer()) return 0;
  int y, m, d;
  civil_from_days(tag_nummer_, y, m, d);
  return d;
}

int Datum::wochentag() const {
  if (leer()) return 0;
  // 01.01.0001 was a Monday (day number 1) -> 2.
  return static_cast<int>(tag_nummer_ % 7) + 1;
}

std::string Datum::dtos() const {
  if (leer()) return std::string(8, ' ');
  int y, m, d;
  civil_from_days(tag_nummer_, y, m, d);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", y, m, d);
  return buf;
}

std::string Datum::dtoc(bool vierstellig) const {
  if (leer()) return vierstellig ? "  .  .    " : "  .  .  ";
  int y, m, d;
  civil_from_days(tag_nummer_, y, m, d);
  char buf[16];
  if (vierstellig) {
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d, m, y);
  } else {
    std::snprintf(buf, sizeof buf, "%02d.%02d.%02d", d, m, y % 100);
  }
  return buf;
}

Datum Datum::plus_tage(long tage) const {
  if (leer()) return *this;
  return aus_tag_nummer(tag_nummer_ + tage);
}

Datum Datum::aus_tag_nummer(long n) {
  Datum d;
  d.tag_nummer_ = n > 0 ? n : 0;
  return d;
}

}  // namespace plat::text
