// The menu Tabelle of the main window.
#include "tabellenmenue.h"

#include <algorithm>
#include <utility>

#include <QActionGroup>
#include <QMenu>
#include <QStringList>

#include "hauptfenster.h"
#include "qtumwandlung.h"

namespace korvalt {

QString tabellenmenuetext(const Tariftabelle& tabelle) {
    if (tabelle.nachDatum) return alsQString(tabelle.menuetitel());
    QStringList woerter = alsQString(tabelle.menuetitel()).split(' ', Qt::SkipEmptyParts);
    for (QString& wort : woerter)
        if (wort.size() > 1 && wort.at(0).isLetter()) wort = wort.left(1) + wort.mid(1).toLower();
    return woerter.join(' ');
}

namespace {

// The underlined letter of each item: its first letter that no item above has taken.
QString mitKennbuchstabe(const QString& text, QString& vergeben) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar z = text.at(i).toLower();
        if (!z.isLetter() || vergeben.contains(z)) continue;
        vergeben += z;
        return text.left(i) + '&' + text.mid(i);
    }
    return text;
}

// A table by date needs the case's start month: without one the user is told so and is offered the
// dialog to enter it, for that table; the table is chosen with what the dialog gives.
bool beginnVorhanden(Hauptfenster& fenster, const Tariftabelle& tabelle) {
    Korvaltei& korvaltei = fenster.korvaltei();
    const Sitzung& s = korvaltei.sitzung();
    const std::string fehler = beginnFehlt(tabelle, s.kalenderIn(tabelle).beginn.has_value());
    if (fehler.empty()) return true;
    if (korvaltei.meldungen().jaNein(
            "Beginn fehlt", fehler + "\nJetzt unter \u201EBeginn, Stufe und Teilzeit\u201C "
                                     "einen Beginn eingeben?") &&
        fenster.kalenderFuerTabelle())
        fenster.kalenderFuerTabelle()(tabelle);
    return false;
}

// The radio item of one table; choosing it calculates the case in that table.
void tabelleAnbieten(QMenu* menue, QActionGroup* gruppe, Hauptfenster& fenster,
                     const Tariftabelle& tabelle, QString& vergeben) {
    Korvaltei& korvaltei = fenster.korvaltei();
    QAction* aktion = menue->addAction(mitKennbuchstabe(tabellenmenuetext(tabelle), vergeben));
    aktion->setCheckable(true);
    aktion->setChecked(tabelle.schluessel == korvaltei.sitzung().fall().tabelle);
    gruppe->addAction(aktion);
    const std::string schluessel = tabelle.schluessel;
    QObject::connect(aktion, &QAction::triggered, menue, [&fenster, schluessel] {
        Korvaltei& k = fenster.korvaltei();
        const TarifDaten& d = k.sitzung().daten();
        const Tariftabelle* neu = d.tabellenkatalog.finden(schluessel);
        std::string fehler;
        if (neu && neu->schluessel != k.sitzung().fall().tabelle &&
            beginnVorhanden(fenster, *neu) && !k.anzeige().tabelleWechseln(*neu, fehler))
            k.meldungen().warnen("Tabelle", fehler);
    });
}

}  // namespace

QMenu* tabellenmenueAnlegen(Hauptfenster& fenster) {
    QMenu* menue = fenster.menueEinfuegen("&Tabelle");
    menue->setObjectName("Tabellenmenue");
    QObject::connect(menue, &QMenu::aboutToShow, menue, [menue, &fenster] {
        menue->clear();
        auto* gruppe = new QActionGroup(menue);
        const TarifDaten& daten = fenster.korvaltei().sitzung().daten();
        QString vergeben;
        for (const auto& [seite, name] :
             {std::pair{Arbeitgeberseite::vka, "VKA"}, std::pair{Arbeitgeberseite::bund, "Bund"}}) {
            const auto& tabellen = daten.tabellenkatalog.tabellen();
            const auto& nachDatum = daten.tabellenkatalog.tabellenNachDatum();
            const auto vonSeite = [seite](const Tariftabelle& t) { return t.seite == seite; };
            if (std::none_of(tabellen.begin(), tabellen.end(), vonSeite) &&
                std::none_of(nachDatum.begin(), nachDatum.end(), vonSeite))
                continue;
            menue->addSection(QString::fromUtf8(name));
            // The side's tables by date last, after its tables of one date.
            for (const auto* liste : {&tabellen, &nachDatum})
                for (const Tariftabelle& tabelle : *liste)
                    if (vonSeite(tabelle))
                        tabelleAnbieten(menue, gruppe, fenster, tabelle, vergeben);
        }
    });
    return menue;
}

}  // namespace korvalt
