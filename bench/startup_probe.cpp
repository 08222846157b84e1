#include "bench/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace crank {
namespace {

struct ExposeProbe : QObject {
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || std::exchange(m_seen, true))
            return false;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("mapped %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        if (qgetenv("CRANK_BENCH_STAY") != "1")
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        return false;
    }
    bool m_seen = false;
};

} // namespace

void reportWhenMapped(QWidget& window)
{
    window.winId(); // makes sure the native window exists
    window.windowHandle()->installEventFilter(new ExposeProbe(window.windowHandle()));
}

} // namespace crank
