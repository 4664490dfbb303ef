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
