#include "platform/expr/expr.h"

#include <cctype>
#include <unordered_map>
#include <variant>

#include "platform/expr/auswertung.h"
#include "platform/expr/eingebaut.h"
#include "platform/expr/fehler.h"
#include "platform/expr/lexer.h"
#include "platform/expr/parser.h"
#include "platform/runtime/laufzeitfehler.h"
#include "platform/runtime/variablen.h"

namespace plat::expr {

using rt::Value;

namespace {

// --- Parsed expressions, cached by their text --------------------------------

struct Geparst {
  KnotenPtr knoten;
  SyntaxFehler fehler{0, ""};  // spalte 0: none
};

struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

constexpr std::size_t kMaxCache = 5000;

std::shared_ptr<const Geparst> hole(std::string_view text) {
  static std::unordered_map<std::string, std::shared_ptr<const Geparst>, TextHash, std::equal_to<>>
      cache;
  if (auto it = cache.find(text); it != cache.end()) return it->second;
  auto g = std::make_shared<Geparst>();
  try {
    g->knoten = parse(text);
  } catch (const SyntaxFehler& f) {
    g->fehler = f;
  }
  if (cache.size() >= kMaxCache) cache.clear();  // entries in use stay alive through their owners
  cache.emplace(std::string(text), g);
  return g;
}

std::string syntax_text(const SyntaxFehler& f) {
  return "Syntaxfehler an Spalte " + std::to_string(f.spalte) + ": " + f.grund;
}

// --- Nesting and the error funnel --------------------------------------------

int g_tiefe = 0;
int g_pruefen = 0;
const char* g_stapel_basis = nullptr;

constexpr int kMaxVerschachtelung = 200;
// Stack the nested evaluations may use before they are stopped.
constexpr std::ptrdiff_t kMaxStapel = std::ptrdiff_t{3} * 1024 * 1024;

}  // namespace

namespace intern {

Verschachtelung::Verschachtelung() {
  const char* hier = static_cast<const char*>(__builtin_frame_address(0));
  if (g_tiefe == 0) g_stapel_basis = hier;
  ++g_tiefe;
  const std::ptrdiff_t benutzt = g_stapel_basis - hier;
  if (g_tiefe > kMaxVerschachtelung || benutzt > kMaxStapel || benutzt < -kMaxStapel) {
    --g_tiefe;
    throw rt::Laufzeitfehler("Rekursion zu tief");
  }
}

Verschachtelung::~Verschachtelung() { --g_tiefe; }

bool Verschachtelung::aussen() const { return g_tiefe == 1 && g_pruefen == 0; }

PruefModus::PruefModus() { ++g_pruefen; }
PruefModus::~PruefModus() { --g_pruefen; }

Value geschuetzt(std::string_view ausdruck, const std::function<Value()>& f) {
  Verschachtelung v;
  if (!v.aussen()) return f();
  std::string ursache;
  try {
    return f();
  } catch (const AuswertungAbbruch&) {
    throw;
  } catch (const std::bad_alloc&) {
    ursache = "Speicher ersch\x94pft";
  } catch (const std::bad_variant_access&) {
    ursache = "Typfehler: Wert hat nicht den erwarteten Typ";
  } catch (const std::exception& e) {
    ursache = e.what();
  } catch (...) {
    ursache = "Unbekannter Fehler";
  }
  fehler_melden(ausdruck, ursache);
  throw AuswertungAbbruch(std::string(ausdruck), ursache);
}

Value fuehre_aus(const std::shared_ptr<const BlockRumpf>& r, const std::vector<Value>& args) {
  return geschuetzt(r->quelle, [&]() {
    rt::Rahmen rahmen;
    for (std::size_t i = 0; i < r->parameter.size(); ++i)
      rahmen.erzeuge(r->parameter[i], i < args.size() ? args[i] : Value());
    Value v;
    for (const auto& a : r->ausdruecke) v = a->wert();
    return v;
  });
}

}  // namespace intern

// --- The operations ----------------------------------------------------------

std::string typ_pruefen(std::string_view text) noexcept {
  try {
    eingebaute_sicherstellen();
    const auto g = hole(text);
    if (g->fehler.spalte != 0) return "UE";
    intern::PruefModus p;
    intern::Verschachtelung v;
    const Value w = g->knoten->wert();
    if (w.ist_text() && g->knoten->feld_typ() == 'M') return "M";
    return std::string(1, w.typ_buchstabe());
  } catch (const rt::NameUndefiniert&) {
    return "U";
  } catch (...) {
    return "UE";
  }
}

std::string syntax_pruefen(std::string_view text) {
  const auto g = hole(text);
  return g->fehler.spalte != 0 ? syntax_text(g->fehler) : std::string();
}

Value auswerten(std::string_view text) {
  eingebaute_sicherstellen();
  const auto g = hole(text);
  return intern::geschuetzt(text, [&]() -> Value {
    if (g->fehler.spalte != 0) throw rt::Laufzeitfehler(syntax_text(g->fehler));
    return g->knoten->wert();
  });
}

Value block_kompilieren(std::string_view text) {
  eingebaute_sicherstellen();
  const auto g = hole(text);
  return intern::geschuetzt(text, [&]() -> Value {
    if (g->fehler.spalte != 0) throw rt::Laufzeitfehler(syntax_text(g->fehler));
    if (!dynamic_cast<const BlockLiteral*>(g->knoten.get()))
      throw rt::Laufzeitfehler("Kein Codeblock: erwartet wird {|...| ...}");
    return g->knoten->wert();
  });
}

Value block_ausfuehren(const Value& block, const std::vector<Value>& args) {
  return intern::geschuetzt("EVAL", [&]() -> Value {
    if (!block.ist_block()) throw rt::Laufzeitfehler("Kein Codeblock");
    return block.block()->call(args);
  });
}

std::string namen_ersetzen(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '&' && i + 1 < text.size() && name_anfang(text[i + 1])) {
      std::size_t j = i + 1;
      while (j < text.size() && name_zeichen(text[j])) ++j;
      const Value* v = rt::finde_variable(text.substr(i + 1, j - i - 1));
      if (v && v->ist_text())
        out += v->text();
      else
        out.append(text.substr(i, j - i));  // unknown or not text: left as written
      i = j;
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace plat::expr
