// The user seam: everything the program asks of or shows to the person at the
// desk goes through here, so that tests and runs without a display can answer
// instead of a person.
//
// All texts are program text in code page 850; implementations convert at
// their own edge.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace plat::ui {

enum class Taste { Shift, Ctrl, Alt };

class Benutzer {
 public:
  virtual ~Benutzer() = default;
  // A modal message box with one OK button. `besitzer` is the owner window
  // (a QWidget* for the Qt implementation; null for none).
  virtual void meldung(const std::string& text, const std::string& titel = "",
                       void* besitzer = nullptr) = 0;
  // A modal Yes/No box; true for Yes.
  virtual bool frage(const std::string& text, const std::string& titel = "",
                     void* besitzer = nullptr) = 0;
  // State of a modifier key at the moment of the call.
  virtual bool gedrueckt(Taste taste) = 0;
};

// The implementation in force. Defaults to a KonsolenBenutzer.
Benutzer& benutzer();
// Installs `b` (not owned) as the implementation; null restores the default.
void setze_benutzer(Benutzer* b);

// Installs an implementation for the lifetime of the object.
class BenutzerWechsel {
 public:
  explicit BenutzerWechsel(Benutzer& b);
  ~BenutzerWechsel();
  BenutzerWechsel(const BenutzerWechsel&) = delete;
  BenutzerWechsel& operator=(const BenutzerWechsel&) = delete;

 private:
  Benutzer* vorher_;
};

// Answers from a script: messages are recorded, questions are answered from a
// queue (No when it is empty), modifier keys come from a fixed set. Used by
// tests and by runs without a display (message boxes then also go to stderr).
class SkriptBenutzer : public Benutzer {
 public:
  struct Eintrag {
    std::string art;  // "meldung" or "frage"
    std::string text;
    std::string titel;
  };

  explicit SkriptBenutzer(bool auf_stderr = false) : auf_stderr_(auf_stderr) {}

  void meldung(const std::string& text, const std::string& titel, void* besitzer) override;
  bool frage(const std::string& text, const std::string& titel, void* besitzer) override;
  bool gedrueckt(Taste taste) override;

  void antworte(bool ja) { antworten_.push_back(ja); }
  void halte(Taste taste, bool an = true);

  const std::vector<Eintrag>& protokoll() const { return protokoll_; }
  std::vector<std::string> meldungen() const;  // texts of the message boxes only
  void leere_protokoll() { protokoll_.clear(); }

 private:
  bool auf_stderr_;
  std::deque<bool> antworten_;
  bool shift_ = false, ctrl_ = false, alt_ = false;
  std::vector<Eintrag> protokoll_;
};

}  // namespace plat::ui
