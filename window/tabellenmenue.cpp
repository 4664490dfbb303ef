// The menu Tabelle of the main window.
#include "tabellenmenue.h"

#include <QActionGroup>
#include <QMenu>
#include <QStringList>

#include "hauptfenster.h"
#include "qtumwandlung.h"

namespace korvalt {

QString tabellenmenuetext(const Tariftabelle& tabelle) {
    QString text = alsQString(tabelle.ueberschrift);
    text.remove(QStringLiteral("Tariftabellen Stand "));
    QStringList woerter = text.split(' ', Qt::SkipEmptyParts);
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

}  // namespace

QMenu* tabellenmenueAnlegen(Hauptfenster& fenster) {
    QMenu* menue = fenster.menueEinfuegen("&Tabelle");
    menue->setObjectName("Tabellenmenue");
    Korvaltei& korvaltei = fenster.korvaltei();
    QObject::connect(menue, &QMenu::aboutToShow, menue, [menue, &korvaltei] {
        menue->clear();
        auto* gruppe = new QActionGroup(menue);
        const TarifDaten& daten = korvaltei.sitzung().daten;
        QString vergeben;
        for (const Tariftabelle& tabelle : daten.tabellenkatalog.tabellen()) {
            QAction* aktion =
                menue->addAction(mitKennbuchstabe(tabellenmenuetext(tabelle), vergeben));
            aktion->setCheckable(true);
            aktion->setChecked(tabelle.schluessel == daten.tabelle);
            gruppe->addAction(aktion);
            const std::string schluessel = tabelle.schluessel;
            QObject::connect(aktion, &QAction::triggered, menue, [&korvaltei, schluessel] {
                const TarifDaten& d = korvaltei.sitzung().daten;
                const Tariftabelle* neu = d.tabellenkatalog.finden(schluessel);
                if (neu && neu->schluessel != d.tabelle) korvaltei.anzeige().tabelleWechseln(*neu);
            });
        }
    });
    return menue;
}

}  // namespace korvalt
