// A single-line input field that shows each character key to its key handler first and only ever
// holds digits: paste, dropped text and input methods are kept out. Leaving it with a changed text
// confirms the text as Enter does; Escape brings back the text last confirmed. Coming into it, by
// a click as by Tab, selects the whole number, so that what is typed replaces it; Ctrl+A selects
// it again. Ctrl+Z and Ctrl+Shift+Z are the window's: they undo changes of the case, a number
// typed and not confirmed counting first.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

namespace korvalt {

class Eingabefeld : public QLineEdit {
  public:
    // Returns the character code the field receives; 0 swallows the key.
    using Tastenhandler = std::function<int(int zeichen)>;
    using Fokushandler = std::function<void()>;
    // Up, Down, Page Up and Page Down as a step of ±1 or ±12; false leaves the key to the field.
    using Schritthandler = std::function<bool(int schritt)>;
    // What the field is, for its tooltip, asked each time the tooltip shows.
    using Hinweishandler = std::function<std::string()>;

    // `pruefer` is the last guard against anything but digits (for the start group: digits, then
    // one of the letters of 9a, 9b and 9c; which of them a table accepts is the key handler's
    // decision). Fields of a kind share one; it lives as long as they do.
    Eingabefeld(QWidget* eltern, const QValidator& pruefer);
    void setzeHandler(Fokushandler fokus, Tastenhandler taste, Schritthandler schritt,
                      Hinweishandler hinweis);
    // The text the calculation uses, written by the program: from now on it is the text that
    // Escape brings back and that leaving the field compares with. The key handler's own writes
    // (Backspace empties the field) are the user's editing and do not count.
    void anzeigen(const QString& text);
    // Confirms a text that differs from the confirmed one, through the key handler's Enter: what
    // leaving the field does, for a way out of the window that does not move the cursor.
    void uebernehmen();

  protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    void inputMethodEvent(QInputMethodEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    int tasteBehandeln(int zeichen);

    Fokushandler fokus_;
    Tastenhandler taste_;
    Schritthandler schritt_;
    Hinweishandler hinweis_;
    QString bestaetigt_;
    bool imHandler_ = false;
    // The click that brought the cursor into the field selects the number once it is released.
    bool klickWaehltAlles_ = false;
};

}  // namespace korvalt
