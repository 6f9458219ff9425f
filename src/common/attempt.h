#pragma once

namespace lumo {

// Runs one step of start-up, closing or shutdown. A step that fails is abandoned silently, so
// that it never keeps the next step from running.
template <typename Step> void attempt(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace lumo
