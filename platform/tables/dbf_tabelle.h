// The table engine's own Tabelle: one DBF file (with its DBT) on disk.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/dbf_format.h"
#include "platform/tables/dbt_memo.h"

namespace plat::tables {

class DbfTabelle final : public Tabelle {
 public:
  // Opens and checks the file; positions on the first record.
  DbfTabelle(std::string pfad, std::string alias, bool exklusiv);
  ~DbfTabelle() override;
  DbfTabelle(const DbfTabelle&) = delete;
  DbfTabelle& operator=(const DbfTabelle&) = delete;

  const std::string& alias() const override { return alias_; }
  const std::string& pfad() const override { return pfad_; }

  long recno() const override { return recno_; }
  long anzahl() const override { return anzahl_; }
  void gehe_oben() override;
  void gehe_zu(long recno) override;
  void skip(long n = 1) override;
  bool eof() const override { return eof_; }
  bool bof() const override { return bof_; }
  bool geloescht() const override { return !eof_ && puffer_[0] == '*'; }
  void loesche(bool geloescht = true) override;
  bool exklusiv() const override { return exklusiv_; }

  bool suche(std::string_view schluessel) override;
  void setze_index(Schluessel key) override;
  bool hat_index() const override { return static_cast<bool>(key_); }

  void setze_filter(std::function<bool(const Tabelle&)> f) override { filter_ = std::move(f); }
  void filter_aus() override { filter_ = nullptr; }

  int feld_anzahl() const override { return static_cast<int>(kopf_.felder.size()); }
  int feld_pos(std::string_view name) const override;
  std::string feld_name(int pos) const override { return feld(pos).name; }
  char feld_typ(int pos) const override { return feld(pos).typ; }
  int feld_laenge(int pos) const override { return feld(pos).laenge; }
  int feld_dezimalen(int pos) const override { return feld(pos).dezimalen; }

  rt::Value lese(int pos) const override;
  rt::Value lese(std::string_view name) const override;
  void schreibe(int pos, const rt::Value& wert) override;
  void schreibe(std::string_view name, const rt::Value& wert) override;

  bool sperre() override;
  void entsperre() override;
  void commit() override;
  void anhaengen() override;
  void zap() override;

  void benachrichtigung_aus() override { ++benachrichtigung_aus_; }
  void benachrichtigung_an() override {
    if (benachrichtigung_aus_ > 0) --benachrichtigung_aus_;
  }

 private:
  const FeldDef& feld(int pos) const;
  int feld_pos_oder_fehler(std::string_view name) const;
  void lade(long r);
  void setze_eof();
  bool sichtbar() const;
  std::string schluessel_jetzt() const;
  long stellen() const;         // positions in the current order
  long satz_an(long p) const;   // record number at an order position
  long position_jetzt() const;  // order position of the current record
  void sichere();               // writes a changed record out
  void pruefe_schreibbar() const;
  void indexiere(long von, long bis);
  void pruefe_anzahl();
  void nimm_neue_saetze(long bis);
  void index_setzen(long r, const std::string& key);
  std::uint64_t versatz(long r) const;

  std::string pfad_, alias_;
  int fd_ = -1;
  bool schreibbar_ = true;
  bool exklusiv_ = false;
  DbfKopf kopf_;
  std::unique_ptr<DbtMemo> memo_;
  long anzahl_ = 0;
  long recno_ = 1;
  bool eof_ = true;
  bool bof_ = false;
  std::string puffer_;
  bool geaendert_ = false;
  bool ungesynct_ = false;  // written since the last commit

  Schluessel key_;
  std::vector<long> idx_;             // record numbers sorted by key, then record number
  std::vector<std::string> key_von_;  // each record's key (index 0 unused)
  bool vor(long a, long b) const;     // index order of two records
  std::function<bool(const Tabelle&)> filter_;
  std::set<long> sperren_;
  int benachrichtigung_aus_ = 0;
};

}  // namespace plat::tables
