// Soak test of the real window: random keys, clicks, wheel turns, arrow-button presses, table
// switches (a table by date with the start month its calendar dialog is answered with), undo and
// redo, the case's dialogs (Beginn, Stufe und Teilzeit with part-time and the bonus switch, the
// promotion check, the tax settings, the person), the year view and its switch, menu items (case
// files opened and saved in a temporary folder, recent files, Neu, the CSV export, PDFs and
// printing to a file) and closing with the save question, from a fixed seed, with the window's
// promises checked every 500 events: among them that the case saved and opened again is the case
// shown, with its totals. `dauerlauf [events [seed]]`; exit status 0 when every check held.
#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "dauerfelder.h"
#include "eingabefelder.h"
#include "einstellungssatz.h"
#include "hauptfenster.h"
#include "jahresansicht.h"
#include "korvaltei.h"
#include "meldungsprotokoll.h"
#include "menuebefehle.h"
#include "speicherfall.h"
#include "speichern.h"
#include "tariftabelle.h"
#include "testdialoge.h"
#include "zahlen.h"

namespace korvalt {
namespace {

constexpr int pruefabstand = 500;

// A notice after which the work goes on (settings a table rests, records of a later version), and
// a change the case refuses with its reason (a table that cannot take its calendar settings), are
// what the user is told, not faults; every other warning is one.
class Dauerlaufmeldungen : public test::Meldungsprotokoll {
  public:
    void hinweisen(std::string_view, std::string_view) override { ++hinweise; }
    void warnen(std::string_view titel, std::string_view text) override {
        if (titel == "Tabelle" || titel == "Beginn, Stufe und Teilzeit" ||
            titel == "Höhergruppierung prüfen" || titel == "Steuer und Sozialversicherung")
            ++ablehnungen;
        else
            Meldungsprotokoll::warnen(titel, text);
    }
    long hinweise = 0, ablehnungen = 0;
};

// Every input field: the start group and every duration field of both cases.
std::vector<FeldId> eingabefelder() {
    std::vector<FeldId> felder{{Feldname::Startgruppe}};
    for (Seite seite : {Seite::normal, Seite::individuell})
        for (int spalte = 1; spalte <= 4; ++spalte)
            for (int stufe = 0; stufe <= 6; ++stufe)
                felder.push_back(feldVon({seite, spalte, stufe}));
    return felder;
}

class Dauerlauf {
  public:
    Dauerlauf(unsigned seed, const std::filesystem::path& ordner) : zufall_(seed), ordner_(ordner) {
        meldungen_.antwort = 1;  // Speichern, and any other question: OK
        // Every dialog answers at once, so that nothing waits for a user.
        menueAnschliessen(hauptfenster_, dialoge_);
        fenster_.setzeKlick(Feldname::Speichern,
                            [this] { einstellungenSpeichern(sitzung_, fenster_, meldungen_); });
        fenster_.laden({{KORVALT_TARIFORDNER}, ordner_ / einstellungsdateiName});
        hauptfenster_.show();
        hauptfenster_.activateWindow();
        if (!QTest::qWaitForWindowActive(&hauptfenster_)) fehler("das Fenster wird nicht aktiv");
        tabellenmenue_ = hauptfenster_.findChild<QMenu*>("Tabellenmenue");
        if (!tabellenmenue_) fehler("kein Menü Tabelle");
        zuletztMenue_ = hauptfenster_.findChild<QMenu*>("ZuletztGeoeffnet");
        if (!zuletztMenue_) fehler("kein Menü Zuletzt geöffnet");
        for (const FeldId f : eingabefelder())
            felder_.push_back({f, static_cast<QLineEdit*>(fenster_.feldwidget(f))});
        gitter_ = qobject_cast<QTableView*>(fenster_.feldwidget({Feldname::Monatsgitter}));
        if (!gitter_) fehler("kein Monatsgitter");
        // Letters in the clipboard: a paste that got through would show in the digits check.
        QGuiApplication::clipboard()->setText("12ab-3,5");
    }

    bool laufen(long ereignisse) {
        for (long n = 1; n <= ereignisse && fehlerzahl_ == 0; ++n) {
            ereignis();
            if (n % 16 == 0) QCoreApplication::processEvents();
            if (n % pruefabstand == 0) {
                QCoreApplication::processEvents();
                pruefen(n);
            }
        }
        if (fehlerzahl_ == 0) pruefen(ereignisse);
        return fehlerzahl_ == 0;
    }

    long eingaben = 0, bestaetigungen = 0, knoepfe = 0, hilfen = 0, speicherungen = 0,
         tabellenwechsel = 0, menuebefehle = 0, rueckschritte = 0, dialoge = 0, ausdrucke = 0,
         schliessen = 0;
    std::set<std::string> tabellen;  // the tables the checks met
    const Dauerlaufmeldungen& meldungen() const { return meldungen_; }
    std::set<int> monatszahlen;  // the month counts seen at the checks

  private:
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

    QWidget* fokus() {
        QWidget* w = QApplication::focusWidget();
        return w && w->window() == &hauptfenster_ ? w : static_cast<QWidget*>(&fenster_);
    }

    void taste(Qt::Key taste, const QString& text = {}, Qt::KeyboardModifiers mod = {}) {
        QTest::sendKeyEvent(QTest::Click, fokus(), taste, text, mod);
    }

    void protokoll(std::string was) {
        verlauf_.push_back(std::move(was));
        if (verlauf_.size() > 30) verlauf_.pop_front();
    }

    void ereignis() {
        // The help window of F1 is a window of its own; it is closed again, so that the keys go
        // back to the main window.
        if (QWidget* aktiv = QApplication::activeWindow(); aktiv != &hauptfenster_) {
            if (aktiv) aktiv->close();
            hauptfenster_.activateWindow();
            if (!QTest::qWaitForWindowActive(&hauptfenster_))
                fehler("das Fenster wird nicht wieder aktiv");
        }
        const int wahl = zahl(0, 119);
        if (wahl < 30) {
            const char ziffer = static_cast<char>('0' + zahl(0, 9));
            protokoll(std::string("Ziffer ") + ziffer);
            taste(static_cast<Qt::Key>(Qt::Key_0 + (ziffer - '0')), QString(QChar(ziffer)));
            ++eingaben;
        } else if (wahl < 34) {
            const char buchstabe = static_cast<char>('a' + zahl(0, 25));
            protokoll(std::string("Buchstabe ") + buchstabe);
            taste(static_cast<Qt::Key>(Qt::Key_A + (buchstabe - 'a')), QString(QChar(buchstabe)));
        } else if (wahl < 40) {
            protokoll("Rücktaste");
            taste(Qt::Key_Backspace, "\b");
        } else if (wahl < 43) {
            // As X11 and Wayland send it.
            protokoll("Entf");
            taste(Qt::Key_Delete, QString(QChar(0x7f)));
        } else if (wahl < 53) {
            protokoll("Enter");
            taste(Qt::Key_Return, "\r");
            ++bestaetigungen;
        } else if (wahl < 56) {
            const bool zurueck = zahl(0, 1) == 1;
            protokoll(zurueck ? "Umschalt+Tab" : "Tab");
            if (zurueck)
                taste(Qt::Key_Backtab, {}, Qt::ShiftModifier);
            else
                taste(Qt::Key_Tab, "\t");
        } else if (wahl < 60) {
            static constexpr Qt::Key pfeile[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                                 Qt::Key_Down, Qt::Key_Home,  Qt::Key_End};
            protokoll("Pfeiltaste");
            taste(pfeile[zahl(0, 5)]);
        } else if (wahl < 61) {
            if (zahl(0, 3) == 0) {
                protokoll("F1");
                taste(Qt::Key_F1);
                ++hilfen;
            } else {
                protokoll("Escape");
                taste(Qt::Key_Escape, QString(QChar(27)));
            }
        } else if (wahl < 63) {
            protokoll("Strg+V");
            taste(Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
        } else if (wahl < 80) {
            const auto& [id, feld] = felder_[std::size_t(zahl(0, int(felder_.size()) - 1))];
            protokoll("Klick in " + feld->objectName().toStdString() + "(" +
                      std::to_string(id.index) + ")");
            QTest::mouseClick(feld, Qt::LeftButton, {},
                              QPoint(zahl(0, feld->width() - 1), zahl(0, feld->height() - 1)));
        } else if (wahl < 92) {
            const bool oben = zahl(0, 1) == 1;
            protokoll(oben ? "nachoben" : "nachunten");
            QTest::mouseClick(
                fenster_.feldwidget({oben ? Feldname::nachoben : Feldname::nachunten}),
                Qt::LeftButton);
            ++knoepfe;
        } else if (wahl < 99) {
            const bool insGitter = zahl(0, 2) > 0;
            QWidget* ziel = insGitter
                                ? gitter_->viewport()
                                : felder_[std::size_t(zahl(0, int(felder_.size()) - 1))].second;
            const int schritt = 120 * (zahl(0, 1) == 1 ? 1 : -1) * zahl(1, 5);
            protokoll("Rad " + std::to_string(schritt) + (insGitter ? " im Gitter" : " im Feld"));
            const QPointF punkt(ziel->width() / 2.0, ziel->height() / 2.0);
            QWheelEvent rad(punkt, ziel->mapToGlobal(punkt), QPoint(), QPoint(0, schritt),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(ziel, &rad);
        } else if (wahl < 100) {
            protokoll("Speichern");
            QTest::mouseClick(fenster_.feldwidget({Feldname::Speichern}), Qt::LeftButton);
            ++speicherungen;
        } else if (wahl < 102) {
            tabelleWechseln();
        } else if (wahl < 105) {
            menuepunkt();
        } else if (wahl < 110) {
            rueckgaengig(wahl < 108);
        } else if (wahl < 116) {
            fallDialog();
        } else if (wahl < 118) {
            neuOderZuletzt();
        } else if (wahl < 119) {
            schliessenMitFrage();
        } else {
            drucken();
        }
    }

    // Ctrl+Z or Ctrl+Shift+Z as keys where the cursor is, now and then from the menu.
    void rueckgaengig(bool zurueck) {
        ++rueckschritte;
        if (zahl(0, 3) == 0) {
            protokoll(zurueck ? "Bearbeiten › Rückgängig" : "Bearbeiten › Wiederherstellen");
            QAction* a = zurueck ? hauptfenster_.aktionen().rueckgaengig
                                 : hauptfenster_.aktionen().wiederherstellen;
            if (a->isEnabled()) a->trigger();
            return;
        }
        protokoll(zurueck ? "Strg+Z" : "Strg+Umschalt+Z");
        taste(Qt::Key_Z, {},
              zurueck ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    }

    // Settings a user might enter in Beginn, Stufe und Teilzeit, now and then some the case's
    // check refuses (the dialog then keeps OK off, and nothing changes).
    Kalenderangaben kalenderangaben() {
        Kalenderangaben k;
        const KalenderMonat beginn = fruehesterBeginn + zahl(0, 120);
        k.beginn = beginn;
        if (zahl(0, 2) == 0) k.ende = beginn + zahl(0, 420);
        if (zahl(0, 2) == 0) k.anteilN = 100 * zahl(1, 100);
        if (zahl(0, 1) == 0) k.anteilI = 100 * zahl(1, 100);
        if (zahl(0, 3) == 0) k.aktuelleStufe = AktuelleStufe{zahl(1, 6), beginn - zahl(0, 60)};
        if (zahl(0, 4) == 0) k.erhoehung = AngenommeneErhoehung{zahl(0, 100), beginn + zahl(0, 60)};
        k.mitSonderzahlung = zahl(0, 3) > 0;
        return k;
    }

    // A promotion of some group of a side's tables by date to one of the three above it.
    Hoehergruppierung hoehergruppierung() {
        Hoehergruppierung h;
        h.tabelle = zahl(0, 1) == 0 ? "vka" : "bund";
        const auto& katalog = sitzung_.daten().tabellenkatalog;
        const Tariftabelle& tabelle = katalog.tabelle(h.tabelle);
        const int gruppe = zahl(1, tabelle.gruppenzahl());
        h.gruppe = tabelle.gruppenbezeichnung(gruppe);
        h.zielgruppe =
            tabelle.gruppenbezeichnung(std::min(gruppe + zahl(1, 3), tabelle.gruppenzahl()));
        h.stufe = AktuelleStufe{zahl(1, 6), fruehesterBeginn + zahl(0, 36)};
        h.zum = h.stufe.seit + zahl(0, 60);
        if (zahl(0, 2) == 0) h.anteil = 100 * zahl(1, 100);
        return h;
    }

    // Tax and insurance settings a user might enter, now and then none (no net pay) or some the
    // case's check refuses.
    std::optional<Steuerangaben> steuerangaben() {
        if (zahl(0, 4) == 0) return std::nullopt;
        Steuerangaben s;
        s.steuerklasse = zahl(1, 6);
        if (zahl(0, 2) == 0) s.kinderfreibetraegeZehntel = 5 * zahl(0, 19);
        s.kirchensteuerProzent = std::array{0, 8, 9}[std::size_t(zahl(0, 2))];
        s.kinder = zahl(0, 4);
        s.sachsen = zahl(0, 5) == 0;
        if (zahl(0, 5) == 0)
            s.privatbeitrag = zahl(10000, 120000);
        else if (zahl(0, 1) == 0)
            s.zusatzbeitrag = Prozentsatz::hundertstel(zahl(0, 400));
        if (zahl(0, 1) == 0) s.zusatzversorgung = Prozentsatz::hundertstel(zahl(0, 1000));
        return s;
    }

    // The case's dialogs, each answered as a user would: Beginn, Stufe und Teilzeit, the year
    // view and its switch, the promotion check, the tax settings, the person.
    void fallDialog() {
        ++dialoge;
        static const Personenangaben personen[] = {
            {"Anna Müller", "4711", "Stadtverwaltung Musterstadt, Amt für Personal", "B. Meier"},
            {"Jürgen [*] Weiß", "", "", ""},
            {},
        };
        switch (zahl(0, 5)) {
            case 0:
                dialoge_->kalender = kalenderangaben();
                protokoll("Beginn, Stufe und Teilzeit");
                hauptfenster_.aktionen().kalender->trigger();
                break;
            case 1: {
                protokoll("Jahresübersicht und ihr Schalter");
                hauptfenster_.aktionen().jahresuebersicht->trigger();
                auto* ansicht = hauptfenster_.findChild<Jahresansicht*>();
                auto* schalter = ansicht ? ansicht->findChild<QCheckBox*>() : nullptr;
                if (!schalter) return fehler("Jahresübersicht ohne Schalter");
                if (schalter->isEnabled() && zahl(0, 1) == 0)
                    QTest::mouseClick(schalter, Qt::LeftButton);
                ansicht->close();
                break;
            }
            case 2:
            case 3:
                dialoge_->hoehergruppierung = hoehergruppierung();
                protokoll("Höhergruppierung prüfen " + dialoge_->hoehergruppierung->gruppe + " → " +
                          dialoge_->hoehergruppierung->zielgruppe);
                hauptfenster_.aktionen().hoehergruppierung->trigger();
                if (QWidget* ansicht = hauptfenster_.findChild<Jahresansicht*>()) ansicht->close();
                break;
            case 4:
                dialoge_->steuer = steuerangaben();
                protokoll("Steuer und Sozialversicherung");
                hauptfenster_.aktionen().steuer->trigger();
                break;
            default:
                dialoge_->person = personen[zahl(0, 2)];
                protokoll("Angaben zur Person");
                hauptfenster_.aktionen().person->trigger();
                break;
        }
    }

    // Neu or a case file from Datei › Zuletzt geöffnet, after the save question.
    void neuOderZuletzt() {
        antwortWaehlen();
        if (zahl(0, 1) == 0) {
            protokoll("Neu");
            hauptfenster_.aktionen().neu->trigger();
        } else {
            emit zuletztMenue_->aboutToShow();
            const QList<QAction*> punkte = zuletztMenue_->actions();
            if (punkte.isEmpty()) return fehler("Zuletzt geöffnet ist leer");
            QAction* punkt = punkte[zahl(0, int(punkte.size()) - 1)];
            protokoll("Zuletzt geöffnet " + punkt->text().toStdString());
            if (punkt->isEnabled()) punkt->trigger();
        }
        ++menuebefehle;
    }

    // The answer to "Änderungen speichern?": Speichern, Verwerfen or Abbrechen.
    void antwortWaehlen() {
        static constexpr Aenderungsantwort antworten[] = {Aenderungsantwort::speichern,
                                                          Aenderungsantwort::verwerfen,
                                                          Aenderungsantwort::abbrechen};
        dialoge_->aenderungsantwort = antworten[zahl(0, 2)];
    }

    // The close box, with the save question; a window that closed comes back for the next events.
    void schliessenMitFrage() {
        antwortWaehlen();
        protokoll("Schließen");
        ++schliessen;
        if (!hauptfenster_.close()) return;
        fenster_.show();
        hauptfenster_.show();
        hauptfenster_.activateWindow();
        if (!QTest::qWaitForWindowActive(&hauptfenster_)) fehler("das Fenster kommt nicht wieder");
    }

    // Ergebnis or Monatsliste as PDF, or printed through the printer dialog into a file.
    void drucken() {
        ++ausdrucke;
        dialoge_->datei = "ausdruck.pdf";
        dialoge_->ausdruck = zahl(0, 1) == 0 ? Ausdruck::ergebnis : Ausdruck::monatsliste;
        const int wie = zahl(0, 2);
        QAction* a = wie == 0   ? hauptfenster_.aktionen().ergebnisPdf
                     : wie == 1 ? hauptfenster_.aktionen().monatslistePdf
                                : hauptfenster_.aktionen().drucken;
        protokoll(a->text().toStdString());
        a->trigger();
    }

    // As the user who opens the menu Tabelle and picks one of its items.
    void tabelleWechseln() {
        // A table by date without a start month asks for one first.
        dialoge_->kalender = kalenderangaben();
        emit tabellenmenue_->aboutToShow();
        const QList<QAction*> punkte = tabellenmenue_->actions();
        if (punkte.isEmpty()) return fehler("das Menü Tabelle ist leer");
        QAction* punkt = punkte[zahl(0, int(punkte.size()) - 1)];
        protokoll("Tabelle " + punkt->text().toStdString());
        punkt->trigger();
        ++tabellenwechsel;
    }

    // A menu item of Datei or Bearbeiten on a few case files in the temporary folder; the file
    // dialogs answer with one of them, now and then with Abbrechen.
    void menuepunkt() {
        static constexpr QAction* Menueaktionen::*punkte[] = {
            &Menueaktionen::fallOeffnen, &Menueaktionen::fallSpeichern,
            &Menueaktionen::fallSpeichernUnter, &Menueaktionen::monatslisteCsv,
            &Menueaktionen::monatstabelleKopieren};
        static constexpr const char* namen[] = {"Fall öffnen", "Fall speichern",
                                                "Fall speichern unter", "Monatsliste als CSV",
                                                "Monatstabelle kopieren"};
        const int welcher = zahl(0, 4);
        const int datei = zahl(0, 3);
        dialoge_->datei.reset();
        if (datei > 0)
            dialoge_->datei =
                welcher == 3 ? "monatsliste.csv" : "fall" + std::to_string(datei) + ".korvalt";
        // A case file not saved yet would only bring the message that it is missing.
        if (welcher == 0 && dialoge_->datei && !std::filesystem::exists(ordner_ / *dialoge_->datei))
            dialoge_->datei = std::string("fall1.korvalt");
        if (welcher == 0 && !std::filesystem::exists(ordner_ / "fall1.korvalt")) return;
        protokoll(std::string(namen[welcher]) + " " + dialoge_->datei.value_or("(Abbrechen)"));
        QAction* aktion = hauptfenster_.aktionen().*punkte[welcher];
        if (aktion->isEnabled()) aktion->trigger();
        if (aktion == hauptfenster_.aktionen().monatstabelleKopieren)
            QGuiApplication::clipboard()->setText("12ab-3,5");
        ++menuebefehle;
    }

    void fehler(const std::string& was) {
        ++fehlerzahl_;
        std::cerr << "dauerlauf: " << was << "\n";
    }

    void pruefen(long n) {
        const std::string nach = " (nach " + std::to_string(n) + " Ereignissen)";
        const Falltabellen& t = sitzung_.tabellen();

        for (const auto& [id, feld] : felder_) {
            QString ziffern = feld->text();
            // The start group of a table with 9a, 9b and 9c shows its label.
            if (id.name == Feldname::Startgruppe &&
                sitzung_.rechner().tabelle().hatBuchstabengruppen() && !ziffern.isEmpty() &&
                QStringLiteral("abcABC").contains(ziffern.back()))
                ziffern.chop(1);
            for (QChar c : ziffern)
                if (c < u'0' || c > u'9') {
                    fehler(feld->objectName().toStdString() + "(" + std::to_string(id.index) +
                           ") hält \"" + feld->text().toStdString() + "\"" + nach);
                    break;
                }
            if (const auto d = dauerfeld(id)) {
                const int wert = gespeicherterWert(sitzung_.tabellen(), *d);
                if (wert < 0 || wert > d->grenze())
                    fehler(feld->objectName().toStdString() + "(" + std::to_string(id.index) +
                           ") speichert " + std::to_string(wert) + nach);
            }
        }
        if (t.gruppe(1) < kleinsteStartgruppe ||
            t.gruppe(1) > sitzung_.rechner().tabelle().gruppenzahl())
            fehler("Startgruppe " + std::to_string(t.gruppe(1)) + nach);

        const int anzahl = sitzung_.daten().monatsanzahl;
        monatszahlen.insert(anzahl);
        if (anzahl != std::max(t.letztermonat(1), t.letztermonat(2)) || anzahl > letzterMonat)
            fehler("Monatsanzahl " + std::to_string(anzahl) + nach);
        const QAbstractItemModel& modell = *gitter_->model();
        if (modell.rowCount() != anzahl + 4 || fenster_.gitter().zeilenzahl() != anzahl + 4)
            fehler("Gitter mit " + std::to_string(modell.rowCount()) + " Zeilen bei " +
                   std::to_string(anzahl) + " Monaten" + nach);

        if (!meldungen_.warnungen.empty())
            fehler("Warnung: " + meldungen_.warnungen.front() + nach);

        wiederGeoeffnet(nach);
        geldPruefen(nach);
        verlaufZeigen();
    }

    // Saved and opened again as a new start would, the case has every record it had (case,
    // table, calendar, names, person) and shows the totals the window shows: an undo never leaves
    // the window showing one case and the Sitzung holding another.
    void wiederGeoeffnet(const std::string& nach) {
        const Tariftabelle& tabelle = sitzung_.rechner().tabelle();
        tabellen.insert(tabelle.schluessel);
        const auto saetze =
            sitzung_.einstellungssaetze(tabelle.gruppenbezeichnung(sitzung_.tabellen().gruppe(1)));
        const auto datei = ordner_ / "pruefung.korvalt";
        std::string grund;
        if (!einstellungsdateiSchreiben(datei, saetze, grund)) return fehler(grund + nach);
        Speicherfall wieder;
        test::Meldungsprotokoll still;
        if (const std::string f = wieder.anzeige.laden({{KORVALT_TARIFORDNER}, datei}, still);
            !f.empty())
            return fehler("Wieder öffnen: " + f + nach);
        const Tariftabelle& wiederTabelle = wieder.sitzung.rechner().tabelle();
        if (wieder.sitzung.einstellungssaetze(
                wiederTabelle.gruppenbezeichnung(wieder.sitzung.tabellen().gruppe(1))) != saetze)
            fehler("Speichern und Öffnen ergibt andere Sätze" + nach);
        for (Feldname f : {Feldname::Ergebnis1, Feldname::Ergebnis2, Feldname::Differenz})
            if (wieder.felder.text({f}) != fenster_.text({f}))
                fehler("Wieder geöffnet " + wieder.felder.text({f}) + " statt angezeigt " +
                       fenster_.text({f}) + nach);
    }

    // The money: every month the grid shows and the totals of the panels, added up here on their
    // own. The table of 2006 keeps a running total after every month, a half to even; the tables
    // with cents add cents exactly and show whole euros, a half away from zero.
    void geldPruefen(const std::string& nach) {
        const Falltabellen& t = sitzung_.tabellen();
        const bool inCent = sitzung_.rechner().tabelle().inCent;
        const auto euro = [](std::int64_t cent) { return (cent + (cent < 0 ? -50 : 50)) / 100; };
        const QAbstractItemModel& modell = *gitter_->model();
        std::int64_t summeN = 0, summeI = 0;
        int falscherMonat = 0;
        for (int m = 1; m <= sitzung_.daten().monatsanzahl; ++m) {
            std::string n, i;
            if (inCent) {
                summeN += t.monatscentN(m);
                summeI += t.monatscentI(m);
                n = tausenderText(double(euro(t.monatscentN(m))));
                i = tausenderText(double(euro(t.monatscentI(m))));
            } else {
                summeN = alsGanz64(double(summeN) + t.monatsbetragN(m));
                summeI = alsGanz64(double(summeI) + t.monatsbetragI(m));
                n = tausenderText(t.monatsbetragN(m));
                i = tausenderText(t.monatsbetragI(m));
            }
            const auto zelle = [&](int spalte) {
                return modell.data(modell.index(m + 2, spalte)).toString().toStdString();
            };
            if (falscherMonat == 0 && (zelle(3) != n || zelle(6) != i)) {
                falscherMonat = m;
                fehler("Monat " + std::to_string(m) + " zeigt " + zelle(3) + " / " + zelle(6) +
                       " statt " + n + " / " + i + nach);
            }
        }
        const auto zeigt = [&](Feldname f, std::int64_t wert) {
            if (fenster_.text({f}) != tausenderText(double(wert)))
                fehler(std::string("Summe ") + fenster_.text({f}) + " statt " +
                       tausenderText(double(wert)) + nach);
        };
        zeigt(Feldname::Ergebnis1, inCent ? euro(summeN) : summeN);
        zeigt(Feldname::Ergebnis2, inCent ? euro(summeI) : summeI);
        zeigt(Feldname::Differenz, inCent ? euro(summeI - summeN) : summeI - summeN);
    }

    void verlaufZeigen() {
        if (fehlerzahl_ > 0) {
            std::cerr << "Die letzten Ereignisse:\n";
            for (const auto& e : verlauf_) std::cerr << "  " << e << "\n";
        }
    }

    std::mt19937 zufall_;
    std::filesystem::path ordner_;
    Dauerlaufmeldungen meldungen_;
    Sitzung sitzung_;
    std::shared_ptr<test::Testdialoge> dialoge_ = std::make_shared<test::Testdialoge>(ordner_);
    Hauptfenster hauptfenster_{sitzung_, meldungen_};
    Korvaltei& fenster_ = hauptfenster_.korvaltei();
    QMenu* tabellenmenue_ = nullptr;
    QMenu* zuletztMenue_ = nullptr;
    std::vector<std::pair<FeldId, QLineEdit*>> felder_;
    QTableView* gitter_ = nullptr;
    std::deque<std::string> verlauf_;
    int fehlerzahl_ = 0;
};

}  // namespace
}  // namespace korvalt

// The offscreen platform says of every raise() of the help window that it cannot; only that is
// kept quiet.
void meldungFiltern(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (text.startsWith("This plugin does not support")) return;
    std::cerr << qFormatLogMessage(art, ort, text).toStdString() << "\n";
}

int main(int argc, char** argv) {
    qInstallMessageHandler(meldungFiltern);
    const long ereignisse = argc > 1 ? std::atol(argv[1]) : 5000;
    const unsigned seed = argc > 2 ? unsigned(std::atol(argv[2])) : 8;
    QApplication anwendung(argc, argv);
    // The recent files of this run only, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("korvalt-dauerlauf"));
    QSettings().clear();
    korvalt::test::TemporaeresVerzeichnis ordner;
    auto lauf = std::make_unique<korvalt::Dauerlauf>(seed, ordner.pfad());
    const bool gut = lauf->laufen(ereignisse);
    std::cout << "dauerlauf: " << ereignisse << " Ereignisse (Startwert " << seed << "), "
              << lauf->eingaben << " Ziffern, " << lauf->bestaetigungen << " Enter, "
              << lauf->knoepfe << " Pfeilknöpfe, " << lauf->hilfen << " F1, " << lauf->speicherungen
              << " Speichern, " << lauf->tabellenwechsel << " Tabellenwechsel, "
              << lauf->menuebefehle << " Menübefehle, " << lauf->rueckschritte
              << " Rückgängig/Wiederherstellen, " << lauf->dialoge << " Falldialoge, "
              << lauf->ausdrucke << " Ausdrucke, " << lauf->schliessen << " Schließen, "
              << lauf->meldungen().hinweise << " Hinweise, " << lauf->meldungen().ablehnungen
              << " Ablehnungen, " << lauf->monatszahlen.size() << " verschiedene Monatszahlen in "
              << lauf->tabellen.size()
              << " Tabellen geprüft: " << (gut ? "alle Prüfungen bestanden" : "FEHLER") << "\n";
    return gut ? 0 : 1;
}
