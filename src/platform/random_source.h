#pragma once

#include <cstdint>
#include <random>

namespace lumo::platform {

// The process-wide random generator: uniform values from 0 up to, not including, 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint64_t value) = 0;
    [[nodiscard]] virtual double next() = 0;
};

class MersenneRandom final : public RandomSource {
public:
    void seed(std::uint64_t value) override { m_engine.seed(value); }
    // 53 random bits scaled by 2^-53: never reaches 1, unlike some uniform_real_distribution
    // implementations that can round up to it.
    [[nodiscard]] double next() override
    {
        return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace lumo::platform
