// The help window: the program's own German help, shipped inside the program, opened at a topic.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace korvalt {

class Hilfefenster : public QWidget {
  public:
    explicit Hilfefenster(QWidget* eltern = nullptr);

    // Shows the topic of a help context number (135: the program as a whole) and brings the window
    // to the front.
    void zeigen(int kontext);
    QTextBrowser& browser() { return *browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace korvalt
