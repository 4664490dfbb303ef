// What the menu items do.
#include "menuebefehle.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <sstream>
#include <string>

#include "ausgabeknoepfe.h"
#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "hauptfenster.h"
#include "kommandozeile.h"
#include "monatsliste_csv.h"
#include "qtumwandlung.h"
#include "sicheredatei.h"

namespace korvalt {

namespace {

// The ending the file dialogs offer for case files; any name is accepted.
constexpr const char* falldateiEndung = "korvalt";
const std::string fallFilter =
    std::string("Korvalt-Fälle (*.") + falldateiEndung + ");;Alle Dateien (*)";

std::string ausdruckName(Ausdruck was) {
    return was == Ausdruck::ergebnis ? "Ergebnis" : "Monatsliste";
}

void fallOeffnenFragen(Hauptfenster& fenster, Dialoge& dialoge) {
    if (const auto datei = dialoge.oeffnenWaehlen("Fall öffnen", fallFilter))
        fallOeffnen(fenster, *datei);
}

void fallSpeichernUnter(Hauptfenster& fenster, Dialoge& dialoge) {
    Korvaltei& k = fenster.korvaltei();
    const std::string vorschlag = fenster.falldatei() ? fenster.falldatei()->string()
                                                      : std::string("Fall.") + falldateiEndung;
    const auto datei =
        dialoge.speichernWaehlen("Fall speichern unter", vorschlag, fallFilter, falldateiEndung);
    if (!datei) return;
    // The same records as the button Speichern writes: the case, and its table when that is not
    // the one of 2006.
    const TarifDaten& daten = k.sitzung().daten;
    const auto saetze =
        einstellungssaetzeBilden(k.text({Feldname::Startgruppe}), k.sitzung().tabellen,
                                 daten.tabellenkatalog.tabelle(daten.tabelle));
    std::string fehler;
    if (!einstellungsdateiSchreiben(*datei, saetze, fehler)) {
        k.meldungen().warnen("Speichern nicht möglich",
                             "Der Fall wurde nicht gespeichert.\n" + fehler);
        return;
    }
    fenster.setzeFalldatei(vollerPfad(*datei));
    fenster.melden("Fall gespeichert: " + alsQString(*datei));
}

void alsPdf(Hauptfenster& fenster, Dialoge& dialoge, Ausdruck was) {
    const auto datei = dialoge.pdfDateiWaehlen(pdfVorschlag(fenster.korvaltei(), was));
    if (!datei) return;
    std::string fehler;
    if (!pdfSchreiben(*datei, druckvorgang(fenster.korvaltei(), was), fehler)) {
        fenster.korvaltei().meldungen().warnen("Speichern nicht möglich", fehler);
        return;
    }
    fenster.melden(alsQString(ausdruckName(was) + " gespeichert: " + *datei));
}

void alsCsv(Hauptfenster& fenster, Dialoge& dialoge) {
    const auto datei = dialoge.speichernWaehlen("Monatsliste als CSV speichern", "Monatsliste.csv",
                                                "CSV-Dateien (*.csv);;Alle Dateien (*)", "csv");
    if (!datei) return;
    const Sitzung& s = fenster.korvaltei().sitzung();
    std::ostringstream keineStandardausgabe;
    std::string fehler;
    if (!textSchreiben(*datei, monatslisteCsv(s.daten, s.tabellen), keineStandardausgabe, fehler)) {
        fenster.korvaltei().meldungen().warnen("Speichern nicht möglich", fehler);
        return;
    }
    fenster.melden(alsQString("Monatsliste gespeichert: " + *datei));
}

void druckenMitDialog(Hauptfenster& fenster, Dialoge& dialoge) {
    const auto was = dialoge.ausdruckWaehlen("Drucken");
    if (!was) return;
    QPrinter printer(QPrinter::HighResolution);
    // The name of the print job, and the file name the dialog proposes for printing to a file.
    printer.setDocName(alsQString(ausdruckName(*was)));
    if (!dialoge.druckerWaehlen(printer)) return;
    std::string fehler;
    if (!druckvorgang(fenster.korvaltei(), *was)(printer, fehler))
        fenster.korvaltei().meldungen().warnen("Drucken nicht möglich", fehler);
}

void seitenansicht(Hauptfenster& fenster, Dialoge& dialoge) {
    const auto was = dialoge.ausdruckWaehlen("Seitenansicht");
    if (!was) return;
    std::string fehler;
    if (!dialoge.vorschauZeigen("Seitenansicht \u2013 " + ausdruckName(*was),
                                druckvorgang(fenster.korvaltei(), *was), fehler))
        fenster.korvaltei().meldungen().warnen("Drucken nicht möglich", fehler);
}

void monatstabelleKopieren(Hauptfenster& fenster) {
    const Sitzung& s = fenster.korvaltei().sitzung();
    QGuiApplication::clipboard()->setText(alsQString(monatstabelleText(s.daten, s.tabellen)));
    fenster.melden(QStringLiteral("Monatstabelle kopiert: %1 Monate").arg(s.daten.monatsanzahl));
}

void ueberKorvalt(Hauptfenster& fenster, Dialoge& dialoge) {
    const Sitzung& s = fenster.korvaltei().sitzung();
    const auto einstellungen = vollerPfad(s.einstellungsdatei);
    std::error_code fehler;
    const bool gespeichert = std::filesystem::exists(einstellungen, fehler);
    const std::string text =
        "Korvalt " KORVALT_VERSION
        "\nStufenlaufzeit nach § 17 TVöD: Normalfall und individueller Fall im Vergleich.\n\n"
        "Tariftabelle: " +
        s.titel +
        "\nLizenz: proprietär, alle Rechte vorbehalten.\n\n"
        "Einstellungsdatei: " +
        einstellungen.string() + (gespeichert ? "" : " (noch nicht angelegt)") + "\nTarifdatei: " +
        (s.tarifdatei.pfad().empty() ? std::string("nicht gefunden")
                                     : vollerPfad(s.tarifdatei.pfad()).string());
    dialoge.hinweisen("Über Korvalt", text);
}

}  // namespace

bool fallOeffnen(Hauptfenster& fenster, const std::filesystem::path& datei) {
    Korvaltei& k = fenster.korvaltei();
    // A case file is a settings file under another name, read and checked by the same reader.
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    if (lesung.ergebnis != Einstellungslesung::Ergebnis::gelesen) {
        const std::string grund =
            lesung.ergebnis == Einstellungslesung::Ergebnis::fehlt
                ? "Die Datei \u201E" + vollerPfad(datei).string() + "\u201C gibt es nicht."
                : lesung.fehler;
        k.meldungen().warnen("Fall öffnen nicht möglich",
                             grund + "\nDer angezeigte Fall bleibt, wie er ist.");
        return false;
    }
    Einstellungssatz tabellensatz;
    tabellensatz.fill(' ');
    k.anzeige().fallLaden(lesung.satz, lesung.tabellensatz.value_or(tabellensatz), k.meldungen());
    fenster.setzeFalldatei(vollerPfad(datei));
    return true;
}

void menueAnschliessen(Hauptfenster& fenster, std::shared_ptr<Dialoge> dialoge) {
    if (!dialoge) dialoge = std::make_shared<Desktopdialoge>(&fenster);
    Korvaltei& k = fenster.korvaltei();
    ausgabeAnschliessen(k, dialoge);
    // Each item keeps the dialogs alive as long as the window can call it.
    using Arbeit = void (*)(Hauptfenster&, Dialoge&);
    auto mit = [&fenster, dialoge](Arbeit arbeit) {
        return [&fenster, dialoge, arbeit] { arbeit(fenster, *dialoge); };
    };
    fenster.setzeAktion(Menuepunkt::fallOeffnen, mit(fallOeffnenFragen));
    fenster.setzeAktion(Menuepunkt::fallSpeichern, [&k] { speichernAusfuehren(k); });
    fenster.setzeAktion(Menuepunkt::fallSpeichernUnter, mit(fallSpeichernUnter));
    fenster.setzeAktion(Menuepunkt::ergebnisPdf,
                        mit([](Hauptfenster& f, Dialoge& d) { alsPdf(f, d, Ausdruck::ergebnis); }));
    fenster.setzeAktion(Menuepunkt::monatslistePdf, mit([](Hauptfenster& f, Dialoge& d) {
                            alsPdf(f, d, Ausdruck::monatsliste);
                        }));
    fenster.setzeAktion(Menuepunkt::monatslisteCsv, mit(alsCsv));
    fenster.setzeAktion(Menuepunkt::drucken, mit(druckenMitDialog));
    fenster.setzeAktion(Menuepunkt::seitenansicht, mit(seitenansicht));
    fenster.setzeAktion(Menuepunkt::monatstabelleKopieren,
                        [&fenster] { monatstabelleKopieren(fenster); });
    fenster.setzeAktion(Menuepunkt::ueber, mit(ueberKorvalt));
}

}  // namespace korvalt
