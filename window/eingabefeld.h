// A single-line input field that shows each character key to its key handler first and only ever
// holds digits: paste, dropped text and input methods are kept out.
#pragma once

#include <QLineEdit>
#include <functional>

namespace korvalt {

class Eingabefeld : public QLineEdit {
  public:
    // Returns the character code the field receives; 0 swallows the key.
    using Tastenhandler = std::function<int(int zeichen)>;
    using Fokushandler = std::function<void()>;

    explicit Eingabefeld(QWidget* eltern);
    void setzeHandler(Fokushandler fokus, Tastenhandler taste);
    // The start-group field: digits, then one of the letters of 9a, 9b and 9c. Which of them a
    // table accepts is the key handler's decision.
    void gruppenbuchstabenErlauben();

  protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void inputMethodEvent(QInputMethodEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    Fokushandler fokus_;
    Tastenhandler taste_;
};

}  // namespace korvalt
