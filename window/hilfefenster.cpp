// The help window over the help page in the program's resources, and F1 in other windows.
#include "hilfefenster.h"

#include <QAction>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <string>

#include "bildschirmeinpassung.h"
#include "qtumwandlung.h"

namespace korvalt {

Hilfefenster::Hilfefenster() : QWidget(nullptr, Qt::Window) {
    setObjectName("Hilfefenster");
    setWindowTitle("Korvalt \u2013 Hilfe");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl("qrc:/hilfe/hilfe.html"));
    layout->addWidget(browser_);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    const int em = fontMetrics().averageCharWidth();
    resize(em * 90, em * 80);
    beimOeffnenEinpassen(*this);
}

void Hilfefenster::zeigen(std::string_view abschnitt) {
    show();
    raise();
    activateWindow();
    browser_->scrollToAnchor(alsQString(abschnitt));
}

void hilfeAnbinden(QWidget& fenster, std::string_view abschnitt, Hilfeaufruf aufruf) {
    auto* hilfe = new QAction(&fenster);
    hilfe->setShortcuts(QKeySequence::HelpContents);
    hilfe->setShortcutContext(Qt::WindowShortcut);
    fenster.addAction(hilfe);
    QObject::connect(hilfe, &QAction::triggered, &fenster,
                     [abschnitt = std::string(abschnitt), aufruf = std::move(aufruf)] {
                         if (aufruf) aufruf(abschnitt);
                     });
}

}  // namespace korvalt
