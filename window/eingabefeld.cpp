// The input field's key filter, focus notification and the doors it keeps shut.
#include "eingabefeld.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace korvalt {

namespace {

bool nurZiffern(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace

Eingabefeld::Eingabefeld(QWidget* eltern) : QLineEdit(eltern) {
    setFrame(false);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // The last guard: whatever way text might still take into the field, it must be digits.
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
}

void Eingabefeld::gruppenbuchstabenErlauben() {
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*[a-cA-C]?"), this));
}

void Eingabefeld::setzeHandler(Fokushandler fokus, Tastenhandler taste) {
    fokus_ = std::move(fokus);
    taste_ = std::move(taste);
}

void Eingabefeld::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->matches(QKeySequence::Paste)) {
        ereignis->accept();
        return;
    }
    const QString text = ereignis->text();
    // Keys without a character (cursor keys, Delete, F1) are no character keys: the field
    // handles them. On X11 and Wayland Delete comes with the text "\x7f", yet it still only
    // removes the character after the cursor.
    if (text.isEmpty() || ereignis->key() == Qt::Key_Delete || !taste_) {
        QLineEdit::keyPressEvent(ereignis);
        return;
    }
    if (text.size() > 1) {
        // Several characters at once (a compose sequence): digits only, or nothing.
        if (nurZiffern(text))
            QLineEdit::keyPressEvent(ereignis);
        else
            ereignis->accept();
        return;
    }
    const int zeichen = text.at(0).unicode();
    const int ergebnis = taste_(zeichen);
    if (ergebnis == 0) {
        ereignis->accept();
        return;
    }
    QLineEdit::keyPressEvent(ereignis);
}

void Eingabefeld::focusInEvent(QFocusEvent* ereignis) {
    QLineEdit::focusInEvent(ereignis);
    if (fokus_) fokus_();
}

void Eingabefeld::inputMethodEvent(QInputMethodEvent* ereignis) {
    if (nurZiffern(ereignis->commitString()) && ereignis->preeditString().isEmpty()) {
        QLineEdit::inputMethodEvent(ereignis);
        return;
    }
    ereignis->accept();
}

// Copy and select all only: nothing from the clipboard gets in.
void Eingabefeld::contextMenuEvent(QContextMenuEvent* ereignis) {
    QMenu menue(this);
    QAction* kopieren = menue.addAction("&Kopieren", this, &QLineEdit::copy);
    kopieren->setEnabled(hasSelectedText());
    QAction* alles = menue.addAction("Alles &auswählen", this, &QLineEdit::selectAll);
    alles->setEnabled(!text().isEmpty());
    menue.exec(ereignis->globalPos());
}

// The middle button would paste the X11 selection.
void Eingabefeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::MiddleButton) {
        ereignis->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(ereignis);
}

void Eingabefeld::paintEvent(QPaintEvent* ereignis) {
    QLineEdit::paintEvent(ereignis);
    QPainter maler(this);
    maler.setPen(QColor(0x80, 0x80, 0x80));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace korvalt
