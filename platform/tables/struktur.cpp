#include "platform/tables/struktur.h"

#include <unistd.h>

#include <cmath>

#include "platform/process/uhr.h"
#include "platform/tables/datei_io.h"
#include "platform/tables/dbt_memo.h"
#include "platform/tables/sperren.h"

namespace plat::tables {
namespace {

std::string memo_name(const std::string& dbf) {
  const auto schraeg = dbf.find_last_of('/');
  const auto punkt = dbf.find_last_of('.');
  const bool mit_endung =
      punkt != std::string::npos && (schraeg == std::string::npos || punkt > schraeg);
  const std::string stamm = mit_endung ? dbf.substr(0, punkt) : dbf;
  const bool gross =
      mit_endung && punkt + 1 < dbf.size() && dbf[punkt + 1] >= 'A' && dbf[punkt + 1] <= 'Z';
  return stamm + (gross ? ".DBT" : ".dbt");
}

std::string ohne_blanks(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

std::vector<FeldDef> struktur(const Tabelle& t) {
  std::vector<FeldDef> felder;
  for (int i = 1; i <= t.feld_anzahl(); ++i)
    felder.push_back({t.feld_name(i), t.feld_typ(i), t.feld_laenge(i), t.feld_dezimalen(i)});
  return felder;
}

void erzeuge_tabelle(const std::string& pfad, const std::vector<FeldDef>& felder) {
  const DbfKopf k = neuer_kopf(felder, process::heute(), pfad);
  // A table in use (here or in another process) is not replaced under its users.
  bool schreibbar = true;
  const int fd = io::oeffne(pfad, schreibbar);
  if (fd >= 0) {
    const bool frei = !schreibbar || sperren::versuche(fd, sperren::kNutzung, 1, true);
    ::close(fd);
    if (!frei)
      throw TabellenFehler("Die Tabelle " + pfad +
                           " ist in Gebrauch und lässt sich nicht ersetzen");
  }
  if (k.hat_memo()) DbtMemo::erzeuge(memo_name(pfad));
  io::schreibe_datei(pfad, kopf_bytes(k) + static_cast<char>(kDateiEnde));
}

void kopiere_struktur(const Tabelle& t, const std::string& ziel) {
  erzeuge_tabelle(ziel, {{"FIELD_NAME", 'C', 10, 0},
                         {"FIELD_TYPE", 'C', 1, 0},
                         {"FIELD_LEN", 'N', 3, 0},
                         {"FIELD_DEC", 'N', 3, 0}});
  auto s = oeffne_datei(ziel, "", true);
  for (const auto& f : struktur(t)) {
    s->anhaengen();
    s->schreibe(1, rt::Value(f.name));
    s->schreibe(2, rt::Value(std::string(1, f.typ)));
    s->schreibe(3, rt::Value(static_cast<double>(f.laenge)));
    s->schreibe(4, rt::Value(static_cast<double>(f.dezimalen)));
  }
  s->commit();
}

void erzeuge_aus_struktur(const std::string& ziel, const std::string& struktur_pfad) {
  std::vector<FeldDef> felder;
  {
    auto s = oeffne_datei(struktur_pfad);
    for (const char* n : {"FIELD_NAME", "FIELD_TYPE", "FIELD_LEN", "FIELD_DEC"})
      if (s->feld_pos(n) == 0)
        throw TabellenFehler("Die Strukturtabelle " + struktur_pfad + " hat kein Feld " + n);
    for (s->gehe_oben(); !s->eof(); s->skip()) {
      const std::string typ = ohne_blanks(s->lese("FIELD_TYPE").text());
      felder.push_back({ohne_blanks(s->lese("FIELD_NAME").text()), typ.empty() ? ' ' : typ[0],
                        static_cast<int>(std::lround(s->lese("FIELD_LEN").zahl())),
                        static_cast<int>(std::lround(s->lese("FIELD_DEC").zahl()))});
    }
  }
  erzeuge_tabelle(ziel, felder);
}

}  // namespace plat::tables
