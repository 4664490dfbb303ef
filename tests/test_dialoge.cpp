// Qt's dialogs behind the dialog interface, offscreen: each opens as the dialog it should be and
// answers with what the user did there. What the printouts paint is tested with the printouts.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dialoge.h"
#include "qt_anwendung.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

// Runs `handeln` on the modal dialog as soon as it is open; the dialog is closed afterwards.
void imDialog(std::function<void(QWidget&)> handeln) {
    auto* warten = new QTimer;
    warten->setInterval(5);
    QObject::connect(warten, &QTimer::timeout, [warten, handeln] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            warten->stop();
            warten->deleteLater();
            handeln(*dialog);
            // A check that failed inside `handeln` must not leave the test waiting on the dialog.
            if (auto* offen = qobject_cast<QDialog*>(dialog); offen && offen->isVisible())
                offen->reject();
        }
    });
    warten->start();
}

class DialogeTest : public ::testing::Test {
  protected:
    QWidget eltern;
    // The sections of the help F1 asked for.
    std::vector<std::string> hilfe;
    Desktopdialoge dialoge{&eltern,
                           [this](std::string_view abschnitt) { hilfe.emplace_back(abschnitt); }};
    test::TemporaeresVerzeichnis verzeichnis;
};

// F1 in each of the program's dialogs asks for its own section of the help, and the dialog leaves
// the help window usable: it is modal to its parent window only.
TEST_F(DialogeTest, F1ImDialogOeffnetSeinenAbschnittDerHilfe) {
    const std::function<void()> oeffnen[] = {
        [this] { dialoge.kalenderWaehlen(Kalenderangaben{}, Kalenderpruefung{}); },
        [this] { dialoge.personWaehlen(Personenangaben{}); },
        [this] {
            dialoge.hoehergruppierungWaehlen(Hoehergruppierungsvorschlag{},
                                             Hoehergruppierungspruefung{});
        },
        [this] { dialoge.steuerWaehlen(std::nullopt, Steuerpruefung{}); },
        [this] { dialoge.zeitraeumeWaehlen({}, Fallnamen{}, Zeitraumpruefung{}); },
    };
    for (const auto& dialogOeffnen : oeffnen) {
        Qt::WindowModality modal = Qt::NonModal;
        imDialog([&modal](QWidget& dialog) {
            modal = dialog.windowModality();
            // The offscreen platform need not have activated it yet.
            QApplication::setActiveWindow(&dialog);
            QTest::keyClick(&dialog, Qt::Key_F1);
        });
        dialogOeffnen();
        EXPECT_EQ(modal, Qt::WindowModal);
    }
    EXPECT_EQ(hilfe, (std::vector<std::string>{"kalender", "person", "hoehergruppierung", "steuer",
                                               "zeitraeume"}));
}

TEST_F(DialogeTest, SeitenansichtZeigtDieSeitenDesDruckvorgangs) {
    int gemalt = 0;
    const Druckvorgang seite = [&gemalt](QPrinter& printer, std::string&) {
        ++gemalt;
        QPainter maler(&printer);
        maler.drawText(100, 100, "Seite");
        return true;
    };
    int seiten = -1;
    QString titel;
    imDialog([&](QWidget& dialog) {
        titel = dialog.windowTitle();
        auto* vorschau = qobject_cast<QPrintPreviewDialog*>(&dialog);
        ASSERT_NE(vorschau, nullptr);
        seiten = vorschau->findChild<QPrintPreviewWidget*>()->pageCount();
        vorschau->reject();
    });
    std::string fehler;
    EXPECT_TRUE(dialoge.vorschauZeigen("Seitenansicht \u2013 Test", seite, fehler));
    EXPECT_EQ(titel, "Seitenansicht \u2013 Test");
    EXPECT_EQ(seiten, 1);
    EXPECT_GE(gemalt, 1);

    // A page that cannot be drawn is reported after the preview closes.
    imDialog([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    const Druckvorgang kaputt = [](QPrinter&, std::string& grund) {
        grund = "Der Drucker ist kaputt.";
        return false;
    };
    EXPECT_FALSE(dialoge.vorschauZeigen("Seitenansicht", kaputt, fehler));
    EXPECT_EQ(fehler, "Der Drucker ist kaputt.");
}

TEST_F(DialogeTest, DruckerdialogAbgebrochenDrucktNicht) {
    QPrinter printer(QPrinter::HighResolution);
    QString titel;
    imDialog([&](QWidget& dialog) {
        titel = dialog.windowTitle();
        EXPECT_NE(qobject_cast<QPrintDialog*>(&dialog), nullptr);
        static_cast<QDialog&>(dialog).reject();
    });
    EXPECT_FALSE(dialoge.druckerWaehlen(printer));
    EXPECT_EQ(titel, "Drucken");
}

// A file target of the printer dialog goes by the writer's rules before Qt opens it: a FIFO is
// refused with the writer's reason and the dialog stays open instead of freezing; a link whose
// file does not exist yet reaches Qt as that file, so the link stays and nothing is left behind.
TEST_F(DialogeTest, DruckerdialogPrueftEinDateizielWieDerSchreiber) {
    const auto rohr = verzeichnis.pfad() / "rohr.pdf";
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0644), 0);
    const auto verweis = verzeichnis.pfad() / "verweis.pdf";
    const auto spaeter = verzeichnis.pfad() / "spaeter.pdf";
    std::filesystem::create_symlink("spaeter.pdf", verweis);
    const auto drucken = [](QWidget& dialog) {
        auto* knoepfe = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(knoepfe, nullptr);
        knoepfe->button(QDialogButtonBox::Ok)->click();
    };

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(rohr.string()));
    QString meldung;
    bool offen = false;
    imDialog([&](QWidget& dialog) {
        imDialog([&](QWidget& box) {
            meldung = dynamic_cast<QMessageBox&>(box).text();
            static_cast<QDialog&>(box).accept();
        });
        drucken(dialog);
        offen = dialog.isVisible();
    });
    EXPECT_FALSE(dialoge.druckerWaehlen(printer));
    EXPECT_EQ(
        meldung.toStdString(),
        "\u201E" + rohr.string() + "\u201C ist keine gewöhnliche Datei und wird nicht ersetzt.");
    EXPECT_TRUE(offen);

    printer.setOutputFileName(QString::fromStdString(verweis.string()));
    imDialog(drucken);
    EXPECT_TRUE(dialoge.druckerWaehlen(printer));
    EXPECT_EQ(printer.outputFileName().toStdString(), spaeter.string());
    EXPECT_TRUE(std::filesystem::is_symlink(verweis));
    EXPECT_FALSE(std::filesystem::exists(spaeter));
}

TEST_F(DialogeTest, AusdruckNachDemGedruecktenKnopf) {
    auto drueckt = [](const char* knopf) {
        return [knopf](QWidget& dialog) {
            for (auto* k : dialog.findChildren<QPushButton*>())
                if (k->text() == knopf) return k->click();
            ADD_FAILURE() << knopf;
        };
    };
    imDialog(drueckt("Monatsliste"));
    EXPECT_EQ(dialoge.ausdruckWaehlen("Drucken"), Ausdruck::monatsliste);
    imDialog(drueckt("Ergebnis"));
    EXPECT_EQ(dialoge.ausdruckWaehlen("Drucken"), Ausdruck::ergebnis);
    imDialog([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    EXPECT_EQ(dialoge.ausdruckWaehlen("Drucken"), std::nullopt);
}

// A name typed without any ending gets the offered one; a name with an ending is kept.
TEST_F(DialogeTest, SpeichernHaengtDieEndungNurOhneEndungAn) {
    const std::string filter = "Korvalt-Fälle (*.korvalt);;Alle Dateien (*)";
    const auto vorschlag = (verzeichnis.pfad() / "Fall.korvalt").string();
    for (const auto& [getippt, erwartet] : {std::pair{"Neu", "Neu.korvalt"},
                                            {"Neu.korvalt", "Neu.korvalt"},
                                            {"Neu.dat", "Neu.dat"}}) {
        QString titel;
        imDialog([&](QWidget& dialog) {
            titel = dialog.windowTitle();
            // Typed into the name field, as the user does.
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(getippt);
            static_cast<QDialog&>(dialog).accept();
        });
        EXPECT_EQ(dialoge.speichernWaehlen("Fall speichern unter", vorschlag, filter, "korvalt"),
                  (verzeichnis.pfad() / erwartet).string());
        EXPECT_EQ(titel, "Fall speichern unter");
    }
    imDialog([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    EXPECT_EQ(dialoge.speichernWaehlen("Fall speichern unter", vorschlag, filter, "korvalt"),
              std::nullopt);
}

// A PDF name typed without ".pdf" is asked about with its ending: the file that would be replaced
// is the one named in the question, and "Nein" replaces nothing. Qt asks about a name without any
// ending and keeps its dialog open; a name with another ending is asked about once it has ".pdf",
// and "Nein" opens the dialog again.
TEST_F(DialogeTest, PdfNameOhneEndungWirdMitEndungGefragt) {
    for (const std::string vorhanden : {"Bericht.pdf", "Bericht 1.5.pdf"}) {
        std::ofstream(verzeichnis.pfad() / vorhanden) << "alt";
        const std::string getippt = vorhanden.substr(0, vorhanden.size() - 4);
        const bool unsereFrage = getippt.find('.') != std::string::npos;
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            QString frage;
            QString wiederGeoeffnet;
            imDialog([&](QWidget& dialog) {
                auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
                ASSERT_NE(name, nullptr);
                name->setText(QString::fromStdString(getippt));
                imDialog([&](QWidget& box) {
                    auto& meldung = dynamic_cast<QMessageBox&>(box);
                    frage = meldung.text();
                    if (antwort == QMessageBox::No && unsereFrage)
                        imDialog([&](QWidget& wieder) {
                            wiederGeoeffnet = wieder.findChild<QLineEdit*>("fileNameEdit")->text();
                        });
                    meldung.button(antwort)->click();
                });
                static_cast<QDialog&>(dialog).accept();
            });
            const auto datei = dialoge.pdfDateiWaehlen((verzeichnis.pfad() / "x.pdf").string());
            EXPECT_NE(frage.indexOf(QString::fromStdString(vorhanden)), -1)
                << vorhanden << ": " << frage.toStdString();
            if (antwort == QMessageBox::Yes) {
                EXPECT_EQ(datei, (verzeichnis.pfad() / vorhanden).string());
            } else {
                EXPECT_EQ(datei, std::nullopt);
                if (unsereFrage) {
                    EXPECT_EQ(wiederGeoeffnet.toStdString(), vorhanden);
                }
            }
        }
    }
}

// A case file whose name is not UTF-8, proposed and accepted as it is, is the same file.
TEST_F(DialogeTest, SpeichernUnterBehaeltEinenNamenInLatin1) {
    const auto datei = verzeichnis.pfad() / "caf\xe9.korvalt";
    std::ofstream(datei) << "st";
    imDialog([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    EXPECT_EQ(dialoge.speichernWaehlen("Fall speichern unter", datei.native(), "", "korvalt"),
              datei.native());
}

// A PDF proposed in a folder whose name is not UTF-8 (beside a case file there) is written there
// under the proposed bytes; a name typed into that folder lands in it too.
TEST_F(DialogeTest, PdfInEinemOrdnerInLatin1) {
    const auto ordner = verzeichnis.pfad() / "Akten M\xfcller";
    std::filesystem::create_directory(ordner);
    const auto vorschlag = ordner / "Fall \xe4 \u2013 Ergebnis.pdf";
    imDialog([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    EXPECT_EQ(dialoge.pdfDateiWaehlen(vorschlag.native()), vorschlag.native());
    imDialog([](QWidget& dialog) {
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText("Neu");
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(dialoge.pdfDateiWaehlen(vorschlag.native()), (ordner / "Neu.pdf").native());
}

TEST_F(DialogeTest, OeffnenGibtDieGewaehlteDatei) {
    const auto datei = verzeichnis.pfad() / "Muster.korvalt";
    std::ofstream(datei) << "st";
    imDialog([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Fall öffnen");
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(datei.string()));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(
        dialoge.oeffnenWaehlen("Fall öffnen", "Korvalt-Fälle (*.korvalt);;Alle Dateien (*)", ""),
        datei.string());
}

// A file dialog starts in the folder it is given (the case file's), else in the folder of the
// file chosen last in any of the dialogs.
TEST_F(DialogeTest, DateidialogeBeginnenImOrdnerDesFallsSonstImZuletztBenutzten) {
    const auto akten = verzeichnis.pfad() / "Akten";
    const auto anderswo = verzeichnis.pfad() / "anderswo";
    std::filesystem::create_directory(akten);
    std::filesystem::create_directory(anderswo);
    QString ordner;
    const auto ordnerMerkenUndAbbrechen = [&ordner](QWidget& dialog) {
        ordner = static_cast<QFileDialog&>(dialog).directory().absolutePath();
        static_cast<QDialog&>(dialog).reject();
    };
    imDialog([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    ASSERT_TRUE(dialoge.speichernWaehlen("Fall speichern unter", (akten / "Fall.korvalt").string(),
                                         "", "korvalt"));
    const QString zuletzt = QString::fromStdString(akten.string());
    imDialog(ordnerMerkenUndAbbrechen);
    dialoge.oeffnenWaehlen("Fall öffnen", "", "");
    EXPECT_EQ(ordner, zuletzt);
    imDialog(ordnerMerkenUndAbbrechen);
    dialoge.pdfDateiWaehlen("Beispielfall \u2013 Ergebnis.pdf");
    EXPECT_EQ(ordner, zuletzt);
    imDialog(ordnerMerkenUndAbbrechen);
    dialoge.speichernWaehlen("Monatsliste als CSV speichern", "Monatsliste.csv", "", "csv");
    EXPECT_EQ(ordner, zuletzt);
    imDialog(ordnerMerkenUndAbbrechen);
    dialoge.oeffnenWaehlen("Fall öffnen", "", anderswo.string());
    EXPECT_EQ(ordner, QString::fromStdString(anderswo.string()));
}

// Plain text, and wide enough that a long path stays on one line.
TEST_F(DialogeTest, HinweisZeigtDenTextWieErIst) {
    const QString pfad =
        "Einstellungsdatei: /home/benutzer/Dokumente/Korvalt/korvalt-einstellungen.dat";
    QString text;
    int breite = 0;
    int pfadbreite = 0;
    imDialog([&](QWidget& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        text = box.text();
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        breite = box.width();
        pfadbreite = box.fontMetrics().horizontalAdvance(pfad);
        box.accept();
    });
    dialoge.hinweisen("Über Korvalt", "Korvalt <1>\n" + pfad.toStdString());
    EXPECT_EQ(text, "Korvalt <1>\n" + pfad);
    EXPECT_GT(breite, pfadbreite);
}

}  // namespace
