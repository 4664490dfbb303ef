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

// The radio item of one table; choosing it calculates the case in that table.
void tabelleAnbieten(QMenu* menue, QActionGroup* gruppe, Korvaltei& korvaltei,
                     const Tariftabelle& tabelle, QString& vergeben) {
    const TarifDaten& daten = korvaltei.sitzung().daten();
    QAction* aktion = menue->addAction(mitKennbuchstabe(tabellenmenuetext(tabelle), vergeben));
    aktion->setCheckable(true);
    aktion->setChecked(tabelle.schluessel == daten.tabelle);
    gruppe->addAction(aktion);
    const std::string schluessel = tabelle.schluessel;
    QObject::connect(aktion, &QAction::triggered, menue, [&korvaltei, schluessel] {
        const TarifDaten& d = korvaltei.sitzung().daten();
        const Tariftabelle* neu = d.tabellenkatalog.finden(schluessel);
        std::string fehler;
        if (neu && neu->schluessel != d.tabelle &&
            !korvaltei.anzeige().tabelleWechseln(*neu, fehler))
            korvaltei.meldungen().warnen("Tabelle", fehler);
    });
}

}  // namespace

QMenu* tabellenmenueAnlegen(Hauptfenster& fenster) {
    QMenu* menue = fenster.menueEinfuegen("&Tabelle");
    menue->setObjectName("Tabellenmenue");
    Korvaltei& korvaltei = fenster.korvaltei();
    QObject::connect(menue, &QMenu::aboutToShow, menue, [menue, &korvaltei] {
        menue->clear();
        auto* gruppe = new QActionGroup(menue);
        const TarifDaten& daten = korvaltei.sitzung().daten();
        QString vergeben;
        for (const auto& [seite, name] :
             {std::pair{Arbeitgeberseite::vka, "VKA"}, std::pair{Arbeitgeberseite::bund, "Bund"}}) {
            const auto& tabellen = daten.tabellenkatalog.tabellen();
            if (std::none_of(tabellen.begin(), tabellen.end(),
                             [seite](const Tariftabelle& t) { return t.seite == seite; }))
                continue;
            menue->addSection(QString::fromUtf8(name));
            for (const Tariftabelle& tabelle : tabellen)
                if (tabelle.seite == seite)
                    tabelleAnbieten(menue, gruppe, korvaltei, tabelle, vergeben);
        }
    });
    return menue;
}

}  // namespace korvalt
