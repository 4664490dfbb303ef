// How the month grid and the year table paint a cell: a text wider than its cell gives way to its
// short form where it has one ("07/26" for "07/2026"); what is still too wide is set in a narrower
// cut of the font rather than cut short, so that "Monat" reads whole in its narrow column. A plain
// cell is painted as the style paints it, without the style's work per cell: its text is laid out
// once and kept.
#pragma once

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <deque>
#include <memory>
#include <unordered_map>

namespace korvalt {

class Zellenzeichner : public QStyledItemDelegate {
  public:
    // For a view whose cells have no short text.
    static constexpr int ohneKurztext = -1;

    // The role of a cell's short text.
    explicit Zellenzeichner(int kurztextRolle, QObject* eltern = nullptr);
    ~Zellenzeichner() override;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // A text's width in `schrift` as the style measures it, kept for the cells that show it.
    int textbreite(const QString& text, const QFont& schrift) const;

    // The same cell painted by the style, as every cell was before and as cells the style marks
    // (focus, selection, the pointer over it) still are.
    void mitStilZeichnen(QPainter* maler, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const;

  private:
    // One text laid out as the style lays out a cell's text: one line, aligned in the cell's width
    // less its margins.
    struct Satz {
        QTextLayout layout;
        int breite = 0;  // the text's own width as the style measures it
        int zeilenhoehe = 0;
    };
    struct Schluessel {
        QString text;
        int streckung = 0;
        int ausrichtung = 0;
        int zeilenbreite = 0;
        bool operator==(const Schluessel&) const = default;
    };
    struct SchluesselHash {
        std::size_t operator()(const Schluessel& s) const;
    };

    // What was measured and laid out in one font.
    struct Schriftspeicher {
        QFont schrift;
        QHash<QString, int> vorschuebe;
        std::unordered_map<Schluessel, std::unique_ptr<Satz>, SchluesselHash> saetze;
    };

    bool schnellMoeglich(const QStyleOptionViewItem& option) const;
    // The text to paint and the stretch of the font that fits it into `platz` pixels.
    int einpassen(QString& text, Schriftspeicher& speicher, int platz,
                  const QModelIndex& index) const;
    int vorschub(const QString& text, Schriftspeicher& speicher) const;
    const Satz& satz(const QString& text, Schriftspeicher& speicher, int streckung,
                     Qt::Alignment ausrichtung, int zeilenbreite) const;
    Schriftspeicher& speicherFuer(const QFont& schrift) const;

    int kurztextRolle_;
    // One store per font a cell is painted in (the view's, a bold one for sums); all emptied when
    // they grow large.
    mutable std::deque<Schriftspeicher> speicher_;
};

}  // namespace korvalt
