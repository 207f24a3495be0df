// Batch entries and Stammdaten.ini text: the readers never crash, and every
// invoice composed from accepted entries is UTF-8 without bare markup characters
// inside values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "einvoice/cii_dokument.h"
#include "einvoice/rechnungssatz.h"
#include "einvoice/stammdaten.h"
#include "einvoice/stapel.h"
#include "platform/text/codepage.h"

namespace {

void pruefe_dokument(const std::string& xml) {
  // Valid UTF-8 (code page 850 cannot hold every character, so check against UTF-8 itself).
  (void)plat::text::convert(xml, plat::text::CodePage::Utf8, plat::text::CodePage::Utf8);
  // Every "&" starts an entity.
  for (std::size_t p = xml.find('&'); p != std::string::npos; p = xml.find('&', p + 1)) {
    const std::string_view rest = std::string_view(xml).substr(p);
    if (rest.substr(0, 5) != "&amp;" && rest.substr(0, 4) != "&lt;" &&
        rest.substr(0, 4) != "&gt;" && rest.substr(0, 6) != "&quot;") {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  einvoice::Rechnungssatz satz;
  if (!einvoice::lies_stammdaten(text, satz).empty()) einvoice::setze_demo_stammdaten(satz);
  const einvoice::StapelEingaben e = einvoice::lies_stapel_eingaben(text);
  if (e.fehler.empty()) {
    for (int k = 1; k <= einvoice::kEingabeAnzahl; ++k) {
      satz[einvoice::eingabe_feld(k)] = e.felder[static_cast<std::size_t>(k - 1)];
    }
  }
  pruefe_dokument(einvoice::cii_dokument(satz, einvoice::berechne_abgeleitete(satz)));
  return 0;
}
