// The description editor: a modal window with a multi-line edit on one text
// file. Ctrl+S (in the edit) saves, Enter or F10 take the text, Esc takes
// nothing, OK and the close box leave the result as it stands.
//
//   std::string beschreibung;
//   ModalFen(beschreibung, std::nullopt, fenster.zeichenflaeche(), std::nullopt, std::nullopt,
//            "C:\\Vuvuvira\\xR\\R17\\R17.txt");
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace einvoice {

// The default title (UTF-8 here; the window gets it as program text).
inline constexpr const char* kModalFenTitel =
    "Tätigkeits-Beschreibung erfassen und mit Strg-S speichern";

// The name the editor actually uses for `cRtfFile` (a Windows path, code page
// 850): the path itself when the file exists; else everything from the first
// "." on replaced by ".txt", or ".txt" appended to a path without any ".".
std::string modalfen_dateiname(const std::string& cRtfFile);

// Runs the editor and returns the accepted text, which is also left in
// `cString` (program text with "\r\n" line ends). `oDlg1` is the calling
// window's drawing area: its size places the editor and its window owns it.
// The file is read and written as Windows-1252 text.
std::string ModalFen(std::string& cString, const std::optional<std::string>& cTitle = std::nullopt,
                     QWidget* oDlg1 = nullptr, std::optional<int> nXsize = std::nullopt,
                     std::optional<int> nYsize = std::nullopt,
                     const std::optional<std::string>& cRtfFile = std::nullopt);

}  // namespace einvoice
