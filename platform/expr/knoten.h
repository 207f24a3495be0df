// The parsed form of an expression: a tree of nodes that evaluate themselves.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/funktionen.h"
#include "platform/runtime/value.h"
#include "platform/runtime/variablen.h"

namespace plat::expr {

class Knoten {
 public:
  explicit Knoten(int spalte) : spalte_(spalte) {}
  virtual ~Knoten() = default;
  Knoten(const Knoten&) = delete;
  Knoten& operator=(const Knoten&) = delete;

  virtual rt::Value wert() const = 0;
  // The table field type ('M' for memo) when the node reads a field, else 0.
  virtual char feld_typ() const { return 0; }
  // Assignment (":="); only variables, members and array elements take one.
  virtual void zuweisen(rt::Value wert) const;
  // For "@name" arguments: the named variable's storage (created when missing).
  virtual rt::Value* referenz() const { return nullptr; }

  int spalte() const { return spalte_; }

 private:
  int spalte_;
};
using KnotenPtr = std::unique_ptr<Knoten>;

class Literal : public Knoten {
 public:
  Literal(int spalte, rt::Value v) : Knoten(spalte), v_(std::move(v)) {}
  rt::Value wert() const override { return v_; }

 private:
  rt::Value v_;
};

// A bare name: a visible variable, else a field of the selected work area.
class Name : public Knoten {
 public:
  Name(int spalte, std::string name)
      : Knoten(spalte), name_(std::move(name)), gross_(rt::gross(name_)) {}
  rt::Value wert() const override;
  char feld_typ() const override;
  void zuweisen(rt::Value wert) const override;
  rt::Value* referenz() const override;

 private:
  std::string name_;
  std::string gross_;
};

// "M->name": a variable only.
class Speichervariable : public Knoten {
 public:
  Speichervariable(int spalte, std::string name)
      : Knoten(spalte), name_(std::move(name)), gross_(rt::gross(name_)) {}
  rt::Value wert() const override;
  void zuweisen(rt::Value wert) const override;

 private:
  std::string name_;
  std::string gross_;
};

// "alias->feld", "1->feld", "(ausdruck)->feld", "FIELD->feld".
class Feld : public Knoten {
 public:
  Feld(int spalte, std::string bereich, KnotenPtr bereich_ausdruck, std::string feld)
      : Knoten(spalte),
        bereich_(std::move(bereich)),
        ausdruck_(std::move(bereich_ausdruck)),
        feld_(std::move(feld)) {}
  rt::Value wert() const override;
  char feld_typ() const override;

 private:
  int finde_bereich() const;
  std::string bereich_;  // alias or number as written; empty: selected area or ausdruck_
  KnotenPtr ausdruck_;
  std::string feld_;
};

class Aufruf : public Knoten {
 public:
  struct Arg {
    KnotenPtr ausdruck;  // null: left out
    bool referenz = false;
  };
  Aufruf(int spalte, std::string name, std::vector<Arg> args)
      : Knoten(spalte), name_(std::move(name)), gross_(rt::gross(name_)), args_(std::move(args)) {}
  rt::Value wert() const override;

 private:
  std::string name_;
  std::string gross_;
  std::vector<Arg> args_;
  mutable const rt::Funktion* funktion_ = nullptr;
  mutable std::uint64_t generation_ = 0;
};

class Wenn : public Knoten {  // IIF(bedingung, dann, sonst)
 public:
  Wenn(int spalte, KnotenPtr b, KnotenPtr dann, KnotenPtr sonst)
      : Knoten(spalte), b_(std::move(b)), dann_(std::move(dann)), sonst_(std::move(sonst)) {}
  rt::Value wert() const override;

 private:
  KnotenPtr b_, dann_, sonst_;  // dann_/sonst_ may be null (NIL)
};

class Unaer : public Knoten {
 public:
  Unaer(int spalte, char op, KnotenPtr x) : Knoten(spalte), op_(op), x_(std::move(x)) {}
  rt::Value wert() const override;

 private:
  char op_;  // '-', '+', '!'
  KnotenPtr x_;
};

enum class Op {
  Plus,
  Minus,
  Mal,
  Durch,
  Rest,
  Hoch,
  Gleich,
  Exakt,
  Ungleich,
  Kleiner,
  Groesser,
  KleinerGleich,
  GroesserGleich,
  Enthalten,
  Und,
  Oder
};

class Binaer : public Knoten {
 public:
  Binaer(int spalte, Op op, KnotenPtr a, KnotenPtr b)
      : Knoten(spalte), op_(op), a_(std::move(a)), b_(std::move(b)) {}
  rt::Value wert() const override;

 private:
  Op op_;
  KnotenPtr a_, b_;
};

class Element : public Knoten {  // objekt:name
 public:
  Element(int spalte, KnotenPtr objekt, std::string name)
      : Knoten(spalte),
        objekt_(std::move(objekt)),
        name_(std::move(name)),
        gross_(rt::gross(name_)) {}
  rt::Value wert() const override;
  void zuweisen(rt::Value wert) const override;

 private:
  KnotenPtr objekt_;
  std::string name_;
  std::string gross_;
};

class Index : public Knoten {  // liste[i]
 public:
  Index(int spalte, KnotenPtr liste, KnotenPtr index)
      : Knoten(spalte), liste_(std::move(liste)), index_(std::move(index)) {}
  rt::Value wert() const override;
  void zuweisen(rt::Value wert) const override;

 private:
  rt::Value& platz(const rt::Value& liste, const rt::Value& index) const;
  KnotenPtr liste_, index_;
};

class ListenLiteral : public Knoten {  // {a, b, c}
 public:
  ListenLiteral(int spalte, std::vector<KnotenPtr> e) : Knoten(spalte), e_(std::move(e)) {}
  rt::Value wert() const override;

 private:
  std::vector<KnotenPtr> e_;  // null: left out (NIL)
};

// "(a, b, c)": evaluates each, the value of the last.
class Folge : public Knoten {
 public:
  Folge(int spalte, std::vector<KnotenPtr> e) : Knoten(spalte), e_(std::move(e)) {}
  rt::Value wert() const override;
  char feld_typ() const override { return e_.size() == 1 ? e_.front()->feld_typ() : 0; }

 private:
  std::vector<KnotenPtr> e_;
};

class Zuweisung : public Knoten {
 public:
  Zuweisung(int spalte, KnotenPtr ziel, KnotenPtr wert)
      : Knoten(spalte), ziel_(std::move(ziel)), wert_(std::move(wert)) {}
  rt::Value wert() const override;

 private:
  KnotenPtr ziel_, wert_;
};

// "&name": the named variable's text, evaluated as an expression.
class Makro : public Knoten {
 public:
  Makro(int spalte, std::string name) : Knoten(spalte), name_(std::move(name)) {}
  rt::Value wert() const override;

 private:
  std::string name_;
};

// "{|a, b| x, y}": each evaluation makes a code block value.
struct BlockRumpf {
  std::string quelle;
  std::vector<std::string> parameter;
  std::vector<KnotenPtr> ausdruecke;
};
class BlockLiteral : public Knoten {
 public:
  BlockLiteral(int spalte, std::shared_ptr<const BlockRumpf> rumpf)
      : Knoten(spalte), rumpf_(std::move(rumpf)) {}
  rt::Value wert() const override;

 private:
  std::shared_ptr<const BlockRumpf> rumpf_;
};

}  // namespace plat::expr
