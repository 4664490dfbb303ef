// The input field's key filter, its confirmation on leaving, focus notification and the doors it
// keeps shut.
#include "eingabefeld.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace korvalt {

namespace {

// The character code of Enter, the key that confirms a field.
constexpr int eingabe = '\r';

// Leaving the field means moving on to somewhere else in the window. A dialog or another window
// coming to the front, or the program taking the cursor away while it draws the window for a
// printout, leaves the field where it is: confirming then would recalculate in the middle of it.
bool verlaesstDasFeld(Qt::FocusReason grund) {
    switch (grund) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::PopupFocusReason:
        case Qt::ShortcutFocusReason:
            return true;
        default:
            return false;
    }
}

bool istUmschalttaste(int taste) {
    return taste == Qt::Key_Control || taste == Qt::Key_Alt || taste == Qt::Key_Shift ||
           taste == Qt::Key_Meta || taste == Qt::Key_AltGr;
}

int schrittDerTaste(const QKeyEvent& ereignis) {
    if ((ereignis.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return 0;
    switch (ereignis.key()) {
        case Qt::Key_Up:
            return 1;
        case Qt::Key_Down:
            return -1;
        case Qt::Key_PageUp:
            return 12;
        case Qt::Key_PageDown:
            return -12;
        default:
            return 0;
    }
}

// Undo and redo are the case's, not the field's own: they take back a confirmed number and what
// it changed, the window's Rückgängig and Wiederherstellen.
bool istRueckgaengigTaste(const QKeyEvent& ereignis) {
    return ereignis.matches(QKeySequence::Undo) || ereignis.matches(QKeySequence::Redo) ||
           ereignis.keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
}

bool nurZiffern(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace

Eingabefeld::Eingabefeld(QWidget* eltern, const QValidator& pruefer) : QLineEdit(eltern) {
    setFrame(false);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setValidator(&pruefer);
}

void Eingabefeld::setzeHandler(Fokushandler fokus, Tastenhandler taste, Schritthandler schritt,
                               Hinweishandler hinweis) {
    fokus_ = std::move(fokus);
    taste_ = std::move(taste);
    schritt_ = std::move(schritt);
    hinweis_ = std::move(hinweis);
}

void Eingabefeld::anzeigen(const QString& neu) {
    if (!imHandler_) bestaetigt_ = neu;
    if (text() != neu) setText(neu);
}

int Eingabefeld::tasteBehandeln(int zeichen) {
    imHandler_ = true;
    const int ergebnis = taste_(zeichen);
    imHandler_ = false;
    if (zeichen == eingabe) bestaetigt_ = text();
    return ergebnis;
}

void Eingabefeld::uebernehmen() {
    // Whatever the recalculation sets off, it finds the field confirmed already.
    if (imHandler_ || !taste_ || text() == bestaetigt_) return;
    tasteBehandeln(eingabe);
}

bool Eingabefeld::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::ToolTip && hinweis_)
        setToolTip(QString::fromStdString(hinweis_()));
    // The line edit would take these keys for its own history of the text.
    if (ereignis->type() == QEvent::ShortcutOverride &&
        istRueckgaengigTaste(*static_cast<QKeyEvent*>(ereignis))) {
        ereignis->ignore();
        uebernehmen();
        return false;
    }
    const bool behandelt = QLineEdit::event(ereignis);
    // A key the field does not use itself goes to a menu item or a button: the work it starts
    // sees the typed value as if the field had been left for the menu.
    if (ereignis->type() == QEvent::ShortcutOverride && !ereignis->isAccepted()) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if ((taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            !istUmschalttaste(taste->key()))
            uebernehmen();
    }
    return behandelt;
}

void Eingabefeld::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->matches(QKeySequence::Paste)) {
        ereignis->accept();
        return;
    }
    if (istRueckgaengigTaste(*ereignis)) {
        ereignis->accept();
        return;
    }
    // Its character (1) would be swallowed as any control character.
    if (ereignis->matches(QKeySequence::SelectAll)) {
        selectAll();
        ereignis->accept();
        return;
    }
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        if (text() != bestaetigt_) setText(bestaetigt_);
        ereignis->accept();
        return;
    }
    if (const int schritt = schrittDerTaste(*ereignis); schritt != 0 && schritt_) {
        if (schritt_(schritt)) {
            ereignis->accept();
            return;
        }
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
    const int ergebnis = tasteBehandeln(zeichen);
    if (ergebnis == 0) {
        ereignis->accept();
        return;
    }
    QLineEdit::keyPressEvent(ereignis);
}

void Eingabefeld::focusInEvent(QFocusEvent* ereignis) {
    QLineEdit::focusInEvent(ereignis);
    switch (ereignis->reason()) {
        // The press puts the cursor where it was clicked; its release selects the number.
        case Qt::MouseFocusReason:
            klickWaehltAlles_ = true;
            break;
        // Back from a menu or another window the field keeps its cursor and what was selected.
        case Qt::PopupFocusReason:
        case Qt::ActiveWindowFocusReason:
            break;
        default:
            selectAll();
            break;
    }
    if (fokus_) fokus_();
}

void Eingabefeld::focusOutEvent(QFocusEvent* ereignis) {
    QLineEdit::focusOutEvent(ereignis);
    if (verlaesstDasFeld(ereignis->reason())) uebernehmen();
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

// Only the click that brought the cursor in selects; a later click into the field places the
// cursor, as in any text field.
void Eingabefeld::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) klickWaehltAlles_ = false;
    QLineEdit::mousePressEvent(ereignis);
}

// The middle button would paste the X11 selection.
void Eingabefeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::MiddleButton) {
        ereignis->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(ereignis);
    // A drag over part of the number keeps that part selected.
    if (klickWaehltAlles_ && !hasSelectedText()) selectAll();
    klickWaehltAlles_ = false;
}

void Eingabefeld::paintEvent(QPaintEvent* ereignis) {
    QLineEdit::paintEvent(ereignis);
    QPainter maler(this);
    maler.setPen(QColor(0x80, 0x80, 0x80));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace korvalt
