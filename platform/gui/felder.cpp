#include "platform/gui/felder.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QToolTip>
#include <QValidator>

#include "platform/gui/text_qt.h"

namespace plat::gui {
namespace {

// Alt without Ctrl (AltGr arrives as Ctrl+Alt or without modifiers) marks a
// command key; its letter must not land in the text.
bool ist_befehlstaste(const QKeyEvent* e) {
  return e->modifiers().testFlag(Qt::AltModifier) && !e->modifiers().testFlag(Qt::ControlModifier);
}

// Refuses every change that would bring in a character outside code page
// 850 and remembers which characters they were.
class Pruefer : public QValidator {
 public:
  explicit Pruefer(QObject* eltern) : QValidator(eltern) {}
  State validate(QString& eingabe, int&) const override {
    abgelehnt_ = fremde_zeichen(eingabe);
    return abgelehnt_.isEmpty() ? Acceptable : Invalid;
  }
  QString abgelehnt() const { return abgelehnt_; }

 private:
  mutable QString abgelehnt_;
};

QString unzulaessig(const QString& text, bool auch_1252) {
  QString f = fremde_zeichen(text);
  if (auch_1252) {
    for (const QChar c : fremde_zeichen_1252(text)) {
      if (!f.contains(c)) f += c;
    }
  }
  return f;
}

void tooltip(QWidget* w, const QString& text) {
  QToolTip::showText(w->mapToGlobal(QPoint(0, w->height())), text, w, {}, 5000);
}

}  // namespace

QString hinweis_fuer(const QString& zeichen, bool auch_1252) {
  if (!auch_1252) return hinweis_fremde_zeichen(zeichen);
  return QStringLiteral(
             "Nicht übernommen: „%1“ kann weder im Zeichensatz des Programms "
             "(Codepage 850) noch in der Textdatei (Windows-1252) stehen.")
      .arg(zeichen);
}

Eingabefeld::Eingabefeld(QWidget* eltern, const std::string& text, int grenze) : QLineEdit(eltern) {
  setMaxLength(grenze);
  auto* pruefer = new Pruefer(this);
  setValidator(pruefer);
  setText(nach_qt(text));
  connect(this, &QLineEdit::inputRejected, this, [this, pruefer] {
    if (!pruefer->abgelehnt().isEmpty()) zeige_hinweis(hinweis_fuer(pruefer->abgelehnt(), false));
  });
}

std::string Eingabefeld::text850() const { return von_qt(text()).value_or(std::string()); }

void Eingabefeld::setze_text850(const std::string& text) { setText(nach_qt(text)); }

void Eingabefeld::keyPressEvent(QKeyEvent* e) {
  if (ist_befehlstaste(e)) {
    e->ignore();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void Eingabefeld::zeige_hinweis(const QString& hinweis) {
  hinweis_ = hinweis;
  tooltip(this, hinweis);
}

Mehrzeilig::Mehrzeilig(QWidget* eltern, bool auch_1252)
    : QPlainTextEdit(eltern), auch_1252_(auch_1252) {}

std::optional<std::string> Mehrzeilig::text850() const { return mehrzeilig_von_qt(toPlainText()); }

void Mehrzeilig::setze_text850(const std::string& text) { setPlainText(mehrzeilig_nach_qt(text)); }

QString Mehrzeilig::fremde() const { return unzulaessig(toPlainText(), auch_1252_); }

bool Mehrzeilig::pruefe(const QString& text) {
  const QString f = unzulaessig(text, auch_1252_);
  if (f.isEmpty()) return true;
  hinweis_ = hinweis_fuer(f, auch_1252_);
  tooltip(this, hinweis_);
  return false;
}

void Mehrzeilig::keyPressEvent(QKeyEvent* e) {
  if (ist_befehlstaste(e)) {
    e->ignore();
    return;
  }
  if (!e->text().isEmpty() && e->text().at(0).isPrint() && !pruefe(e->text())) {
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void Mehrzeilig::inputMethodEvent(QInputMethodEvent* e) {
  if (!e->commitString().isEmpty() && !pruefe(e->commitString())) {
    QInputMethodEvent leer(e->preeditString(), e->attributes());
    QPlainTextEdit::inputMethodEvent(&leer);
    return;
  }
  QPlainTextEdit::inputMethodEvent(e);
}

void Mehrzeilig::insertFromMimeData(const QMimeData* quelle) {
  if (quelle->hasText() && !pruefe(quelle->text())) return;
  QPlainTextEdit::insertFromMimeData(quelle);
}

}  // namespace plat::gui
