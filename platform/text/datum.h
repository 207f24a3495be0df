// Calendar dates as the program uses them: a day number with a blank date,
// read from and written as "CCYYMMDD" (table storage) and "dd.mm.yyyy"
// (the program's date text).
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace plat::text {

class Datum {
 public:
  // The blank date (an empty date field).
  Datum() = default;

  // A calendar date; nullopt when the day does not exist (31.04., 29.02. of a
  // common year, month 13, year outside 1..9999).
  static std::optional<Datum> aus_ymd(int jahr, int monat, int tag);
  // "CCYYMMDD": eight digits forming a valid date, else nullopt. Eight blanks
  // give the blank date.
  static std::optional<Datum> aus_dtos(std::string_view ccyymmdd);
  // "dd.mm.yyyy" (also "dd.mm.yy" with the years 1930..2029); blanks or an
  // empty text give the blank date; anything else nullopt.
  static std::optional<Datum> aus_dtoc(std::string_view text);

  bool leer() const { return tag_nummer_ == 0; }
  int jahr() const;
  int monat() const;
  int tag() const;
  // 1 = Sunday ... 7 = Saturday (0 for the blank date).
  int wochentag() const;

  // "CCYYMMDD", eight blanks for the blank date.
  std::string dtos() const;
  // "dd.mm.yyyy" (or "dd.mm.yy" when `vierstellig` is false); blanks of the
  // same length for the blank date.
  std::string dtoc(bool vierstellig = true) const;

  // Day arithmetic; the blank date stays blank.
  Datum plus_tage(long tage) const;
  // Days from `b` to this date.
  long minus(const Datum& b) const { return tag_nummer_ - b.tag_nummer_; }

  // Running day number (1 = 01.01.0001); 0 for the blank date.
  long tag_nummer() const { return tag_nummer_; }
  static Datum aus_tag_nummer(long n);

  auto operator<=>(const Datum&) const = default;

 private:
  long tag_nummer_ = 0;
};

}  // namespace plat::text
