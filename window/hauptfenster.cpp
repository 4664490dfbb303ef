// The main window's menus, title and status line around Korvaltei.
#include "hauptfenster.h"
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
#include <algorithm>

namespace korvalt {

namespace {

constexpr int meldedauer = 5000;  // milliseconds a status note stays

// Where QSettings keeps the list of case files opened last.
constexpr const char* zuletztSchluessel = "zuletztGeoeffnet";

// The desktop theme's icon of a standard action, by its name in the freedesktop naming; where the
// theme has none, the item stays as it is, without an icon.
void themensymbolSetzen(QAction* aktion, const char* name) {
    const QIcon symbol = QIcon::fromTheme(QString::fromLatin1(name));
    if (!symbol.isNull()) aktion->setIcon(symbol);
}

}  // namespace

Hauptfenster::Hauptfenster(Sitzung& sitzung, Meldungen& meldungen, QWidget* eltern)
    : QMainWindow(eltern), korvaltei_(new Korvaltei(sitzung, meldungen)) {
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
    datei->addSeparator();
    aktionen_.drucken = neueAktion(datei, "&Drucken…", QKeySequence::Print);
    aktionen_.seitenansicht = neueAktion(datei, "Seiten&ansicht…");
    datei->addSeparator();
    aktionen_.beenden =
        neueAktion(datei, "&Beenden", QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    aktionen_.beenden->setEnabled(true);
    connect(aktionen_.beenden, &QAction::triggered, this, &QWidget::close);

    QMenu* bearbeiten = menuBar()->addMenu("&Bearbeiten");
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
    // The standard actions with the desktop theme's icons, by their freedesktop names.
    const std::pair<QAction*, const char*> symbole[] = {
        {aktionen_.neu, "document-new"},
        {aktionen_.fallOeffnen, "document-open"},
        {zuletztMenue_->menuAction(), "document-open-recent"},
        {aktionen_.fallSpeichern, "document-save"},
        {aktionen_.fallSpeichernUnter, "document-save-as"},
        {aktionen_.drucken, "document-print"},
        {aktionen_.seitenansicht, "document-print-preview"},
        {aktionen_.beenden, "application-exit"},
        {aktionen_.monatstabelleKopieren, "edit-copy"},
        {aktionen_.hilfe, "help-contents"},
        {aktionen_.ueber, "help-about"},
    };
    for (const auto& [aktion, name] : symbole) themensymbolSetzen(aktion, name);
    tabellenmenueAnlegen(*this);

    dateianzeige_ = new QLabel(this);
    dateianzeige_->setObjectName("Falldatei");
    statusBar()->addPermanentWidget(dateianzeige_);
    kalenderanzeige_ = new QLabel(this);
    kalenderanzeige_->setObjectName("Kalenderangaben");
    statusBar()->addPermanentWidget(kalenderanzeige_);
    steueranzeige_ = new QLabel(this);
    steueranzeige_->setObjectName("Steuerangaben");
    statusBar()->addPermanentWidget(steueranzeige_);

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

Jahresansicht& Hauptfenster::jahresansichtZeigen() {
    if (!jahresansicht_) {
        jahresansicht_ = new Jahresansicht(korvaltei_->sitzung(), this);
        hilfeAnbinden(*jahresansicht_, hilfeabschnitt::jahresuebersicht, korvaltei_->hilfeaufruf());
        // A change made in the view is a change of the case: recalculated like any other, it
        // reaches the view, the title's change mark and the status line.
        jahresansicht_->setzeNeuberechnung([this] { korvaltei_->anzeige().starten(); });
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
        hilfeAnbinden(*aufschluesselung_, hilfeabschnitt::aufschluesselung,
                      korvaltei_->hilfeaufruf());
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
    // Permanent, so that the notes of melden do not hide it.
    statusBar()->insertPermanentWidget(0, angebot_, 1);
}

void Hauptfenster::angebotEntfernen() {
    if (!angebot_) return;
    statusBar()->removeWidget(angebot_);
    angebot_->deleteLater();
    angebot_ = nullptr;
}

// The person comes first, so that a window in the task bar shows whose case it is. The change mark
// stands where Qt's "[*]" would put it, at the end, without changing the title of an unchanged
// case.
void Hauptfenster::titelSetzen() {
    QString titel = korvaltei_->windowTitle();
    if (const std::string person = personKurz(korvaltei_->sitzung().tabellen().person);
        !person.empty())
        titel = alsQString(person) + " \u2013 " + titel;
    if (falldatei_) titel += " \u2013 " + dateinameAlsText(falldatei_->filename());
    if (geaendert()) titel += '*';
    setWindowTitle(titel);
}

std::vector<Einstellungssatz> Hauptfenster::aktuellerStand() const {
    const Sitzung& s = korvaltei_->sitzung();
    return s.einstellungssaetze(korvaltei_->text({Feldname::Startgruppe}));
}

void Hauptfenster::standPruefen() {
    const Sitzung& s = korvaltei_->sitzung();
    kalenderanzeige_->setText(alsQString(kalenderangabenText(s.tabellen().kalender)));
    steueranzeigeSetzen();
    stand_ = aktuellerStand();
    // The first calculation, at start-up, is the case as it was saved.
    if (gespeichert_.empty()) gespeichert_ = stand_;
    titelSetzen();
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
    stand_ = aktuellerStand();
    gespeichert_ = stand_;
    titelSetzen();
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
    if (korvaltei_->close())
        ereignis->accept();
    else
        ereignis->ignore();
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
