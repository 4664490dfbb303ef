// The month grid's cells: fitted into their width, painted as the style paints them.
#include "zellenzeichner.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QtMath>
#include <algorithm>

namespace korvalt {

namespace {

// Texts laid out in one font before the store starts anew; the grid shows a few hundred.
constexpr std::size_t hoechstensGespeichert = 4000;

// The styles whose item views paint a plain cell as Qt's common style does: its background, then
// its text aligned in the cell less its margins. Others paint every cell.
bool gemeinerStil(const QStyle& stil) {
    const QString name = stil.name();
    return name.compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
}

QStyle* stilVon(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

int textrand(const QStyleOptionViewItem& option) {
    return stilVon(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

}  // namespace

std::size_t Zellenzeichner::SchluesselHash::operator()(const Schluessel& s) const {
    return qHash(s.text) ^ (std::size_t(s.streckung) * 1000003u) ^
           (std::size_t(s.ausrichtung) * 7919u) ^ (std::size_t(s.zeilenbreite) * 104729u);
}

Zellenzeichner::Zellenzeichner(int kurztextRolle, QObject* eltern)
    : QStyledItemDelegate(eltern), kurztextRolle_(kurztextRolle) {}

Zellenzeichner::~Zellenzeichner() = default;

void Zellenzeichner::mitStilZeichnen(QPainter* maler, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.textElideMode = Qt::ElideNone;
    const int platz = opt.rect.width() - 2 * textrand(opt);
    int breite = QFontMetrics(opt.font).horizontalAdvance(opt.text);
    if (breite > platz) {
        const QString kurz = index.data(kurztextRolle_).toString();
        if (!kurz.isEmpty()) {
            opt.text = kurz;
            breite = QFontMetrics(opt.font).horizontalAdvance(opt.text);
        }
    }
    if (breite > platz && platz > 0) {
        opt.font.setStretch(std::max(50, 100 * platz / breite));
        opt.fontMetrics = QFontMetrics(opt.font);
    }
    stilVon(opt)->drawControl(QStyle::CE_ItemViewItem, &opt, maler, opt.widget);
}

// A cell in a state the style marks, or one whose text does not fit even in the narrower cut, goes
// the style's way; so does a cell of a view that lays out texts other than a table view does.
bool Zellenzeichner::schnellMoeglich(const QStyleOptionViewItem& option) const {
    constexpr QStyle::State markiert = QStyle::State_HasFocus | QStyle::State_Selected |
                                       QStyle::State_MouseOver | QStyle::State_Editing;
    return !(option.state & markiert) && option.direction == Qt::LeftToRight &&
           option.showDecorationSelected && !(option.features & QStyleOptionViewItem::WrapText) &&
           gemeinerStil(*stilVon(option));
}

void Zellenzeichner::paint(QPainter* maler, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    if (!schnellMoeglich(option)) return mitStilZeichnen(maler, option, index);
    zwischenspeicherPruefen(option.font);
    QString text = index.data(Qt::DisplayRole).toString();
    const int rand = textrand(option);
    const int streckung = einpassen(text, option.font, option.rect.width() - 2 * rand, index);
    const QVariant wert = index.data(Qt::TextAlignmentRole);
    const Qt::Alignment ausrichtung =
        wert.isValid() ? Qt::Alignment(wert.toInt()) : option.displayAlignment;
    // A table view's cell gives its text the whole cell, less the margins.
    const QRect rechteck = option.rect.adjusted(rand, 0, -rand, 0);
    const Satz* s = nullptr;
    if (!text.isEmpty()) {
        QFont schrift = option.font;
        if (streckung > 0) schrift.setStretch(streckung);
        s = &satz(text, schrift, streckung, ausrichtung, rechteck.width());
        // A text wider or higher than its cell is cut at the cell's edge: the style does that.
        if (s->breite > rechteck.width() || s->zeilenhoehe > rechteck.height())
            return mitStilZeichnen(maler, option, index);
    }

    const QVariant grund = index.data(Qt::BackgroundRole);
    if (grund.canConvert<QBrush>()) {
        const QPointF ursprung = maler->brushOrigin();
        maler->setBrushOrigin(option.rect.topLeft());
        maler->fillRect(option.rect, qvariant_cast<QBrush>(grund));
        maler->setBrushOrigin(ursprung);
    }
    if (!s) return;

    const QPointF ort(rechteck.x(),
                      QStyle::alignedRect(Qt::LeftToRight, ausrichtung,
                                          QSize(rechteck.width(), s->zeilenhoehe), rechteck)
                          .top());
    QPalette::ColorGroup gruppe =
        option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (gruppe == QPalette::Normal && !(option.state & QStyle::State_Active))
        gruppe = QPalette::Inactive;
    const QPen stift = maler->pen();
    maler->setPen(option.palette.color(gruppe, QPalette::Text));
    s->layout.draw(maler, ort);
    maler->setPen(stift);
}

int Zellenzeichner::einpassen(QString& text, const QFont& schrift, int platz,
                              const QModelIndex& index) const {
    int breite = vorschub(text, schrift);
    if (breite > platz) {
        const QString kurz = index.data(kurztextRolle_).toString();
        if (!kurz.isEmpty()) {
            text = kurz;
            breite = vorschub(text, schrift);
        }
    }
    if (breite > platz && platz > 0) return std::max(50, 100 * platz / breite);
    return 0;
}

int Zellenzeichner::vorschub(const QString& text, const QFont& schrift) const {
    const auto gefunden = vorschuebe_.constFind(text);
    if (gefunden != vorschuebe_.constEnd()) return *gefunden;
    const int breite = QFontMetrics(schrift).horizontalAdvance(text);
    vorschuebe_.insert(text, breite);
    return breite;
}

const Zellenzeichner::Satz& Zellenzeichner::satz(const QString& text, const QFont& schrift,
                                                 int streckung, Qt::Alignment ausrichtung,
                                                 int zeilenbreite) const {
    Schluessel schluessel{text, streckung, int(ausrichtung), zeilenbreite};
    auto gefunden = saetze_.find(schluessel);
    if (gefunden != saetze_.end()) return *gefunden->second;

    auto s = std::make_unique<Satz>();
    QTextOption textoption;
    textoption.setWrapMode(QTextOption::ManualWrap);
    textoption.setTextDirection(Qt::LeftToRight);
    textoption.setAlignment(QStyle::visualAlignment(Qt::LeftToRight, ausrichtung));
    s->layout.setText(text);
    s->layout.setFont(schrift);
    // Keeps the shaped glyphs between paints; without it each paint shapes the text anew.
    s->layout.setCacheEnabled(true);
    s->layout.setTextOption(textoption);
    s->layout.beginLayout();
    QTextLine zeile = s->layout.createLine();
    zeile.setLineWidth(zeilenbreite);
    zeile.setPosition(QPointF(0, 0));
    s->layout.endLayout();
    s->breite = qCeil(zeile.naturalTextWidth());
    s->zeilenhoehe = int(zeile.height());
    return *saetze_.emplace(std::move(schluessel), std::move(s)).first->second;
}

void Zellenzeichner::zwischenspeicherPruefen(const QFont& schrift) const {
    if (schrift == schrift_ && vorschuebe_.size() < qsizetype(hoechstensGespeichert) &&
        saetze_.size() < hoechstensGespeichert)
        return;
    schrift_ = schrift;
    vorschuebe_.clear();
    saetze_.clear();
}

}  // namespace korvalt
