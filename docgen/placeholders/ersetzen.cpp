// The replacement loop. Each pass replaces the placeholder at the first "$" of
// the text by its value; a value that holds a "$" is read again in a later
// pass. Everything before the first "$" is final, so the loop keeps that part
// in the output and the rest in a buffer with room at its front: replacing a
// placeholder only rewrites the front of the rest. Searches ("first ') ' at
// or after p") remember their last answer as long as the text it rests on is
// unchanged, so that no part of the text is scanned more than a bounded number
// of times: the loop is linear in the text and the number of placeholders,
// with the same result as replacing pass by pass.
#include <algorithm>
#include <array>
#include <vector>

#include "docgen/placeholders/platzhalter.h"
#include "docgen/placeholders/zerlegung.h"
#include "platform/runtime/variablen.h"
#include "platform/ui/benutzer.h"

namespace docgen {
namespace {

constexpr auto npos = std::string_view::npos;

using platzhalter::kMaxTiefe;
constexpr int kMaxVerschachtelung = 32;  // nested calls through evaluated expressions

// The part of the text not yet final, kept at the end of a buffer so that the
// front can be rewritten in place.
class Rest {
 public:
  explicit Rest(std::string_view text) : buf_(text), anf_(0) {}

  const std::string& buf() const { return buf_; }
  std::size_t anf() const { return anf_; }
  std::size_t ende() const { return buf_.size(); }
  void vor(std::size_t bis) { anf_ = bis; }

  // Replaces buf[anf, bis) by `neu` and makes it the new front. Returns the
  // shift of all positions when the buffer had to grow at the front.
  std::size_t ersetze_vorn(std::size_t bis, std::string_view neu) {
    std::size_t verschub = 0;
    if (neu.size() > bis) {
      verschub = std::max(neu.size() - bis, buf_.size()) + 64;
      buf_.insert(0, verschub, '\0');
      bis += verschub;
    }
    anf_ = bis - neu.size();
    std::copy(neu.begin(), neu.end(), buf_.begin() + static_cast<std::ptrdiff_t>(anf_));
    return verschub;
  }

 private:
  std::string buf_;
  std::size_t anf_;
};

// A search for one pattern that remembers: no occurrence begins in
// [von, treffer), and one begins at treffer (npos: none up to the end).
class Sucher {
 public:
  explicit Sucher(std::string_view muster) : muster_(muster) {}
  std::string_view muster() const { return muster_; }

  std::size_t finde(const std::string& buf, std::size_t p) {
    if (von_ != npos && p <= treffer_) {
      if (p >= von_) return treffer_;
      // Only the part before `von` is new: look there, else the old answer holds.
      const std::string_view neu = std::string_view(buf).substr(p, von_ - p + muster_.size() - 1);
      const auto k = neu.find(muster_);
      if (k != npos) treffer_ = p + k;
    } else {
      treffer_ = buf.find(muster_, p);
    }
    von_ = p;
    return treffer_;
  }

  // Everything before `bis` was rewritten.
  void geschrieben(std::size_t bis) {
    if (von_ == npos) return;
    if (treffer_ != npos && treffer_ < bis) {
      von_ = npos;
    } else {
      von_ = std::max(von_, bis);
    }
  }

  void verschiebe(std::size_t d) {
    if (von_ != npos) von_ += d;
    if (treffer_ != npos) treffer_ += d;
  }

 private:
  std::string_view muster_;
  std::size_t von_ = npos;
  std::size_t treffer_ = npos;
};

// Depth of re-read values: a stack of rewritten regions [.., ende) with the
// depth of the values written there.
class Tiefen {
 public:
  int an(std::size_t p) {
    while (!stapel_.empty() && stapel_.back().ende <= p) stapel_.pop_back();
    return stapel_.empty() ? 0 : stapel_.back().tiefe;
  }
  void neu(std::size_t ende, int tiefe) {
    while (!stapel_.empty() && stapel_.back().ende <= ende) stapel_.pop_back();
    stapel_.push_back({ende, tiefe});
  }
  void verschiebe(std::size_t d) {
    for (auto& b : stapel_) b.ende += d;
  }

 private:
  struct Bereich {
    std::size_t ende;
    int tiefe;
  };
  std::vector<Bereich> stapel_;
};

int verschachtelung = 0;

struct Zaehler {
  Zaehler() { ++verschachtelung; }
  ~Zaehler() { --verschachtelung; }
  Zaehler(const Zaehler&) = delete;
  Zaehler& operator=(const Zaehler&) = delete;
};

}  // namespace

std::string VariFunkErsatz_1(std::string_view cString) {
  Zaehler zaehler;
  if (verschachtelung > kMaxVerschachtelung) return std::string(cString);

  plat::rt::Rahmen rahmen;
  rahmen.erzeuge("cVariable", std::string());

  std::string aus;
  aus.reserve(cString.size());
  Rest rest(cString);
  std::array<Sucher, 7> sucher{Sucher("$"),  Sucher(") "), Sucher("') "), Sucher("),"),
                               Sucher(", "), Sucher(" "),  Sucher(" \t")};
  const auto finde = [&](std::string_view muster, std::size_t ab) {
    for (auto& s : sucher)
      if (s.muster() == muster) return s.finde(rest.buf(), ab);
    return rest.buf().find(muster, ab);
  };
  const platzhalter::Finder finder = finde;
  Tiefen tiefen;
  std::size_t budget = platzhalter::budget_fuer(cString.size());
  bool gemeldet = false;

  for (;;) {
    const std::size_t p = finde("$", rest.anf());
    if (p == npos) break;
    aus.append(rest.buf(), rest.anf(), p - rest.anf());

    const platzhalter::Zerlegung z = platzhalter::zerlege(rest.buf(), p, finder);
    const std::size_t bis = std::min(p + z.laenge, rest.ende());
    const int tiefe = tiefen.an(p);

    plat::rt::setze_variable("cVariable", z.ausdruck);
    std::string wert = platzhalter::wert_text(z);

    if (wert.find('$') == std::string::npos) {
      aus += wert;
      rest.vor(bis);
      continue;
    }
    if (tiefe >= kMaxTiefe || wert.size() > budget) {
      // A value that keeps producing placeholders: stop reading it again.
      if (!gemeldet) plat::ui::benutzer().meldung("Fehler bei der Variablen:" + z.ausdruck);
      gemeldet = true;
      aus += platzhalter::kFehlerText;
      rest.vor(bis);
      continue;
    }
    budget -= wert.size();
    std::size_t ende = bis;
    if (const std::size_t d = rest.ersetze_vorn(bis, wert); d != 0) {
      for (auto& s : sucher) s.verschiebe(d);
      tiefen.verschiebe(d);
      ende += d;
    }
    for (auto& s : sucher) s.geschrieben(ende);
    tiefen.neu(ende, tiefe + 1);
  }
  aus.append(rest.buf(), rest.anf(), npos);
  return aus;
}

}  // namespace docgen
