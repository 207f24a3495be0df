#include "einvoice/modalfen.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <functional>
#include <vector>

#include "einvoice/fenster_testhilfe.h"
#include "einvoice/tzdialog.h"

namespace einvoice {
namespace {

using test::cp850;
using test::taste;
using test::tippe;

const std::string kDatei = "C:\\Vuvuvira\\xR\\R17\\R17.txt";

struct Lauf {
  test::Laufwerk c;
  plat::ui::SkriptBenutzer benutzer;
  plat::ui::BenutzerWechsel wechsel{benutzer};
  std::string cString;
  std::string rueckgabe;
  QString gezeigt;  // what the edit showed when the editor came up

  Lauf() { plat::gui::test::anwendung(); }

  // Runs the editor; `schritte` acts on it once it is up.
  void starte(const std::string& datei, const std::function<void(TzDialog&)>& schritte) {
    plat::gui::test::danach([&] {
      auto* fenster = static_cast<TzDialog*>(test::modales_fenster());
      ASSERT_NE(fenster, nullptr);
      gezeigt = fenster->rtfMLE->toPlainText();
      fenster->rtfMLE->moveCursor(QTextCursor::End);
      schritte(*fenster);
    });
    rueckgabe = ModalFen(cString, std::nullopt, nullptr, std::nullopt, std::nullopt, datei);
  }
};

QPushButton* ok_knopf(TzDialog& f) { return f.findChild<QPushButton*>(); }

TEST(ModalFen, FinishingKeysDecideResultAndFile) {
  const std::string alt = "Alt\r\nTr\xe4ger";  // Windows-1252 bytes: "Träger"
  struct Fall {
    const char* name;
    std::function<void(TzDialog&)> schritte;
    const char* ergebnis;  // UTF-8 with \r\n
    const char* datei;     // UTF-8 with \r\n; null: unchanged
  };
  const std::vector<Fall> faelle = {
      {"Esc",
       [](TzDialog&) {
         tippe(" neu");
         taste(Qt::Key_Escape);
       },
       "", nullptr},
      {"Enter",
       [](TzDialog&) {
         tippe(" neu");
         taste(Qt::Key_Return);
       },
       "Alt\r\nTräger neu", nullptr},
      {"F10",
       [](TzDialog&) {
         tippe(" neu");
         taste(Qt::Key_F10);
       },
       "Alt\r\nTräger neu", nullptr},
      {"Strg+S, Esc",
       [](TzDialog&) {
         tippe(" ö");
         taste(Qt::Key_S, Qt::ControlModifier);
         taste(Qt::Key_Escape);
       },
       "", "Alt\r\nTräger ö"},
      {"Strg+S, weiter, OK",
       [](TzDialog& f) {
         tippe(" ö");
         taste(Qt::Key_S, Qt::ControlModifier);
         tippe(" danach");
         ok_knopf(f)->click();
       },
       "Alt\r\nTräger ö", "Alt\r\nTräger ö"},
      {"Schließfeld",
       [](TzDialog& f) {
         tippe(" x");
         f.close();
       },
       "vorher", nullptr},
  };
  for (const Fall& fall : faelle) {
    Lauf lauf;
    lauf.c.schreibe(kDatei, alt);
    lauf.cString = "vorher";
    lauf.starte(kDatei, fall.schritte);
    EXPECT_EQ(lauf.gezeigt, QString::fromUtf8("Alt\nTräger")) << fall.name;
    EXPECT_EQ(lauf.rueckgabe, cp850(fall.ergebnis)) << fall.name;
    EXPECT_EQ(lauf.cString, lauf.rueckgabe) << fall.name;
    const std::string erwartet = fall.datei ? plat::text::utf8_to_cp1252(fall.datei) : alt;
    EXPECT_EQ(lauf.c.lies(kDatei), erwartet) << fall.name;
    EXPECT_TRUE(lauf.benutzer.protokoll().empty()) << fall.name;
  }
}

TEST(ModalFen, CtrlSOnlySavesWhenTheEditHasTheFocus) {
  Lauf lauf;
  std::filesystem::create_directories(lauf.c.pfad("C:\\Vuvuvira\\xR\\R17"));
  lauf.starte(kDatei, [](TzDialog& f) {
    tippe("Text");
    ok_knopf(f)->setFocus();
    taste(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(std::filesystem::exists(plat::files::host_pfad(kDatei)));
    f.rtfMLE->setFocus();
    taste(Qt::Key_S, Qt::ControlModifier);
    taste(Qt::Key_Escape);
  });
  EXPECT_EQ(lauf.c.lies(kDatei), "Text");
  EXPECT_EQ(lauf.rueckgabe, "");
}

TEST(ModalFen, BackspaceWarnsEachTimeAndStillDeletes) {
  Lauf lauf;
  lauf.c.schreibe(kDatei, "abcd");
  lauf.starte(kDatei, [](TzDialog&) {
    taste(Qt::Key_Backspace);
    taste(Qt::Key_Backspace);
    taste(Qt::Key_Backspace, Qt::ShiftModifier);
    taste(Qt::Key_Return);
  });
  EXPECT_EQ(lauf.benutzer.meldungen(),
            (std::vector<std::string>(2, cp850("Backspace zusammen mit Shift drücken!"))));
  EXPECT_EQ(lauf.rueckgabe, "a");
}

TEST(ModalFen, FileNameIsCutAtTheFirstDotWhenTheFileIsMissing) {
  test::Laufwerk c;
  c.schreibe("C:\\Vuvuvira\\xR\\R5.1\\R5.1.txt", "da");
  struct Fall {
    const char* pfad;
    const char* name;
  };
  for (const Fall& f :
       {Fall{"C:\\Vuvuvira\\xR\\R5.1\\R5.1.txt", "C:\\Vuvuvira\\xR\\R5.1\\R5.1.txt"},
        Fall{"C:\\Vuvuvira\\xR\\R2024.1\\R2024.1.txt", "C:\\Vuvuvira\\xR\\R2024.txt"},
        Fall{"C:\\Vuvuvira\\xR\\R17\\R17.txt", "C:\\Vuvuvira\\xR\\R17\\R17.txt"},
        Fall{"C:\\Vuvuvira\\xR\\R17\\R17.rtf", "C:\\Vuvuvira\\xR\\R17\\R17.txt"},
        Fall{"C:\\ohne\\punkt", "C:\\ohne\\punkt.txt"}}) {
    EXPECT_EQ(modalfen_dateiname(f.pfad), f.name) << f.pfad;
  }

  Lauf lauf;
  lauf.starte("C:\\Vuvuvira\\xR\\R2024.1\\R2024.1.txt", [](TzDialog&) {
    tippe("Grab");
    taste(Qt::Key_S, Qt::ControlModifier);
    taste(Qt::Key_Escape);
  });
  EXPECT_EQ(lauf.c.lies("C:\\Vuvuvira\\xR\\R2024.txt"), "Grab");
}

TEST(ModalFen, SaveThatFailsNamesThePath) {
  Lauf lauf;  // the folder R17 does not exist
  lauf.starte(kDatei, [](TzDialog&) {
    tippe("Text");
    taste(Qt::Key_S, Qt::ControlModifier);
    taste(Qt::Key_Escape);
  });
  ASSERT_EQ(lauf.benutzer.meldungen().size(), 1u);
  EXPECT_NE(lauf.benutzer.meldungen()[0].find(kDatei), std::string::npos)
      << lauf.benutzer.meldungen()[0];
  EXPECT_FALSE(lauf.c.gibt(kDatei));
}

TEST(ModalFen, TextThatTheProgramCannotHoldIsNotTakenUntilReplaced) {
  Lauf lauf;
  lauf.c.schreibe(kDatei, "10 \x80 \x96 gesamt");  // Windows-1252: "10 € – gesamt"
  lauf.starte(kDatei, [&lauf](TzDialog& f) {
    EXPECT_EQ(lauf.benutzer.meldungen().size(), 1u) << "told at opening";
    taste(Qt::Key_Return);  // refused: the window stays
    taste(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(f.isVisible());
    f.rtfMLE->setPlainText(QStringLiteral("10 EUR - gesamt"));
    f.rtfMLE->setFocus();
    taste(Qt::Key_Return);
  });
  EXPECT_EQ(lauf.benutzer.meldungen().size(), 3u);
  EXPECT_NE(lauf.benutzer.meldungen()[0].find("U+20AC, U+2013"), std::string::npos)
      << lauf.benutzer.meldungen()[0];
  EXPECT_EQ(lauf.rueckgabe, "10 EUR - gesamt");
  EXPECT_EQ(lauf.c.lies(kDatei), "10 \x80 \x96 gesamt");
}

TEST(ModalFen, WindowIsPlacedByTheCallerAndOwnedByIt) {
  plat::gui::test::anwendung();
  test::Laufwerk c;
  TzDialog rufer(nullptr, nullptr, {10, 150}, {900, 700}, {}, false);
  std::string text;
  plat::gui::test::danach([&] {
    auto* f = static_cast<TzDialog*>(test::modales_fenster());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->parentWidget(), &rufer);
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8(kModalFenTitel));
    EXPECT_EQ(f->pos().x(), (rufer.flaeche_groesse().breite - 500) / 2);
    const auto fl = f->flaeche_groesse();
    EXPECT_EQ(f->rtfMLE->geometry(), QRect(2, 2, fl.breite - 4, fl.hoehe - 4));
    EXPECT_EQ(ok_knopf(*f)->geometry(), QRect((fl.breite - 72) / 2, fl.hoehe - 12 - 24, 72, 24));
    EXPECT_EQ(QApplication::focusWidget(), f->rtfMLE);
    taste(Qt::Key_Escape);
  });
  ModalFen(text, std::nullopt, rufer.zeichenflaeche(), 500, 400,
           std::string("C:\\Vuvuvira\\xR\\R1\\R1.txt"));
}

}  // namespace
}  // namespace einvoice
