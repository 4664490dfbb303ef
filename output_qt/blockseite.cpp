// Drawing the block of every printout on a QPainter page.
#include "blockseite.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "drucker.h"
#include "qtumwandlung.h"

namespace korvalt {

std::optional<QSizeF> seiteBeginnen(QPainter& p, QPrinter& printer,
                                    QPageLayout::Orientation ausrichtung) {
    printer.setPageOrientation(ausrichtung);
    if (!p.begin(&printer)) return std::nullopt;
    const QRectF seite = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    const double faktor = printer.resolution() / 25.4 / einheitenProMm;
    p.scale(faktor, faktor);
    return QSizeF(seite.width() * einheitenProMm, seite.height() * einheitenProMm);
}

QFont seitenschrift(double mm, bool fett) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(int(mm * einheitenProMm));
    f.setBold(fett);
    return f;
}

namespace {

// Below the foot's rule: the print date and the page number.
constexpr double fusszeilen = 1.25;
// The space to sign, in lines of the block's font, above the line to sign on.
constexpr double unterschriftRaum = 4.5;
// The line to sign on, as a share of the page's width.
constexpr double unterschriftBreite = 0.45;

template <typename... Teile>
std::vector<std::string> verbunden(const Teile&... teile) {
    std::vector<std::string> alle;
    (alle.insert(alle.end(), teile.begin(), teile.end()), ...);
    return alle;
}

}  // namespace

Blockseite::Blockseite(QPainter& maler, const QRectF& seite, QFont schrift, const Druckblock& block)
    : maler_(maler),
      seite_(seite),
      schrift_(std::move(schrift)),
      block_(block),
      zeile_(QFontMetricsF(schrift_, maler.device()).lineSpacing()) {}

double Blockseite::zeilenZeichnen(double x, double y, double breite,
                                  const std::vector<std::string>& zeilen) {
    double hoehe = 0;
    for (const std::string& zeile : zeilen) {
        const QRectF platz(x, y + hoehe, breite, seite_.height());
        const QString text = alsQString(zeile);
        const QRectF belegt = maler_.boundingRect(platz, Qt::AlignLeft | Qt::TextWordWrap, text);
        maler_.drawText(platz, Qt::AlignLeft | Qt::TextWordWrap, text);
        hoehe += std::max(belegt.height(), zeile_);
    }
    return hoehe;
}

double Blockseite::kopfZeichnen(std::string_view art) {
    QFont fett = schrift_;
    fett.setBold(true);
    maler_.setFont(fett);
    const double titel = zeilenZeichnen(seite_.left(), seite_.top(), seite_.width(),
                                        {block_.titel + " \u2013 " + std::string(art)});
    const double linie = seite_.top() + titel + zeile_ * 0.25;
    maler_.drawLine(QPointF(seite_.left(), linie), QPointF(seite_.right(), linie));

    maler_.setFont(schrift_);
    const double oben = linie + zeile_ * 0.25;
    const double spalte = (seite_.width() - zeile_) / 2;
    // Net pay's lines go left, under the tables, where there is room beside the calendar.
    const double links = zeilenZeichnen(seite_.left(), oben, spalte,
                                        verbunden(block_.person, block_.tabellen, block_.netto));
    const double rechts = zeilenZeichnen(seite_.left() + spalte + zeile_, oben, spalte,
                                         verbunden(block_.kalender, block_.hinweise));
    return oben + std::max(links, rechts) + zeile_ * 0.5;
}

double Blockseite::fussOben() const {
    return seite_.bottom() - zeile_ * (unterschriftRaum + 1 + 0.5 + fusszeilen);
}

void Blockseite::fussZeichnen(int seite, int seiten) {
    maler_.setFont(schrift_);
    const double linie = fussOben() + zeile_ * unterschriftRaum;
    maler_.drawLine(QPointF(seite_.left(), linie),
                    QPointF(seite_.left() + seite_.width() * unterschriftBreite, linie));
    maler_.drawText(QRectF(seite_.left(), linie, seite_.width(), zeile_), Qt::AlignLeft,
                    alsQString(block_.unterschrift));
    const double unten = seite_.bottom() - zeile_;
    maler_.drawLine(QPointF(seite_.left(), unten - zeile_ * 0.25),
                    QPointF(seite_.right(), unten - zeile_ * 0.25));
    const QRectF fuss(seite_.left(), unten, seite_.width(), zeile_);
    maler_.drawText(fuss, Qt::AlignLeft, alsQString(block_.gedruckt));
    maler_.drawText(fuss, Qt::AlignRight, alsQString(seitenangabe(seite, seiten)));
}

}  // namespace korvalt
