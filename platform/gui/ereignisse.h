// The program's own event and key codes, and the loop that hands Qt's events
// to the windows' code in those terms before Qt delivers them as usual.
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace plat::gui {

// Event codes: 1048576 + n.
inline constexpr int EREIGNIS_KEINS = 0;
inline constexpr int EREIGNIS_TASTATUR = 1048580;    // first parameter: key code
inline constexpr int EREIGNIS_AKTIVIERT = 1048609;   // a button was activated
inline constexpr int EREIGNIS_SCHLIESSEN = 1048632;  // close request

// Key codes.
inline constexpr int TASTE_KEINE = 0;
inline constexpr int TASTE_RUECKSCHRITT = 8;  // Backspace
inline constexpr int TASTE_ENTER = 13;
inline constexpr int TASTE_STRG_S = 19;
inline constexpr int TASTE_ESC = 27;
inline constexpr int TASTE_F10 = 65657;
inline constexpr int TASTE_ALT_T = 327764;
inline constexpr int TASTE_ALT_X = 327768;

// Modifier keys as the program numbers them.
inline constexpr int TASTE_SHIFT = 65552;
inline constexpr int TASTE_STRG = 65553;
inline constexpr int TASTE_ALT = 65554;

// The program's key code for a Qt key with its modifiers and text.
// Ctrl+letter gives 1..26, Alt+letter 327680 + the capital letter, the
// function keys F1..F12 65648..65659, a printable character its code, and
// a key the program has no code for TASTE_KEINE. Shift+Backspace is not
// Backspace (the editor tells the user to use it), and Shift+Enter is not
// Enter (it starts a new line where Enter would close).
int tastencode(int qt_taste, Qt::KeyboardModifiers mod, const QString& text = {});
int tastencode(const QKeyEvent& e);

struct Ereignis {
  int code = EREIGNIS_KEINS;
  int p1 = 0;
  int p2 = 0;
  QWidget* ziel = nullptr;  // the element the event belongs to
};

// Runs one window's event loop. Every key press meant for an element of the
// window and the window's close request are first shown to `behandler`, then
// passed on to their target as usual (unless the handler returns true, which
// only serves to refuse a key). The loop ends once the close request has
// been passed on to the window.
//
// Alt+letter reaches Qt first as a shortcut override; the loop takes it there
// so that no shortcut swallows it and the key press follows as usual.
class Ereignisschleife : public QObject {
 public:
  using Behandler = std::function<bool(const Ereignis&)>;

  Ereignisschleife(QWidget* fenster, Behandler behandler);
  ~Ereignisschleife() override;

  // Runs until the close request of the window has been handled.
  void laufe();

  // Posts a close request for `fenster` to the application's event queue.
  static void schliessen_anfordern(QWidget* fenster);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  QWidget* fenster_;
  Behandler behandler_;
  QEventLoop schleife_;
  bool ende_ = false;
  const QEvent* unterwegs_ = nullptr;  // the key press being delivered
  QPointer<QWidget> unterwegs_ziel_;   // its first receiver
};

}  // namespace plat::gui
