// Helper of the start-up benchmarks: when a program's window is painted the first time, it tells
// bench_fenster how long the start took and ends at once, so that tearing down the program is not
// counted as its start.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace korvalt::bench {

// The name under which bench_fenster hands over the moment it started the process (nanoseconds of
// CLOCK_MONOTONIC).
inline constexpr const char* startZeitVariable = "KORVALT_BENCH_START_NS";

inline long long monotonNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

// Watches the window: once its first paint is done, writes the nanoseconds since the process was
// started to standard output (when bench_fenster gave the start) and ends the process.
class ErstesBild : public QObject {
  public:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && !gemalt_) {
            gemalt_ = true;
            // After the paint event, once the painted window has been handed to the display.
            QTimer::singleShot(0, [] {
                if (const char* start = std::getenv(startZeitVariable))
                    std::printf("%lld\n", monotonNs() - std::atoll(start));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(ziel, ereignis);
    }

  private:
    bool gemalt_ = false;
};

}  // namespace korvalt::bench
