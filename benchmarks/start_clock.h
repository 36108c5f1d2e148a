// Start-up figures of a program and of the bare window it is measured against.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTextStream>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <optional>

namespace qelt::start_clock {

inline long PeakResidentKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

inline double MillisecondsSince(long long launchNs) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<double>(std::chrono::nanoseconds(now).count() - launchNs) / 1e6;
}

// Reads the clock once the window's first expose has been handled, that is once the window has
// been painted and its backing store flushed: it hands the expose on itself to know when.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWindow& window, long long launchNs) : launchNs_(launchNs) {
        window.installEventFilter(this);
    }
    std::optional<double> ms;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || handing_) {
            return false;
        }
        handing_ = true;
        QCoreApplication::sendEvent(watched, event);
        handing_ = false;
        if (static_cast<QWindow*>(watched)->isExposed()) {
            ms = MillisecondsSince(launchNs_);
            watched->removeEventFilter(this);
        }
        return true;
    }

  private:
    long long launchNs_;
    bool handing_ = false;
};

// For a window just shown, prints one "name=value" a line:
//   painted_ms      launch to the window's first paint
//   idle_ms         launch to the program idle after it (its other windows painted too)
//   hwm_startup_kb  peak resident memory then
inline void Measure(QWidget& window, long long launchNs, QTextStream& out) {
    FirstPaint painted(*window.windowHandle(), launchNs);
    while (!painted.ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    QCoreApplication::processEvents();
    const double idleMs = MillisecondsSince(launchNs);
    out << "painted_ms=" << QString::number(*painted.ms, 'f', 1) << '\n'
        << "idle_ms=" << QString::number(idleMs, 'f', 1) << '\n'
        << "hwm_startup_kb=" << PeakResidentKb() << '\n';
}

}  // namespace qelt::start_clock
