#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumo::platform {

void QtClipboard::clear()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear(QClipboard::Clipboard);
    }
}

} // namespace lumo::platform
