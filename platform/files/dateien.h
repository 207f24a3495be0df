// Files and folders under Windows paths (see pfad.h for how paths are mapped).
//
//   if (!ordner_existiert(p)) fehler = erstelle_ordner(p, false);
//   fehler = schreibe_datei_atomar("C:\\Vuvuvira\\xR\\R17\\R17_zug.xml", text);
//
// Functions that can fail return an error text in code page 850 (German, with
// the host path and the reason); an empty text means success.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plat::files {

bool datei_existiert(std::string_view windows_pfad);   // a regular file
bool ordner_existiert(std::string_view windows_pfad);  // a folder

// Creates the folder. With `mit_uebergeordneten` missing parent folders are
// created too (as "MD" does); without, the parent must exist. Creation is
// synchronous: the folder exists when the call returns. An existing folder is
// no error.
std::string erstelle_ordner(std::string_view windows_pfad, bool mit_uebergeordneten = true);

// Writes `inhalt` as the whole new content of the file: first into a temporary
// file beside it, flushed to disk, then renamed over the old file. A crash or a
// full disk therefore leaves either the old file or the complete new one, never
// a half-written file. The folder must exist.
std::string schreibe_datei_atomar(std::string_view windows_pfad, std::string_view inhalt);

// The whole content of a file, or nullopt when it cannot be read.
std::optional<std::string> lies_datei(std::string_view windows_pfad);

}  // namespace plat::files
