#pragma once

#include "platform/random_source.h"

#include <QList>
#include <cstdint>
#include <deque>
#include <functional>

namespace lumo::testing {

// Answers draws from `values` (then `fallback`) and records every seed and draw.
class QueuedRandom final : public platform::RandomSource {
public:
    void seed(std::uint64_t value) override { seeds << value; }
    double next() override
    {
        ++draws;
        if (onDraw) {
            onDraw();
        }
        if (values.empty()) {
            return fallback;
        }
        const double value = values.front();
        values.pop_front();
        return value;
    }

    std::deque<double> values;
    double fallback = 0.0;
    QList<std::uint64_t> seeds;
    int draws = 0;
    std::function<void()> onDraw;
};

} // namespace lumo::testing
