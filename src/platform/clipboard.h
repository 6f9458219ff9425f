#pragma once

#include <QString>

namespace lumo::platform {

// The system clipboard, as far as the program touches it: it only ever takes its own text off it.
class Clipboard {
public:
    // Where to look: the clipboard and the selection, or the selection alone.
    enum class Scope { ClipboardAndSelection, SelectionOnly };

    virtual ~Clipboard() = default;

    // Empties the clipboard and, where the system has one, the selection that a middle click
    // pastes (X11's primary selection), each only while it holds text that this program put there
    // and that is a part of `source`. Whatever else they hold, another program's text above all,
    // stays.
    virtual void removeTextOf(const QString& source, Scope scope) = 0;
};

} // namespace lumo::platform
