#include "einvoice/modalfen.h"

#include <QApplication>
#include <QPushButton>
#include <algorithm>

#include "einvoice/tzdialog.h"
#include "platform/files/dateien.h"
#include "platform/gui/ereignisse.h"
#include "platform/gui/farben.h"
#include "platform/gui/schrift.h"
#include "platform/gui/text_qt.h"
#include "platform/text/codepage.h"
#include "platform/ui/benutzer.h"

namespace einvoice {
namespace {

using plat::gui::Ereignis;
using plat::gui::Groesse;
using plat::gui::Punkt;

std::string cp850(std::string_view utf8) { return plat::text::utf8_to_cp850(utf8); }

// The file's text for the edit. Bytes that Windows-1252 leaves undefined
// cannot be shown; they are reported, not guessed.
QString lies_beschreibung(const std::string& pfad, QWidget* besitzer) {
  const auto inhalt = plat::files::lies_datei(pfad);
  if (!inhalt) return {};
  std::string utf8;
  try {
    utf8 = plat::text::cp1252_to_utf8(*inhalt);
  } catch (const plat::text::ConversionError& e) {
    utf8 = plat::text::convert_lossy(*inhalt, plat::text::CodePage::Cp1252,
                                     plat::text::CodePage::Utf8);
    plat::ui::benutzer().meldung(
        cp850("Die Datei ") + pfad +
            cp850(" enthält Bytes, die in Windows-1252 kein Zeichen sind; sie werden als \"?\" "
                  "angezeigt und beim Speichern so geschrieben."),
        "", besitzer);
  }
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string meldung_fremde(const QString& fremde) {
  // The characters cannot be shown in program text; they are named by their
  // Unicode numbers, which the user can look up.
  std::string liste;
  for (const char32_t c : fremde.toUcs4()) {
    if (!liste.empty()) liste += ", ";
    liste += QStringLiteral("U+%1")
                 .arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'))
                 .toUpper()
                 .toStdString();
  }
  return cp850("Der Text enthält Zeichen, die das Programm nicht halten kann (") + liste +
         cp850(
             ").\r\nBitte ersetzen Sie sie; erst dann wird der Text übernommen oder gespeichert.");
}

}  // namespace

std::string modalfen_dateiname(const std::string& cRtfFile) {
  if (plat::files::datei_existiert(cRtfFile)) return cRtfFile;
  const auto punkt = cRtfFile.find('.');
  return (punkt == std::string::npos ? cRtfFile : cRtfFile.substr(0, punkt)) + ".txt";
}

std::string ModalFen(std::string& cString, const std::optional<std::string>& cTitle, QWidget* oDlg1,
                     std::optional<int> nXsize, std::optional<int> nYsize,
                     const std::optional<std::string>& cRtfFile) {
  const std::string titel = cTitle.value_or(cp850(kModalFenTitel));
  const int breite = nXsize.value_or(700);
  const int hoehe = nYsize.value_or(700);
  QWidget* besitzer = oDlg1 ? oDlg1->window() : nullptr;

  // Placed by the calling window's size, relative to the desktop; kept on the
  // desktop so that the OK button at the bottom stays reachable.
  const Groesse bezug =
      oDlg1 ? Groesse{oDlg1->width(), oDlg1->height()} : plat::gui::desktop_groesse();
  Punkt pos{(bezug.breite - breite) / 2, (bezug.hoehe - hoehe + 20) / 2};
  const Groesse desktop = plat::gui::desktop_groesse();
  pos.x = std::clamp(pos.x, 0, std::max(0, desktop.breite - breite));
  pos.y = std::clamp(pos.y, 0, std::max(0, desktop.hoehe - hoehe));

  const std::string datei = modalfen_dateiname(cRtfFile.value_or("TEST.txt"));
  std::string ergebnis = cString;

  QWidget* fokus_vorher = QApplication::focusWidget();
  TzDialog fenster(nullptr, besitzer, pos, {breite, hoehe}, {}, true);
  fenster.setze_titel(titel);
  fenster.setze_minimieren(false);
  fenster.setze_maximieren(false);
  QWidget* flaeche = fenster.zeichenflaeche();
  const Groesse fl = fenster.flaeche_groesse();

  auto* edit = new plat::gui::Mehrzeilig(flaeche, /*auch_1252=*/true);
  plat::gui::platziere(edit, {2, 2}, {fl.breite - 4, fl.hoehe - 4});
  edit->setFont(plat::gui::schrift("12.Courier"));
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette pal = edit->palette();
  pal.setColor(QPalette::Base, plat::gui::farbe(plat::gui::FARBE_EINGABE));
  edit->setPalette(pal);
  fenster.rtfMLE = edit;
  fenster.setze_hintergrund(7);

  auto* ok = new QPushButton(QStringLiteral("OK"), flaeche);
  plat::gui::platziere(ok, {(fl.breite - 72) / 2, 12}, {72, 24});
  ok->setFocusPolicy(Qt::StrongFocus);
  ok->setAutoDefault(false);
  QObject::connect(ok, &QPushButton::clicked, &fenster,
                   [&fenster] { plat::gui::Ereignisschleife::schliessen_anfordern(&fenster); });

  const QString text = lies_beschreibung(datei, besitzer);

  // Takes the edit's text as program text; refuses (and says why) while the
  // edit holds characters that neither the program nor the file can keep.
  auto text_nehmen = [&]() -> std::optional<std::string> {
    const QString fremde = edit->fremde();
    if (!fremde.isEmpty()) {
      plat::ui::benutzer().meldung(meldung_fremde(fremde), "", &fenster);
      return std::nullopt;
    }
    return edit->text850();
  };

  plat::gui::Ereignisschleife schleife(&fenster, [&](const Ereignis& e) {
    if (e.code != plat::gui::EREIGNIS_TASTATUR) return false;
    switch (e.p1) {
      case plat::gui::TASTE_ESC:
        ergebnis.clear();
        ok->click();
        return false;
      case plat::gui::TASTE_ENTER:
      case plat::gui::TASTE_F10: {
        const auto t = text_nehmen();
        if (!t) return true;
        ergebnis = *t;
        ok->click();
        return false;
      }
      case plat::gui::TASTE_STRG_S: {
        if (e.ziel != edit) return false;
        const auto t = text_nehmen();
        if (!t) return true;
        ergebnis = *t;
        const std::string fehler =
            plat::files::schreibe_datei_atomar(datei, plat::text::cp850_to_cp1252(*t));
        if (!fehler.empty()) {
          plat::ui::benutzer().meldung(
              cp850("Die Beschreibung wurde nicht gespeichert: ") + datei + "\r\n" + fehler, "",
              &fenster);
        }
        edit->setEnabled(true);
        return false;
      }
      case plat::gui::TASTE_RUECKSCHRITT:
        plat::ui::benutzer().meldung(cp850("Backspace zusammen mit Shift drücken!"), "", &fenster);
        edit->setFocus();
        return false;
      default:
        return false;
    }
  });

  fenster.setze_modal(true);
  fenster.erzeuge();
  fenster.activateWindow();
  edit->setPlainText(text);
  edit->setFocus();
  if (const QString fremde = edit->fremde(); !fremde.isEmpty()) {
    plat::ui::benutzer().meldung(meldung_fremde(fremde), "", &fenster);
  }

  schleife.laufe();

  // Hidden before it turns modeless: Qt releases the other windows from a
  // modal window only when it is hidden as a modal one.
  fenster.hide();
  fenster.setze_modal(false);
  if (besitzer) besitzer->activateWindow();
  if (fokus_vorher) fokus_vorher->setFocus();
  cString = ergebnis;
  return ergebnis;
}

}  // namespace einvoice
