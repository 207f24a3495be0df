// The invoice entry window: 19 entry fields (invoice number, invoice date,
// delivery date, and description, unit price, quantity and line total of four
// invoice lines) and the work description edit, on a TzDialog.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "einvoice/tzdialog.h"
#include "platform/gui/felder.h"

namespace einvoice {

inline constexpr const char* kEingabeTitel = "Programm zur xRechnung";

struct Eingabefenster {
  std::unique_ptr<TzDialog> oDlg;
  // The entry list: the 19 fields in entry-field order, which is also the tab order.
  std::vector<plat::gui::Eingabefeld*> aEC;

  // The texts of the entry list (code page 850), as the writer takes them.
  std::vector<std::string> texte() const;
};

// Builds the window, hidden; Main makes it modal and shows it.
Eingabefenster baue_eingabefenster(QWidget* besitzer = nullptr);

}  // namespace einvoice
