#pragma once

namespace lumo::platform {

// Whether the user has asked the desktop for high contrast. Asked once, before any window
// exists; an answer never takes long, and no answer counts as "no".
class ContrastPreference {
public:
    virtual ~ContrastPreference() = default;
    [[nodiscard]] virtual bool highContrast() = 0;
};

} // namespace lumo::platform
