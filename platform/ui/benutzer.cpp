#include "platform/ui/benutzer.h"

#include <iostream>

#include "platform/text/codepage.h"

namespace plat::ui {
namespace {

SkriptBenutzer& konsole() {
  static SkriptBenutzer k(true);
  return k;
}

Benutzer* aktuell = nullptr;

void auf_stderr_schreiben(const char* art, const std::string& text, const std::string& titel) {
  using plat::text::CodePage;
  std::cerr << art;
  if (!titel.empty()) std::cerr << " [" << text::convert_lossy(titel, CodePage::Cp850, CodePage::Utf8) << "]";
  std::cerr << ": " << text::convert_lossy(text, CodePage::Cp850, CodePage::Utf8) << std::endl;
}

}  // namespace

Benutzer& benutzer() { return aktuell ? *aktuell : konsole(); }
void setze_benutzer(Benutzer* b) { aktuell = b; }

BenutzerWechsel::BenutzerWechsel(Benutzer& b) : vorher_(aktuell) { aktuell = &b; }
BenutzerWechsel::~BenutzerWechsel() { aktuell = vorher_; }

void SkriptBenutzer::meldung(const std::string& text, const std::string& titel, void*) {
  protokoll_.push_back({"meldung", text, titel});
  if (auf_stderr_) auf_stderr_schreiben("Meldung", text, titel);
}

bool SkriptBenutzer::frage(const std::string& text, const std::string& titel, void*) {
  protokoll_.push_back({"frage", text, titel});
  bool ja = false;
  if (!antworten_.empty()) {
    ja = antworten_.front();
    antworten_.pop_front();
  }
  if (auf_stderr_) auf_stderr_schreiben(ja ? "Frage (Ja)" : "Frage (Nein)", text, titel);
  return ja;
}

bool SkriptBenutzer::gedrueckt(Taste taste) {
  switch (taste) {
    case Taste::Shift: return shift_;
    case Taste::Ctrl: return ctrl_;
    case Taste::Alt: return alt_;
  }
  return false;
}

void SkriptBenutzer::halte(Taste taste, bool an) {
  switch (taste) {
    case Taste::Shift: shift_ = an; break;
    case Taste::Ctrl: ctrl_ = an; break;
    case Taste::Alt: alt_ = an; break;
  }
}

std::vector<std::string> SkriptBenutzer::meldungen() const {
  std::vector<std::string> r;
  for (const auto& e : protokoll_) {
    if (e.art == "meldung") r.push_back(e.text);
  }
  return r;
}

}  // namespace plat::ui
