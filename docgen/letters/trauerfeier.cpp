// The sentence announcing the funeral service.
#include "docgen/letters/textfunktionen.h"
#include "docgen/placeholders/texthilfen.h"
#include "platform/text/zahl.h"

namespace docgen {
namespace {

std::string datum_text(const Value& v) {
  if (v.ist_text()) return v.text();
  if (v.ist_datum()) return v.datum().dtoc();
  return als_text(v);
}

std::string zeit_text(const Value& v) {
  if (v.ist_text()) return v.text();
  if (v.ist_zahl()) return plat::text::str(v.zahl(), 5, 2);
  return als_text(v);
}

Value aus_fall(const Value& gegeben, std::string_view feld) {
  if (!gegeben.ist_nil()) return gegeben;
  return feldwert(1, feld).value_or(Value(""));
}

std::string text_von(const Value& v) { return v.ist_text() ? v.text() : als_text(v); }

}  // namespace

std::string Trauerfeier(const Value& cTFTag, const Value& cTFDat, const Value& cTFZeit,
                        const Value& cTFOrt, const Value& cOrtart) {
  const std::string tag(alltrim(text_von(aus_fall(cTFTag, "messetag"))));
  const std::string datum = datum_text(aus_fall(cTFDat, "messedat"));
  const std::string zeit = zeit_text(aus_fall(cTFZeit, "messezeit"));
  const std::string ort(alltrim(text_von(aus_fall(cTFOrt, "messewo"))));

  std::string ortart;
  if (!cOrtart.leer()) {
    ortart = text_von(cOrtart) + " ";
  } else if (ort.find("St.") != std::string::npos || ort.find("San") != std::string::npos) {
    ortart = "Kirche ";
  }
  return "Die Trauerfeier ist am " + tag + ", dem " + datum + ", um " + zeit + " Uhr in der " +
         ortart + ort + ".";
}

}  // namespace docgen
