// The registry of public functions by name, as templates call them.
//
// Names are compared without regard to case ("IIf" and "IIF" are one).
// Arguments are positional; left-out ones arrive as no value (Nil). An
// argument passed by reference ("@name") carries a pointer to the variable's
// storage so the function can write back.
//
// A typed C++ function registers in one line:
//   registriere("EFzuX", &EFzuX);
// Parameters may be std::string, double, int, long, bool, text::Datum, Value
// (by value or const reference), std::optional<T> of those (nullopt for a
// left-out argument), or a non-const reference (std::string&, double&, Value&,
// ...) that writes back to an "@name" argument. Left-out arguments convert to
// "", 0, false, the blank date or Nil; an argument of the wrong type raises a
// Laufzeitfehler. Extra arguments are ignored. The result converts back to a
// Value (void gives Nil).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/runtime/laufzeitfehler.h"
#include "platform/runtime/value.h"

namespace plat::rt {

struct Argument {
  Value wert;
  Value* referenz = nullptr;  // set for "@name" arguments
};
using Argumente = std::vector<Argument>;
using Funktion = std::function<Value(Argumente&)>;

void registriere_funktion(std::string_view name, Funktion f);
// The function registered under `name`, or null. The pointer stays valid for
// the program's run; its content changes when the name is registered again.
const Funktion* finde_funktion(std::string_view name);
// The same for a name already upper-cased.
const Funktion* finde_funktion_gross(std::string_view name_gross);
// Grows with every registration (lets callers cache lookups).
std::uint64_t funktionen_generation();

namespace bindung {

template <class T>
struct Art;

[[noreturn]] void falscher_typ(int pos, const char* erwartet);

// A whole number for int/long parameters: truncated toward zero and clamped
// into int range (NaN gives 0), so no value can overflow the conversion.
long ganz(double n);

template <>
struct Art<Value> {
  static Value von(const Value& v, int) { return v; }
  static Value zu(Value v) { return v; }
};
template <>
struct Art<std::string> {
  static std::string von(const Value& v, int pos) {
    if (v.ist_nil()) return {};
    if (!v.ist_text()) falscher_typ(pos, "Text");
    return v.text();
  }
  static Value zu(std::string s) { return Value(std::move(s)); }
};
template <>
struct Art<double> {
  static double von(const Value& v, int pos) {
    if (v.ist_nil()) return 0;
    if (!v.ist_zahl()) falscher_typ(pos, "Zahl");
    return v.zahl();
  }
  static Value zu(double n) { return Value(n); }
};
template <>
struct Art<int> {
  static int von(const Value& v, int pos) {
    return static_cast<int>(ganz(Art<double>::von(v, pos)));
  }
  static Value zu(int n) { return Value(n); }
};
template <>
struct Art<long> {
  static long von(const Value& v, int pos) { return ganz(Art<double>::von(v, pos)); }
  static Value zu(long n) { return Value(n); }
};
template <>
struct Art<bool> {
  static bool von(const Value& v, int pos) {
    if (v.ist_nil()) return false;
    if (!v.ist_logisch()) falscher_typ(pos, "logischer Wert");
    return v.logisch();
  }
  static Value zu(bool b) { return Value(b); }
};
template <>
struct Art<text::Datum> {
  static text::Datum von(const Value& v, int pos) {
    if (v.ist_nil()) return {};
    if (!v.ist_datum()) falscher_typ(pos, "Datum");
    return v.datum();
  }
  static Value zu(text::Datum d) { return Value(d); }
};
template <class T>
struct Art<std::optional<T>> {
  static std::optional<T> von(const Value& v, int pos) {
    if (v.ist_nil()) return std::nullopt;
    return Art<T>::von(v, pos);
  }
  static Value zu(std::optional<T> o) { return o ? Art<T>::zu(std::move(*o)) : Value(); }
};

// Holds one converted argument for the call; a non-const reference parameter
// writes its final value back to the "@name" variable.
template <class P>
class Halter {
 public:
  using T = std::remove_cvref_t<P>;
  static constexpr bool schreibt =
      std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;

  Halter(Argumente& a, int i) {
    if (static_cast<std::size_t>(i) < a.size()) {
      Argument& arg = a[static_cast<std::size_t>(i)];
      if constexpr (schreibt) ziel_ = arg.referenz;
      wert_ = Art<T>::von(arg.referenz ? *arg.referenz : arg.wert, i + 1);
    } else {
      wert_ = Art<T>::von(Value(), i + 1);
    }
  }
  T& get() { return wert_; }
  void zurueck() {
    if constexpr (schreibt)
      if (ziel_) *ziel_ = Art<T>::zu(wert_);
  }

 private:
  T wert_{};
  Value* ziel_ = nullptr;
};

template <class R, class... P, std::size_t... I>
Value rufe(R (*f)(P...), Argumente& a, std::index_sequence<I...>) {
  std::tuple<Halter<P>...> h{Halter<P>(a, static_cast<int>(I))...};
  if constexpr (std::is_void_v<R>) {
    f(static_cast<P&&>(std::get<I>(h).get())...);
    (std::get<I>(h).zurueck(), ...);
    return Value();
  } else {
    R r = f(static_cast<P&&>(std::get<I>(h).get())...);
    (std::get<I>(h).zurueck(), ...);
    return Art<std::remove_cvref_t<R>>::zu(std::move(r));
  }
}

}  // namespace bindung

// Registers a typed C++ function under `name` (see above).
template <class R, class... P>
void registriere(std::string_view name, R (*f)(P...)) {
  registriere_funktion(name, [f](Argumente& a) -> Value {
    return bindung::rufe(f, a, std::index_sequence_for<P...>{});
  });
}

}  // namespace plat::rt
