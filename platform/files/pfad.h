// Windows paths onto the host file system.
//
// The system writes its paths as Windows does ("C:\Vuvuvira\xR\R17", "c:\dera\x.html").
// host_pfad() turns such a path (code page 850) into a host path:
//   - the drive letter goes to a host folder: set with setze_laufwerk() or `--drive C=DIR`
//     on the command line (laufwerk_argumente()), else the environment variable
//     BT_DRIVE_C (BT_DRIVE_D, ...), else "<user data folder>/bestattung/laufwerk_c"
//     (the user data folder is $XDG_DATA_HOME or ~/.local/share);
//   - backslashes and slashes both separate names;
//   - each name is matched without regard to case against what exists on disk, so
//     "c:\dera" and "C:\DERA" are one folder; names that do not exist yet are taken
//     as written (converted to UTF-8);
//   - a path without drive letter is relative to the working folder; a path that
//     begins with "/" is already a host path and is taken as it stands.
// No other code builds host paths from the system's path texts.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace plat::files {

// Host folder of a drive letter (either case).
std::filesystem::path laufwerk(char buchstabe);
// Maps a drive letter onto a host folder for the rest of the run.
void setze_laufwerk(char buchstabe, const std::filesystem::path& ordner);
// Forgets the mappings made by setze_laufwerk (tests).
void vergiss_laufwerke();

// Takes every "--drive C=DIR" and "--drive=C=DIR" out of argv (argc is reduced,
// the other arguments keep their order) and maps the drives. Returns an error
// text (code page 850) for a malformed option, else an empty text.
std::string laufwerk_argumente(int& argc, char** argv);

// The host path of a Windows path text in code page 850.
std::filesystem::path host_pfad(std::string_view windows_pfad);

}  // namespace plat::files
