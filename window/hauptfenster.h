// The program's main window: the menu bar, the client area Korvaltei below it and a status line.
//
// Korvaltei stays the design's client area, with its fields, buttons, caption and printouts; this
// window only frames it. It builds the menus and their items, QActions with captions and keys; the
// work of an item is connected to its `triggered` from outside, as the buttons' work is attached to
// Korvaltei with setzeKlick (output_qt/menuebefehle.h). Beenden, Hilfe, Rückgängig and
// Wiederherstellen are the window's own. Every change of the case is a step on its undo stack, and
// the stack knows whether the case was changed since it was opened or saved; the window keeps the
// list of the case files opened last in the user's configuration.
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
class QUndoStack;

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
    QAction* monatslisteTabelle;  // Datei › Monatsliste als Excel-Tabelle…
    QAction* vermerk;             // Datei › Vermerk drucken…
    QAction* drucken;
    QAction* seitenansicht;
    QAction* beenden;
    QAction* rueckgaengig;      // Bearbeiten › Rückgängig, the window's own
    QAction* wiederherstellen;  // Bearbeiten › Wiederherstellen, the window's own
    QAction* monatstabelleKopieren;
    QAction* jahresuebersicht;   // Ansicht › Jahresübersicht…
    QAction* aufschluesselung;   // Ansicht › Monat aufschlüsseln…
    QAction* kalender;           // Fall › Beginn, Stufe und Teilzeit…
    QAction* zeitraeume;         // Fall › Teilzeit und Unterbrechungen…
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
    ~Hauptfenster() override;

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

    // Whether the case was changed since it was last opened or saved and the change was not
    // undone: the undo stack is not at its clean state. The title then carries "*".
    bool geaendert() const;
    // Takes note of the case as it is now, after every recalculation and after a change that needs
    // none (its person): a case that differs from the one noted last is one more step to undo,
    // named by what changed (`aenderungsname`); the change mark and the title follow.
    void standPruefen();
    // Runs `arbeit` (the whole work of one command) so that what it changes is one step named
    // `name` on the undo stack.
    void benannt(const QString& name, const std::function<void()>& arbeit);
    // The case shown now counts as the one saved (after saving; and, through fallUebernommen,
    // after opening or starting anew).
    void alsGespeichertMerken();
    // Another case took the place of the one shown (opened, or started anew): nothing before it
    // can be undone, and it counts as saved.
    void fallUebernommen();
    // The steps of the case's changes, for Rückgängig and Wiederherstellen.
    QUndoStack& aenderungen() { return *aenderungen_; }
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
    const Fallangaben& aktuellerStand() const;
    // Puts the case back to `stand` and shows it; not itself a change to undo.
    void standWiederherstellen(const Fallangaben& stand);
    // Ctrl+Z and Ctrl+Shift+Z: a number typed into a field and not confirmed counts first, as it
    // does for every menu item.
    void rueckgaengig();
    void wiederherstellen();
    void zuletztMerken(const std::filesystem::path& datei);
    void zuletztZeigen();
    QAction* neueAktion(QMenu* menue, const QString& text,
                        QKeySequence::StandardKey taste = QKeySequence::UnknownKey,
                        const QKeySequence& ersatz = {});
    // The desktop theme's icons of the standard actions, looked up when a menu first opens.
    void themensymboleSetzen();
    void titelSetzen();
    void steueranzeigeSetzen();
    // The month of the grid's current row; nothing on a heading or the closing row.
    std::optional<int> gittermonat() const;

    Korvaltei* korvaltei_;
    Menueaktionen aktionen_{};
    QMenu* hilfemenue_ = nullptr;
    QMenu* zuletztMenue_ = nullptr;
    bool themensymboleGesetzt_ = false;
    QLabel* dateianzeige_ = nullptr;
    Jahresansicht* jahresansicht_ = nullptr;
    Aufschluesselungsansicht* aufschluesselung_ = nullptr;
    // The case's calendar settings, always in the status line while any is set.
    QLabel* kalenderanzeige_ = nullptr;
    // The case's tax class while it has tax settings.
    QLabel* steueranzeige_ = nullptr;
    QWidget* angebot_ = nullptr;
    std::optional<std::filesystem::path> falldatei_;
    // The case as last noted by standPruefen; nothing before the first calculation.
    std::optional<Fallangaben> stand_;
    QUndoStack* aenderungen_;
    // While a step is undone or done again, the case it shows is no new step.
    bool wiederherstellend_ = false;
    // While `benannt` runs, its recalculations are gathered into the one step it ends with.
    bool sammelnd_ = false;
    // The name of the step `benannt` ends with; empty: named by what changed.
    QString naechsterName_;
    std::function<bool()> frage_;
    std::function<void(const std::filesystem::path&)> zuletztOeffnen_;
    std::function<void(const Tariftabelle&)> kalenderFuerTabelle_;
};

}  // namespace korvalt
