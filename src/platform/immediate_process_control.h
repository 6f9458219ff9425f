#pragma once

#include "platform/process_control.h"

namespace lumo::platform {

// Ends the process on the spot: no event loop, no destructors, nothing saved.
class ImmediateProcessControl final : public ProcessControl {
public:
    [[noreturn]] void endNow(int exitCode) override;
};

} // namespace lumo::platform
