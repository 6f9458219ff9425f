#pragma once

#include <QString>

namespace lumo::platform {

// Hands a web address to the desktop, which opens it in the user's default browser.
// Returns at once; whether a browser opened is never reported.
class WebOpener {
public:
    virtual ~WebOpener() = default;
    virtual void open(const QString& address) = 0;
};

} // namespace lumo::platform
