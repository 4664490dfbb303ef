// The main window's menus, title and status line around Korvaltei.
#include "hauptfenster.h"
#include "aenderungsname.h"
#include "arbeitsflaeche.h"
#include "aufschluesselungsansicht.h"
#include "bildschirmeinpassung.h"
#include "dateinamen.h"
#include "hilfeabschnitte.h"
#include "jahresansicht.h"
#include "kalenderangabentext.h"
#include "personenangaben.h"
#include "qtumwandlung.h"
#include "steuerangaben.h"
#include "tabellenmenue.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QUndoCommand>
#include <QUndoStack>
#include <QWindow>
#include <algorithm>

namespace korvalt {

namespace {

constexpr int meldedauer = 5000;  // milliseconds a status note stays

// Where QSettings keeps the list of case files opened last.
constexpr const char* zuletztSchluessel = "zuletztGeoeffnet";

// Far more steps back than anyone takes; each keeps the case twice, a few hundred bytes.
constexpr int aenderungenHoechstens = 1000;

// One change of the case: what a save would have written before and after it. Undone and done
// again by putting back the one or the other; pushed once the change is made, so its first redo
// has nothing to do.
class Fallaenderung : public QUndoCommand {
  public:
    using Wiederherstellen = std::function<void(const Fallangaben&)>;
    Fallaenderung(const QString& name, Fallangaben vorher, Fallangaben nachher,
                  Wiederherstellen wiederherstellen)
        : QUndoCommand(name),
          vorher_(std::move(vorher)),
          nachher_(std::move(nachher)),
          wiederherstellen_(std::move(wiederherstellen)) {}

    void undo() override { wiederherstellen_(vorher_); }
    void redo() override {
        if (gemacht_) wiederherstellen_(nachher_);
        gemacht_ = true;
    }

  private:
    Fallangaben vorher_;
    Fallangaben nachher_;
    Wiederherstellen wiederherstellen_;
    bool gemacht_ = false;
};

// "&Rückgängig: Dauer ändern"; the name's own "&" stays a letter.
QString mitSchritt(const QString& befehl, QString schritt) {
    if (schritt.isEmpty()) return befehl;
    return befehl + QStringLiteral(": ") + schritt.replace('&', QLatin1String("&&"));
}

// A text of the user's (the person, a file name) shows "[*]" as typed, not as the change mark.
QString ohneMarke(QString text) {
    return text.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

// The desktop theme's icon of a standard action, by its name in the freedesktop naming; where the
// theme has none, the item stays as it is, without an icon.
void themensymbolSetzen(QAction* aktion, const char* name) {
    const QIcon symbol = QIcon::fromTheme(QString::fromLatin1(name));
    if (!symbol.isNull()) aktion->setIcon(symbol);
}

// A view of the case beside the main window, not over it: an ordinary window the user can put
// behind the main window. The parent stays its owner; as a dialog, or with the main window as its
// transient parent, the window manager would keep it on top. It does not keep the program running
// once the main window is closed.
void eigenesFenster(QWidget& ansicht) {
    ansicht.setWindowFlags(Qt::Window);
    ansicht.setAttribute(Qt::WA_QuitOnClose, false);
    ansicht.winId();
    ansicht.windowHandle()->setTransientParent(nullptr);
}

}  // namespace

Hauptfenster::Hauptfenster(Sitzung& sitzung, Meldungen& meldungen, QWidget* eltern)
    : QMainWindow(eltern),
      korvaltei_(new Korvaltei(sitzung, meldungen)),
      aenderungen_(new QUndoStack(this)) {
    setObjectName("Hauptfenster");
    // Korvaltei sizes itself to the design size; the window adds the menu and the status line.
    const QSize entwurf = korvaltei_->size();
    setCentralWidget(new Arbeitsflaeche(*korvaltei_, this));

    QMenu* datei = menuBar()->addMenu("&Datei");
    aktionen_.neu = neueAktion(datei, "&Neu", QKeySequence::New);
    aktionen_.fallOeffnen = neueAktion(datei, "Fall ö&ffnen…", QKeySequence::Open);
    zuletztMenue_ = datei->addMenu("&Zuletzt geöffnet");
    zuletztMenue_->setObjectName("ZuletztGeoeffnet");
    connect(zuletztMenue_, &QMenu::aboutToShow, this, [this] { zuletztZeigen(); });
    aktionen_.fallSpeichern = neueAktion(datei, "Fall &speichern", QKeySequence::Save);
    aktionen_.fallSpeichernUnter = neueAktion(datei, "Fall speichern &unter…", QKeySequence::SaveAs,
                                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    datei->addSeparator();
    aktionen_.ergebnisPdf = neueAktion(datei, "&Ergebnis als PDF…");
    aktionen_.monatslistePdf = neueAktion(datei, "&Monatsliste als PDF…");
    aktionen_.monatslisteCsv = neueAktion(datei, "Monatsliste als &CSV…");
    aktionen_.monatslisteTabelle = neueAktion(datei, "Monatsliste als E&xcel-Tabelle…");
    datei->addSeparator();
    aktionen_.vermerk = neueAktion(datei, "&Vermerk drucken…");
    datei->addSeparator();
    aktionen_.drucken = neueAktion(datei, "&Drucken…", QKeySequence::Print);
    aktionen_.seitenansicht = neueAktion(datei, "Seiten&ansicht…");
    datei->addSeparator();
    aktionen_.beenden =
        neueAktion(datei, "&Beenden", QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    aktionen_.beenden->setEnabled(true);
    connect(aktionen_.beenden, &QAction::triggered, this, &QWidget::close);

    QMenu* bearbeiten = menuBar()->addMenu("&Bearbeiten");
    aenderungen_->setUndoLimit(aenderungenHoechstens);
    aktionen_.rueckgaengig = neueAktion(bearbeiten, "&Rückgängig", QKeySequence::Undo,
                                        QKeySequence(Qt::CTRL | Qt::Key_Z));
    aktionen_.wiederherstellen = neueAktion(bearbeiten, "&Wiederherstellen", QKeySequence::Redo);
    // Ctrl+Shift+Z on every desktop, shown in the menu, and what the platform names besides
    // (Ctrl+Y on some).
    QList<QKeySequence> wiederTasten{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence& taste : aktionen_.wiederherstellen->shortcuts())
        if (!wiederTasten.contains(taste)) wiederTasten.append(taste);
    aktionen_.wiederherstellen->setShortcuts(wiederTasten);
    connect(aktionen_.rueckgaengig, &QAction::triggered, this, [this] { rueckgaengig(); });
    connect(aktionen_.wiederherstellen, &QAction::triggered, this, [this] { wiederherstellen(); });
    connect(aenderungen_, &QUndoStack::canUndoChanged, aktionen_.rueckgaengig,
            &QAction::setEnabled);
    connect(aenderungen_, &QUndoStack::canRedoChanged, aktionen_.wiederherstellen,
            &QAction::setEnabled);
    connect(aenderungen_, &QUndoStack::undoTextChanged, this, [this](const QString& schritt) {
        aktionen_.rueckgaengig->setText(mitSchritt(QStringLiteral("&Rückgängig"), schritt));
    });
    connect(aenderungen_, &QUndoStack::redoTextChanged, this, [this](const QString& schritt) {
        aktionen_.wiederherstellen->setText(
            mitSchritt(QStringLiteral("&Wiederherstellen"), schritt));
    });
    connect(aenderungen_, &QUndoStack::cleanChanged, this, [this] { titelSetzen(); });
    bearbeiten->addSeparator();
    QAction* kopieren = neueAktion(bearbeiten, "Monatstabelle &kopieren", QKeySequence::Copy);
    aktionen_.monatstabelleKopieren = kopieren;
    // Ctrl+C copies the table only from the grid: in an input field it copies the field's text.
    kopieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    korvaltei_->feldwidget({Feldname::Monatsgitter})->addAction(kopieren);

    QMenu* ansicht = menuBar()->addMenu("&Ansicht");
    aktionen_.jahresuebersicht = neueAktion(ansicht, "&Jahresübersicht…", QKeySequence::UnknownKey,
                                            QKeySequence(Qt::CTRL | Qt::Key_J));
    // The view is the window's own; its printing is attached from outside.
    aktionen_.jahresuebersicht->setEnabled(true);
    connect(aktionen_.jahresuebersicht, &QAction::triggered, this,
            [this] { jahresansichtZeigen(); });
    aktionen_.aufschluesselung =
        neueAktion(ansicht, "Monat auf&schlüsseln…", QKeySequence::UnknownKey,
                   QKeySequence(Qt::CTRL | Qt::Key_D));
    aktionen_.aufschluesselung->setEnabled(true);
    connect(aktionen_.aufschluesselung, &QAction::triggered, this, [this] {
        aufschluesselungZeigen(
            gittermonat().value_or(aufschluesselung_ ? aufschluesselung_->monat() : 1));
    });
    // A click on a month shows its breakdown where there is one to show.
    auto* gitter = static_cast<QTableView*>(korvaltei_->feldwidget({Feldname::Monatsgitter}));
    connect(gitter, &QTableView::clicked, this, [this] {
        const auto monat = gittermonat();
        if (monat && korvaltei_->sitzung().netto()) aufschluesselungZeigen(*monat);
    });

    QMenu* fall = menuBar()->addMenu("&Fall");
    aktionen_.kalender = neueAktion(fall, "&Beginn, Stufe und Teilzeit…");
    aktionen_.zeitraeume = neueAktion(fall, "&Teilzeit und Unterbrechungen…");
    aktionen_.person = neueAktion(fall, "&Angaben zur Person…");
    aktionen_.steuer = neueAktion(fall, "&Steuer und Sozialversicherung…");
    fall->addSeparator();
    aktionen_.hoehergruppierung =
        neueAktion(fall, "&Höhergruppierung prüfen…", QKeySequence::UnknownKey,
                   QKeySequence(Qt::CTRL | Qt::Key_H));

    hilfemenue_ = menuBar()->addMenu("&Hilfe");
    // The client area's own action: F1 and the button Hilfe trigger the same.
    aktionen_.hilfe = korvaltei_->hilfeaktion();
    aktionen_.hilfe->setText("&Hilfe");
    hilfemenue_->addAction(aktionen_.hilfe);
    aktionen_.ueber = neueAktion(hilfemenue_, "Über &Korvalt");
    // Looking an icon up reads the theme's index and searches its folders, a sixth of the start-up:
    // it waits until a menu opens, where the icons are first seen.
    for (QMenu* menue : {datei, bearbeiten, hilfemenue_})
        connect(menue, &QMenu::aboutToShow, this, [this] { themensymboleSetzen(); });
    tabellenmenueAnlegen(*this);

    // The case's facts stand in the status line while it has nothing to say: a note or an offer
    // takes the whole line and is read whole, also at 1366 pixels and 125 %.
    dateianzeige_ = new QLabel(this);
    dateianzeige_->setObjectName("Falldatei");
    kalenderanzeige_ = new QLabel(this);
    kalenderanzeige_->setObjectName("Kalenderangaben");
    steueranzeige_ = new QLabel(this);
    steueranzeige_->setObjectName("Steuerangaben");
    for (QLabel* tatsache : {dateianzeige_, kalenderanzeige_, steueranzeige_}) {
        tatsache->setTextFormat(Qt::PlainText);
        statusBar()->addWidget(tatsache);
    }

    // The caption is Korvaltei's text: its display field is the client area's window title.
    connect(korvaltei_, &QWidget::windowTitleChanged, this, [this] { titelSetzen(); });
    // The Schließen button closes the client area: the case's changes are settled first.
    korvaltei_->installEventFilter(this);
    korvaltei_->anzeige().setzeNachRechnung([this] { standPruefen(); });
    korvaltei_->anzeige().setzeMeldung(
        [this](const std::string& text) { melden(alsQString(text)); });
    titelSetzen();
    resize(entwurf.width(),
           entwurf.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    // On a smaller screen the window opens as large as it can; the fields scroll.
    beimOeffnenEinpassen(*this);
}

void Hauptfenster::themensymboleSetzen() {
    if (themensymboleGesetzt_) return;
    themensymboleGesetzt_ = true;
    // The standard actions' icons by their freedesktop names.
    const std::pair<QAction*, const char*> symbole[] = {
        {aktionen_.neu, "document-new"},
        {aktionen_.fallOeffnen, "document-open"},
        {zuletztMenue_->menuAction(), "document-open-recent"},
        {aktionen_.fallSpeichern, "document-save"},
        {aktionen_.fallSpeichernUnter, "document-save-as"},
        {aktionen_.drucken, "document-print"},
        {aktionen_.seitenansicht, "document-print-preview"},
        {aktionen_.beenden, "application-exit"},
        {aktionen_.rueckgaengig, "edit-undo"},
        {aktionen_.wiederherstellen, "edit-redo"},
        {aktionen_.monatstabelleKopieren, "edit-copy"},
        {aktionen_.hilfe, "help-contents"},
        {aktionen_.ueber, "help-about"},
    };
    for (const auto& [aktion, name] : symbole) themensymbolSetzen(aktion, name);
}

// The undo stack, a child, goes after this window's members: emptied then, it must not reach them.
Hauptfenster::~Hauptfenster() {
    aenderungen_->disconnect(this);
}

Jahresansicht& Hauptfenster::jahresansichtZeigen() {
    if (!jahresansicht_) {
        jahresansicht_ = new Jahresansicht(korvaltei_->sitzung(), this);
        eigenesFenster(*jahresansicht_);
        hilfeAnbinden(*jahresansicht_, hilfeabschnitt::jahresuebersicht, korvaltei_->hilfeaufruf());
        // A change made in the view is a change of the case: recalculated like any other, it
        // reaches the view, the title's change mark and the status line.
        jahresansicht_->setzeNeuberechnung([this] { korvaltei_->anzeige().starten(); });
        // Its switch is a change of the case: Ctrl+Z in the view takes it back there.
        jahresansicht_->addActions({aktionen_.rueckgaengig, aktionen_.wiederherstellen});
        korvaltei_->anzeige().nachRechnungAnhaengen([this] { jahresansicht_->vormerken(); });
    }
    jahresansicht_->show();
    jahresansicht_->raise();
    jahresansicht_->activateWindow();
    return *jahresansicht_;
}

Aufschluesselungsansicht& Hauptfenster::aufschluesselungZeigen(int monat) {
    if (!aufschluesselung_) {
        aufschluesselung_ = new Aufschluesselungsansicht(korvaltei_->sitzung(), this);
        eigenesFenster(*aufschluesselung_);
        hilfeAnbinden(*aufschluesselung_, hilfeabschnitt::aufschluesselung,
                      korvaltei_->hilfeaufruf());
        // It follows the case: Ctrl+Z there takes back the case's last change, as in the window.
        aufschluesselung_->addActions({aktionen_.rueckgaengig, aktionen_.wiederherstellen});
        korvaltei_->anzeige().nachRechnungAnhaengen([this] {
            if (aufschluesselung_->isVisible()) aufschluesselung_->neuBerechnen();
        });
    }
    aufschluesselung_->monatZeigen(monat);
    aufschluesselung_->show();
    aufschluesselung_->raise();
    return *aufschluesselung_;
}

// Month m stands in row m + 2 of the grid, below its two heading rows.
std::optional<int> Hauptfenster::gittermonat() const {
    const auto* gitter =
        static_cast<const QTableView*>(korvaltei_->feldwidget({Feldname::Monatsgitter}));
    const int monat = gitter->currentIndex().row() - 2;
    if (!gitter->currentIndex().isValid() || monat < 1 ||
        monat > korvaltei_->sitzung().daten().monatsanzahl)
        return std::nullopt;
    return monat;
}

// The platform's keys for a standard key; where it names none (Windows has no Save As and no Quit
// key), the `ersatz`.
QAction* Hauptfenster::neueAktion(QMenu* menue, const QString& text,
                                  QKeySequence::StandardKey taste, const QKeySequence& ersatz) {
    auto* a = menue->addAction(text);
    if (taste != QKeySequence::UnknownKey) a->setShortcuts(taste);
    if (a->shortcuts().isEmpty()) a->setShortcut(ersatz);
    a->setEnabled(false);
    return a;
}

QMenu* Hauptfenster::menueEinfuegen(const QString& titel) {
    auto* menue = new QMenu(titel, menuBar());
    menuBar()->insertMenu(hilfemenue_->menuAction(), menue);
    return menue;
}

void Hauptfenster::setzeFalldatei(std::optional<std::filesystem::path> datei) {
    falldatei_ = std::move(datei);
    dateianzeige_->setText(falldatei_ ? "Fall: " + dateinameAlsText(*falldatei_) : QString());
    if (falldatei_) zuletztMerken(*falldatei_);
    titelSetzen();
}

void Hauptfenster::melden(const QString& text) {
    statusBar()->showMessage(text, meldedauer);
}

void Hauptfenster::angebotZeigen(const QString& text, const QString& knopftext,
                                 std::function<void()> annehmen) {
    angebotEntfernen();
    angebot_ = new QWidget(this);
    angebot_->setObjectName("Angebot");
    auto* zeile = new QHBoxLayout(angebot_);
    zeile->setContentsMargins(0, 0, 0, 0);
    auto* hinweis = new QLabel(text, angebot_);
    hinweis->setTextFormat(Qt::PlainText);
    zeile->addWidget(hinweis, 1);
    auto* knopf = new QPushButton(knopftext, angebot_);
    zeile->addWidget(knopf);
    connect(knopf, &QPushButton::clicked, this, [this, annehmen = std::move(annehmen)] {
        angebotEntfernen();
        annehmen();
    });
    // Permanent, so that the notes of melden do not hide it; the case's facts make room for it.
    statusBar()->insertPermanentWidget(0, angebot_, 1);
    for (QLabel* tatsache : {dateianzeige_, kalenderanzeige_, steueranzeige_}) tatsache->hide();
}

void Hauptfenster::angebotEntfernen() {
    if (!angebot_) return;
    statusBar()->removeWidget(angebot_);
    angebot_->deleteLater();
    angebot_ = nullptr;
    for (QLabel* tatsache : {dateianzeige_, kalenderanzeige_, steueranzeige_}) tatsache->show();
}

// The person comes first, so that a window in the task bar shows whose case it is. The change mark
// "*" stands at the end, where "[*]" puts it.
void Hauptfenster::titelSetzen() {
    QString titel = ohneMarke(korvaltei_->windowTitle());
    if (const std::string person = personKurz(korvaltei_->sitzung().tabellen().person);
        !person.empty())
        titel = ohneMarke(alsQString(person)) + " \u2013 " + titel;
    if (falldatei_) titel += " \u2013 " + ohneMarke(dateinameAlsText(falldatei_->filename()));
    setWindowTitle(titel + QLatin1String("[*]"));
    setWindowModified(geaendert());
}

bool Hauptfenster::geaendert() const {
    return !aenderungen_->isClean();
}

// The case as last calculated: a number typed and not confirmed is no change yet.
const Fallangaben& Hauptfenster::aktuellerStand() const {
    return korvaltei_->sitzung().fall();
}

void Hauptfenster::standPruefen() {
    const Sitzung& s = korvaltei_->sitzung();
    kalenderanzeige_->setText(alsQString(kalenderangabenText(s.tabellen().kalender)));
    steueranzeigeSetzen();
    titelSetzen();
    if (sammelnd_) return;
    const Fallangaben& neu = aktuellerStand();
    // The first calculation, at start-up, is the case as it was saved.
    if (stand_ && neu != *stand_ && !wiederherstellend_) {
        const QString name =
            naechsterName_.isEmpty() ? alsQString(aenderungsname(*stand_, neu)) : naechsterName_;
        aenderungen_->push(new Fallaenderung(name, *stand_, neu, [this](const Fallangaben& stand) {
            standWiederherstellen(stand);
        }));
    }
    stand_ = neu;
}

void Hauptfenster::benannt(const QString& name, const std::function<void()>& arbeit) {
    const bool vorher = sammelnd_;
    sammelnd_ = true;
    arbeit();
    sammelnd_ = vorher;
    if (sammelnd_) return;
    naechsterName_ = name;
    standPruefen();
    naechsterName_.clear();
}

void Hauptfenster::standWiederherstellen(const Fallangaben& stand) {
    wiederherstellend_ = true;
    korvaltei_->anzeige().standZeigen(stand);
    wiederherstellend_ = false;
    stand_ = aktuellerStand();
}

void Hauptfenster::rueckgaengig() {
    korvaltei_->eingabeUebernehmen();
    const QString schritt = aenderungen_->undoText();
    if (!aenderungen_->canUndo()) return;
    aenderungen_->undo();
    melden(QStringLiteral("Rückgängig: ") + schritt);
}

void Hauptfenster::wiederherstellen() {
    korvaltei_->eingabeUebernehmen();
    const QString schritt = aenderungen_->redoText();
    if (!aenderungen_->canRedo()) return;
    aenderungen_->redo();
    melden(QStringLiteral("Wiederhergestellt: ") + schritt);
}

// "Steuerklasse I"; settings the case cannot use say so, and the tooltip why.
void Hauptfenster::steueranzeigeSetzen() {
    const Sitzung& s = korvaltei_->sitzung();
    const auto& steuer = s.tabellen().steuer;
    const std::string grund = s.nettoGrund();
    std::string text;
    if (steuer) text = "Steuerklasse " + steuerklasseText(steuer->steuerklasse);
    if (!grund.empty()) text += " (ohne Nettolohn)";
    steueranzeige_->setText(alsQString(text));
    steueranzeige_->setToolTip(alsQString(
        steuer ? steuerangabenText(*steuer) + (grund.empty() ? "" : "\n" + grund) : std::string()));
}

void Hauptfenster::alsGespeichertMerken() {
    angebotEntfernen();
    standPruefen();
    aenderungen_->setClean();
    titelSetzen();
}

void Hauptfenster::fallUebernommen() {
    aenderungen_->clear();
    stand_ = aktuellerStand();
    alsGespeichertMerken();
}

bool Hauptfenster::aenderungenKlaeren() {
    return !geaendert() || !frage_ || frage_();
}

std::vector<std::filesystem::path> Hauptfenster::zuletztGeoeffnet() const {
    std::vector<std::filesystem::path> dateien;
    // The names as the system's bytes: a name that is not UTF-8 stays the file's own.
    for (const QVariant& wert : QSettings().value(zuletztSchluessel).toList())
        dateien.emplace_back(wert.toByteArray().toStdString());
    return dateien;
}

void Hauptfenster::zuletztMerken(const std::filesystem::path& datei) {
    auto dateien = zuletztGeoeffnet();
    dateien.erase(std::remove(dateien.begin(), dateien.end(), datei), dateien.end());
    dateien.insert(dateien.begin(), datei);
    if (dateien.size() > std::size_t(zuletztAnzahl)) dateien.resize(zuletztAnzahl);
    QVariantList werte;
    for (const auto& d : dateien) werte.append(QByteArray::fromStdString(d.native()));
    QSettings().setValue(zuletztSchluessel, werte);
}

void Hauptfenster::zuletztZeigen() {
    zuletztMenue_->clear();
    const auto dateien = zuletztGeoeffnet();
    int nummer = 0;
    for (const auto& datei : dateien) {
        QString text = dateinameAlsText(datei);
        text.replace('&', QLatin1String("&&"));
        QAction* a = zuletztMenue_->addAction(QStringLiteral("&%1 %2").arg(++nummer).arg(text));
        connect(a, &QAction::triggered, this, [this, datei] {
            if (zuletztOeffnen_) zuletztOeffnen_(datei);
        });
    }
    if (dateien.empty()) zuletztMenue_->addAction(QStringLiteral("(keine)"))->setEnabled(false);
}

// Closing the window ends the program as Korvaltei's own closing does.
void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    if (!korvaltei_->close()) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    // The views are windows of their own: they go with the case they show.
    for (QWidget* ansicht :
         {static_cast<QWidget*>(jahresansicht_), static_cast<QWidget*>(aufschluesselung_)})
        if (ansicht) ansicht->close();
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == korvaltei_ && ereignis->type() == QEvent::Close) {
        // The close box and Alt+F4 leave the cursor in its field: what was typed there counts
        // before the question, as it does for Ctrl+Q and the button Schließen.
        korvaltei_->eingabeUebernehmen();
        if (!aenderungenKlaeren()) {
            ereignis->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

}  // namespace korvalt
