#include "platform/gui/ereignisse.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/gui/felder.h"
#include "platform/gui/qt_testumgebung.h"

namespace plat::gui {
namespace {

TEST(Tastencode, QtKeysBecomeTheProgramsCodes) {
  struct Fall {
    int taste;
    Qt::KeyboardModifiers mod;
    const char* text;
    int code;
  };
  const Qt::KeyboardModifiers ohne = Qt::NoModifier;
  for (const Fall& f : {
           Fall{Qt::Key_Escape, ohne, "\x1b", TASTE_ESC},
           Fall{Qt::Key_Return, ohne, "\r", TASTE_ENTER},
           Fall{Qt::Key_Enter, Qt::KeypadModifier, "\r", TASTE_ENTER},
           Fall{Qt::Key_Return, Qt::ShiftModifier, "\r", TASTE_KEINE},
           Fall{Qt::Key_F10, ohne, "", TASTE_F10},
           Fall{Qt::Key_S, Qt::ControlModifier, "\x13", TASTE_STRG_S},
           Fall{Qt::Key_Backspace, ohne, "\b", TASTE_RUECKSCHRITT},
           Fall{Qt::Key_Backspace, Qt::ShiftModifier, "\b", TASTE_KEINE},
           Fall{Qt::Key_X, Qt::AltModifier, "x", TASTE_ALT_X},
           Fall{Qt::Key_T, Qt::AltModifier, "t", TASTE_ALT_T},
           Fall{Qt::Key_T, Qt::AltModifier | Qt::ShiftModifier, "T", TASTE_ALT_T},
           Fall{Qt::Key_X, Qt::ControlModifier | Qt::AltModifier, "x", TASTE_KEINE},
           Fall{Qt::Key_S, ohne, "s", 's'},
           Fall{Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
       }) {
    EXPECT_EQ(tastencode(f.taste, f.mod, QString::fromLatin1(f.text)), f.code)
        << "Taste " << f.taste << " mod " << f.mod.toInt();
  }
}

// A window with two entry fields whose loop records what it sees.
struct Fenster {
  QApplication& app = test::anwendung();  // before the first widget
  QWidget fenster;
  Eingabefeld* a;
  Eingabefeld* b;
  std::vector<Ereignis> gesehen;
  std::vector<QString> text_a_beim_ereignis;

  Fenster() {
    auto* l = new QVBoxLayout(&fenster);
    a = new Eingabefeld(&fenster, "", 10);
    b = new Eingabefeld(&fenster, "", 10);
    l->addWidget(a);
    l->addWidget(b);
  }

  void laufe(const std::function<void()>& tasten) {
    Ereignisschleife schleife(&fenster, [this](const Ereignis& e) {
      gesehen.push_back(e);
      text_a_beim_ereignis.push_back(a->text());
      if (e.code == EREIGNIS_TASTATUR && e.p1 == TASTE_ESC)
        Ereignisschleife::schliessen_anfordern(&fenster);
      return false;
    });
    fenster.show();
    test::aktiviere(&fenster);
    a->setFocus();
    test::danach(tasten);
    schleife.laufe();
  }
};

void tippe(int taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(taste), mod);
}

TEST(Ereignisschleife, SeesEachKeyOnceBeforeItsTargetThenEndsAfterClose) {
  Fenster f;
  f.laufe([&] {
    tippe(Qt::Key_A);
    tippe(Qt::Key_X, Qt::AltModifier);
    tippe(Qt::Key_Escape);  // ignored by the field, travels to the window: seen once
  });
  std::vector<int> codes;
  for (const auto& e : f.gesehen) {
    if (e.code != EREIGNIS_TASTATUR || e.p1 != TASTE_KEINE)
      codes.push_back(e.code == EREIGNIS_TASTATUR ? e.p1 : e.code);
  }
  EXPECT_EQ(codes, (std::vector<int>{'a', TASTE_ALT_X, TASTE_ESC, EREIGNIS_SCHLIESSEN}));
  EXPECT_EQ(f.text_a_beim_ereignis.front(), QString())
      << "the handler runs before the field takes the key";
  EXPECT_EQ(f.gesehen[2].ziel, f.a);  // [1] is the Alt key itself
  EXPECT_EQ(f.gesehen.back().ziel, &f.fenster);
  EXPECT_EQ(f.a->text(), QStringLiteral("a")) << "Alt+X is a command, not text";
}

TEST(Ereignisschleife, TargetIsTheFocusedElementAfterTab) {
  Fenster f;
  f.laufe([&] {
    tippe(Qt::Key_Tab);
    tippe(Qt::Key_T, Qt::AltModifier);
    tippe(Qt::Key_Escape);
  });
  const auto alt_t = std::find_if(f.gesehen.begin(), f.gesehen.end(),
                                  [](const Ereignis& e) { return e.p1 == TASTE_ALT_T; });
  ASSERT_NE(alt_t, f.gesehen.end());
  EXPECT_EQ(alt_t->ziel, f.b);
}

TEST(Ereignisschleife, KeyIsSeenOnceEvenWhenItsHandlerMovesTheFocus) {
  Fenster f;
  std::vector<int> codes;
  Ereignisschleife schleife(&f.fenster, [&](const Ereignis& e) {
    if (e.code == EREIGNIS_TASTATUR && e.p1 != TASTE_KEINE) codes.push_back(e.p1);
    if (e.code == EREIGNIS_TASTATUR && e.p1 == TASTE_ALT_T)
      f.a->clearFocus();  // as a nested window does
    if (e.code == EREIGNIS_TASTATUR && e.p1 == TASTE_ESC)
      Ereignisschleife::schliessen_anfordern(&f.fenster);
    return false;
  });
  f.fenster.show();
  test::aktiviere(&f.fenster);
  f.a->setFocus();
  test::danach([&] {
    tippe(Qt::Key_T, Qt::AltModifier);  // ignored by the field, travels up to the window
    QTest::keyClick(&f.fenster, Qt::Key_Escape);
  });
  schleife.laufe();
  EXPECT_EQ(codes, (std::vector<int>{TASTE_ALT_T, TASTE_ESC}));
}

TEST(Ereignisschleife, CloseBoxEndsTheLoop) {
  Fenster f;
  f.laufe([&] { f.fenster.close(); });
  ASSERT_EQ(f.gesehen.size(), 1u);
  EXPECT_EQ(f.gesehen[0].code, EREIGNIS_SCHLIESSEN);
}

}  // namespace
}  // namespace plat::gui
