#include "platform/tables/dbf_tabelle.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/process/uhr.h"
#include "platform/tables/datei_io.h"
#include "platform/tables/sperren.h"

namespace plat::tables {
namespace {

std::string rtrim(std::string s) {
  const auto e = s.find_last_not_of(' ');
  s.resize(e == std::string::npos ? 0 : e + 1);
  return s;
}

bool gleich_ohne_fall(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The memo file beside a table: same name with ".dbt", in any case of letters.
std::string memo_pfad(const std::string& dbf) {
  const auto schraeg = dbf.find_last_of('/');
  const std::string ordner = schraeg == std::string::npos ? "." : dbf.substr(0, schraeg);
  const std::string name = schraeg == std::string::npos ? dbf : dbf.substr(schraeg + 1);
  const auto punkt = name.find_last_of('.');
  const std::string stamm = punkt == std::string::npos ? name : name.substr(0, punkt);
  const bool gross = punkt != std::string::npos && name.size() > punkt + 1 &&
                     std::isupper(static_cast<unsigned char>(name[punkt + 1]));
  const std::string gesucht = stamm + (gross ? ".DBT" : ".dbt");
  const std::string vorne = schraeg == std::string::npos ? "" : ordner + "/";
  if (::access((vorne + gesucht).c_str(), F_OK) == 0) return vorne + gesucht;
  if (DIR* d = ::opendir(ordner.c_str())) {
    std::string gefunden;
    while (dirent* e = ::readdir(d)) {
      if (gleich_ohne_fall(e->d_name, gesucht)) {
        gefunden = vorne + e->d_name;
        break;
      }
    }
    ::closedir(d);
    if (!gefunden.empty()) return gefunden;
  }
  return vorne + gesucht;
}

std::string blockzahl(std::uint32_t block) {
  std::string s = std::to_string(block);
  return std::string(10 - s.size(), ' ') + s;
}

}  // namespace

DbfTabelle::DbfTabelle(std::string pfad, std::string alias, bool exklusiv)
    : pfad_(std::move(pfad)), alias_(std::move(alias)), exklusiv_(exklusiv) {
  fd_ = io::oeffne(pfad_, schreibbar_);
  if (fd_ < 0) {
    if (errno == ENOENT) throw TabellenFehler("Die Tabelle " + pfad_ + " gibt es nicht");
    throw TabellenFehler("Die Tabelle " + pfad_ +
                         " lässt sich nicht öffnen: " + std::strerror(errno));
  }
  try {
    if (!sperren::versuche(fd_, sperren::kNutzung, 1, exklusiv_ && schreibbar_)) {
      throw TabellenFehler(
          exklusiv_
              ? "Die Tabelle " + pfad_ + " ist in Gebrauch und lässt sich nicht exklusiv öffnen"
              : "Die Tabelle " + pfad_ + " ist von einem anderen Programm exklusiv geöffnet");
    }
    const std::uint64_t groesse = io::groesse(fd_, pfad_);
    std::string kopf(static_cast<std::size_t>(std::min<std::uint64_t>(groesse, 65536)), '\0');
    io::lies_genau(fd_, kopf.data(), kopf.size(), 0, pfad_);
    kopf_ = lies_kopf(kopf, groesse, pfad_);
    anzahl_ = kopf_.anzahl;
    if (kopf_.hat_memo()) {
      const std::string mp = memo_pfad(pfad_);
      if (::access(mp.c_str(), F_OK) != 0)
        throw TabellenFehler("Zur Tabelle " + pfad_ + " fehlt die Memodatei " + mp);
      memo_ = std::make_unique<DbtMemo>(mp, schreibbar_);
    }
    puffer_.assign(static_cast<std::size_t>(kopf_.satz_laenge), ' ');
    key_von_.resize(1);
    gehe_oben();
  } catch (...) {
    ::close(fd_);
    throw;
  }
}

DbfTabelle::~DbfTabelle() {
  try {
    sichere();
  } catch (...) {  // NOLINT(bugprone-empty-catch): closing must not throw; commit reports errors
  }
  ::close(fd_);  // releases every lock of this open file
}

const FeldDef& DbfTabelle::feld(int pos) const {
  if (pos < 1 || pos > feld_anzahl())
    throw TabellenFehler("Die Tabelle " + pfad_ + " hat kein Feld Nummer " + std::to_string(pos));
  return kopf_.felder[static_cast<std::size_t>(pos - 1)];
}

int DbfTabelle::feld_pos(std::string_view name) const {
  for (std::size_t i = 0; i < kopf_.felder.size(); ++i)
    if (gleich_ohne_fall(kopf_.felder[i].name, name)) return static_cast<int>(i + 1);
  return 0;
}

int DbfTabelle::feld_pos_oder_fehler(std::string_view name) const {
  const int p = feld_pos(name);
  if (p == 0) throw TabellenFehler("Die Tabelle " + pfad_ + " hat kein Feld " + std::string(name));
  return p;
}

std::uint64_t DbfTabelle::versatz(long r) const {
  return static_cast<std::uint64_t>(kopf_.kopf_laenge) +
         static_cast<std::uint64_t>(r - 1) * static_cast<std::uint64_t>(kopf_.satz_laenge);
}

void DbfTabelle::lade(long r) {
  io::lies_genau(fd_, puffer_.data(), puffer_.size(), versatz(r), pfad_);
  recno_ = r;
  eof_ = false;
}

void DbfTabelle::setze_eof() {
  recno_ = anzahl_ + 1;
  eof_ = true;
  puffer_.assign(puffer_.size(), ' ');
}

bool DbfTabelle::sichtbar() const { return puffer_[0] != '*' && (!filter_ || filter_(*this)); }

std::string DbfTabelle::schluessel_jetzt() const { return rtrim(key_(*this)); }

long DbfTabelle::stellen() const { return key_ ? static_cast<long>(idx_.size()) : anzahl_; }

long DbfTabelle::satz_an(long p) const { return key_ ? idx_[static_cast<std::size_t>(p)] : p + 1; }

bool DbfTabelle::vor(long a, long b) const {
  const int c =
      key_von_[static_cast<std::size_t>(a)].compare(key_von_[static_cast<std::size_t>(b)]);
  return c < 0 || (c == 0 && a < b);
}

long DbfTabelle::position_jetzt() const {
  if (eof_) return stellen();
  if (!key_) return recno_ - 1;
  const auto it = std::lower_bound(idx_.begin(), idx_.end(), recno_,
                                   [this](long a, long b) { return vor(a, b); });
  return it - idx_.begin();
}

void DbfTabelle::nimm_neue_saetze(long bis) {
  const long vorher = anzahl_;
  if (bis <= vorher) return;
  anzahl_ = bis;
  if (!key_) return;
  key_von_.resize(static_cast<std::size_t>(anzahl_) + 1);
  for (long r = vorher + 1; r <= bis; ++r) {
    lade(r);
    key_von_[static_cast<std::size_t>(r)] = schluessel_jetzt();
    idx_.insert(
        std::upper_bound(idx_.begin(), idx_.end(), r, [this](long a, long b) { return vor(a, b); }),
        r);
  }
}

void DbfTabelle::pruefe_anzahl() {
  // Another process may have appended records since: take them in when the
  // file holds them completely.
  std::string kopf(8, '\0');
  io::lies_genau(fd_, kopf.data(), kopf.size(), 0, pfad_);
  const auto im_kopf = static_cast<long>(
      static_cast<unsigned char>(kopf[4]) | static_cast<unsigned char>(kopf[5]) << 8 |
      static_cast<unsigned char>(kopf[6]) << 16 |
      static_cast<std::uint32_t>(static_cast<unsigned char>(kopf[7])) << 24);
  if (im_kopf <= anzahl_) return;
  if (io::groesse(fd_, pfad_) < versatz(im_kopf + 1)) return;
  nimm_neue_saetze(im_kopf);
}

void DbfTabelle::gehe_oben() {
  sichere();
  pruefe_anzahl();
  bof_ = false;
  const long n = stellen();
  for (long p = 0; p < n; ++p) {
    lade(satz_an(p));
    if (sichtbar()) return;
  }
  setze_eof();
}

void DbfTabelle::gehe_zu(long r) {
  sichere();
  if (r > anzahl_) pruefe_anzahl();
  bof_ = false;
  if (r >= 1 && r <= anzahl_)
    lade(r);
  else
    setze_eof();
}

void DbfTabelle::skip(long n) {
  sichere();
  if (n == 0) {
    if (!eof_) lade(recno_);
    return;
  }
  const long ende = stellen();
  long p = position_jetzt();
  bof_ = false;
  if (n > 0) {
    for (long k = 0; k < n; ++k) {
      bool gefunden = false;
      while (++p < ende) {
        lade(satz_an(p));
        if (sichtbar()) {
          gefunden = true;
          break;
        }
      }
      if (!gefunden) {
        setze_eof();
        return;
      }
    }
    return;
  }
  for (long k = 0; k < -n; ++k) {
    bool gefunden = false;
    while (--p >= 0) {
      lade(satz_an(p));
      if (sichtbar()) {
        gefunden = true;
        break;
      }
    }
    if (!gefunden) {
      gehe_oben();  // before the first record: stay on it and report bof
      bof_ = true;
      return;
    }
  }
}

bool DbfTabelle::suche(std::string_view schluessel) {
  if (!key_) throw TabellenFehler("Die Tabelle " + pfad_ + " hat keinen aktiven Index zum Suchen");
  sichere();
  bof_ = false;
  const std::string k = rtrim(std::string(schluessel));
  auto it = std::lower_bound(idx_.begin(), idx_.end(), k, [this](long r, const std::string& key) {
    return key_von_[static_cast<std::size_t>(r)] < key;
  });
  for (; it != idx_.end() && key_von_[static_cast<std::size_t>(*it)] == k; ++it) {
    lade(*it);
    if (sichtbar()) return true;
  }
  setze_eof();
  return false;
}

void DbfTabelle::indexiere(long von, long bis) {
  // Reads the records in large pieces and computes each key with the record
  // as the current one, so that the key function reads it like any other.
  const long satz = kopf_.satz_laenge;
  const long je_stueck = std::max(1L, (1L << 20) / satz);
  std::string stueck;
  for (long r = von; r <= bis; r += je_stueck) {
    const long n = std::min(je_stueck, bis - r + 1);
    stueck.resize(static_cast<std::size_t>(n * satz));
    io::lies_genau(fd_, stueck.data(), stueck.size(), versatz(r), pfad_);
    for (long i = 0; i < n; ++i) {
      puffer_.assign(stueck, static_cast<std::size_t>(i * satz), static_cast<std::size_t>(satz));
      recno_ = r + i;
      eof_ = false;
      key_von_[static_cast<std::size_t>(recno_)] = schluessel_jetzt();
      idx_.push_back(recno_);
    }
  }
}

void DbfTabelle::setze_index(Schluessel key) {
  sichere();
  const long r = recno_;
  const bool war_eof = eof_;
  key_ = std::move(key);
  idx_.clear();
  key_von_.assign(1, std::string());
  if (key_) {
    try {
      key_von_.resize(static_cast<std::size_t>(anzahl_) + 1);
      idx_.reserve(static_cast<std::size_t>(anzahl_));
      indexiere(1, anzahl_);
      std::sort(idx_.begin(), idx_.end(), [this](long a, long b) { return vor(a, b); });
    } catch (...) {
      key_ = nullptr;
      idx_.clear();
      key_von_.assign(1, std::string());
      gehe_zu(war_eof ? 0 : r);
      throw;
    }
  }
  if (war_eof)
    setze_eof();
  else
    lade(r);
}

void DbfTabelle::index_setzen(long r, const std::string& key) {
  auto vorher = [this](long a, long b) { return vor(a, b); };
  auto it = std::lower_bound(idx_.begin(), idx_.end(), r, vorher);
  if (it != idx_.end() && *it == r) idx_.erase(it);
  key_von_[static_cast<std::size_t>(r)] = key;
  idx_.insert(std::upper_bound(idx_.begin(), idx_.end(), r, vorher), r);
}

rt::Value DbfTabelle::lese(int pos) const {
  const FeldDef& f = feld(pos);
  const std::string_view roh(puffer_.data() + kopf_.versatz[static_cast<std::size_t>(pos - 1)],
                             static_cast<std::size_t>(f.laenge));
  if (f.typ != 'M') return feld_wert(f, roh);
  const auto a = roh.find_first_not_of(' ');
  if (a == std::string_view::npos) return rt::Value(std::string());
  std::uint64_t block = 0;
  for (std::size_t i = a; i < roh.size() && roh[i] != ' '; ++i) {
    if (roh[i] < '0' || roh[i] > '9')
      beschaedigt(pfad_, "ungültiger Memoverweis \"" + std::string(roh) + "\" in Satz " +
                             std::to_string(recno_));
    block = block * 10 + static_cast<std::uint64_t>(roh[i] - '0');
  }
  if (block == 0) return rt::Value(std::string());
  if (block > 0xFFFFFFFFu)
    beschaedigt(pfad_, "Memoverweis " + std::to_string(block) + " ist zu groß");
  return rt::Value(memo_->lese(static_cast<std::uint32_t>(block)));
}

rt::Value DbfTabelle::lese(std::string_view name) const { return lese(feld_pos_oder_fehler(name)); }

void DbfTabelle::pruefe_schreibbar() const {
  if (!schreibbar_) throw TabellenFehler("Die Tabelle " + pfad_ + " ist schreibgeschützt");
}

void DbfTabelle::schreibe(int pos, const rt::Value& wert) {
  const FeldDef& f = feld(pos);
  pruefe_schreibbar();
  if (eof_)
    throw TabellenFehler("Die Tabelle " + pfad_ + " steht auf keinem Satz (Feld " + f.name + ")");
  std::string roh;
  if (f.typ == 'M') {
    if (!wert.ist_nil() && !wert.ist_text())
      throw TabellenFehler("Feld " + f.name + " der Tabelle " + pfad_ + " erwartet einen Text");
    if (wert.ist_nil() || wert.text().empty())
      roh.assign(10, ' ');
    else
      roh = blockzahl(memo_->schreibe(wert.text()));
  } else {
    roh = feld_roh(f, wert, pfad_);
  }
  std::copy(roh.begin(), roh.end(),
            puffer_.begin() + kopf_.versatz[static_cast<std::size_t>(pos - 1)]);
  geaendert_ = true;
}

void DbfTabelle::schreibe(std::string_view name, const rt::Value& wert) {
  schreibe(feld_pos_oder_fehler(name), wert);
}

void DbfTabelle::loesche(bool geloescht) {
  pruefe_schreibbar();
  if (eof_) throw TabellenFehler("Die Tabelle " + pfad_ + " steht auf keinem Satz");
  puffer_[0] = geloescht ? '*' : ' ';
  geaendert_ = true;
}

void DbfTabelle::sichere() {
  if (!geaendert_ || eof_) return;
  io::schreibe_genau(fd_, puffer_.data(), puffer_.size(), versatz(recno_), pfad_);
  geaendert_ = false;
  ungesynct_ = true;
  std::string kopf(8, '\0');
  io::lies_genau(fd_, kopf.data(), kopf.size(), 0, pfad_);
  const auto alt = kopf;
  const auto anzahl = static_cast<std::uint32_t>(
      static_cast<unsigned char>(kopf[4]) | static_cast<unsigned char>(kopf[5]) << 8 |
      static_cast<unsigned char>(kopf[6]) << 16 |
      static_cast<std::uint32_t>(static_cast<unsigned char>(kopf[7])) << 24);
  setze_anzahl_datum(kopf, anzahl, process::heute());
  if (kopf != alt) io::schreibe_genau(fd_, kopf.data(), 4, 0, pfad_);
  if (key_) {
    std::string k = schluessel_jetzt();
    if (k != key_von_[static_cast<std::size_t>(recno_)]) index_setzen(recno_, k);
  }
}

bool DbfTabelle::sperre() {
  if (eof_ || !schreibbar_) return false;
  if (exklusiv_ || sperren_.count(recno_)) return true;
  if (!sperren::versuche(fd_, sperren::kSatzBasis + recno_, 1, true)) return false;
  sperren_.insert(recno_);
  if (!geaendert_) lade(recno_);
  return true;
}

void DbfTabelle::entsperre() {
  sichere();
  for (long r : sperren_) sperren::loese(fd_, sperren::kSatzBasis + r, 1);
  sperren_.clear();
}

void DbfTabelle::commit() {
  sichere();
  if (ungesynct_) ::fdatasync(fd_);
  ungesynct_ = false;
}

void DbfTabelle::anhaengen() {
  pruefe_schreibbar();
  sichere();
  sperren::warte(fd_, sperren::kKopf, 1, true);
  long neu = 0;
  try {
    std::string kopf(8, '\0');
    io::lies_genau(fd_, kopf.data(), kopf.size(), 0, pfad_);
    const long im_kopf = static_cast<long>(
        static_cast<unsigned char>(kopf[4]) | static_cast<unsigned char>(kopf[5]) << 8 |
        static_cast<unsigned char>(kopf[6]) << 16 |
        static_cast<std::uint32_t>(static_cast<unsigned char>(kopf[7])) << 24);
    neu = std::max(im_kopf, anzahl_) + 1;
    std::string satz(puffer_.size(), ' ');
    satz.push_back(static_cast<char>(kDateiEnde));
    io::schreibe_genau(fd_, satz.data(), satz.size(), versatz(neu), pfad_);
    setze_anzahl_datum(kopf, static_cast<std::uint32_t>(neu), process::heute());
    io::schreibe_genau(fd_, kopf.data(), kopf.size(), 0, pfad_);
  } catch (...) {
    sperren::loese(fd_, sperren::kKopf, 1);
    throw;
  }
  sperren::loese(fd_, sperren::kKopf, 1);
  ungesynct_ = true;
  nimm_neue_saetze(neu);  // records another process appended meanwhile join the index too
  lade(neu);
  bof_ = false;
  sperre();
}

void DbfTabelle::zap() {
  if (!exklusiv_)
    throw TabellenFehler("Die Tabelle " + pfad_ + " muss zum Leeren exklusiv geöffnet sein");
  pruefe_schreibbar();
  geaendert_ = false;
  if (::ftruncate(fd_, static_cast<off_t>(kopf_.kopf_laenge)) != 0)
    throw TabellenFehler("Die Tabelle " + pfad_ +
                         " lässt sich nicht leeren: " + std::strerror(errno));
  const char ende = static_cast<char>(kDateiEnde);
  io::schreibe_genau(fd_, &ende, 1, static_cast<std::uint64_t>(kopf_.kopf_laenge), pfad_);
  std::string kopf(8, '\0');
  io::lies_genau(fd_, kopf.data(), kopf.size(), 0, pfad_);
  setze_anzahl_datum(kopf, 0, process::heute());
  io::schreibe_genau(fd_, kopf.data(), kopf.size(), 0, pfad_);
  if (memo_) memo_->leere();
  ungesynct_ = true;
  anzahl_ = 0;
  idx_.clear();
  key_von_.assign(1, std::string());
  setze_eof();
}

}  // namespace plat::tables
