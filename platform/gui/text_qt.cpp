#include "platform/gui/text_qt.h"

#include <QSet>
#include <array>

#include "platform/text/codepage.h"

namespace plat::gui {
namespace {

using plat::text::CodePage;

// The Unicode characters of a single-byte code page, built once from iconv.
QSet<char16_t> zeichenvorrat(CodePage cp) {
  QSet<char16_t> menge;
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    try {
      const std::string utf8 = plat::text::convert(std::string_view(&byte, 1), cp, CodePage::Utf8);
      const QString q = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
      if (q.size() == 1) menge.insert(q.at(0).unicode());
    } catch (const plat::text::ConversionError&) {
      // bytes without a character (undefined in Windows-1252) add nothing
    }
  }
  return menge;
}

const QSet<char16_t>& vorrat_850() {
  static const QSet<char16_t> v = zeichenvorrat(CodePage::Cp850);
  return v;
}

const QSet<char16_t>& vorrat_1252() {
  static const QSet<char16_t> v = zeichenvorrat(CodePage::Cp1252);
  return v;
}

QString fremde(const QString& text, const QSet<char16_t>& vorrat) {
  QString fremd;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      const QString paar = text.mid(i, 2);
      if (!fremd.contains(paar)) fremd += paar;
      ++i;
      continue;
    }
    if (!vorrat.contains(c.unicode()) && !fremd.contains(c)) fremd += c;
  }
  return fremd;
}

}  // namespace

QString nach_qt(std::string_view cp850) {
  const std::string utf8 = plat::text::cp850_to_utf8(cp850);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> von_qt(const QString& text) {
  if (!fremde_zeichen(text).isEmpty()) return std::nullopt;
  const QByteArray utf8 = text.toUtf8();
  return plat::text::utf8_to_cp850(std::string_view(utf8.constData(), utf8.size()));
}

QString fremde_zeichen(const QString& text) { return fremde(text, vorrat_850()); }
QString fremde_zeichen_1252(const QString& text) { return fremde(text, vorrat_1252()); }

QString mehrzeilig_nach_qt(std::string_view cp850) {
  QString q = nach_qt(cp850);
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return q;
}

std::optional<std::string> mehrzeilig_von_qt(const QString& text) {
  QString q = text;
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  q.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return von_qt(q);
}

QString hinweis_fremde_zeichen(const QString& zeichen) {
  return QStringLiteral(
             "Nicht übernommen: „%1“ gibt es im Zeichensatz des Programms "
             "(Codepage 850) nicht.")
      .arg(zeichen);
}

}  // namespace plat::gui
