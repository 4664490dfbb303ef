// The main window's menus, title and status line around Korvaltei.
#include "hauptfenster.h"
#include "tabellenmenue.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace korvalt {

namespace {

constexpr int meldedauer = 5000;  // milliseconds a status note stays

}  // namespace

Hauptfenster::Hauptfenster(Sitzung& sitzung, Meldungen& meldungen, QWidget* eltern)
    : QMainWindow(eltern), korvaltei_(new Korvaltei(sitzung, meldungen)) {
    setObjectName("Hauptfenster");
    // Korvaltei sizes itself to the design size; the window adds the menu and the status line.
    const QSize entwurf = korvaltei_->size();
    setCentralWidget(korvaltei_);

    QMenu* datei = menuBar()->addMenu("&Datei");
    neueAktion(datei, Menuepunkt::fallOeffnen, "Fall öffnen…", QKeySequence(Qt::CTRL | Qt::Key_O));
    neueAktion(datei, Menuepunkt::fallSpeichern, "Fall speichern",
               QKeySequence(Qt::CTRL | Qt::Key_S));
    neueAktion(datei, Menuepunkt::fallSpeichernUnter, "Fall speichern unter…",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    datei->addSeparator();
    neueAktion(datei, Menuepunkt::ergebnisPdf, "Ergebnis als PDF…");
    neueAktion(datei, Menuepunkt::monatslistePdf, "Monatsliste als PDF…");
    neueAktion(datei, Menuepunkt::monatslisteCsv, "Monatsliste als CSV…");
    datei->addSeparator();
    neueAktion(datei, Menuepunkt::drucken, "Drucken…", QKeySequence(Qt::CTRL | Qt::Key_P));
    neueAktion(datei, Menuepunkt::seitenansicht, "Seitenansicht…");
    datei->addSeparator();
    neueAktion(datei, Menuepunkt::beenden, "Beenden", QKeySequence(Qt::CTRL | Qt::Key_Q));
    setzeAktion(Menuepunkt::beenden, [this] { close(); });

    QMenu* bearbeiten = menuBar()->addMenu("&Bearbeiten");
    QAction* kopieren = neueAktion(bearbeiten, Menuepunkt::monatstabelleKopieren,
                                   "Monatstabelle kopieren", QKeySequence(Qt::CTRL | Qt::Key_C));
    // Ctrl+C copies the table only from the grid: in an input field it copies the field's text.
    kopieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    korvaltei_->feldwidget({Feldname::MSFlexGrid1})->addAction(kopieren);

    hilfemenue_ = menuBar()->addMenu("&Hilfe");
    QAction* hilfe = neueAktion(hilfemenue_, Menuepunkt::hilfe, "Hilfe", QKeySequence(Qt::Key_F1));
    // In the window F1 is Korvaltei's own key; the item shows it and takes it only in the open
    // menu, so that the two never compete for the key.
    hilfe->setShortcutContext(Qt::WidgetShortcut);
    setzeAktion(Menuepunkt::hilfe, [this] { korvaltei_->hilfeaufrufen(Korvaltei::hilfekontext); });
    neueAktion(hilfemenue_, Menuepunkt::ueber, "Über Korvalt");
    tabellenmenueAnlegen(*this);

    dateianzeige_ = new QLabel(this);
    dateianzeige_->setObjectName("Falldatei");
    statusBar()->addPermanentWidget(dateianzeige_);

    // The caption is Korvaltei's text: its display field is the client area's window title.
    connect(korvaltei_, &QWidget::windowTitleChanged, this, [this] { titelSetzen(); });
    titelSetzen();
    resize(entwurf.width(),
           entwurf.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

QAction* Hauptfenster::neueAktion(QMenu* menue, Menuepunkt punkt, const QString& text,
                                  const QKeySequence& taste) {
    auto* a = menue->addAction(text);
    a->setShortcut(taste);
    a->setEnabled(false);
    connect(a, &QAction::triggered, this, [this, punkt] {
        if (const auto& arbeit = arbeiten_[std::size_t(punkt)]) arbeit();
    });
    aktionen_[std::size_t(punkt)] = a;
    return a;
}

void Hauptfenster::setzeAktion(Menuepunkt punkt, std::function<void()> arbeit) {
    aktion(punkt).setEnabled(bool(arbeit));
    arbeiten_[std::size_t(punkt)] = std::move(arbeit);
}

QMenu* Hauptfenster::menueEinfuegen(const QString& titel) {
    auto* menue = new QMenu(titel, menuBar());
    menuBar()->insertMenu(hilfemenue_->menuAction(), menue);
    return menue;
}

void Hauptfenster::setzeFalldatei(std::optional<std::filesystem::path> datei) {
    falldatei_ = std::move(datei);
    dateianzeige_->setText(falldatei_ ? "Fall: " + QString::fromStdString(falldatei_->string())
                                      : QString());
    titelSetzen();
}

void Hauptfenster::melden(const QString& text) {
    statusBar()->showMessage(text, meldedauer);
}

void Hauptfenster::titelSetzen() {
    QString titel = korvaltei_->windowTitle();
    if (falldatei_) titel += " \u2013 " + QString::fromStdString(falldatei_->filename().string());
    setWindowTitle(titel);
}

// Closing the window ends the program as Korvaltei's own closing does.
void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    korvaltei_->close();
    ereignis->accept();
}

}  // namespace korvalt
