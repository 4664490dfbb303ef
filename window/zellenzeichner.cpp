// A table's cells: fitted into their width, painted as the style paints them.
#include "zellenzeichner.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QtMath>
#include <algorithm>

namespace korvalt {

namespace {

// Texts laid out in one font before its store starts anew; the grid shows a few hundred.
constexpr std::size_t hoechstensGespeichert = 4000;
// Fonts kept apart before every store starts anew; a view paints its cells in one or two.
constexpr std::size_t hoechstensSchriften = 4;

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
    if (breite > platz && kurztextRolle_ != ohneKurztext) {
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
    // A cell's own font, as the style takes it: what it leaves open is the view's.
    QFont zellenschrift = option.font;
    if (const QVariant eigene = index.data(Qt::FontRole); eigene.isValid())
        zellenschrift = qvariant_cast<QFont>(eigene).resolve(option.font);
    Schriftspeicher& speicher = speicherFuer(zellenschrift);
    QString text = index.data(Qt::DisplayRole).toString();
    const int rand = textrand(option);
    const int streckung = einpassen(text, speicher, option.rect.width() - 2 * rand, index);
    const QVariant wert = index.data(Qt::TextAlignmentRole);
    const Qt::Alignment ausrichtung =
        wert.isValid() ? Qt::Alignment(wert.toInt()) : option.displayAlignment;
    // A table view's cell gives its text the whole cell, less the margins.
    const QRect rechteck = option.rect.adjusted(rand, 0, -rand, 0);
    const Satz* s = nullptr;
    if (!text.isEmpty()) {
        s = &satz(text, speicher, streckung, ausrichtung, rechteck.width());
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

int Zellenzeichner::einpassen(QString& text, Schriftspeicher& speicher, int platz,
                              const QModelIndex& index) const {
    int breite = vorschub(text, speicher);
    if (breite > platz && kurztextRolle_ != ohneKurztext) {
        const QString kurz = index.data(kurztextRolle_).toString();
        if (!kurz.isEmpty()) {
            text = kurz;
            breite = vorschub(text, speicher);
        }
    }
    if (breite > platz && platz > 0) return std::max(50, 100 * platz / breite);
    return 0;
}

int Zellenzeichner::textbreite(const QString& text, const QFont& schrift) const {
    return vorschub(text, speicherFuer(schrift));
}

int Zellenzeichner::vorschub(const QString& text, Schriftspeicher& speicher) const {
    const auto gefunden = speicher.vorschuebe.constFind(text);
    if (gefunden != speicher.vorschuebe.constEnd()) return *gefunden;
    const int breite = QFontMetrics(speicher.schrift).horizontalAdvance(text);
    speicher.vorschuebe.insert(text, breite);
    return breite;
}

const Zellenzeichner::Satz& Zellenzeichner::satz(const QString& text, Schriftspeicher& speicher,
                                                 int streckung, Qt::Alignment ausrichtung,
                                                 int zeilenbreite) const {
    Schluessel schluessel{text, streckung, int(ausrichtung), zeilenbreite};
    auto gefunden = speicher.saetze.find(schluessel);
    if (gefunden != speicher.saetze.end()) return *gefunden->second;

    QFont schrift = speicher.schrift;
    if (streckung > 0) schrift.setStretch(streckung);

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
    return *speicher.saetze.emplace(std::move(schluessel), std::move(s)).first->second;
}

Zellenzeichner::Schriftspeicher& Zellenzeichner::speicherFuer(const QFont& schrift) const {
    for (Schriftspeicher& s : speicher_) {
        if (!(s.schrift == schrift)) continue;
        if (s.saetze.size() >= hoechstensGespeichert ||
            std::size_t(s.vorschuebe.size()) >= hoechstensGespeichert) {
            s.vorschuebe.clear();
            s.saetze.clear();
        }
        return s;
    }
    if (speicher_.size() >= hoechstensSchriften) speicher_.clear();
    speicher_.push_back(Schriftspeicher{schrift, {}, {}});
    return speicher_.back();
}

}  // namespace korvalt
