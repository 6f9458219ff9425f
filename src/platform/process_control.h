#pragma once

namespace lumo::platform {

// Ends the process. The real one never returns; a test's fake records the call and returns.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    virtual void endNow(int exitCode) = 0;
};

} // namespace lumo::platform
