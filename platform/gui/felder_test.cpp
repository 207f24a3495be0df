#include "platform/gui/felder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "platform/gui/qt_testumgebung.h"
#include "platform/text/codepage.h"

namespace plat::gui {
namespace {

TEST(Eingabefeld, StopsAtItsLimitAndRefusesForeignCharactersVisibly) {
  test::anwendung();
  struct Fall {
    int grenze;
    const char* getippt;
    const char* ergebnis;
    bool hinweis;
  };
  for (const Fall& f : {Fall{10, "12345678901234", "1234567890", false},
                        Fall{50, "Materialaufwand für Särge und Urnen, Überführung inkl. Nacht",
                             "Materialaufwand für Särge und Urnen, Überführung i", false},
                        Fall{10, "10 € netto", "10  netto", true}}) {
    Eingabefeld feld(nullptr, "", f.grenze);
    test::tippe_text(&feld, QString::fromUtf8(f.getippt));
    EXPECT_EQ(feld.text(), QString::fromUtf8(f.ergebnis)) << f.getippt;
    EXPECT_EQ(feld.text850(), plat::text::utf8_to_cp850(f.ergebnis)) << f.getippt;
    EXPECT_EQ(feld.letzter_hinweis().contains(QStringLiteral("€")), f.hinweis) << f.getippt;
  }
}

TEST(Eingabefeld, PastedForeignTextIsRefusedWholeAndAltLettersAreNotText) {
  test::anwendung();
  Eingabefeld feld(nullptr, plat::text::utf8_to_cp850("Büro"), 50);
  feld.end(false);
  QApplication::clipboard()->setText(QString::fromUtf8(" – Nachtrag"));
  feld.paste();
  EXPECT_EQ(feld.text(), QString::fromUtf8("Büro"));
  EXPECT_TRUE(feld.letzter_hinweis().contains(QString::fromUtf8("–")));
  QTest::keyClick(&feld, Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(feld.text(), QString::fromUtf8("Büro"));
}

TEST(Mehrzeilig, RefusesWhatItsTextCannotHoldFromKeysAndPaste) {
  test::anwendung();
  struct Fall {
    bool auch_1252;
    const char* eingabe;
    const char* bleibt;
  };
  for (const Fall& f : {Fall{false, "Grab €", "Grab "}, Fall{false, "Linie ─", "Linie ─"},
                        Fall{true, "Linie ─", "Linie "}, Fall{true, "Müller ½", "Müller ½"}}) {
    Mehrzeilig typ(nullptr, f.auch_1252);
    test::tippe_text(&typ, QString::fromUtf8(f.eingabe));
    EXPECT_EQ(typ.toPlainText(), QString::fromUtf8(f.bleibt)) << f.eingabe;

    Mehrzeilig klebe(nullptr, f.auch_1252);
    QApplication::clipboard()->setText(QString::fromUtf8(f.eingabe));
    klebe.paste();
    const bool ganz = QString::fromUtf8(f.eingabe) == QString::fromUtf8(f.bleibt);
    EXPECT_EQ(klebe.toPlainText(), ganz ? QString::fromUtf8(f.eingabe) : QString()) << f.eingabe;
    EXPECT_EQ(klebe.letzter_hinweis().isEmpty(), ganz) << f.eingabe;
  }
}

TEST(Mehrzeilig, TextCrossesWithWindowsLineEndsAndReportsLoadedForeignText) {
  test::anwendung();
  Mehrzeilig m(nullptr, true);
  m.setze_text850(plat::text::utf8_to_cp850("Zeile 1\r\nÄnderung"));
  EXPECT_EQ(m.toPlainText(), QString::fromUtf8("Zeile 1\nÄnderung"));
  EXPECT_EQ(m.text850(), plat::text::utf8_to_cp850("Zeile 1\r\nÄnderung"));
  m.setPlainText(QString::fromUtf8("Preis – 10 €"));
  EXPECT_FALSE(m.text850().has_value());
  EXPECT_EQ(m.fremde(), QString::fromUtf8("–€"));
}

}  // namespace
}  // namespace plat::gui
