#include "bench/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace crank {
namespace {

class ExposeProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !m_seen) {
            m_seen = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("mapped %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL +
                                             now.tv_nsec);
            std::fflush(stdout);
            const char* stay = std::getenv("CRANK_BENCH_STAY");
            if (stay == nullptr || std::strcmp(stay, "1") != 0) {
                QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

void reportWhenMapped(QWidget& window)
{
    window.winId(); // makes sure the native window exists
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(new ExposeProbe(handle));
}

} // namespace crank
