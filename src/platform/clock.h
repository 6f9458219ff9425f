#pragma once

#include <QDate>
#include <cstdint>

namespace lumo::platform {

class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QDate today() const = 0;
    // A seed for the random generator taken from the time of day.
    [[nodiscard]] virtual std::uint64_t timeOfDaySeed() const = 0;
};

} // namespace lumo::platform
