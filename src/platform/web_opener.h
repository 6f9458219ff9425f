#pragma once

#include <QString>
#include <functional>

namespace lumo::platform {

// Hands a web address to the desktop, which opens it in the user's default browser.
// Returns at once; when the desktop cannot open the address, `failed` runs on the user-interface
// thread, either before open returns or later, once the system has said so.
class WebOpener {
public:
    using Failed = std::function<void()>;

    virtual ~WebOpener() = default;
    virtual void open(const QString& address, Failed failed) = 0;
};

} // namespace lumo::platform
