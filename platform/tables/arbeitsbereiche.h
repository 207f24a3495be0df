// dBase tables in numbered work areas with aliases, as the host keeps them.
//
// One open table per work area (1 to 250). Field values cross as rt::Value:
// C and M fields as text (code page 850, as stored, trailing blanks kept),
// N as numbers carrying the field's width and decimals, D as dates, L as
// logicals.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/runtime/value.h"
#include "platform/tables/tabellen_fehler.h"

namespace plat::tables {

class Tabelle;

// Builds an index key from the current record of a table (for example the case
// number as six characters). Supplied by the opener, so that this layer does
// not depend on the expression language.
using Schluessel = std::function<std::string(const Tabelle&)>;

// One open DBF (with its DBT when it has memo fields).
class Tabelle {
 public:
  virtual ~Tabelle() = default;

  virtual const std::string& alias() const = 0;
  virtual const std::string& pfad() const = 0;

  // Navigation. Record numbers are 1-based; eof() after the last record.
  virtual long recno() const = 0;
  virtual long anzahl() const = 0;  // records in the file
  virtual void gehe_oben() = 0;
  virtual void gehe_zu(long recno) = 0;
  virtual void skip(long n = 1) = 0;
  virtual bool eof() const = 0;
  virtual bool bof() const = 0;
  virtual bool geloescht() const = 0;
  // Marks the current record deleted (or recalls it). Navigation and seeks
  // pass over deleted records; gehe_zu still reaches them.
  virtual void loesche(bool geloescht = true) = 0;
  virtual bool exklusiv() const = 0;

  // Exact seek on the active index; false (and eof) when not found. Trailing
  // blanks of keys do not count ("FH1" finds "FH1  ", never "FH100").
  // Throws TabellenFehler when the table has no active index.
  virtual bool suche(std::string_view schluessel) = 0;
  // Builds the active index in memory from `key` over all records (null
  // clears it). Navigation then follows the key order.
  virtual void setze_index(Schluessel key) = 0;
  virtual bool hat_index() const = 0;

  // Only records for which `f` returns true are visited (null clears it).
  virtual void setze_filter(std::function<bool(const Tabelle&)> f) = 0;
  virtual void filter_aus() = 0;

  // Structure. Positions are 1-based; 0 when there is no such field.
  virtual int feld_anzahl() const = 0;
  virtual int feld_pos(std::string_view name) const = 0;
  virtual std::string feld_name(int pos) const = 0;
  virtual char feld_typ(int pos) const = 0;
  virtual int feld_laenge(int pos) const = 0;
  virtual int feld_dezimalen(int pos) const = 0;

  // Field values of the current record (empty values at eof).
  virtual rt::Value lese(int pos) const = 0;
  virtual rt::Value lese(std::string_view name) const = 0;
  virtual void schreibe(int pos, const rt::Value& wert) = 0;
  virtual void schreibe(std::string_view name, const rt::Value& wert) = 0;

  // Writes go into the current record and reach the file at commit, or when
  // the table moves to another record or is closed. Writing at eof, into a
  // read-only table, a value of the wrong type or a number too wide for its
  // field throws TabellenFehler.

  // Record lock of the current record (a real OS lock: another process, or
  // another open of the same file, is kept out); false when another holds it.
  // Taking it reads the record afresh. entsperre releases every record lock.
  virtual bool sperre() = 0;
  virtual void entsperre() = 0;
  virtual void commit() = 0;
  virtual void anhaengen() = 0;  // appends a blank record, locks it and goes to it
  virtual void zap() = 0;        // removes all records; needs exclusive use

  // Notifications to attached views (none are attached here).
  virtual void benachrichtigung_aus() = 0;
  virtual void benachrichtigung_an() = 0;
};

// Selected work area and open tables.
int gewaehlt();                                   // the selected work area number
void waehle(int bereich);                         // select by number
bool waehle(std::string_view alias_oder_nr);      // by alias or number text; false if none
int bereich_von(std::string_view alias_oder_nr);  // 0 when no open table has that alias
Tabelle* tabelle(int bereich);                    // null when nothing is open there
Tabelle* aktuelle();                              // table of the selected area, or null

// Opens a DBF in `bereich` (0: the first free area) under `alias` (empty: the
// file name) and selects it. Throws TabellenFehler with a message naming the
// file when it cannot be opened or is damaged.
Tabelle& oeffne(int bereich, const std::string& pfad, const std::string& alias = "",
                bool exklusiv = false);
void schliesse(int bereich);
void schliesse_alle();

// Opens a table outside the work areas (for helpers that read a structure
// table, and for tests). Same checks and errors as oeffne.
std::unique_ptr<Tabelle> oeffne_datei(const std::string& pfad, const std::string& alias = "",
                                      bool exklusiv = false);

// Restores the selected work area when it ends.
class BereichWahren {
 public:
  BereichWahren();
  ~BereichWahren();
  BereichWahren(const BereichWahren&) = delete;
  BereichWahren& operator=(const BereichWahren&) = delete;

 private:
  int bereich_;
};

}  // namespace plat::tables
