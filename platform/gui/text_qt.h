// The one place where text crosses between Qt (UTF-16) and the program's code
// page 850. Everything the windows show comes in through nach_qt; everything
// they hand back goes out through von_qt. Characters that code page 850 cannot
// hold are never changed silently: von_qt refuses them, and the entry
// elements (felder.h) do not take them in the first place.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace plat::gui {

// Program text (code page 850) as a Qt string. Always succeeds.
QString nach_qt(std::string_view cp850);

// A Qt string as program text; no value when a character does not exist in
// code page 850.
std::optional<std::string> von_qt(const QString& text);

// The distinct characters of `text` that code page 850 cannot hold, in order
// of first appearance; empty when the whole text fits.
QString fremde_zeichen(const QString& text);

// The same for Windows-1252, the code page of the description files.
QString fremde_zeichen_1252(const QString& text);

// Multi-line program text keeps the Windows line ends "\r\n"; Qt's edits use
// "\n". These convert line ends as well as the code page.
QString mehrzeilig_nach_qt(std::string_view cp850);
std::optional<std::string> mehrzeilig_von_qt(const QString& text);

// The message shown when an entry element refuses characters.
QString hinweis_fremde_zeichen(const QString& zeichen);

}  // namespace plat::gui
