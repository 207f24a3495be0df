// Steps after the analysis of a placeholder: the type check, the IIF form, the
// field format, and the value text. The expression text lives in the run
// variable `cVariable`; every step reads it anew, because a function the
// expression calls may reassign it (TrimVT does), and every step evaluates it
// anew, so a function named in a placeholder runs several times.
#include <cctype>

#include "docgen/placeholders/platzhalter.h"
#include "docgen/placeholders/texthilfen.h"
#include "docgen/placeholders/zerlegung.h"
#include "platform/expr/expr.h"
#include "platform/process/uhr.h"
#include "platform/runtime/variablen.h"
#include "platform/text/zahl.h"
#include "platform/ui/benutzer.h"

namespace docgen::platzhalter {
namespace {

namespace rt = plat::rt;

std::string ausdruck() {
  const rt::Value* v = rt::finde_variable("cVariable");
  return v && v->ist_text() ? v->text() : std::string();
}

rt::Value auswerten() { return plat::expr::auswerten(ausdruck()); }

bool mit_feld(const std::string& e) { return e.find("->") != std::string::npos; }

// Runs the code block of the expression and puts its value back as a quoted
// literal; other results leave the expression as it is. A text that is no
// valid expression is not compiled: the type check that follows reports it
// like every faulty placeholder, instead of ending the whole replacement.
void block_ausfuehren() {
  const std::string e = ausdruck();
  if (!plat::expr::syntax_pruefen(e).empty()) return;
  const rt::Value block = plat::expr::block_kompilieren(e);
  if (!block.ist_block()) return;
  const rt::Value x = block.block()->call({});
  std::string literal;
  if (x.ist_text()) {
    literal = x.text();
  } else if (x.ist_zahl()) {
    literal = std::string(alltrim(zahl_standard(x)));
  } else if (x.ist_datum()) {
    literal = x.datum().dtoc();
  } else {
    return;
  }
  rt::setze_variable("cVariable", "'" + literal + "'");
}

// A number without a field: width and decimals are the two characters before
// the first ")" of the expression; when they cannot be read (no ")", too few
// characters before it, a width that is no digit 1 to 9) the default number
// text is used.
std::string zahl_ohne_feld(const rt::Value& v, const std::string& e) {
  const auto zu = e.find(')');
  if (zu == std::string::npos || zu < 2) return zahl_standard(v);
  const char b = e[zu - 2];
  const char d = e[zu - 1];
  if (b < '1' || b > '9') return zahl_standard(v);
  const int dezimalen = std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : 0;
  return plat::text::str(v.zahl(), b - '0', dezimalen);
}

std::string als_zeile(const rt::Value& v) { return v.ist_text() ? v.text() : als_text(v); }

}  // namespace

std::string wert_text(const Zerlegung& z) {
  if (z.block) block_ausfuehren();

  // Check: an undefined or faulty expression is never evaluated.
  const std::string geprueft = ausdruck();
  const std::string typ = plat::expr::typ_pruefen(geprueft);
  if (std::string_view("UE").find(typ) != std::string_view::npos) {
    plat::ui::benutzer().meldung("Fehler bei der Variablen:" + geprueft);
    return std::string(kFehlerText);
  }

  // IIF: its result is the expression text to use.
  if (gross850(ausdruck().substr(0, 3)) == "IIF") {
    const rt::Value neu = auswerten();
    if (neu.ist_text()) rt::setze_variable("cVariable", neu);
  }

  // Field format of a numeric field.
  rt::Value format;
  {
    const rt::Value v = auswerten();
    if (v.ist_zahl() && mit_feld(ausdruck())) format = F_Info(ausdruck());
  }

  if (const char t = auswerten().typ_buchstabe(); t == 'C' || t == 'M') {
    std::string s(alltrim(als_zeile(auswerten())));
    return z.spalte ? padr(s, z.laenge) : s;
  }
  if (auswerten().ist_zahl()) {
    const rt::Value v = auswerten();
    if (!v.ist_zahl()) return als_zeile(v);
    const std::string e = ausdruck();
    if (!mit_feld(e)) return zahl_ohne_feld(v, e);
    const auto& f = format.ist_liste() ? *format.liste() : rt::Array{};
    if (f.size() == 2 && f[0].ist_zahl() && f[1].ist_zahl())
      return plat::text::str(v.zahl(), static_cast<int>(f[0].zahl()),
                             static_cast<int>(f[1].zahl()));
    return zahl_standard(v);
  }
  if (auswerten().ist_datum()) {
    const rt::Value v = auswerten();
    const std::string s = v.ist_datum() ? v.datum().dtoc() : als_zeile(v);
    return z.spalte ? padr(s, z.laenge) : s;
  }
  // Any other value: "D" followed by a number of days gives a date from today.
  const std::string e = ausdruck();
  if (!z.spalte && !e.empty() && (e[0] == 'D' || e[0] == 'd')) {
    const long tage = static_cast<long>(val(std::string_view(e).substr(1)));
    return plat::process::heute().plus_tage(tage).dtoc();
  }
  return {};
}

}  // namespace docgen::platzhalter
