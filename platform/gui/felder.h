// Entry elements that take only what the program can hold: a single-line
// entry field with a length limit and a multi-line edit. Both refuse
// characters outside code page 850 (and, where the text goes to a
// Windows-1252 file, outside that code page too) and show the user why.
// Alt+letter is a command key of the windows, never text.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

namespace plat::gui {

class Eingabefeld : public QLineEdit {
 public:
  // `text` is program text (code page 850); `grenze` the most characters.
  Eingabefeld(QWidget* eltern, const std::string& text, int grenze);

  // The field's text as program text. Always representable: the field takes
  // nothing else.
  std::string text850() const;
  void setze_text850(const std::string& text);

  // The reason the last refused input was refused, as shown to the user.
  const QString& letzter_hinweis() const { return hinweis_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void zeige_hinweis(const QString& hinweis);
  QString hinweis_;
};

class Mehrzeilig : public QPlainTextEdit {
 public:
  explicit Mehrzeilig(QWidget* eltern, bool auch_1252 = false);

  // The whole text as program text with "\r\n" line ends. No value when the
  // text holds characters outside code page 850 (only text put in with
  // setPlainText can).
  std::optional<std::string> text850() const;
  void setze_text850(const std::string& text);

  // Characters of the current text that may not be kept (see the class).
  QString fremde() const;

  const QString& letzter_hinweis() const { return hinweis_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void insertFromMimeData(const QMimeData* quelle) override;

 private:
  // True when `text` may go in; otherwise shows the reason.
  bool pruefe(const QString& text);
  bool auch_1252_;
  QString hinweis_;
};

// The text of a refusal for characters `zeichen` (used by both elements).
QString hinweis_fuer(const QString& zeichen, bool auch_1252);

}  // namespace plat::gui
