// The month grid: a table view over the grid store whose two heading rows stay in
// place while the months scroll beneath them.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <array>
#include <utility>
#include <vector>

#include "farbe.h"
#include "gitterspeicher.h"

namespace korvalt {

// The grid store as a table model; the views ask only for the cells they paint. The store is
// written between fuellungBeginnen and fuellungEnden; then the views learn of the rows added or
// dropped at the end and of the rows whose cells changed, and repaint only those they show.
class Gittermodell : public QAbstractTableModel {
  public:
    // The cell's short text, for a view too narrow for its text.
    static constexpr int kurztextRolle = Qt::UserRole + 1;

    Gittermodell(Gitterspeicher& speicher, QObject* eltern);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

    void fuellungBeginnen();
    void fuellungEnden();
    // The colour of cells without one of their own; fixed cells have the button face.
    void setzeGrund(Farbe farbe);

  private:
    Gitterspeicher& speicher_;
    int zeilen_ = 0;  // the rows the views know of
    bool fuellung_ = false;
    // The background changed during a fill: every row looks different.
    bool alleGeaendert_ = false;
};

class Monatsgitter : public QTableView {
  public:
    Monatsgitter(Gitterspeicher& speicher, QWidget* eltern);

    Gittermodell& modell() { return *modell_; }
    void verbergen();  // begins a fill
    void zeigen();     // ends it: rows, merged headings, heights
    void setzeGrund(Farbe farbe);

    // Fonts and row heights follow the window: `pixelProTwip` of the screen times the window's
    // font factor; column widths in pixels from the grid widths in twips.
    void setzeMassstab(double pixelProTwip, double schriftfaktor);
    void setzeSpaltenbreiten(const std::array<int, gitterSpalten>& pixel);

    // The fixed heading rows, painted over the top of the scrolling rows.
    QTableView& kopf() { return *kopf_; }

  protected:
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void zeilenAnwenden();
    void kopfAnordnen();
    void spannenAnwenden();

    Gitterspeicher& speicher_;
    Gittermodell* modell_;
    QTableView* kopf_;
    double pixelProTwip_ = 1.0 / 15;
    double schriftfaktor_ = 1.0;
    // The merged heading cells as set on both views: first column and count of each.
    std::vector<std::pair<int, int>> spannen_;
};

}  // namespace korvalt
