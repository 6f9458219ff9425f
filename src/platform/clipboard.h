#pragma once

namespace lumo::platform {

// The system clipboard, as far as the program touches it: it only ever empties it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
};

} // namespace lumo::platform
