// A funeral case for tests: the case record (work area 1), its order items
// (work area 3, indexed on the case number as six characters) and an address
// table (work area 5, indexed on the short key) written as real DBF tables in
// a temporary folder, host variables in a frame of their own, a scripted user
// and a virtual clock standing on 11.12.2026.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/process/uhr.h"
#include "platform/runtime/value.h"
#include "platform/runtime/variablen.h"
#include "platform/ui/benutzer.h"

namespace docgen::test {

struct Posten {
  double auftrnr;
  std::string neu;
  double betrageu;
  std::string bezeichn;
};

struct Adresse {
  std::string kurz, name1, name2, strasse, plz_ort;
};

class TestFall {
 public:
  TestFall();
  ~TestFall();
  TestFall(const TestFall&) = delete;
  TestFall& operator=(const TestFall&) = delete;

  // Replaces the order items / addresses (the tables are written anew and
  // reopened in their work areas).
  void setze_posten(const std::vector<Posten>& posten);
  void setze_adressen(const std::vector<Adresse>& adressen);
  // Writes one field of the case record.
  void setze_fall(const std::string& feld, const plat::rt::Value& wert);
  // Sets the host variables of a new case again (CRLF, TO2..TZ4, oBest, an
  // empty aGruen); variables added later stay.
  void grundzustand();
  // Creates or assigns a host variable.
  void setze_variable(const std::string& name, const plat::rt::Value& wert);

  plat::ui::SkriptBenutzer& benutzer() { return benutzer_; }
  const std::filesystem::path& ordner() const { return ordner_; }

 private:
  void oeffne_posten();
  void oeffne_adressen();

  std::filesystem::path ordner_;
  plat::ui::SkriptBenutzer benutzer_;
  plat::ui::BenutzerWechsel benutzer_wechsel_{benutzer_};
  plat::process::VirtuelleUhr uhr_{plat::process::VirtuelleUhr::lokal(2026, 12, 11, 9, 30)};
  plat::process::UhrWechsel uhr_wechsel_{uhr_};
  plat::rt::Rahmen host_;
};

// The default items and addresses of a new TestFall.
std::vector<Posten> standard_posten();
std::vector<Adresse> standard_adressen();

}  // namespace docgen::test
