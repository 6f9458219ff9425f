#pragma once

#include "platform/clock.h"

namespace lumo::platform {

class SystemClock final : public Clock {
public:
    [[nodiscard]] QDate today() const override;
    [[nodiscard]] std::uint64_t timeOfDaySeed() const override;
};

} // namespace lumo::platform
