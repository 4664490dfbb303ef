// The program's main window: the menu bar, the client area Korvaltei below it and a status line.
//
// Korvaltei stays the design's client area, with its fields, buttons, caption and printouts; this
// window only frames it. It builds the menus and their items, QActions with captions and keys; the
// work of an item is connected to its `triggered` from outside, as the buttons' work is attached to
// Korvaltei with setzeKlick (output_qt/menuebefehle.h). Beenden and Hilfe are the window's own. It
// knows whether the case was changed since it was opened or saved, and keeps the list of the case
// files opened last in the user's configuration.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "einstellungssatz.h"
#include "korvaltei.h"

class QAction;
class QLabel;
class QMenu;

namespace korvalt {
class Aufschluesselungsansicht;
class Jahresansicht;
}  // namespace korvalt

namespace korvalt {

// The menu items. Those whose work is not connected yet are greyed out; whoever connects work to
// `triggered` enables the item.
struct Menueaktionen {
    QAction* neu;
    QAction* fallOeffnen;
    QAction* fallSpeichern;
    QAction* fallSpeichernUnter;
    QAction* ergebnisPdf;
    QAction* monatslistePdf;
    QAction* monatslisteCsv;
    QAction* drucken;
    QAction* seitenansicht;
    QAction* beenden;
    QAction* monatstabelleKopieren;
    QAction* jahresuebersicht;   // Ansicht › Jahresübersicht…
    QAction* aufschluesselung;   // Ansicht › Monat aufschlüsseln…
    QAction* kalender;           // Fall › Beginn, Stufe und Teilzeit…
    QAction* person;             // Fall › Angaben zur Person…
    QAction* steuer;             // Fall › Steuer und Sozialversicherung…
    QAction* hoehergruppierung;  // Fall › Höhergruppierung prüfen…
    QAction* hilfe;              // Korvaltei's own, shared with the button Hilfe and F1
    QAction* ueber;
};

class Hauptfenster : public QMainWindow {
  public:
    // `sitzung` and `meldungen` as for Korvaltei; both must outlive the window.
    Hauptfenster(Sitzung& sitzung, Meldungen& meldungen, QWidget* eltern = nullptr);

    Korvaltei& korvaltei() { return *korvaltei_; }

    const Menueaktionen& aktionen() const { return aktionen_; }

    // A new menu in the menu bar before Hilfe, which stays the last menu.
    QMenu* menueEinfuegen(const QString& titel);

    // The case file the window shows: its name follows the caption in the title ("… –
    // Muster.korvalt"), its full path stands in the status line. Nothing: the case came from the
    // settings file or is the example case. A named file goes to the top of the recent files.
    void setzeFalldatei(std::optional<std::filesystem::path> datei);
    const std::optional<std::filesystem::path>& falldatei() const { return falldatei_; }

    // A short note in the status line that goes again after a while.
    void melden(const QString& text);
    // An offer in the status line, a text with one button, that stays until the button is
    // pressed or the case shown counts as saved again (alsGespeichertMerken: it was saved, or
    // another case opened). A new offer replaces the one shown.
    void angebotZeigen(const QString& text, const QString& knopf, std::function<void()> annehmen);
    void angebotEntfernen();

    // Whether the case differs from the one last opened or saved; the title then carries "*".
    bool geaendert() const { return stand_ != gespeichert_; }
    // Takes note of a change of the case that needs no recalculation (its person): the change
    // mark and the title follow, as after a recalculation.
    void standPruefen();
    // The case shown now counts as the one saved (after opening, saving, starting anew).
    void alsGespeichertMerken();
    // Asked before the case is closed or replaced while it has changes: saves it or lets it go,
    // true to go on, false when the user keeps the case. Without it nothing is asked.
    void setzeAenderungsfrage(std::function<bool()> frage) { frage_ = std::move(frage); }
    // True when the case may be closed or replaced: no changes, or the question said so.
    bool aenderungenKlaeren();

    // The case files opened or saved last, newest first, at most `zuletztAnzahl`; the work of one
    // chosen from Datei › Zuletzt geöffnet.
    static constexpr int zuletztAnzahl = 8;
    std::vector<std::filesystem::path> zuletztGeoeffnet() const;
    void setzeZuletztOeffnen(std::function<void(const std::filesystem::path&)> arbeit) {
        zuletztOeffnen_ = std::move(arbeit);
    }

    // A table chosen in the menu Tabelle that needs a start month the case lacks: asks for the
    // calendar settings and chooses the table with them. Without it such a table is refused.
    void setzeKalenderFuerTabelle(std::function<void(const Tariftabelle&)> arbeit) {
        kalenderFuerTabelle_ = std::move(arbeit);
    }
    const std::function<void(const Tariftabelle&)>& kalenderFuerTabelle() const {
        return kalenderFuerTabelle_;
    }

    // The year view, made when it is first asked for (its chart costs time), then shown and raised.
    Jahresansicht& jahresansichtZeigen();
    // The breakdown of month `monat` (from 1), made when first asked for, then shown and raised; it
    // follows the case from then on. A click on a month of the grid shows that month's while the
    // case has net pay; Ctrl+D shows the month of the grid's current row.
    Aufschluesselungsansicht& aufschluesselungZeigen(int monat);

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    std::vector<Einstellungssatz> aktuellerStand() const;
    void zuletztMerken(const std::filesystem::path& datei);
    void zuletztZeigen();
    QAction* neueAktion(QMenu* menue, const QString& text,
                        QKeySequence::StandardKey taste = QKeySequence::UnknownKey,
                        const QKeySequence& ersatz = {});
    void titelSetzen();
    void steueranzeigeSetzen();
    // The month of the grid's current row; nothing on a heading or the closing row.
    std::optional<int> gittermonat() const;

    Korvaltei* korvaltei_;
    Menueaktionen aktionen_{};
    QMenu* hilfemenue_ = nullptr;
    QMenu* zuletztMenue_ = nullptr;
    QLabel* dateianzeige_ = nullptr;
    Jahresansicht* jahresansicht_ = nullptr;
    Aufschluesselungsansicht* aufschluesselung_ = nullptr;
    // The case's calendar settings, always in the status line while any is set.
    QLabel* kalenderanzeige_ = nullptr;
    // The case's tax class while it has tax settings.
    QLabel* steueranzeige_ = nullptr;
    QWidget* angebot_ = nullptr;
    std::optional<std::filesystem::path> falldatei_;
    // The records the case would be saved as: now, and when it was last opened or saved.
    std::vector<Einstellungssatz> stand_;
    std::vector<Einstellungssatz> gespeichert_;
    std::function<bool()> frage_;
    std::function<void(const std::filesystem::path&)> zuletztOeffnen_;
    std::function<void(const Tariftabelle&)> kalenderFuerTabelle_;
};

}  // namespace korvalt
