#pragma once

#include "platform/web_opener.h"

#include <QString>

namespace lumo::platform {

// Opens an address with the desktop's opener program (xdg-open, or open on macOS), started as a
// detached process with the address as its single argument: no shell, no waiting, and no child
// left behind. A missing program or browser goes unnoticed, as does any output of the program.
class DesktopWebOpener final : public WebOpener {
public:
    DesktopWebOpener();
    // `program` is looked up on PATH at each call, unless it is a path itself.
    explicit DesktopWebOpener(QString program);
    void open(const QString& address) override;

private:
    QString m_program;
};

} // namespace lumo::platform
