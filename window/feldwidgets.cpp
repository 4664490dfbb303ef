// Building the field widgets from the table, the display-field operations on them and their
// layout.
#include "feldwidgets.h"

#include <QLabel>
#include <QPushButton>
#include <cassert>
#include <cmath>

#include "eingabefeld.h"
#include "monatsgitter.h"
#include "pfeilbild.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

Qt::Alignment ausrichtung(const Feldbeschreibung& b) {
    switch (b.ausrichtung) {
        case Ausrichtung::mitte:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Ausrichtung::rechts:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Ausrichtung::links:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The coloured patches lie behind the fields they frame.
bool istFlecken(Feldname n) {
    return n == Feldname::grün || n == Feldname::gelb ||
           (n >= Feldname::gelb1 && n <= Feldname::gelb4);
}

// Whether a field shows text in a font of its own: the grid sets its own, a line has none.
bool mitSchrift(const Feldbeschreibung& b) {
    return b.art != Feldart::Gitter && b.art != Feldart::Linie;
}

// What holds a field: its step panel, or the window.
const Feldbeschreibung& traegerBeschreibung(FeldId feld) {
    const auto t = traegerVon(feld);
    return beschreibung(t ? t->name : Feldname::Korvaltei);
}

bool gleicheSchrift(const Feldbeschreibung& a, const Feldbeschreibung& b) {
    return a.schriftgroesse == b.schriftgroesse && a.fett == b.fett;
}

template <typename F>
void jedesFeld(F&& tun) {
    for (const auto& b : feldtabelle()) {
        if (b.art == Feldart::Fenster) continue;
        for (int i = b.von; i <= b.bis; ++i)
            if (b.hatIndex(i)) tun(b, FeldId{b.name, static_cast<std::int8_t>(i)});
    }
}

}  // namespace

Feldwidgets::Feldwidgets(QWidget& fenster, Gitterspeicher& gitter)
    : fenster_(fenster), gitterspeicher_(gitter) {
    // Before any field, so that the fields of the window's kind are made in its font.
    fenster_.setFont(schrift(beschreibung(Feldname::Korvaltei), schriftfaktor_));
    jedesFeld([&](const Feldbeschreibung& b, FeldId feld) {
        QWidget* eltern = &fenster_;
        if (const auto t = traegerVon(feld)) eltern = widget(*t);
        assert(eltern && "step panels come before their fields in the table");
        Eintrag& e = eintrag(feld);
        e.text = anfangstext(feld);
        e.deckend = b.hintergrund.has_value() || b.art != Feldart::Beschriftung;
        if (b.hintergrund) e.hintergrund = *b.hintergrund;
        e.widget = erzeugen(b, feld, eltern);
        e.widget->setObjectName(alsQString(b.text));
        if (b.istArray()) e.widget->setProperty("index", int(feld.index));
        if (b.schriftfarbe) {
            QPalette p = e.widget->palette();
            p.setColor(QPalette::WindowText, alsQColor(*b.schriftfarbe));
            e.widget->setPalette(p);
        }
        // Buttons keep the button face unless a colour is set for them.
        if (b.art != Feldart::Knopf) farbeAnwenden(feld);
        if (!b.sichtbar) e.widget->hide();
        if (istFlecken(b.name)) e.widget->lower();
    });
}

// Each field gets its font before its text, so that the text is laid out once.
QWidget* Feldwidgets::erzeugen(const Feldbeschreibung& b, FeldId feld, QWidget* eltern) {
    const QString text = alsQString(eintrag(feld).text);
    const auto eigeneSchrift = [&](QWidget* w) {
        if (mitSchrift(b) && !gleicheSchrift(b, traegerBeschreibung(feld)))
            w->setFont(schrift(b, schriftfaktor_));
        return w;
    };
    switch (b.art) {
        case Feldart::Textfeld: {
            auto* f = new Eingabefeld(
                eltern, b.name == Feldname::Startgruppe ? gruppenbuchstaben_ : ziffern_);
            eigeneSchrift(f);
            f->anzeigen(text);
            f->setAlignment(ausrichtung(b));
            return f;
        }
        case Feldart::Beschriftung:
        case Feldart::Tafel: {
            auto* l = new QLabel(eltern);
            eigeneSchrift(l);
            l->setTextFormat(Qt::PlainText);
            l->setAlignment(b.art == Feldart::Tafel ? Qt::AlignCenter : ausrichtung(b));
            if (b.art == Feldart::Tafel) {
                l->setFrameStyle(QFrame::Panel | QFrame::Raised);
                l->setLineWidth(1);
            }
            l->setText(text);
            return l;
        }
        case Feldart::Knopf: {
            auto* k = new QPushButton(eltern);
            eigeneSchrift(k);
            k->setText(text);
            if (b.name == Feldname::nachoben || b.name == Feldname::nachunten) {
                k->setIcon(pfeilbild(b.name == Feldname::nachoben));
                // The arrows act on the input field that had the focus, which keeps it.
                k->setFocusPolicy(Qt::NoFocus);
                k->setToolTip(b.name == Feldname::nachoben
                                  ? QStringLiteral("Wert um 1 erhöhen")
                                  : QStringLiteral("Wert um 1 verringern"));
            }
            return k;
        }
        case Feldart::Gitter:
            gitter_ = new Monatsgitter(gitterspeicher_, eltern);
            return gitter_;
        case Feldart::Linie: {
            auto* linie = new QWidget(eltern);
            linie->setAutoFillBackground(true);
            QPalette p = linie->palette();
            p.setColor(QPalette::Window, Qt::white);
            linie->setPalette(p);
            return linie;
        }
        case Feldart::Fenster:
            break;
    }
    assert(false && "the window is no field widget");
    return nullptr;
}

Feldwidgets::Eintrag& Feldwidgets::eintrag(FeldId feld) {
    return const_cast<Eintrag&>(static_cast<const Feldwidgets*>(this)->eintrag(feld));
}

const Feldwidgets::Eintrag& Feldwidgets::eintrag(FeldId feld) const {
    assert(feld.index >= 0 && feld.index <= groessterIndex);
    return felder_[static_cast<std::size_t>(feld.name)][static_cast<std::size_t>(feld.index)];
}

QWidget* Feldwidgets::widget(FeldId feld) const {
    if (feld.index < 0 || feld.index > groessterIndex) return nullptr;
    return eintrag(feld).widget;
}

Eingabefeld* Feldwidgets::eingabefeld(FeldId feld) const {
    if (beschreibung(feld.name).art != Feldart::Textfeld) return nullptr;
    return static_cast<Eingabefeld*>(widget(feld));
}

std::string Feldwidgets::text(FeldId feld) const {
    if (const Eingabefeld* f = eingabefeld(feld)) return f->text().toStdString();
    assert(widget(feld) && "Feld ohne diesen Index");
    return eintrag(feld).text;
}

void Feldwidgets::setzeText(FeldId feld, std::string_view text) {
    Eintrag& e = eintrag(feld);
    assert(e.widget && "Feld ohne diesen Index");
    switch (beschreibung(feld.name).art) {
        case Feldart::Textfeld: {
            auto* f = static_cast<Eingabefeld*>(e.widget);
            f->anzeigen(alsQString(text));
            return;
        }
        case Feldart::Beschriftung:
        case Feldart::Tafel:
            if (e.text == text) return;
            e.text = text;
            static_cast<QLabel*>(e.widget)->setText(alsQString(text));
            return;
        case Feldart::Knopf:
            e.text = text;
            static_cast<QPushButton*>(e.widget)->setText(alsQString(text));
            return;
        case Feldart::Gitter:
        case Feldart::Linie:
        case Feldart::Fenster:
            e.text = text;
            return;
    }
}

void Feldwidgets::setzeHintergrund(FeldId feld, Farbe farbe) {
    Eintrag& e = eintrag(feld);
    assert(e.widget && "Feld ohne diesen Index");
    if (e.hintergrund == farbe) return;
    e.hintergrund = farbe;
    farbeAnwenden(feld);
}

void Feldwidgets::setzeDeckend(FeldId feld, bool deckend) {
    Eintrag& e = eintrag(feld);
    assert(e.widget && "Feld ohne diesen Index");
    if (e.deckend == deckend) return;
    e.deckend = deckend;
    farbeAnwenden(feld);
}

void Feldwidgets::setzeSichtbar(FeldId feld, bool sichtbar) {
    QWidget* w = widget(feld);
    assert(w && "Feld ohne diesen Index");
    w->setVisible(sichtbar);
}

void Feldwidgets::farbeAnwenden(FeldId feld) {
    const Eintrag& e = eintrag(feld);
    const Feldart art = beschreibung(feld.name).art;
    if (art == Feldart::Gitter) {
        gitter_->setzeGrund(e.hintergrund);
        return;
    }
    if (art == Feldart::Linie) return;
    QPalette p = e.widget->palette();
    const QColor farbe = alsQColor(e.hintergrund);
    switch (art) {
        case Feldart::Textfeld:
            p.setColor(QPalette::Base, farbe);
            break;
        case Feldart::Knopf:
            p.setColor(QPalette::Button, farbe);
            break;
        default:
            // A transparent label keeps its colour for the next time it is opaque.
            e.widget->setAutoFillBackground(e.deckend);
            p.setColor(QPalette::Window, farbe);
            break;
    }
    e.widget->setPalette(p);
}

const QFont& Feldwidgets::schrift(const Feldbeschreibung& b, double faktor) {
    const double punkte = std::max(1.0, b.schriftgroesse * faktor);
    auto [gefunden, neu] = schriften_.try_emplace({punkte, b.fett}, QStringLiteral("Arial"));
    if (neu) {
        gefunden->second.setPointSizeF(punkte);
        gefunden->second.setBold(b.fett);
    }
    return gefunden->second;
}

void Feldwidgets::schriftenSetzen(double faktor) {
    schriften_.clear();
    fenster_.setFont(schrift(beschreibung(Feldname::Korvaltei), faktor));
    jedesFeld([&](const Feldbeschreibung& b, FeldId feld) {
        if (mitSchrift(b) && !gleicheSchrift(b, traegerBeschreibung(feld)))
            eintrag(feld).widget->setFont(schrift(b, faktor));
    });
}

void Feldwidgets::anordnen(double pixelProTwipX, double pixelProTwipY, double schriftfaktor) {
    auto kanteX = [&](int twips) { return int(std::lround(twips * pixelProTwipX)); };
    auto kanteY = [&](int twips) { return int(std::lround(twips * pixelProTwipY)); };
    if (schriftfaktor != schriftfaktor_) schriftenSetzen(schriftfaktor);
    jedesFeld([&](const Feldbeschreibung& b, FeldId feld) {
        QWidget* w = eintrag(feld).widget;
        // Edges are rounded in window coordinates, so that neighbouring fields meet exactly.
        const Rechteck r = fensterrechteck(feld);
        const int links = kanteX(r.x);
        const int oben = kanteY(r.y);
        const int rechts = kanteX(r.x + r.breite);
        const int unten = kanteY(r.y + r.hoehe);
        int dx = 0;
        int dy = 0;
        if (const auto t = traegerVon(feld)) {
            const Rechteck a = fensterrechteck(*t);
            dx = kanteX(a.x);
            dy = kanteY(a.y);
        }
        w->setGeometry(links - dx, oben - dy, std::max(1, rechts - links),
                       std::max(1, unten - oben));
        if (b.name == Feldname::nachoben || b.name == Feldname::nachunten) {
            const int seite = int(std::min(w->width(), w->height()) * 0.7);
            static_cast<QPushButton*>(w)->setIconSize(QSize(seite, seite));
        }
    });
    schriftfaktor_ = schriftfaktor;
}

}  // namespace korvalt
