// The month grid's model and views.
#include "monatsgitter.h"
#include "qtumwandlung.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

namespace korvalt {

namespace {

// A text wider than its cell gives way to its short form where it has one ("07/26" for "07/2026");
// what is still too wide is set in a narrower cut of the font rather than cut short, so that
// "Monat" reads whole in its narrow column.
class Zellenzeichner : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.textElideMode = Qt::ElideNone;
        const QWidget* view = opt.widget;
        QStyle* stil = view ? view->style() : QApplication::style();
        const int rand = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const int platz = opt.rect.width() - 2 * rand;
        int breite = QFontMetrics(opt.font).horizontalAdvance(opt.text);
        if (breite > platz) {
            const QString kurz = index.data(Gittermodell::kurztextRolle).toString();
            if (!kurz.isEmpty()) {
                opt.text = kurz;
                breite = QFontMetrics(opt.font).horizontalAdvance(opt.text);
            }
        }
        if (breite > platz && platz > 0) {
            opt.font.setStretch(std::max(50, 100 * platz / breite));
            opt.fontMetrics = QFontMetrics(opt.font);
        }
        stil->drawControl(QStyle::CE_ItemViewItem, &opt, maler, view);
    }
};

void tabelleEinrichten(QTableView& t) {
    t.setItemDelegate(new Zellenzeichner(&t));
    t.setTextElideMode(Qt::ElideNone);
    t.horizontalHeader()->hide();
    t.verticalHeader()->hide();
    t.horizontalHeader()->setMinimumSectionSize(1);
    t.verticalHeader()->setMinimumSectionSize(1);
    t.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t.setSelectionMode(QAbstractItemView::NoSelection);
    t.setEditTriggers(QAbstractItemView::NoEditTriggers);
    t.setWordWrap(false);
    t.setCornerButtonEnabled(false);
    t.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette p = t.palette();
    p.setColor(QPalette::Mid, QColor(0xC0, 0xC0, 0xC0));  // grid lines
    t.setPalette(p);
}

}  // namespace

Gittermodell::Gittermodell(Gitterspeicher& speicher, QObject* eltern)
    : QAbstractTableModel(eltern), speicher_(speicher) {}

int Gittermodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : speicher_.zeilenzahl();
}

int Gittermodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : gitterSpalten;
}

QVariant Gittermodell::data(const QModelIndex& index, int rolle) const {
    const int zeile = index.row();
    const int spalte = index.column();
    // The store may already hold fewer rows while a fill is under way.
    if (zeile < 0 || zeile >= speicher_.zeilenzahl() || spalte < 0 || spalte >= gitterSpalten)
        return {};
    const bool fest = zeile < speicher_.festeZeilen || spalte < speicher_.festeSpalten;
    switch (rolle) {
        case Qt::DisplayRole:
            return QString::fromStdString(speicher_.zelle(zeile, spalte).text);
        case kurztextRolle:
            return QString::fromStdString(speicher_.zelle(zeile, spalte).kurztext);
        case Qt::BackgroundRole: {
            const auto& farbe = speicher_.zelle(zeile, spalte).hintergrund;
            if (farbe) return alsQColor(*farbe);
            if (fest) return QApplication::palette().color(QPalette::Button);
            return alsQColor(speicher_.hintergrund);
        }
        case Qt::TextAlignmentRole:
            if (zeile < speicher_.festeZeilen) return int(Qt::AlignCenter);
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

void Gittermodell::zuruecksetzenBeginnen() {
    if (zuruecksetzen_) return;
    zuruecksetzen_ = true;
    beginResetModel();
}

void Gittermodell::zuruecksetzenEnden() {
    if (!zuruecksetzen_) return;
    zuruecksetzen_ = false;
    endResetModel();
}

void Gittermodell::setzeGrund(Farbe farbe) {
    speicher_.hintergrund = farbe;
    // Every cell without a colour of its own changes; during a fill the reset tells the views.
    if (!zuruecksetzen_ && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, gitterSpalten - 1),
                         {Qt::BackgroundRole});
}

Monatsgitter::Monatsgitter(Gitterspeicher& speicher, QWidget* eltern)
    : QTableView(eltern),
      speicher_(speicher),
      modell_(new Gittermodell(speicher, this)),
      kopf_(new QTableView(this)) {
    tabelleEinrichten(*this);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setModel(modell_);

    tabelleEinrichten(*kopf_);
    kopf_->setObjectName("MSFlexGrid1Kopf");
    kopf_->setModel(modell_);
    kopf_->setFocusPolicy(Qt::NoFocus);
    kopf_->setFrameShape(QFrame::NoFrame);
    kopf_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    kopf_->setAttribute(Qt::WA_TransparentForMouseEvents);
    viewport()->stackUnder(kopf_);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, kopf_->horizontalScrollBar(),
            &QScrollBar::setValue);
    setzeGrund(speicher_.hintergrund);
    zeilenAnwenden();
}

void Monatsgitter::verbergen() {
    modell_->zuruecksetzenBeginnen();
}

void Monatsgitter::zeigen() {
    modell_->zuruecksetzenEnden();
    zeilenAnwenden();
}

void Monatsgitter::setzeGrund(Farbe farbe) {
    modell_->setzeGrund(farbe);
    for (QTableView* t : {static_cast<QTableView*>(this), kopf_}) {
        QPalette p = t->palette();
        p.setColor(QPalette::Base, alsQColor(farbe));
        t->setPalette(p);
    }
}

void Monatsgitter::setzeMassstab(double pixelProTwip, double schriftfaktor) {
    pixelProTwip_ = pixelProTwip;
    schriftfaktor_ = schriftfaktor;
    zeilenAnwenden();
}

void Monatsgitter::setzeSpaltenbreiten(const std::array<int, gitterSpalten>& pixel) {
    for (int s = 0; s < gitterSpalten; ++s) {
        setColumnWidth(s, pixel[static_cast<std::size_t>(s)]);
        kopf_->setColumnWidth(s, pixel[static_cast<std::size_t>(s)]);
    }
}

void Monatsgitter::resizeEvent(QResizeEvent* ereignis) {
    QTableView::resizeEvent(ereignis);
    kopfAnordnen();
}

// Font, row heights and merged heading cells, after every fill and every change of scale.
void Monatsgitter::zeilenAnwenden() {
    QFont schrift("Arial");
    schrift.setPointSizeF(std::max(1.0, speicher_.schriftgroesse * schriftfaktor_));
    schrift.setBold(speicher_.fett);
    if (font() != schrift) {
        setFont(schrift);
        kopf_->setFont(schrift);
    }
    // Rows keep their height in twips but never get lower than the font.
    const int mindestens = QFontMetrics(schrift).height() + 2;
    auto hoehe = [&](int twips) {
        return std::max(mindestens, int(std::lround(twips * pixelProTwip_ * schriftfaktor_)));
    };
    const int standard = hoehe(Gitterspeicher::standardZeilenhoehe);
    for (QTableView* t : {static_cast<QTableView*>(this), kopf_}) {
        t->verticalHeader()->setDefaultSectionSize(standard);
        const int feste = std::min(speicher_.festeZeilen, speicher_.zeilenzahl());
        for (int z = 0; z < feste; ++z) {
            const int h = hoehe(speicher_.zeilenhoehe(z));
            if (t->rowHeight(z) != h) t->setRowHeight(z, h);
        }
        t->clearSpans();
        if (speicher_.verbindenErlaubt && speicher_.kopfzeileVerbinden &&
            speicher_.zeilenzahl() > 0) {
            int anfang = 0;
            for (int s = 1; s <= gitterSpalten; ++s) {
                if (s < gitterSpalten &&
                    speicher_.zelle(0, s).text == speicher_.zelle(0, anfang).text)
                    continue;
                if (s - anfang > 1) t->setSpan(0, anfang, 1, s - anfang);
                anfang = s;
            }
        }
    }
    kopfAnordnen();
}

void Monatsgitter::kopfAnordnen() {
    int hoehe = 0;
    const int feste = std::min(speicher_.festeZeilen, speicher_.zeilenzahl());
    for (int z = 0; z < feste; ++z) hoehe += rowHeight(z);
    const QRect v = viewport()->geometry();
    kopf_->setGeometry(v.x(), v.y(), v.width(), std::min(hoehe + 1, v.height()));
}

}  // namespace korvalt
