#include "platform/expr/knoten.h"

#include <cmath>

#include "platform/expr/auswertung.h"
#include "platform/expr/expr.h"
#include "platform/expr/operatoren.h"
#include "platform/runtime/felder.h"
#include "platform/runtime/laufzeitfehler.h"
#include "platform/runtime/variablen.h"

namespace plat::expr {

using rt::Laufzeitfehler;
using rt::NameUndefiniert;
using rt::Value;

void Knoten::zuweisen(Value /*wert*/) const {  // NOLINT(performance-unnecessary-value-param)
  throw Laufzeitfehler("Zuweisung an diesen Ausdruck nicht m\x94glich");
}

// --- Names and fields --------------------------------------------------------

Value Name::wert() const {
  if (const Value* v = rt::finde_variable_gross(gross_)) return *v;
  if (rt::FeldQuelle* q = rt::feldquelle()) {
    if (const int b = q->bereich(""); b > 0) {
      if (auto f = q->lese(b, name_)) return std::move(*f);
    }
  }
  throw NameUndefiniert("Variable nicht vorhanden: " + name_);
}

char Name::feld_typ() const {
  if (rt::finde_variable_gross(gross_)) return 0;
  if (rt::FeldQuelle* q = rt::feldquelle()) {
    if (const int b = q->bereich(""); b > 0) return q->typ(b, name_);
  }
  return 0;
}

void Name::zuweisen(Value wert) const { rt::setze_variable(name_, std::move(wert)); }

Value* Name::referenz() const {
  if (Value* v = rt::finde_variable_gross(gross_)) return v;
  rt::setze_variable(name_, Value());
  return rt::finde_variable_gross(gross_);
}

Value Speichervariable::wert() const {
  if (const Value* v = rt::finde_variable_gross(gross_)) return *v;
  throw NameUndefiniert("Variable nicht vorhanden: " + name_);
}

void Speichervariable::zuweisen(Value wert) const { rt::setze_variable(name_, std::move(wert)); }

int Feld::finde_bereich() const {
  rt::FeldQuelle* q = rt::feldquelle();
  if (!q)
    throw NameUndefiniert(
        "Keine Tabellen ge\x94"
        "ffnet");
  std::string bez = bereich_;
  if (ausdruck_) {
    const Value v = ausdruck_->wert();
    if (v.ist_zahl()) {
      const double n = v.zahl();
      bez = (n >= 1 && n <= 100000) ? std::to_string(static_cast<long>(n)) : "0";
    } else if (v.ist_text()) {
      bez = v.text();
      const auto a = bez.find_first_not_of(' ');
      bez = a == std::string::npos ? "" : bez.substr(a, bez.find_last_not_of(' ') - a + 1);
      if (bez.empty()) bez = "0";
    } else {
      throw Laufzeitfehler("Arbeitsbereich muss Zahl oder Alias sein");
    }
  }
  const int b = q->bereich(bez);
  if (b <= 0)
    throw NameUndefiniert("Arbeitsbereich nicht belegt: " + (bez.empty() ? "(aktuell)" : bez));
  return b;
}

Value Feld::wert() const {
  const int b = finde_bereich();
  if (auto f = rt::feldquelle()->lese(b, feld_)) return std::move(*f);
  throw NameUndefiniert(
      "Feld nicht vorhanden: " + (bereich_.empty() ? std::string("") : bereich_ + "->") + feld_);
}

char Feld::feld_typ() const { return rt::feldquelle()->typ(finde_bereich(), feld_); }

// --- Calls -------------------------------------------------------------------

Value Aufruf::wert() const {
  if (generation_ != rt::funktionen_generation()) {
    funktion_ = rt::finde_funktion_gross(gross_);
    generation_ = rt::funktionen_generation();
  }
  if (!funktion_) throw NameUndefiniert("Funktion nicht vorhanden: " + name_);
  rt::Argumente a(args_.size());
  for (std::size_t i = 0; i < args_.size(); ++i) {
    const Arg& arg = args_[i];
    if (!arg.ausdruck) continue;
    if (arg.referenz) {
      a[i].referenz = arg.ausdruck->referenz();
      if (a[i].referenz) a[i].wert = *a[i].referenz;
    } else {
      a[i].wert = arg.ausdruck->wert();
    }
  }
  intern::Verschachtelung tiefe;
  return (*funktion_)(a);
}

Value Wenn::wert() const {
  const Value b = b_->wert();
  if (!b.ist_logisch()) throw Laufzeitfehler("IIF: Bedingung ist kein logischer Wert");
  const KnotenPtr& zweig = b.logisch() ? dann_ : sonst_;
  return zweig ? zweig->wert() : Value();
}

// --- Operators ---------------------------------------------------------------

Value Unaer::wert() const {
  Value v = x_->wert();
  if (op_ == '!') {
    if (!v.ist_logisch()) throw Laufzeitfehler("Typfehler: .NOT. braucht einen logischen Wert");
    return Value(!v.logisch());
  }
  if (!v.ist_zahl()) throw Laufzeitfehler(std::string("Typfehler: ") + op_ + " braucht eine Zahl");
  if (op_ == '+') return v;
  return Value::berechnet(-v.zahl(), dezimalen_von(v));
}

Value Binaer::wert() const {
  if (op_ == Op::Und || op_ == Op::Oder) {
    Value a = a_->wert();
    if (!a.ist_logisch())
      throw Laufzeitfehler(std::string("Typfehler: ") + op_zeichen(op_) +
                           " braucht logische Werte");
    if (op_ == Op::Und ? !a.logisch() : a.logisch()) return a;
    Value b = b_->wert();
    if (!b.ist_logisch())
      throw Laufzeitfehler(std::string("Typfehler: ") + op_zeichen(op_) +
                           " braucht logische Werte");
    return b;
  }
  // Left before right: functions named in both run in the order written.
  const Value a = a_->wert();
  return rechne(op_, a, b_->wert());
}

// --- Objects, arrays, sequences ----------------------------------------------

Value Element::wert() const {
  const Value o = objekt_->wert();
  if (!o.ist_objekt()) throw Laufzeitfehler("Kein Objekt vor :" + name_);
  const auto& m = o.objekt()->members;
  auto it = m.find(gross_);
  if (it == m.end()) throw NameUndefiniert("Element nicht vorhanden: " + name_);
  return it->second;
}

void Element::zuweisen(Value wert) const {
  const Value o = objekt_->wert();
  if (!o.ist_objekt()) throw Laufzeitfehler("Kein Objekt vor :" + name_);
  o.objekt()->members[gross_] = std::move(wert);
}

Value& Index::platz(const Value& liste, const Value& index) const {
  if (!liste.ist_liste()) throw Laufzeitfehler("Keine Liste vor [");
  if (!index.ist_zahl()) throw Laufzeitfehler("Index muss eine Zahl sein");
  auto& l = *liste.liste();
  const double i = std::trunc(index.zahl());
  if (!(i >= 1 && i <= static_cast<double>(l.size())))
    throw Laufzeitfehler("Index ausserhalb der Liste: " +
                         std::to_string(static_cast<long long>(std::isfinite(i) ? i : 0)) +
                         " von " + std::to_string(l.size()));
  return l[static_cast<std::size_t>(i) - 1];
}

Value Index::wert() const {
  const Value l = liste_->wert();
  return platz(l, index_->wert());
}

void Index::zuweisen(Value wert) const {
  const Value l = liste_->wert();
  platz(l, index_->wert()) = std::move(wert);
}

Value ListenLiteral::wert() const {
  rt::Array a;
  a.reserve(e_.size());
  for (const auto& k : e_) a.push_back(k ? k->wert() : Value());
  return Value::liste(std::move(a));
}

Value Folge::wert() const {
  Value v;
  for (const auto& k : e_) v = k->wert();
  return v;
}

Value Zuweisung::wert() const {
  Value v = wert_->wert();
  ziel_->zuweisen(v);
  return v;
}

Value Makro::wert() const {
  const Value* v = rt::finde_variable(name_);
  if (!v) throw NameUndefiniert("Variable nicht vorhanden: " + name_);
  if (!v->ist_text()) throw Laufzeitfehler("Makro &" + name_ + " ist kein Text");
  const std::string text = v->text();
  return auswerten(text);
}

// --- Code blocks -------------------------------------------------------------

Value BlockLiteral::wert() const {
  auto b = std::make_shared<rt::CodeBlock>();
  b->source = rumpf_->quelle;
  b->call = [r = rumpf_](const std::vector<Value>& args) { return intern::fuehre_aus(r, args); };
  return Value(std::move(b));
}

}  // namespace plat::expr
