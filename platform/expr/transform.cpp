#include "platform/expr/transform.h"

#include <cmath>

#include "platform/expr/eingebaut_hilfen.h"
#include "platform/expr/lexer.h"
#include "platform/text/zahl.h"

namespace plat::expr::intern {

namespace {

struct Maske {
  bool gross = false, europa = false, null_leer = false, links = false;
  char fuell = ' ';
  std::string vorlage;
  bool hat_vorlage = false;
};

Maske zerlege(const std::string& m) {
  Maske r;
  if (m.empty() || m[0] != '@') {
    r.vorlage = m;
    r.hat_vorlage = !m.empty();
    return r;
  }
  std::size_t i = 1;
  for (; i < m.size() && m[i] != ' '; ++i) {
    switch (gross_ascii(m[i])) {
      case '!':
        r.gross = true;
        break;
      case 'E':
        r.europa = true;
        break;
      case 'Z':
        r.null_leer = true;
        break;
      case 'B':
        r.links = true;
        break;
      case 'L':
        if (i + 1 < m.size() && m[i + 1] != ' ' && !ist_buchstabe(m[i + 1])) {
          r.fuell = m[++i];
        } else {
          r.fuell = '0';
        }
        break;
      default:
        break;
    }
  }
  if (i < m.size()) {
    r.vorlage = m.substr(i + 1);
    r.hat_vorlage = true;
  }
  return r;
}

bool ziffernplatz(char c) { return c == '9' || c == '#' || c == '*' || c == '$'; }

std::string zahl_in_vorlage(double n, const Maske& m) {
  const std::string& v = m.vorlage;
  const std::size_t punkt = v.find('.');
  int dez = 0;
  if (punkt != std::string::npos)
    for (std::size_t i = punkt + 1; i < v.size(); ++i)
      if (ziffernplatz(v[i])) ++dez;
  std::string ziffern = text::zahl_ohne_breite(std::fabs(n), dez);
  const bool negativ = text::runde(n, dez) < 0;
  std::string ganz = ziffern.substr(0, ziffern.find('.'));
  std::string bruch =
      ziffern.find('.') == std::string::npos ? "" : ziffern.substr(ziffern.find('.') + 1);

  const std::size_t ende_ganz = punkt == std::string::npos ? v.size() : punkt;
  std::string out(v.size(), ' ');
  // Integer part, right to left.
  long rest = static_cast<long>(ganz.size());
  bool vorzeichen = !negativ;
  for (std::size_t k = ende_ganz; k-- > 0;) {
    const char c = v[k];
    if (ziffernplatz(c)) {
      if (rest > 0) {
        out[k] = ganz[static_cast<std::size_t>(--rest)];
      } else if (!vorzeichen) {
        out[k] = '-';
        vorzeichen = true;
      } else {
        out[k] = c == '*' || c == '$' ? c : m.fuell;
      }
    } else if (c == ',') {
      out[k] = rest > 0 ? ',' : m.fuell;
    } else {
      out[k] = c;
    }
  }
  if (rest > 0 || !vorzeichen) {
    // Does not fit: asterisks, the decimal point kept.
    for (std::size_t k = 0; k < v.size(); ++k) out[k] = k == punkt ? '.' : '*';
    return out;
  }
  std::size_t b = 0;
  for (std::size_t k = ende_ganz; k < v.size(); ++k) {
    const char c = v[k];
    out[k] = ziffernplatz(c) ? (b < bruch.size() ? bruch[b++] : '0') : c;
  }
  return out;
}

std::string text_in_vorlage(const std::string& s, const Maske& m) {
  std::string out;
  std::size_t i = 0;
  for (const char c : m.vorlage) {
    switch (gross_ascii(c)) {
      case '!':
        out += i < s.size() ? gross_850(s[i]) : ' ';
        ++i;
        break;
      case 'A':
      case 'N':
      case 'X':
      case '9':
      case '#':
        out += i < s.size() ? s[i] : ' ';
        ++i;
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string tausche_europa(std::string s) {
  for (char& c : s) {
    if (c == '.')
      c = ',';
    else if (c == ',')
      c = '.';
  }
  return s;
}

std::string gross_text(std::string s) {
  for (char& c : s) c = gross_850(c);
  return s;
}

}  // namespace

std::string transform(const rt::Value& x, const std::string& maske) {
  const Maske m = zerlege(maske);
  std::string out;
  switch (x.typ()) {
    case rt::Value::Typ::Zahl:
      if (m.null_leer && x.zahl() == 0) {
        out = std::string(m.hat_vorlage ? m.vorlage.size() : rt::zahl_text(x).size(), ' ');
        break;
      }
      out = m.hat_vorlage ? zahl_in_vorlage(x.zahl(), m) : rt::zahl_text(x);
      if (m.europa) out = tausche_europa(out);
      break;
    case rt::Value::Typ::Text:
      out = m.hat_vorlage ? text_in_vorlage(x.text(), m) : x.text();
      if (m.gross) out = gross_text(out);
      break;
    case rt::Value::Typ::Datum:
      out = x.datum().dtoc();
      break;
    case rt::Value::Typ::Logisch:
      out.assign(1, x.logisch() ? 'T' : 'F');
      break;
    default:
      return "";
  }
  if (m.links) {
    const auto a = out.find_first_not_of(' ');
    const std::size_t n = out.size();
    out = a == std::string::npos ? std::string() : out.substr(a);
    out.resize(n, ' ');
  }
  return out;
}

}  // namespace plat::expr::intern
