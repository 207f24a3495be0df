#include "einvoice/eingabefenster.h"

#include <QLabel>

#include "einvoice/texte.h"
#include "platform/gui/farben.h"
#include "platform/gui/schrift.h"
#include "platform/gui/text_qt.h"

namespace einvoice {
namespace {

using plat::gui::Eingabefeld;
using plat::gui::Groesse;
using plat::gui::Punkt;

constexpr const char* kZeilen[4] = {"Materialaufwand", "Arbeitsaufwand Büro",
                                    "Arbeitsaufwand vor Ort", "anteilige Anfahrt"};
constexpr const char* kKopf[3] = {"RechnungsNr:", "RechnungsDatum:", "LieferDatum:"};

// Right-aligned and vertically centred (code 6), or left-aligned (code 4).
QLabel* beschriftung(QWidget* flaeche, const std::string& text850, Punkt pos, Groesse g,
                     Qt::Alignment h) {
  auto* l = new QLabel(plat::gui::nach_qt(text850), flaeche);
  l->setAlignment(h | Qt::AlignVCenter);
  plat::gui::platziere(l, pos, g);
  return l;
}

void eingabefarbe(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, plat::gui::farbe(plat::gui::FARBE_EINGABE));
  w->setPalette(p);
}

}  // namespace

std::vector<std::string> Eingabefenster::texte() const {
  std::vector<std::string> t;
  t.reserve(aEC.size());
  for (const Eingabefeld* f : aEC) t.push_back(f->text850());
  return t;
}

Eingabefenster baue_eingabefenster(QWidget* besitzer) {
  Eingabefenster e;
  e.oDlg = std::make_unique<TzDialog>(nullptr, besitzer, Punkt{10, 150}, Groesse{900, 700},
                                      std::vector<plat::gui::Praesentation>{}, false);
  TzDialog& d = *e.oDlg;
  d.setze_taskleiste(true);
  d.setze_maximieren(false);
  d.setze_titel(T(kEingabeTitel));
  QWidget* flaeche = d.zeichenflaeche();

  auto feld = [&](const std::string& text, int grenze, Punkt pos, Groesse g) {
    auto* f = new Eingabefeld(flaeche, text, grenze);
    plat::gui::platziere(f, pos, g);
    eingabefarbe(f);
    f->setFocusPolicy(Qt::StrongFocus);
    e.aEC.push_back(f);
    f->setObjectName(QStringLiteral("eingabe%1").arg(e.aEC.size()));
  };

  int zeile = 600;
  for (const char* kopf : kKopf) {
    zeile -= 25;
    beschriftung(flaeche, T(kopf), {10, zeile}, {90, 20}, Qt::AlignRight);
    feld("", 10, {105, zeile}, {100, 20});
  }

  // Column captions as separate labels over their columns.
  zeile = 125;
  beschriftung(flaeche, "Aufwand", {210, zeile}, {390, 20}, Qt::AlignLeft);
  beschriftung(flaeche, "Einz-Preis", {610, zeile}, {70, 20}, Qt::AlignLeft);
  beschriftung(flaeche, "Menge", {680, zeile}, {70, 20}, Qt::AlignLeft);
  beschriftung(flaeche, "Gesamtpreis", {750, zeile}, {130, 20}, Qt::AlignLeft);

  for (const char* posten : kZeilen) {
    zeile -= 25;
    const std::string text = T(posten);
    beschriftung(flaeche, text, {10, zeile}, {180, 20}, Qt::AlignRight);
    feld(text, 50, {200, zeile}, {400, 20});
    feld("", 10, {610, zeile}, {60, 20});
    feld("", 10, {680, zeile}, {60, 20});
    feld("", 10, {750, zeile}, {80, 20});
  }

  // The work description fills the area above the lines, right of the header
  // labels; its size is taken once, now.
  const Groesse fl = d.flaeche_groesse();
  auto* mle = new plat::gui::Mehrzeilig(flaeche);
  plat::gui::platziere(mle, {200, 150}, {fl.breite - 200, fl.hoehe - 150});
  mle->setFont(plat::gui::schrift("12.Courier"));
  mle->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  mle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  mle->setFocusPolicy(Qt::ClickFocus);  // not a tab stop: Tab runs through the fields only
  eingabefarbe(mle);
  mle->lower();  // the header fields reach 5 pixels into its area; keep them whole
  d.rtfMLE = mle;

  for (std::size_t i = 1; i < e.aEC.size(); ++i) QWidget::setTabOrder(e.aEC[i - 1], e.aEC[i]);
  return e;
}

}  // namespace einvoice
