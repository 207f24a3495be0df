#include "platform/process/uhr.h"

#include <ctime>
#include <thread>

namespace plat::process {
namespace {

Uhr* aktuell = nullptr;

EchteUhr& echte() {
  static EchteUhr u;
  return u;
}

std::tm lokal_tm(Uhr::Zeitpunkt t) {
  std::time_t tt = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  return tm;
}

}  // namespace

Uhr& uhr() { return aktuell ? *aktuell : echte(); }
void setze_uhr(Uhr* u) { aktuell = u; }

text::Datum heute() {
  std::tm tm = lokal_tm(uhr().jetzt());
  return text::Datum::aus_ymd(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday).value_or(text::Datum());
}

std::string uhrzeit() {
  std::tm tm = lokal_tm(uhr().jetzt());
  char buf[16];
  std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
  return buf;
}

Uhr::Zeitpunkt EchteUhr::jetzt() { return std::chrono::system_clock::now(); }

void EchteUhr::schlafe(long hundertstel) {
  if (hundertstel > 0) std::this_thread::sleep_for(std::chrono::milliseconds(hundertstel * 10));
}

Uhr::Zeitpunkt VirtuelleUhr::lokal(int jahr, int monat, int tag, int stunde, int minute, int sekunde) {
  std::tm tm{};
  tm.tm_year = jahr - 1900;
  tm.tm_mon = monat - 1;
  tm.tm_mday = tag;
  tm.tm_hour = stunde;
  tm.tm_min = minute;
  tm.tm_sec = sekunde;
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

void VirtuelleUhr::schlafe(long hundertstel) {
  if (hundertstel <= 0) return;
  geschlafen_ += hundertstel;
  jetzt_ += std::chrono::milliseconds(hundertstel * 10);
}

UhrWechsel::UhrWechsel(Uhr& u) : vorher_(aktuell) { aktuell = &u; }
UhrWechsel::~UhrWechsel() { aktuell = vorher_; }

}  // namespace plat::process
