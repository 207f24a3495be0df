// Date functions, with German weekday and month names (code page 850).
#include "platform/expr/eingebaut.h"
#include "platform/expr/eingebaut_hilfen.h"
#include "platform/process/uhr.h"

namespace plat::expr::intern {

using text::Datum;

namespace {

constexpr const char* kWochentage[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                       "Donnerstag", "Freitag", "Samstag"};
constexpr const char* kMonate[] = {"Januar",    "Februar", "M\x84rz",  "April",
                                   "Mai",       "Juni",    "Juli",     "August",
                                   "September", "Oktober", "November", "Dezember"};

Datum date() { return process::heute(); }
std::string time() { return process::uhrzeit(); }
std::string dtoc(Datum d) { return d.dtoc(); }
Datum ctod(const std::string& s) { return Datum::aus_dtoc(s).value_or(Datum()); }
std::string dtos(Datum d) { return d.dtos(); }
Datum stod(const std::string& s) { return Datum::aus_dtos(s).value_or(Datum()); }
int day(Datum d) { return d.leer() ? 0 : d.tag(); }
int month(Datum d) { return d.leer() ? 0 : d.monat(); }
int year(Datum d) { return d.leer() ? 0 : d.jahr(); }
int dow(Datum d) { return d.wochentag(); }
std::string cdow(Datum d) { return d.leer() ? "" : kWochentage[d.wochentag() - 1]; }
std::string cmonth(Datum d) { return d.leer() ? "" : kMonate[d.monat() - 1]; }

}  // namespace

void registriere_datumsfunktionen() {
  nur_neu("DATE", &date);
  nur_neu("TIME", &time);
  nur_neu("DTOC", &dtoc);
  nur_neu("CTOD", &ctod);
  nur_neu("DTOS", &dtos);
  nur_neu("STOD", &stod);
  nur_neu("DAY", &day);
  nur_neu("MONTH", &month);
  nur_neu("YEAR", &year);
  nur_neu("DOW", &dow);
  nur_neu("CDOW", &cdow);
  nur_neu("CMONTH", &cmonth);
}

}  // namespace plat::expr::intern
