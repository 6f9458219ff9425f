#include "platform/system_clock.h"

#include <QDateTime>

namespace lumo::platform {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

std::uint64_t SystemClock::timeOfDaySeed() const
{
    // Milliseconds since the epoch: distinct for starts a moment apart, unlike the seconds of
    // the day alone.
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace lumo::platform
