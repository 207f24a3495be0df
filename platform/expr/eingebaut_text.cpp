// Text functions: trimming, case, parts, search, padding, number text.
#include <cctype>

#include "platform/expr/eingebaut.h"
#include "platform/expr/eingebaut_hilfen.h"
#include "platform/expr/transform.h"
#include "platform/text/zahl.h"

namespace plat::expr::intern {

using rt::Argumente;
using rt::Value;

namespace {

std::string rtrim(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}
std::string ltrim(std::string s) {
  s.erase(0, std::min(s.find_first_not_of(' '), s.size()));
  return s;
}
std::string alltrim(std::string s) { return ltrim(rtrim(std::move(s))); }

std::string upper(std::string s) {
  for (char& c : s) c = gross_850(c);
  return s;
}
std::string lower(std::string s) {
  for (char& c : s) c = klein_850(c);
  return s;
}

std::string left(const std::string& s, double n) {
  const long k = ganz(n);
  return k <= 0 ? std::string() : s.substr(0, static_cast<std::size_t>(k));
}
std::string right(const std::string& s, double n) {
  const long k = ganz(n);
  if (k <= 0) return {};
  const auto u = static_cast<std::size_t>(k);
  return u >= s.size() ? s : s.substr(s.size() - u);
}

// SUBSTR: a start of 0 counts as 1; a negative start counts from the end.
std::string substr(const std::string& s, double start, std::optional<double> laenge) {
  long a = ganz(start);
  const long n = static_cast<long>(s.size());
  if (a < 0) a = std::max(1L, n + a + 1);
  if (a == 0) a = 1;
  if (a > n) return {};
  long l = laenge ? ganz(*laenge) : n;
  if (l <= 0) return {};
  return s.substr(static_cast<std::size_t>(a - 1), static_cast<std::size_t>(l));
}

double at(const std::string& such, const std::string& s) {
  if (such.empty()) return 0;
  const auto p = s.find(such);
  return p == std::string::npos ? 0 : static_cast<double>(p + 1);
}
double rat(const std::string& such, const std::string& s) {
  if (such.empty()) return 0;
  const auto p = s.rfind(such);
  return p == std::string::npos ? 0 : static_cast<double>(p + 1);
}

std::string strtran(const std::string& s, const std::string& such, const std::string& ersatz,
                    std::optional<double> start, std::optional<double> anzahl) {
  if (such.empty()) return s;
  const long ab = start ? ganz(*start) : 1;
  const long max = anzahl ? ganz(*anzahl) : -1;
  std::string out;
  long gefunden = 0, ersetzt = 0;
  std::size_t i = 0;
  for (;;) {
    const auto p = s.find(such, i);
    if (p == std::string::npos || (max >= 0 && ersetzt >= max)) break;
    ++gefunden;
    out.append(s, i, p - i);
    if (gefunden >= ab) {
      out += ersatz;
      ++ersetzt;
    } else {
      out += such;
    }
    if (out.size() > kMaxText) throw rt::Laufzeitfehler("Text zu lang");
    i = p + such.size();
  }
  out.append(s, i);
  return out;
}

std::string stuff(const std::string& s, double start, double weg, const std::string& neu) {
  long a = std::max(1L, ganz(start));
  a = std::min<long>(a, static_cast<long>(s.size()) + 1);
  const long w = std::max(0L, ganz(weg));
  std::string out = s.substr(0, static_cast<std::size_t>(a - 1)) + neu;
  const auto rest = static_cast<std::size_t>(a - 1 + w);
  if (rest < s.size()) out += s.substr(rest);
  return out;
}

std::string space(double n) {
  pruefe_laenge(n);
  const long k = ganz(n);
  return k > 0 ? std::string(static_cast<std::size_t>(k), ' ') : std::string();
}

std::string replicate(const std::string& s, double n) {
  const long k = ganz(n);
  if (k <= 0 || s.empty()) return {};
  pruefe_laenge(static_cast<double>(s.size()) * static_cast<double>(k));
  std::string out;
  out.reserve(s.size() * static_cast<std::size_t>(k));
  for (long i = 0; i < k; ++i) out += s;
  return out;
}

// PADL/PADR/PADC: any value as its text, padded to n or cut to its first n.
Value pad(const Argumente& a, char art) {
  const Value& x = arg(a, 0);
  std::string s = x.ist_text() ? x.text() : x.ist_nil() ? std::string() : rt::als_text(x);
  const double n = arg(a, 1).ist_zahl() ? arg(a, 1).zahl() : 0;
  pruefe_laenge(n);
  const long k = std::max(0L, ganz(n));
  const Value& f = arg(a, 2);
  const char fuell = f.ist_text() && !f.text().empty() ? f.text()[0] : ' ';
  const auto ziel = static_cast<std::size_t>(k);
  if (s.size() >= ziel) return Value(s.substr(0, ziel));
  const std::size_t fehlt = ziel - s.size();
  if (art == 'L') return Value(std::string(fehlt, fuell) + s);
  if (art == 'R') return Value(s + std::string(fehlt, fuell));
  return Value(std::string(fehlt / 2, fuell) + s + std::string(fehlt - fehlt / 2, fuell));
}

// STR(n[, breite[, dezimalen]]): without a width the default number text.
Value str(Argumente& a) {
  const Value& n = arg(a, 0);
  if (!n.ist_zahl()) argumentfehler("STR", "Zahl");
  if (!arg(a, 1).ist_zahl()) return Value(rt::zahl_text(n));
  const long breite = ganz(arg(a, 1).zahl());
  pruefe_laenge(static_cast<double>(breite));
  const long dez = arg(a, 2).ist_zahl() ? std::clamp(ganz(arg(a, 2).zahl()), 0L, 15L) : 0;
  return Value(text::str(n.zahl(), static_cast<int>(breite), static_cast<int>(dez)));
}

Value strzero(Argumente& a) {
  Value t = str(a);
  std::string s = t.text();
  for (char& c : s) {
    if (c != ' ') break;
    c = '0';
  }
  if (const auto m = s.find('-'); m != std::string::npos && m > 0) {
    s[m] = '0';
    s[0] = '-';
  }
  return Value(s);
}

// VAL: leading blanks, a sign, digits and one decimal point; the decimals
// typed are the decimals the number carries. Anything else ends the number.
Value val(const std::string& s) {
  std::size_t i = s.find_first_not_of(' ');
  if (i == std::string::npos) return Value::berechnet(0, 0);
  std::string zahl;
  if (s[i] == '-' || s[i] == '+') zahl += s[i++];
  int dez = -1;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      zahl += c;
      if (dez >= 0) ++dez;
    } else if (c == '.' && dez < 0) {
      zahl += c;
      dez = 0;
    } else {
      break;
    }
  }
  const double n = std::strtod(zahl.c_str(), nullptr);
  return Value::berechnet(n, std::max(dez, 0));
}

Value chr(double n) {
  const long k = ganz(n);
  return Value(
      std::string(1, static_cast<char>(static_cast<unsigned char>(((k % 256) + 256) % 256))));
}

double asc(const std::string& s) { return s.empty() ? 0 : static_cast<unsigned char>(s[0]); }

Value len(Argumente& a) {
  const Value& x = arg(a, 0);
  if (x.ist_text()) return Value(static_cast<double>(x.text().size()));
  if (x.ist_liste()) return Value(static_cast<double>(x.liste()->size()));
  argumentfehler("LEN", "Text oder Liste");
}

}  // namespace

void registriere_textfunktionen() {
  nur_neu("TRIM", &rtrim);
  nur_neu("RTRIM", &rtrim);
  nur_neu("LTRIM", &ltrim);
  nur_neu("ALLTRIM", &alltrim);
  nur_neu("UPPER", &upper);
  nur_neu("LOWER", &lower);
  nur_neu("LEFT", &left);
  nur_neu("RIGHT", &right);
  nur_neu("SUBSTR", &substr);
  nur_neu("AT", &at);
  nur_neu("RAT", &rat);
  nur_neu("LEN", rt::Funktion(&len));
  nur_neu("STR", rt::Funktion(&str));
  nur_neu("STRZERO", rt::Funktion(&strzero));
  nur_neu("VAL", &val);
  nur_neu("STRTRAN", &strtran);
  nur_neu("STUFF", &stuff);
  nur_neu("SPACE", &space);
  nur_neu("REPLICATE", &replicate);
  nur_neu("PADL", rt::Funktion([](Argumente& a) { return pad(a, 'L'); }));
  nur_neu("PADR", rt::Funktion([](Argumente& a) { return pad(a, 'R'); }));
  nur_neu("PADC", rt::Funktion([](Argumente& a) { return pad(a, 'C'); }));
  nur_neu("CHR", &chr);
  nur_neu("ASC", &asc);
  nur_neu("TRANSFORM", rt::Funktion([](Argumente& a) {
            const Value& p = arg(a, 1);
            if (!p.ist_nil() && !p.ist_text()) argumentfehler("TRANSFORM", "Maske als Text");
            return Value(transform(arg(a, 0), p.ist_text() ? p.text() : std::string()));
          }));
}

}  // namespace plat::expr::intern
