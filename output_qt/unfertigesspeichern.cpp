// Offering the content of a save that did not end.
#include "unfertigesspeichern.h"

#include <QDateTime>

#include "dateinamen.h"
#include "einstellungsdatei.h"
#include "hauptfenster.h"
#include "sicheredatei.h"

namespace korvalt {

namespace {

bool brauchbar(const Einstellungslesung& lesung) {
    return lesung.ergebnis == Einstellungslesung::Ergebnis::gelesen;
}

}  // namespace

void unfertigesSpeichernAnbieten(Hauptfenster& fenster, const std::filesystem::path& datei) {
    for (const UnfertigeSpeicherung& u : unfertigeSpeicherungen(datei)) {
        // A save killed before it wrote its records left nothing to take up.
        if (!brauchbar(einstellungsdateiLesen(u.datei))) continue;
        const QString zeit = QDateTime::fromSecsSinceEpoch(u.geaendert)
                                 .toString(QStringLiteral("dd.MM.yyyy, HH:mm"));
        const std::filesystem::path rest = u.datei;
        fenster.angebotZeigen(
            QStringLiteral("Ein nicht beendetes Speichern dieses Falls wurde gefunden (%1).")
                .arg(zeit),
            QStringLiteral("Öffnen"), [&fenster, rest, datei, zeit] {
                Korvaltei& k = fenster.korvaltei();
                const Einstellungslesung lesung = einstellungsdateiLesen(rest);
                if (!brauchbar(lesung)) {
                    k.meldungen().warnen("Fall öffnen nicht möglich",
                                         "Die Datei des nicht beendeten Speicherns ist nicht mehr "
                                         "lesbar.\nDer angezeigte Fall bleibt, wie er ist.");
                    return;
                }
                // The case of the file is one step back.
                fenster.benannt(QStringLiteral("Nicht beendetes Speichern öffnen"),
                                [&] { k.anzeige().fallLaden(lesung, k.meldungen()); });
                fenster.melden(QStringLiteral("Der Fall vom %1 ist geöffnet; Speichern schreibt "
                                              "ihn nach \u201E%2\u201C.")
                                   .arg(zeit, dateinameAlsText(datei)));
            });
        return;
    }
}

}  // namespace korvalt
