// A bare Qt window of the main window's size, built with the same compiler, flags and Qt as the
// program: started, shown and ended after its first paint, it is what bench_fenster sets the
// program's start-up against. With --beschriftung it shows one line of text, the least a window
// with text costs: the font database read and one font laid out and drawn.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "erstes_bild.h"

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QWidget fenster;
    korvalt::bench::ErstesBild erstesBild;
    fenster.installEventFilter(&erstesBild);
    // The size of the main window at 96 dpi: its client area, the menu bar and the status line.
    fenster.resize(735, 650);
    if (argc > 1 && std::strcmp(argv[1], "--beschriftung") == 0)
        (new QLabel(QStringLiteral("Stufenlaufzeit nach § 17 TVöD"), &fenster))->move(10, 10);
    fenster.show();
    return QApplication::exec();
}
