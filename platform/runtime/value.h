// The dynamic value of named variables, table fields, parameters and
// expressions: text (code page 850 bytes), number, date, logical, array,
// object, code block, or no value (a parameter left out).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/text/datum.h"

namespace plat::rt {

class Value;
using Array = std::vector<Value>;

// An object with members by name (as `oBest:TW2`). Member names are compared
// without regard to case; they are stored upper-cased.
struct Object {
  std::map<std::string, Value> members;
};

// A compiled code block. The function receives the block's arguments.
struct CodeBlock {
  std::string source;
  std::function<Value(const std::vector<Value>&)> call;
};

struct Nil {
  bool operator==(const Nil&) const = default;
};

class Value {
 public:
  enum class Typ { Nil, Text, Zahl, Datum, Logisch, Liste, Objekt, Block };

  Value() = default;
  Value(Nil) {}
  Value(std::string s) : v_(std::move(s)) {}
  Value(const char* s) : v_(std::string(s)) {}
  Value(double n) : v_(n) {}
  // A number that carries the display width and decimals of its source (a
  // numeric table field); the default number text uses them.
  Value(double n, int breite, int dezimalen) : v_(n), breite_(breite), dezimalen_(dezimalen) {}
  // A computed number that carries only its decimals (no width): literals keep
  // the decimals they were typed with, arithmetic derives them (see zahl_text).
  static Value berechnet(double n, int dezimalen) {
    Value v(n);
    v.dezimalen_ = dezimalen;
    return v;
  }
  Value(int n) : v_(static_cast<double>(n)) {}
  Value(long n) : v_(static_cast<double>(n)) {}
  Value(text::Datum d) : v_(d) {}
  Value(bool b) : v_(b) {}
  Value(std::shared_ptr<Array> a) : v_(std::move(a)) {}
  Value(std::shared_ptr<Object> o) : v_(std::move(o)) {}
  Value(std::shared_ptr<CodeBlock> b) : v_(std::move(b)) {}

  static Value liste(Array a) { return Value(std::make_shared<Array>(std::move(a))); }

  Typ typ() const { return static_cast<Typ>(v_.index()); }
  bool ist_nil() const { return typ() == Typ::Nil; }
  bool ist_text() const { return typ() == Typ::Text; }
  bool ist_zahl() const { return typ() == Typ::Zahl; }
  bool ist_datum() const { return typ() == Typ::Datum; }
  bool ist_logisch() const { return typ() == Typ::Logisch; }
  bool ist_liste() const { return typ() == Typ::Liste; }
  bool ist_objekt() const { return typ() == Typ::Objekt; }
  bool ist_block() const { return typ() == Typ::Block; }

  // Accessors; calling the wrong one throws std::bad_variant_access.
  const std::string& text() const { return std::get<std::string>(v_); }
  double zahl() const { return std::get<double>(v_); }
  text::Datum datum() const { return std::get<text::Datum>(v_); }
  bool logisch() const { return std::get<bool>(v_); }
  const std::shared_ptr<Array>& liste() const { return std::get<std::shared_ptr<Array>>(v_); }
  const std::shared_ptr<Object>& objekt() const { return std::get<std::shared_ptr<Object>>(v_); }
  const std::shared_ptr<CodeBlock>& block() const {
    return std::get<std::shared_ptr<CodeBlock>>(v_);
  }

  // Width a number carries from its source (a numeric table field); -1 when
  // it carries none.
  int breite() const { return breite_; }
  // Decimals a number carries: those of its field, or those of the literal or
  // computation it came from; -1 when it carries none (a plain C++ double).
  int dezimalen() const { return dezimalen_; }
  // The decimals the default number text shows: the carried ones, else 0 for
  // a whole number and 2 otherwise.
  int anzeige_dezimalen() const;

  // Empty: text of blanks only, the number 0, the blank date, false, or no value.
  bool leer() const;
  // The type letter: "C" text, "N" number, "D" date, "L" logical, "A" array,
  // "O" object, "B" code block, "U" no value. (Memo fields report "M" through
  // the table layer, not through the value.)
  char typ_buchstabe() const;

 private:
  std::variant<Nil, std::string, double, text::Datum, bool, std::shared_ptr<Array>,
               std::shared_ptr<Object>, std::shared_ptr<CodeBlock>>
      v_;
  int breite_ = -1;
  int dezimalen_ = -1;
};

// The platform's default number text, as STR(n) without a width gives it and
// as placeholders of computed numbers show it: right-aligned in the number's
// own width when it carries one (a table field), else in 10 characters, with
// anzeige_dezimalen() decimals. A number too wide for that width is widened,
// never shown as asterisks. Only for numbers (throws std::bad_variant_access
// otherwise).
std::string zahl_text(const Value& zahl);

// A value as one line of text: text as it is, numbers as zahl_text without
// leading blanks, dates in the date format ("dd.mm.yyyy"), logicals ".T." or
// ".F.", no value "NIL", arrays "{...}", objects "{Objekt}", code blocks "{||...}".
std::string als_text(const Value& v);

}  // namespace plat::rt
