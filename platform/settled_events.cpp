#include "platform/settled_events.h"

#include <QCoreApplication>

#include "platform/vector_unit.h"

namespace crank {
namespace {

class SettlingFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent*) override
    {
        SettleVectorUnit();
        return false;
    }
};

} // namespace

void SettleVectorUnitBeforeEachEvent()
{
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new SettlingFilter(application));
}

} // namespace crank
