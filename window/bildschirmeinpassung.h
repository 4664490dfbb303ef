// Keeping a window within its screen's available area (without the panels) when it opens.
#pragma once

#include <QRect>

class QWidget;

namespace korvalt {

// The frame rectangle `rahmen` shrunk to `bereich` where it is larger, and moved into it where it
// reaches beyond.
QRect inBereich(const QRect& rahmen, const QRect& bereich);

// Fits the top-level window `fenster` with its frame, as far as the window system has told it,
// into `bereich`.
void einpassen(QWidget& fenster, const QRect& bereich);

// Fits `fenster` into its screen's available area when it is first shown, and again once the
// window system has put its frame around it; later sizes are the user's.
void beimOeffnenEinpassen(QWidget& fenster);

}  // namespace korvalt
