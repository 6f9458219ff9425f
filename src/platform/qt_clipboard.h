#pragma once

#include "platform/clipboard.h"

namespace lumo::platform {

class QtClipboard final : public Clipboard {
public:
    void clear() override;
};

} // namespace lumo::platform
