#pragma once

namespace lumo::platform {

// Tells whether another copy of the program is running. The first call takes a lock held for
// the life of the process; a lock left behind by a copy that died never counts.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    [[nodiscard]] virtual bool anotherInstanceRunning() = 0;
    // Gives the lock up, if this copy holds it, so that an ordinary end leaves nothing behind.
    virtual void release() = 0;
};

} // namespace lumo::platform
