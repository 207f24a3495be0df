#include "platform/expr/parser.h"

#include <cstdlib>

#include "platform/runtime/variablen.h"

namespace plat::expr {

namespace {

// Deep enough for any template; shallow enough that neither parsing nor
// evaluating can exhaust the stack.
constexpr int kMaxTiefe = 100;
// Operators in one chain ("a + b + c ...") nest the tree as deeply as brackets do.
constexpr int kMaxKette = 1000;

class Parser {
 public:
  Parser(std::string_view quelle, std::vector<Token> t) : quelle_(quelle), t_(std::move(t)) {}

  KnotenPtr ganz() {
    KnotenPtr k = ausdruck();
    if (aktuell().art != TokenArt::Ende) fehler("unerwartetes " + beschreibe(aktuell()));
    return k;
  }

 private:
  struct Tiefe {
    explicit Tiefe(Parser& p) : p_(p) {
      if (++p_.tiefe_ > kMaxTiefe) p_.fehler("Ausdruck zu tief verschachtelt");
    }
    ~Tiefe() { --p_.tiefe_; }
    Parser& p_;
  };
  // Counts the links of one operator chain; each link is one more tree level.
  struct Kette {
    explicit Kette(Parser& p) : p_(p) {}
    void glied() {
      ++n_;
      if (++p_.kette_ > kMaxKette) p_.fehler("Ausdruck zu lang verkettet");
    }
    ~Kette() { p_.kette_ -= n_; }
    Parser& p_;
    int n_ = 0;
  };

  const Token& aktuell() const { return t_[pos_]; }
  const Token& danach(std::size_t n = 1) const { return t_[std::min(pos_ + n, t_.size() - 1)]; }
  bool ist(std::string_view sym) const {
    return aktuell().art == TokenArt::Symbol && aktuell().text == sym;
  }
  bool nimm(std::string_view sym) {
    if (!ist(sym)) return false;
    ++pos_;
    return true;
  }
  void erwarte(std::string_view sym) {
    if (!nimm(sym)) fehler("'" + std::string(sym) + "' erwartet statt " + beschreibe(aktuell()));
  }
  [[noreturn]] void fehler(const std::string& grund) const {
    throw SyntaxFehler{aktuell().spalte, grund};
  }
  static std::string beschreibe(const Token& t) {
    switch (t.art) {
      case TokenArt::Ende:
        return "Ende des Ausdrucks";
      case TokenArt::Zahl:
        return "Zahl " + t.text;
      case TokenArt::Text:
        return "Text";
      case TokenArt::Name:
        return "Name " + t.text;
      case TokenArt::Logisch:
        return "." + t.text + ".";
      case TokenArt::Symbol:
        return "'" + t.text + "'";
    }
    return "?";
  }

  KnotenPtr ausdruck() {
    Tiefe t(*this);
    return zuweisung();
  }

  KnotenPtr zuweisung() {
    KnotenPtr ziel = oder();
    if (ist(":=")) {
      const int sp = aktuell().spalte;
      ++pos_;
      KnotenPtr wert = ausdruck();
      return std::make_unique<Zuweisung>(sp, std::move(ziel), std::move(wert));
    }
    return ziel;
  }

  KnotenPtr oder() {
    KnotenPtr a = und();
    Kette kette(*this);
    while (ist(".OR.")) {
      kette.glied();
      const int sp = aktuell().spalte;
      ++pos_;
      a = std::make_unique<Binaer>(sp, Op::Oder, std::move(a), und());
    }
    return a;
  }

  KnotenPtr und() {
    KnotenPtr a = nicht();
    Kette kette(*this);
    while (ist(".AND.")) {
      kette.glied();
      const int sp = aktuell().spalte;
      ++pos_;
      a = std::make_unique<Binaer>(sp, Op::Und, std::move(a), nicht());
    }
    return a;
  }

  KnotenPtr nicht() {
    if (ist(".NOT.") || ist("!")) {
      Tiefe t(*this);
      const int sp = aktuell().spalte;
      ++pos_;
      return std::make_unique<Unaer>(sp, '!', nicht());
    }
    return vergleich();
  }

  KnotenPtr vergleich() {
    KnotenPtr a = summe();
    Kette kette(*this);
    for (;;) {
      Op op;
      if (ist("="))
        op = Op::Gleich;
      else if (ist("=="))
        op = Op::Exakt;
      else if (ist("!=") || ist("<>") || ist("#"))
        op = Op::Ungleich;
      else if (ist("<"))
        op = Op::Kleiner;
      else if (ist(">"))
        op = Op::Groesser;
      else if (ist("<="))
        op = Op::KleinerGleich;
      else if (ist(">="))
        op = Op::GroesserGleich;
      else if (ist("$"))
        op = Op::Enthalten;
      else
        return a;
      kette.glied();
      const int sp = aktuell().spalte;
      ++pos_;
      a = std::make_unique<Binaer>(sp, op, std::move(a), summe());
    }
  }

  KnotenPtr summe() {
    KnotenPtr a = produkt();
    Kette kette(*this);
    while (ist("+") || ist("-")) {
      kette.glied();
      const Op op = ist("+") ? Op::Plus : Op::Minus;
      const int sp = aktuell().spalte;
      ++pos_;
      a = std::make_unique<Binaer>(sp, op, std::move(a), produkt());
    }
    return a;
  }

  KnotenPtr produkt() {
    KnotenPtr a = potenz();
    Kette kette(*this);
    while (ist("*") || ist("/") || ist("%")) {
      kette.glied();
      const Op op = ist("*") ? Op::Mal : ist("/") ? Op::Durch : Op::Rest;
      const int sp = aktuell().spalte;
      ++pos_;
      a = std::make_unique<Binaer>(sp, op, std::move(a), potenz());
    }
    return a;
  }

  KnotenPtr potenz() {
    KnotenPtr a = vorzeichen();
    Kette kette(*this);
    while (ist("**") || ist("^")) {
      kette.glied();
      const int sp = aktuell().spalte;
      ++pos_;
      a = std::make_unique<Binaer>(sp, Op::Hoch, std::move(a), vorzeichen());
    }
    return a;
  }

  KnotenPtr vorzeichen() {
    if (ist("-") || ist("+")) {
      Tiefe t(*this);
      const int sp = aktuell().spalte;
      const char op = aktuell().text[0];
      ++pos_;
      return std::make_unique<Unaer>(sp, op, vorzeichen());
    }
    return nachsatz(grundform());
  }

  KnotenPtr nachsatz(KnotenPtr k) {
    Kette kette(*this);
    for (;;) {
      kette.glied();
      const int sp = aktuell().spalte;
      if (nimm("[")) {
        // a[i, j] is a[i][j]
        do {
          k = std::make_unique<Index>(sp, std::move(k), ausdruck());
        } while (nimm(","));
        erwarte("]");
      } else if (ist(":")) {
        ++pos_;
        if (aktuell().art != TokenArt::Name) fehler("Elementname erwartet nach ':'");
        k = std::make_unique<Element>(sp, std::move(k), aktuell().text);
        ++pos_;
      } else {
        return k;
      }
    }
  }

  // Field name after "->".
  std::string feldname() {
    erwarte("->");
    if (aktuell().art != TokenArt::Name) fehler("Feldname erwartet nach '->'");
    return t_[pos_++].text;
  }

  KnotenPtr grundform() {
    const Token& t = aktuell();
    const int sp = t.spalte;
    switch (t.art) {
      case TokenArt::Zahl: {
        ++pos_;
        if (ist("->")) return std::make_unique<Feld>(sp, t.text, nullptr, feldname());
        const auto punkt = t.text.find('.');
        const int dez =
            punkt == std::string::npos ? 0 : static_cast<int>(t.text.size() - punkt - 1);
        return std::make_unique<Literal>(
            sp, rt::Value::berechnet(std::strtod(t.text.c_str(), nullptr), dez));
      }
      case TokenArt::Text:
        ++pos_;
        return std::make_unique<Literal>(sp, rt::Value(t.text));
      case TokenArt::Logisch:
        ++pos_;
        return std::make_unique<Literal>(sp, rt::Value(t.text == "T"));
      case TokenArt::Name:
        return name();
      case TokenArt::Ende:
        fehler("Ausdruck unvollst\x84ndig");
      case TokenArt::Symbol:
        break;
    }
    if (ist("(")) {
      ++pos_;
      std::vector<KnotenPtr> e;
      do {
        e.push_back(ausdruck());
      } while (nimm(","));
      erwarte(")");
      if (ist("->")) {
        if (e.size() != 1) fehler("Arbeitsbereich erwartet vor '->'");
        return std::make_unique<Feld>(sp, "", std::move(e.front()), feldname());
      }
      if (e.size() == 1) return std::move(e.front());
      return std::make_unique<Folge>(sp, std::move(e));
    }
    if (ist("{")) return geschweift();
    if (nimm("&")) {
      if (aktuell().art != TokenArt::Name) fehler("Variablenname erwartet nach '&'");
      return std::make_unique<Makro>(sp, t_[pos_++].text);
    }
    fehler("unerwartetes " + beschreibe(t));
  }

  KnotenPtr name() {
    const Token& t = aktuell();
    const int sp = t.spalte;
    const std::string g = rt::gross(t.text);
    ++pos_;
    if (ist("->")) {
      if (g == "M" || g == "MEMVAR") {
        ++pos_;
        if (aktuell().art != TokenArt::Name) fehler("Variablenname erwartet nach '->'");
        return std::make_unique<Speichervariable>(sp, t_[pos_++].text);
      }
      if (g == "FIELD" || g == "_FIELD") return std::make_unique<Feld>(sp, "", nullptr, feldname());
      return std::make_unique<Feld>(sp, t.text, nullptr, feldname());
    }
    if (ist("(")) return aufruf(t.text, g, sp);
    if (g == "NIL") return std::make_unique<Literal>(sp, rt::Value());
    return std::make_unique<Name>(sp, t.text);
  }

  KnotenPtr aufruf(const std::string& name, const std::string& g, int sp) {
    erwarte("(");
    std::vector<Aufruf::Arg> args;
    if (!nimm(")")) {
      for (;;) {
        Aufruf::Arg a;
        if (ist(",") || ist(")")) {
          // left out
        } else if (nimm("@")) {
          if (aktuell().art != TokenArt::Name) fehler("Variablenname erwartet nach '@'");
          a.ausdruck = std::make_unique<Name>(aktuell().spalte, aktuell().text);
          a.referenz = true;
          ++pos_;
        } else {
          a.ausdruck = ausdruck();
        }
        args.push_back(std::move(a));
        if (nimm(")")) break;
        if (!nimm(",")) fehler("',' oder ')' erwartet statt " + beschreibe(aktuell()));
      }
    }
    if (g == "IIF" || g == "IF") {
      if (args.size() < 2 || args.size() > 3 || !args[0].ausdruck || args[0].referenz)
        throw SyntaxFehler{sp, name + " braucht Bedingung und zwei Werte"};
      KnotenPtr sonst = args.size() == 3 ? std::move(args[2].ausdruck) : nullptr;
      return std::make_unique<Wenn>(sp, std::move(args[0].ausdruck), std::move(args[1].ausdruck),
                                    std::move(sonst));
    }
    return std::make_unique<Aufruf>(sp, name, std::move(args));
  }

  // "{a, b}" or "{|a, b| x, y}"
  KnotenPtr geschweift() {
    const int sp = aktuell().spalte;
    erwarte("{");
    if (nimm("|")) {
      auto rumpf = std::make_shared<BlockRumpf>();
      if (!nimm("|")) {
        for (;;) {
          if (aktuell().art != TokenArt::Name) fehler("Parametername erwartet");
          rumpf->parameter.push_back(t_[pos_++].text);
          if (nimm("|")) break;
          erwarte(",");
        }
      }
      if (!ist("}")) {  // "{||}" gives NIL
        do {
          rumpf->ausdruecke.push_back(ausdruck());
        } while (nimm(","));
      }
      const int ende = aktuell().spalte;
      erwarte("}");
      rumpf->quelle = std::string(quelle_.substr(static_cast<std::size_t>(sp - 1),
                                                 static_cast<std::size_t>(ende - sp + 1)));
      return std::make_unique<BlockLiteral>(sp, std::move(rumpf));
    }
    std::vector<KnotenPtr> e;
    if (!nimm("}")) {
      for (;;) {
        e.push_back(ist(",") || ist("}") ? nullptr : ausdruck());
        if (nimm("}")) break;
        erwarte(",");
      }
    }
    return std::make_unique<ListenLiteral>(sp, std::move(e));
  }

  std::string_view quelle_;
  std::vector<Token> t_;
  std::size_t pos_ = 0;
  int tiefe_ = 0;
  int kette_ = 0;
};

}  // namespace

KnotenPtr parse(std::string_view text) {
  Parser p(text, zerlege(text));
  return p.ganz();
}

}  // namespace plat::expr
