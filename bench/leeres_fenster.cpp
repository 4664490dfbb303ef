// A bare Qt window of the main window's size, built with the same compiler, flags and Qt as the
// program: started, shown and ended after its first paint, it is what bench_fenster sets the
// program's start-up against.
#include <QApplication>
#include <QWidget>

#include "erstes_bild.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QWidget fenster;
    korvalt::bench::ErstesBild erstesBild;
    fenster.installEventFilter(&erstesBild);
    // The size of the main window at 96 dpi: its client area, the menu bar and the status line.
    fenster.resize(735, 650);
    fenster.show();
    return QApplication::exec();
}
