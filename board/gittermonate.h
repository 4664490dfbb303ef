// The grid's month rows: after each comparison the months of the case become rows of the grid
// store, built as text only when a view reads them, from the numbers the comparison left. Only the
// months whose numbers changed count as changed rows.
#pragma once

#include <optional>
#include <vector>

#include "gitterspeicher.h"
#include "monatszeile.h"

namespace korvalt {

class Gittermonate : public Zeilenquelle {
  public:
    // Month m is row m + 2, below the two heading rows and an empty one.
    static constexpr int ersteZeile = 3;

    // Months 1..anzahl of the case as it stands into `gitter`, which has room for them.
    void zeigen(const Falltabellen& t, const Tariftabelle& tabelle, int anzahl,
                Gitterspeicher& gitter);

    void zeileBauen(int zeile, Gitterzeile& zellen) const override;

  private:
    std::vector<Monatswerte> werte_;  // month m at index m - 1
    // The table the numbers are shown in; its copy, since the rows are built later.
    std::optional<Tariftabelle> tabelle_;
};

}  // namespace korvalt
