// The main window's working area: the client area Korvaltei at the window's width, scrolled
// upright where the window is lower than the fields need.
#pragma once

#include <QScrollArea>

namespace korvalt {

class Korvaltei;

class Arbeitsflaeche : public QScrollArea {
  public:
    // Shows `korvaltei`, which it takes as its widget.
    Arbeitsflaeche(Korvaltei& korvaltei, QWidget* eltern = nullptr);

    // Whether the area is too low for the fields and scrolls them.
    bool rollt() const;

  protected:
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void einpassen();

    Korvaltei& korvaltei_;
};

}  // namespace korvalt
