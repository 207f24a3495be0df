// Table structures: create a table from field definitions, copy a table's
// structure into a structure table (one record per field with FIELD_NAME,
// FIELD_TYPE, FIELD_LEN, FIELD_DEC) and create a table from such a table.
#pragma once

#include <string>
#include <vector>

#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/dbf_format.h"

namespace plat::tables {

// The field definitions of an open table.
std::vector<FeldDef> struktur(const Tabelle& t);

// Creates an empty table (and its memo file when it has memo fields). An
// existing file of that name is replaced whole; the new file appears at once
// complete. Throws TabellenFehler for bad definitions, naming the file.
void erzeuge_tabelle(const std::string& pfad, const std::vector<FeldDef>& felder);

// Writes the structure of `t` into a new structure table at `ziel`.
void kopiere_struktur(const Tabelle& t, const std::string& ziel);

// Creates the table `ziel` from the structure table `struktur_pfad`.
void erzeuge_aus_struktur(const std::string& ziel, const std::string& struktur_pfad);

}  // namespace plat::tables
