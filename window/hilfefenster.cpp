// The help window over the help page in the program's resources.
#include "hilfefenster.h"

#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace korvalt {

Hilfefenster::Hilfefenster(QWidget* eltern) : QWidget(eltern, Qt::Window) {
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
}

void Hilfefenster::zeigen(int kontext) {
    show();
    raise();
    activateWindow();
    browser_->scrollToAnchor(QString("kontext%1").arg(kontext));
}

}  // namespace korvalt
