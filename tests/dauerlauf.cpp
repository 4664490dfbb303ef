// Soak test of the real window: random keys, clicks, wheel turns, arrow-button presses, table
// switches and menu items (case files opened and saved in a temporary folder, the CSV export) from
// a fixed seed, with the window's promises checked every 500 events. `dauerlauf [events [seed]]`;
// exit status 0 when every check held.
#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
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
#include "korvaltei.h"
#include "meldungsprotokoll.h"
#include "menuebefehle.h"
#include "speichern.h"
#include "tariftabelle.h"
#include "testdialoge.h"
#include "zahlen.h"

namespace korvalt {
namespace {

constexpr int pruefabstand = 500;

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
         tabellenwechsel = 0, menuebefehle = 0;
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
        const int wahl = zahl(0, 104);
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
        } else {
            menuepunkt();
        }
    }

    // As the user who opens the menu Tabelle and picks one of its items.
    void tabelleWechseln() {
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

        // Saved and restored into fresh tables, the case is the same.
        const int gruppenzahl = sitzung_.rechner().tabelle().gruppenzahl();
        Falltabellen wieder;
        const auto startgruppe = einstellungssatzWiederherstellen(
            einstellungssatzBilden(t.gruppe(1), t, gruppenzahl), wieder, gruppenzahl);
        if (!startgruppe || *startgruppe != t.gruppe(1) || wieder.grdauerN != t.grdauerN ||
            wieder.grdauerI != t.grdauerI || wieder.stufendauer != t.stufendauer)
            fehler("Speichern und Laden ergibt einen anderen Fall" + nach);

        // The totals as the table of 2006 rounds them: the running total after every month, a
        // half to even; the grid shows each month's pay, the panels the totals. The tables with
        // cents add cents exactly; their sums are the fuzz targets' and the unit tests' to check.
        if (sitzung_.rechner().tabelle().regel != Aufstiegsregel::von2006) {
            verlaufZeigen();
            return;
        }
        std::int64_t summeN = 0, summeI = 0;
        int falscherMonat = 0;
        for (int m = 1; m <= anzahl; ++m) {
            summeN = alsGanz64(double(summeN) + t.monatsbetragN(m));
            summeI = alsGanz64(double(summeI) + t.monatsbetragI(m));
            const auto zelle = [&](int spalte) {
                return modell.data(modell.index(m + 2, spalte)).toString().toStdString();
            };
            if (falscherMonat == 0 && (zelle(3) != tausenderText(t.monatsbetragN(m)) ||
                                       zelle(6) != tausenderText(t.monatsbetragI(m)))) {
                falscherMonat = m;
                fehler("Monat " + std::to_string(m) + " zeigt " + zelle(3) + " / " + zelle(6) +
                       nach);
            }
        }
        const auto zeigt = [&](Feldname f, std::int64_t wert) {
            if (fenster_.text({f}) != tausenderText(double(wert)))
                fehler(std::string("Summe ") + fenster_.text({f}) + " statt " +
                       tausenderText(double(wert)) + nach);
        };
        zeigt(Feldname::Ergebnis1, summeN);
        zeigt(Feldname::Ergebnis2, summeI);
        zeigt(Feldname::Differenz, summeI - summeN);
        verlaufZeigen();
    }

    void verlaufZeigen() {
        if (fehlerzahl_ > 0) {
            std::cerr << "Die letzten Ereignisse:\n";
            for (const auto& e : verlauf_) std::cerr << "  " << e << "\n";
        }
    }

    std::mt19937 zufall_;
    std::filesystem::path ordner_;
    test::Meldungsprotokoll meldungen_;
    Sitzung sitzung_;
    std::shared_ptr<test::Testdialoge> dialoge_ = std::make_shared<test::Testdialoge>(ordner_);
    Hauptfenster hauptfenster_{sitzung_, meldungen_};
    Korvaltei& fenster_ = hauptfenster_.korvaltei();
    QMenu* tabellenmenue_ = nullptr;
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
    korvalt::test::TemporaeresVerzeichnis ordner;
    auto lauf = std::make_unique<korvalt::Dauerlauf>(seed, ordner.pfad());
    const bool gut = lauf->laufen(ereignisse);
    std::cout << "dauerlauf: " << ereignisse << " Ereignisse (Startwert " << seed << "), "
              << lauf->eingaben << " Ziffern, " << lauf->bestaetigungen << " Enter, "
              << lauf->knoepfe << " Pfeilknöpfe, " << lauf->hilfen << " F1, " << lauf->speicherungen
              << " Speichern, " << lauf->tabellenwechsel << " Tabellenwechsel, "
              << lauf->menuebefehle << " Menübefehle, " << lauf->monatszahlen.size()
              << " verschiedene Monatszahlen geprüft: "
              << (gut ? "alle Prüfungen bestanden" : "FEHLER") << "\n";
    return gut ? 0 : 1;
}
