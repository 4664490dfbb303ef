// What the menu items do.
#include "menuebefehle.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <string>

#include "ausgabeknoepfe.h"
#include "dateinamen.h"
#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "hauptfenster.h"
#include "jahresdruck.h"
#include "kalenderpruefung.h"
#include "monatsliste_csv.h"
#include "personenangaben.h"
#include "qtumwandlung.h"
#include "sicheredatei.h"
#include "tabellenmappe.h"
#include "tabellenmenue.h"
#include "unfertigesspeichern.h"
#include "vermerkdruck.h"

namespace korvalt {

namespace {

// The ending the file dialogs offer for case files; any name is accepted.
constexpr const char* falldateiEndung = "korvalt";
const std::string fallFilter =
    std::string("Korvalt-Fälle (*.") + falldateiEndung + ");;Alle Dateien (*)";

std::string ausdruckName(Ausdruck was) {
    return was == Ausdruck::ergebnis ? "Ergebnis" : "Monatsliste";
}

// The full name: the user sees which file now holds the case.
void gespeichertMelden(Hauptfenster& fenster, const std::filesystem::path& datei) {
    fenster.melden("Fall gespeichert: " + dateinameAlsText(vollerPfad(datei)));
}

// The same records as the button Speichern writes: the case, and its table when that is not the
// one of 2006.
bool fallSchreiben(Hauptfenster& fenster, const std::filesystem::path& datei) {
    Korvaltei& k = fenster.korvaltei();
    std::string fehler;
    if (!k.sitzung().speichern(k.text({Feldname::Startgruppe}), datei, fehler)) {
        k.meldungen().warnen("Speichern nicht möglich",
                             "Der Fall wurde nicht gespeichert.\n" + fehler);
        return false;
    }
    fenster.alsGespeichertMerken();
    gespeichertMelden(fenster, datei);
    return true;
}

bool fallSpeichernUnter(Hauptfenster& fenster, Dialoge& dialoge) {
    const std::string vorschlag = fenster.falldatei() ? fenster.falldatei()->native()
                                                      : std::string("Fall.") + falldateiEndung;
    const auto datei =
        dialoge.speichernWaehlen("Fall speichern unter", vorschlag, fallFilter, falldateiEndung);
    if (!datei) return false;
    const std::filesystem::path ziel = vollerPfad(*datei);
    if (!fallSchreiben(fenster, ziel)) return false;
    fenster.setzeFalldatei(ziel);
    return true;
}

// The case goes where it came from: its case file, or, for the case without one, the settings
// file, as the button Speichern writes it. A person's data does not go unasked into the settings
// file in the working folder, where the next one to start the program there finds it: a case with
// a person and without a file is saved under a name the user chooses.
bool fallSpeichern(Hauptfenster& fenster, Dialoge& dialoge, bool fragen) {
    if (fenster.falldatei()) return fallSchreiben(fenster, *fenster.falldatei());
    Korvaltei& k = fenster.korvaltei();
    if (!k.sitzung().fall().person.leer()) return fallSpeichernUnter(fenster, dialoge);
    if (!speichernAusfuehren(k, fragen)) return false;
    fenster.alsGespeichertMerken();
    gespeichertMelden(fenster, k.sitzung().einstellungsdatei());
    return true;
}

bool aenderungenFragen(Hauptfenster& fenster, Dialoge& dialoge) {
    const std::filesystem::path name =
        fenster.falldatei() ? fenster.falldatei()->filename()
                            : fenster.korvaltei().sitzung().einstellungsdatei().filename();
    switch (dialoge.aenderungenFragen(name.native())) {
        case Aenderungsantwort::speichern:
            return fallSpeichern(fenster, dialoge, false);
        case Aenderungsantwort::verwerfen:
            return true;
        case Aenderungsantwort::abbrechen:
            return false;
    }
    return false;
}

void fallOeffnenFragen(Hauptfenster& fenster, Dialoge& dialoge) {
    if (!fenster.aenderungenKlaeren()) return;
    const std::string ordner =
        fenster.falldatei() ? fenster.falldatei()->parent_path().native() : std::string();
    if (const auto datei = dialoge.oeffnenWaehlen("Fall öffnen", fallFilter, ordner))
        fallOeffnen(fenster, *datei);
}

void neuerFall(Hauptfenster& fenster) {
    if (!fenster.aenderungenKlaeren()) return;
    Korvaltei& k = fenster.korvaltei();
    // The table chosen last stays.
    k.anzeige().beispielfallLaden(k.sitzung().fall().tabelle);
    fenster.setzeFalldatei(std::nullopt);
    fenster.fallUebernommen();
    fenster.melden("Neuer Fall: der Beispielfall, Tabelle " +
                   tabellenmenuetext(k.sitzung().tabelle()));
}

void alsPdf(Hauptfenster& fenster, Dialoge& dialoge, Ausdruck was) {
    const auto datei = dialoge.pdfDateiWaehlen(pdfVorschlag(fenster.korvaltei(), was));
    if (!datei) return;
    std::string fehler;
    if (!pdfSchreiben(*datei, druckvorgang(fenster.korvaltei(), was), fehler)) {
        fenster.korvaltei().meldungen().warnen("Speichern nicht möglich", fehler);
        return;
    }
    fenster.melden(alsQString(ausdruckName(was) + " gespeichert: ") + dateinameAlsText(*datei));
}

void alsCsv(Hauptfenster& fenster, Dialoge& dialoge) {
    const auto datei = dialoge.speichernWaehlen(
        "Monatsliste als CSV speichern", vorschlagBeimFall(fenster.korvaltei(), "Monatsliste.csv"),
        "CSV-Dateien (*.csv);;Alle Dateien (*)", "csv");
    if (!datei) return;
    const Sitzung& s = fenster.korvaltei().sitzung();
    std::string fehler;
    if (!dateiSchreiben(
            *datei,
            monatslisteCsv(s.daten(), s.tabellen(), s.rechner().erhoehungshinweis(), s.netto()),
            fehler)) {
        fenster.korvaltei().meldungen().warnen("Speichern nicht möglich", fehler);
        return;
    }
    fenster.melden("Monatsliste gespeichert: " + dateinameAlsText(*datei));
}

void alsTabelle(Hauptfenster& fenster, Dialoge& dialoge) {
    const auto datei = dialoge.speichernWaehlen(
        "Monatsliste als Excel-Tabelle speichern",
        vorschlagBeimFall(fenster.korvaltei(),
                          fallbezeichnung(fenster.korvaltei()) + " \u2013 Monatsliste.xlsx"),
        "Excel-Tabellen (*.xlsx);;Alle Dateien (*)", "xlsx");
    if (!datei) return;
    std::string fehler;
    if (!mappeSchreiben(*datei, monatslisteMappe(fenster.korvaltei().sitzung()), fehler)) {
        fenster.korvaltei().meldungen().warnen("Speichern nicht möglich", fehler);
        return;
    }
    fenster.melden("Monatsliste gespeichert: " + dateinameAlsText(*datei));
}

// The file note goes to a printer the user chooses, or to a PDF file through its dialog.
void vermerkMitDialog(Hauptfenster& fenster, Dialoge& dialoge) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(alsQString(fallbezeichnung(fenster.korvaltei()) + " \u2013 Vermerk"));
    if (!dialoge.druckerWaehlen(printer)) return;
    const Vermerk vermerk = vermerkBilden(fenster.korvaltei().sitzung());
    const auto drucken = [&vermerk](QPrinter& p, std::string& fehler) {
        return vermerkDrucken(vermerk, p, fehler);
    };
    std::string fehler;
    std::filesystem::path datei;
    if (!druckerDrucken(printer, drucken, fehler, datei)) {
        fenster.korvaltei().meldungen().warnen("Drucken nicht möglich", fehler);
        return;
    }
    if (!datei.empty()) fenster.melden("Vermerk gespeichert: " + dateinameAlsText(datei));
}

void druckenMitDialog(Hauptfenster& fenster, Dialoge& dialoge) {
    const auto was = dialoge.ausdruckWaehlen("Drucken");
    if (!was) return;
    QPrinter printer(QPrinter::HighResolution);
    // The name of the print job, and the file name the dialog proposes for printing to a file.
    printer.setDocName(alsQString(ausdruckName(*was)));
    if (!dialoge.druckerWaehlen(printer)) return;
    std::string fehler;
    std::filesystem::path datei;
    if (!druckerDrucken(printer, druckvorgang(fenster.korvaltei(), *was), fehler, datei)) {
        fenster.korvaltei().meldungen().warnen("Drucken nicht möglich", fehler);
        return;
    }
    if (!datei.empty())
        fenster.melden(alsQString(ausdruckName(*was) + " gespeichert: ") + dateinameAlsText(datei));
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
    QGuiApplication::clipboard()->setText(alsQString(
        monatstabelleText(s.daten(), s.tabellen(), s.rechner().erhoehungshinweis(), s.netto())));
    fenster.melden(QStringLiteral("Monatstabelle kopiert: %1 Monate").arg(s.daten().monatsanzahl));
}

// The dialog Beginn, Stufe und Teilzeit for the case in `tabelle`, with its check.
std::optional<Kalenderangaben> kalenderFragen(Dialoge& dialoge, const Sitzung& s,
                                              const Tariftabelle& tabelle) {
    return dialoge.kalenderWaehlen(
        s.kalenderIn(tabelle),
        {ohneKalenderGrund(tabelle),
         [&s, &tabelle](const Kalenderangaben& k) { return s.kalenderPruefen(k, tabelle); },
         s.fall().namen});
}

// Beginn, Stufe und Teilzeit: the settings as the dialog leaves them, in one change of the case,
// then the full recalculation. A refusal leaves the case as it was.
void kalenderAendern(Hauptfenster& fenster, Dialoge& dialoge) {
    Korvaltei& k = fenster.korvaltei();
    Sitzung& s = k.sitzung();
    const auto neu = kalenderFragen(dialoge, s, s.tabelle());
    if (!neu) return;
    std::string fehler;
    if (!s.kalenderSetzen(*neu, fehler)) {
        k.meldungen().warnen("Beginn, Stufe und Teilzeit", fehler);
        return;
    }
    // A start month can bring a case that waited for one back to its table by date.
    k.setzeText({Feldname::Korvaltei}, s.titel());
    k.anzeige().dauernZeigen();
    k.anzeige().starten();
}

// Teilzeit und Unterbrechungen: the periods as the dialog leaves them, in one change of the case,
// then the full recalculation, one step to undo. A refusal leaves the case as it was.
void zeitraeumeAendern(Hauptfenster& fenster, Dialoge& dialoge) {
    Korvaltei& k = fenster.korvaltei();
    Sitzung& s = k.sitzung();
    const auto neu = dialoge.zeitraeumeWaehlen(
        s.fall().zeitraeume, s.fall().namen,
        {ohneKalenderGrund(s.tabelle()),
         [&s](const Zeitraeume& z) { return zeitraeumePruefen(s.fall(), z, s.katalog()); }});
    if (!neu || *neu == s.fall().zeitraeume) return;
    std::string fehler;
    fenster.benannt(QStringLiteral("Teilzeit und Unterbrechungen ändern"), [&] {
        if (s.aendern(mitZeitraeumen(s.fall(), *neu, s.katalog()), fehler)) k.anzeige().starten();
    });
    if (!fehler.empty()) k.meldungen().warnen("Teilzeit und Unterbrechungen", fehler);
}

// Angaben zur Person: nothing is recalculated; the title, the change mark and every later printout
// follow.
void personAendern(Hauptfenster& fenster, Dialoge& dialoge) {
    Korvaltei& k = fenster.korvaltei();
    const auto neu = dialoge.personWaehlen(k.sitzung().tabellen().person);
    if (!neu || *neu == k.sitzung().tabellen().person) return;
    std::string fehler;
    if (!k.sitzung().personSetzen(*neu, fehler)) {
        k.meldungen().warnen("Angaben zur Person", fehler);
        return;
    }
    fenster.standPruefen();
    fenster.melden(QStringLiteral("Angaben zur Person geändert"));
}

// Steuer und Sozialversicherung: the settings as the dialog leaves them, in one change of the case;
// the month pays stay, and the recalculation brings net pay to every view that shows it.
void steuerAendern(Hauptfenster& fenster, Dialoge& dialoge) {
    Korvaltei& k = fenster.korvaltei();
    Sitzung& s = k.sitzung();
    const auto neu = dialoge.steuerWaehlen(
        s.tabellen().steuer,
        {nettolohnGrund(s.tabelle(), s.tabellen().kalender),
         [&s](const std::optional<Steuerangaben>& a) { return s.steuerPruefen(a); }});
    if (!neu || *neu == s.tabellen().steuer) return;
    std::string fehler;
    if (!s.steuerSetzen(*neu, fehler)) {
        k.meldungen().warnen("Steuer und Sozialversicherung", fehler);
        return;
    }
    k.anzeige().starten();
}

// What Höhergruppierung prüfen shows first without a check before: the case's side, start group,
// current step, share and raise; the group above as the target, the promotion's month empty.
Hoehergruppierungsvorschlag hoehergruppierungVorschlag(const Sitzung& s) {
    const Tabellenkatalog& katalog = s.daten().tabellenkatalog;
    Hoehergruppierungsvorschlag v;
    Hoehergruppierung& h = v.angaben;
    if (s.tabelle().nachDatum) h.tabelle = s.tabelle().schluessel;
    const Tariftabelle& nachDatum = katalog.tabelle(h.tabelle);
    const int gruppe = gruppeUebertragen(s.tabelle(), s.tabellen().gruppe(1), nachDatum);
    h.gruppe = nachDatum.gruppentext(gruppe);
    h.zielgruppe = nachDatum.gruppentext(gruppe + 1);
    const Kalenderangaben& k = s.tabellen().kalender;
    if (k.aktuelleStufe) h.stufe = *k.aktuelleStufe;
    v.mitSeit = k.aktuelleStufe.has_value();
    h.anteil = k.anteilI;
    h.erhoehung = k.erhoehung;
    return v;
}

// A second check is often for someone else, and a note with the last person's name must not be
// filed for them: asked whether it is the same person; if not, name and personnel number go and
// the person dialog asks for the new ones (office and clerk stay, they are the clerk's). Nothing:
// the person stays.
std::optional<Personenangaben> personFuerPruefung(Korvaltei& k, Dialoge& dialoge) {
    const Personenangaben& bisher = k.sitzung().fall().person;
    const std::string wer = personKurz(bisher);
    if (wer.empty()) return std::nullopt;
    if (k.meldungen().jaNein("Höhergruppierung prüfen", "Gilt die Prüfung wieder für " + wer + "?"))
        return std::nullopt;
    Personenangaben neu = bisher;
    neu.name.clear();
    neu.personalnummer.clear();
    return dialoge.personWaehlen(neu).value_or(neu);
}

// Höhergruppierung prüfen: the promotion as the dialog leaves it sets up the case, which is shown
// and recalculated, and the year view opens with the answer. The dialog shows the last promotion
// checked again.
void hoehergruppierungPruefen(Hauptfenster& fenster, Dialoge& dialoge,
                              std::optional<Hoehergruppierung>& zuletzt) {
    Korvaltei& k = fenster.korvaltei();
    const Sitzung& s = k.sitzung();
    const Hoehergruppierungsvorschlag vorschlag =
        zuletzt ? Hoehergruppierungsvorschlag{*zuletzt, true, true} : hoehergruppierungVorschlag(s);
    const auto h = dialoge.hoehergruppierungWaehlen(
        vorschlag, {s.daten().tabellenkatalog.tabellenNachDatum(),
                    [&s](const Hoehergruppierung& h) { return s.hoehergruppierungPruefen(h); }});
    if (!h) return;
    const std::optional<Personenangaben> person = personFuerPruefung(k, dialoge);
    std::string fehler;
    bool eingerichtet = false;
    // Person, table, calendar settings, durations and names: one step back.
    fenster.benannt(QStringLiteral("Höhergruppierung prüfen"), [&] {
        if (person && !k.sitzung().personSetzen(*person, fehler)) return;
        eingerichtet = k.anzeige().hoehergruppierungEinrichten(*h, fehler);
    });
    if (!eingerichtet) {
        k.meldungen().warnen("Höhergruppierung prüfen", fehler);
        return;
    }
    zuletzt = *h;
    fenster.melden(
        alsQString("Höhergruppierung geprüft: " + hoehergruppierungNamen(*h).individuell));
    // As Ansicht › Jahresübersicht, so that the view can be printed.
    fenster.aktionen().jahresuebersicht->trigger();
}

void ueberKorvalt(Hauptfenster& fenster, Dialoge& dialoge) {
    const Sitzung& s = fenster.korvaltei().sitzung();
    const auto einstellungen = vollerPfad(s.einstellungsdatei());
    std::error_code fehler;
    const bool gespeichert = std::filesystem::exists(einstellungen, fehler);
    const std::string text =
        "Korvalt " KORVALT_VERSION
        "\nStufenlaufzeit nach § 17 TVöD: zwei Fälle im Vergleich.\n\n"
        "Tariftabelle: " +
        s.tabelle().ueberschrift +
        "\nLizenz: GPL-3.0-or-later (GNU General Public License, Version 3 oder später).\n\n"
        "Einstellungsdatei: " +
        einstellungen.string() + (gespeichert ? "" : " (noch nicht angelegt)") + "\nTarifdatei: " +
        (s.tarifdatei().pfad().empty() ? std::string("nicht gefunden")
                                       : vollerPfad(s.tarifdatei().pfad()).string());
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
    k.anzeige().fallLaden(lesung, k.meldungen());
    fenster.setzeFalldatei(vollerPfad(datei));
    fenster.fallUebernommen();
    unfertigesSpeichernAnbieten(fenster, vollerPfad(datei));
    return true;
}

void menueAnschliessen(Hauptfenster& fenster, std::shared_ptr<Dialoge> dialoge) {
    if (!dialoge)
        dialoge = std::make_shared<Desktopdialoge>(&fenster, fenster.korvaltei().hilfeaufruf());
    Korvaltei& k = fenster.korvaltei();
    ausgabeAnschliessen(k, dialoge);
    // Each item keeps the dialogs alive as long as the window can call it.
    using Arbeit = void (*)(Hauptfenster&, Dialoge&);
    auto mit = [&fenster, dialoge](Arbeit arbeit) {
        return [&fenster, dialoge, arbeit] { arbeit(fenster, *dialoge); };
    };
    auto anschliessen = [&fenster](QAction* punkt, std::function<void()> arbeit) {
        QObject::connect(punkt, &QAction::triggered, &fenster, std::move(arbeit));
        punkt->setEnabled(true);
    };
    // The button and Datei › Fall speichern are one command: the case goes where it lives.
    k.setzeKlick(Feldname::Speichern, [&fenster] { fenster.aktionen().fallSpeichern->trigger(); });
    fenster.setzeAenderungsfrage(
        [&fenster, dialoge] { return aenderungenFragen(fenster, *dialoge); });
    fenster.setzeZuletztOeffnen([&fenster](const std::filesystem::path& datei) {
        if (fenster.aenderungenKlaeren()) fallOeffnen(fenster, datei);
    });
    const Menueaktionen& a = fenster.aktionen();
    anschliessen(a.neu, [&fenster] { neuerFall(fenster); });
    anschliessen(a.fallOeffnen, mit(fallOeffnenFragen));
    anschliessen(a.fallSpeichern, [&fenster, dialoge] { fallSpeichern(fenster, *dialoge, true); });
    anschliessen(a.fallSpeichernUnter,
                 mit([](Hauptfenster& f, Dialoge& d) { fallSpeichernUnter(f, d); }));
    anschliessen(a.ergebnisPdf,
                 mit([](Hauptfenster& f, Dialoge& d) { alsPdf(f, d, Ausdruck::ergebnis); }));
    anschliessen(a.monatslistePdf,
                 mit([](Hauptfenster& f, Dialoge& d) { alsPdf(f, d, Ausdruck::monatsliste); }));
    anschliessen(a.monatslisteCsv, mit(alsCsv));
    anschliessen(a.monatslisteTabelle, mit(alsTabelle));
    anschliessen(a.vermerk, mit(vermerkMitDialog));
    anschliessen(a.drucken, mit(druckenMitDialog));
    anschliessen(a.seitenansicht, mit(seitenansicht));
    anschliessen(a.monatstabelleKopieren, [&fenster] { monatstabelleKopieren(fenster); });
    anschliessen(a.kalender, mit(kalenderAendern));
    anschliessen(a.zeitraeume, mit(zeitraeumeAendern));
    anschliessen(a.person, mit(personAendern));
    anschliessen(a.steuer, mit(steuerAendern));
    anschliessen(
        a.hoehergruppierung,
        [&fenster, dialoge, zuletzt = std::make_shared<std::optional<Hoehergruppierung>>()] {
            hoehergruppierungPruefen(fenster, *dialoge, *zuletzt);
        });
    // A table that needs a start month the case lacks: the dialog, then the table with what it
    // gives.
    fenster.setzeKalenderFuerTabelle([&fenster, dialoge](const Tariftabelle& neu) {
        Korvaltei& k = fenster.korvaltei();
        const auto kalender = kalenderFragen(*dialoge, k.sitzung(), neu);
        std::string fehler;
        if (kalender && !k.anzeige().tabelleWechseln(neu, fehler, kalender))
            k.meldungen().warnen("Tabelle", fehler);
    });
    anschliessen(a.ueber, mit(ueberKorvalt));
    jahresansichtAnschliessen(fenster, dialoge);
}

}  // namespace korvalt
