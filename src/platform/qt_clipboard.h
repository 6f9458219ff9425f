#pragma once

#include "platform/clipboard.h"

namespace lumo::platform {

class QtClipboard final : public Clipboard {
public:
    void removeTextOf(const QString& source, Scope scope) override;
};

} // namespace lumo::platform
