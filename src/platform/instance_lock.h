#pragma once

namespace lumo::platform {

// Keeps a second copy of the program from running. The lock is held until its owner destroys it;
// a lock left behind by a copy that died never counts.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Takes the lock. False when another running copy holds it, true otherwise; where no lock
    // can be made at all the program runs unguarded rather than not at all.
    [[nodiscard]] virtual bool acquire() = 0;
};

} // namespace lumo::platform
