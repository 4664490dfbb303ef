// A bare Qt window of the main window's size, built with the same compiler, flags and Qt as the
// program: started, shown and ended after its first paint, it is what bench_fenster sets the
// program's start-up against.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class LeeresFenster : public QWidget {
  protected:
    bool event(QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && !gemalt_) {
            gemalt_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        }
        return QWidget::event(ereignis);
    }

  private:
    bool gemalt_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    LeeresFenster fenster;
    // The size of the main window at 96 dpi: its client area, the menu bar and the status line.
    fenster.resize(735, 650);
    fenster.show();
    return QApplication::exec();
}
