#include "einvoice/eingabefenster.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <functional>

#include "einvoice/cii_erzeugung.h"
#include "einvoice/fenster_testhilfe.h"
#include "einvoice/main_fenster.h"
#include "einvoice/stammdaten.h"

namespace einvoice {
namespace {

using test::cp850;
using test::taste;
using test::tippe;

// Main on a fresh drive with the demo master data; `schritte` act on the
// entry window once its loop runs.
struct Programm {
  test::Laufwerk c;
  plat::ui::SkriptBenutzer benutzer;
  plat::ui::BenutzerWechsel wechsel{benutzer};
  Rechnungssatz satz;
  bool beendet = false;

  Programm() {
    plat::gui::test::anwendung();
    setze_demo_stammdaten(satz);
  }

  void laufe(
      const std::function<void(TzDialog&, std::vector<plat::gui::Eingabefeld*>&)>& schritte) {
    plat::gui::test::danach([&] {
      auto* f = static_cast<TzDialog*>(test::modales_fenster());
      ASSERT_NE(f, nullptr);
      std::vector<plat::gui::Eingabefeld*> felder;
      for (int k = 1; k <= 19; ++k) {
        felder.push_back(f->findChild<plat::gui::Eingabefeld*>(QStringLiteral("eingabe%1").arg(k)));
      }
      schritte(*f, felder);
    });
    Main(satz);
    beendet = true;
  }
};

TEST(Eingabefenster, LayoutFieldsLimitsAndCaptions) {
  plat::gui::test::anwendung();
  Eingabefenster e = baue_eingabefenster();
  TzDialog& d = *e.oDlg;
  ASSERT_EQ(e.aEC.size(), 19u);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Programm zur xRechnung"));
  EXPECT_FALSE(d.isVisible());
  const int h = d.flaeche_groesse().hoehe;
  // x, y (lower left), width, limit, starting text of each entry field in list order
  struct Soll {
    int x, y, breite, grenze;
    const char* text;
  };
  std::vector<Soll> soll = {
      {105, 575, 100, 10, ""}, {105, 550, 100, 10, ""}, {105, 525, 100, 10, ""}};
  const char* posten[] = {"Materialaufwand", "Arbeitsaufwand Büro", "Arbeitsaufwand vor Ort",
                          "anteilige Anfahrt"};
  for (int i = 0; i < 4; ++i) {
    const int y = 100 - 25 * i;
    soll.push_back({200, y, 400, 50, posten[i]});
    soll.push_back({610, y, 60, 10, ""});
    soll.push_back({680, y, 60, 10, ""});
    soll.push_back({750, y, 80, 10, ""});
  }
  for (std::size_t i = 0; i < soll.size(); ++i) {
    const Soll& s = soll[i];
    EXPECT_EQ(e.aEC[i]->geometry(), QRect(s.x, h - s.y - 20, s.breite, 20)) << "Feld " << i + 1;
    EXPECT_EQ(e.aEC[i]->maxLength(), s.grenze) << "Feld " << i + 1;
    EXPECT_EQ(e.aEC[i]->text(), QString::fromUtf8(s.text)) << "Feld " << i + 1;
  }
  QStringList beschriftungen;
  for (const QLabel* l : d.zeichenflaeche()->findChildren<QLabel*>()) beschriftungen << l->text();
  for (const char* b : {"RechnungsNr:", "RechnungsDatum:", "LieferDatum:", "Aufwand", "Einz-Preis",
                        "Menge", "Gesamtpreis", "Arbeitsaufwand Büro", "anteilige Anfahrt"}) {
    EXPECT_TRUE(beschriftungen.contains(QString::fromUtf8(b))) << b;
  }
  const auto fl = d.flaeche_groesse();
  EXPECT_EQ(d.rtfMLE->geometry(), QRect(200, 0, fl.breite - 200, fl.hoehe - 150));
  EXPECT_EQ(d.rtfMLE->toPlainText(), QString());
}

TEST(Eingabefenster, TabRunsThroughTheNineteenFieldsAndLimitsHold) {
  Programm p;
  p.laufe([](TzDialog&, std::vector<plat::gui::Eingabefeld*>& felder) {
    for (int k = 0; k < 19; ++k) {
      EXPECT_EQ(QApplication::focusWidget(), felder[k]) << "Feld " << k + 1;
      felder[k]->selectAll();
      tippe(k % 4 == 3 ? "Überführung und Aufbahrung mit Trauerschmuck, Nachtzuschlag"
                       : "123456789012");
      taste(Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), felder[0]) << "back to the first field";
    taste(Qt::Key_Escape);
  });
  EXPECT_TRUE(p.beendet);
  // What the writer would get: every field stopped at its limit.
  EXPECT_EQ(p.satz["Rech_Nummer"], "") << "nothing written without Alt+X";
}

TEST(Eingabefenster, AltXWritesTheInvoiceFromWhatWasTyped) {
  Programm p;
  p.laufe([](TzDialog& f, std::vector<plat::gui::Eingabefeld*>& felder) {
    auto eintrag = [&](int k, const char* text) {
      felder[k - 1]->setFocus();
      felder[k - 1]->selectAll();
      tippe(text);
    };
    eintrag(1, "17");
    eintrag(2, "20261201");
    eintrag(3, "20261130");
    eintrag(4, "Sarg Eiche");
    eintrag(5, "65.00");
    eintrag(6, "2");
    eintrag(7, "130.00");
    taste(Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(f.isVisible()) << "Alt+X does not close";
    EXPECT_EQ(felder[6]->text(), QStringLiteral("130.00"))
        << "the key reaches the field without typing an x";
    taste(Qt::Key_Escape);
  });
  const std::string xml = p.c.lies("C:\\Vuvuvira\\xR\\R17\\R17_zug.xml");
  ASSERT_FALSE(xml.empty());
  for (const char* teil : {"<ram:ID>17</ram:ID>", "20261201", "Sarg Eiche", "130.00"}) {
    EXPECT_NE(xml.find(teil), std::string::npos) << teil;
  }
  EXPECT_EQ(p.satz["Rech_Nummer"], "17");
  EXPECT_EQ(p.satz["L1_Gesamtpreis"], "130.00");
}

TEST(Eingabefenster, AltTLoadsTheDescriptionAndCopiesTheEditorsResultBack) {
  struct Fall {
    const char* name;
    std::function<void(TzDialog&)> im_editor;
    const char* beschreibung;  // the entry window's description edit afterwards
    const char* datei;         // the description file afterwards
  };
  const std::vector<Fall> faelle = {
      {"Esc",
       [](TzDialog&) {
         tippe(" neu");
         taste(Qt::Key_Escape);
       },
       "", "Aufbahrung"},
      {"Enter",
       [](TzDialog&) {
         tippe(" neu");
         taste(Qt::Key_Return);
       },
       "Aufbahrung neu", "Aufbahrung"},
      {"Strg+S, OK",
       [](TzDialog& ed) {
         tippe(" gespeichert");
         taste(Qt::Key_S, Qt::ControlModifier);
         tippe(" danach");
         ed.findChild<QPushButton*>()->click();
       },
       "Aufbahrung gespeichert", "Aufbahrung gespeichert"},
  };
  for (const Fall& fall : faelle) {
    Programm p;
    p.c.schreibe("C:\\Vuvuvira\\xR\\R42\\R42.txt", "Aufbahrung");
    QString gezeigt;
    p.laufe([&](TzDialog& f, std::vector<plat::gui::Eingabefeld*>&) {
      f.rtfMLE->setPlainText(QStringLiteral("alter Inhalt"));
      tippe("42");
      plat::gui::test::danach([&] {
        auto* editor = static_cast<TzDialog*>(test::modales_fenster());
        ASSERT_NE(editor, &f);
        gezeigt = editor->rtfMLE->toPlainText();
        editor->rtfMLE->moveCursor(QTextCursor::End);
        fall.im_editor(*editor);
      });
      taste(Qt::Key_T, Qt::AltModifier);
      EXPECT_EQ(f.rtfMLE->toPlainText(), QString::fromUtf8(fall.beschreibung)) << fall.name;
      taste(Qt::Key_Escape);
    });
    EXPECT_EQ(gezeigt, QStringLiteral("Aufbahrung")) << fall.name;
    EXPECT_EQ(p.c.lies("C:\\Vuvuvira\\xR\\R42\\R42.txt"), fall.datei) << fall.name;
    EXPECT_EQ(p.satz["Rech_Nummer"], "42") << fall.name;
    EXPECT_TRUE(p.benutzer.protokoll().empty()) << fall.name;
  }
}

TEST(Eingabefenster, AltTCreatesTheFolderForTheNumberAsEntered) {
  Programm p;
  p.laufe([](TzDialog&, std::vector<plat::gui::Eingabefeld*>&) {
    tippe("7 ");
    plat::gui::test::danach([] {
      test::modales_fenster();
      tippe("Text");
      taste(Qt::Key_S, Qt::ControlModifier);
      taste(Qt::Key_Return);
    });
    taste(Qt::Key_T, Qt::AltModifier);
    taste(Qt::Key_Escape);
  });
  EXPECT_EQ(p.satz["Rech_Nummer"], "7 ") << "not trimmed";
  EXPECT_EQ(p.c.lies("C:\\Vuvuvira\\xR\\R7 \\R7 .txt"), "Text");
}

TEST(Eingabefenster, AltTRefusesANumberThatLeavesTheBaseFolder) {
  Programm p;
  p.laufe([](TzDialog& f, std::vector<plat::gui::Eingabefeld*>&) {
    tippe("..\\..\\x");
    taste(Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(QApplication::activeModalWidget(), &f) << "no editor opened";
    taste(Qt::Key_Escape);
  });
  ASSERT_EQ(p.benutzer.meldungen().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(p.c.pfad("C:\\x")));
}

TEST(Eingabefenster, EscClosesFromAnyFieldAndTheCloseBoxToo) {
  for (int wie = 0; wie < 2; ++wie) {
    Programm p;
    p.laufe([wie](TzDialog& f, std::vector<plat::gui::Eingabefeld*>& felder) {
      felder[9]->setFocus();
      if (wie == 0) {
        taste(Qt::Key_Escape);
      } else {
        f.close();
      }
    });
    EXPECT_TRUE(p.beendet);
  }
}

}  // namespace
}  // namespace einvoice
