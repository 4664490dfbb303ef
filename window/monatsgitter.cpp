// The month grid's model and views.
#include "monatsgitter.h"
#include "qtumwandlung.h"
#include "zellenzeichner.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace korvalt {

namespace {

void tabelleEinrichten(QTableView& t) {
    t.setItemDelegate(new Zellenzeichner(Gittermodell::kurztextRolle, &t));
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
    : QAbstractTableModel(eltern), speicher_(speicher), zeilen_(speicher.zeilenzahl()) {
    // The views start with every row as it is now.
    speicher_.geaenderteZeilenAbholen();
}

int Gittermodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : zeilen_;
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

void Gittermodell::fuellungBeginnen() {
    fuellung_ = true;
}

void Gittermodell::fuellungEnden() {
    if (!fuellung_) return;
    fuellung_ = false;
    const int vorher = zeilen_;
    const int nachher = speicher_.zeilenzahl();
    if (nachher < vorher) {
        beginRemoveRows({}, nachher, vorher - 1);
        zeilen_ = nachher;
        endRemoveRows();
    } else if (nachher > vorher) {
        beginInsertRows({}, vorher, nachher - 1);
        zeilen_ = nachher;
        endInsertRows();
    }
    // Rows just added are new to the views anyway.
    const int bekannt = std::min(vorher, nachher);
    std::vector<Zeilenbereich> geaendert = speicher_.geaenderteZeilenAbholen();
    if (alleGeaendert_) geaendert = {{0, bekannt}};
    alleGeaendert_ = false;
    for (const Zeilenbereich& b : geaendert) {
        const int bis = std::min(b.bis, bekannt);
        if (b.von < bis) emit dataChanged(index(b.von, 0), index(bis - 1, gitterSpalten - 1));
    }
}

void Gittermodell::setzeGrund(Farbe farbe) {
    speicher_.hintergrund = farbe;
    // Every cell without a colour of its own changes; during a fill its end tells the views.
    if (fuellung_)
        alleGeaendert_ = true;
    else if (zeilen_ > 0)
        emit dataChanged(index(0, 0), index(zeilen_ - 1, gitterSpalten - 1), {Qt::BackgroundRole});
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
    kopf_->setObjectName("MonatsgitterKopf");
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
    modell_->fuellungBeginnen();
}

void Monatsgitter::zeigen() {
    modell_->fuellungEnden();
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

// Font, row heights and merged heading cells, after every fill and every change of scale; each only
// where it changed, since the views repaint for any of them.
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
        if (t->verticalHeader()->defaultSectionSize() != standard)
            t->verticalHeader()->setDefaultSectionSize(standard);
        const int feste = std::min(speicher_.festeZeilen, speicher_.zeilenzahl());
        for (int z = 0; z < feste; ++z) {
            const int h = hoehe(speicher_.zeilenhoehe(z));
            if (t->rowHeight(z) != h) t->setRowHeight(z, h);
        }
    }
    spannenAnwenden();
    kopfAnordnen();
}

void Monatsgitter::spannenAnwenden() {
    std::vector<std::pair<int, int>> spannen;
    if (speicher_.verbindenErlaubt && speicher_.kopfzeileVerbinden && speicher_.zeilenzahl() > 0) {
        int anfang = 0;
        for (int s = 1; s <= gitterSpalten; ++s) {
            if (s < gitterSpalten && speicher_.zelle(0, s).text == speicher_.zelle(0, anfang).text)
                continue;
            if (s - anfang > 1) spannen.emplace_back(anfang, s - anfang);
            anfang = s;
        }
    }
    if (spannen == spannen_) return;
    spannen_ = std::move(spannen);
    for (QTableView* t : {static_cast<QTableView*>(this), kopf_}) {
        t->clearSpans();
        for (const auto& [anfang, anzahl] : spannen_) t->setSpan(0, anfang, 1, anzahl);
    }
}

void Monatsgitter::kopfAnordnen() {
    int hoehe = 0;
    const int feste = std::min(speicher_.festeZeilen, speicher_.zeilenzahl());
    for (int z = 0; z < feste; ++z) hoehe += rowHeight(z);
    const QRect v = viewport()->geometry();
    kopf_->setGeometry(v.x(), v.y(), v.width(), std::min(hoehe + 1, v.height()));
}

}  // namespace korvalt
