#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace lumo::platform {

namespace {
// Every line break as one line feed: a text box hands out its text with line feeds, whatever
// breaks the text came in with.
QString withPlainBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar lineBreak :
         {QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)}) {
        text.replace(lineBreak, QLatin1Char('\n'));
    }
    return text;
}

// Qt's offscreen and minimal platforms keep the clipboard inside this process, so whatever is on
// it came from this program.
bool clipboardIsPrivate()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// Whether `mode` holds text that this program put there and that lies within `source`. Another
// program's data is never fetched: asking its owner could keep the window waiting.
bool holdsTextOf(const QClipboard& clipboard, QClipboard::Mode mode, const QString& source)
{
    const bool ours =
        mode == QClipboard::Selection ? clipboard.ownsSelection() : clipboard.ownsClipboard();
    if (!ours && !clipboardIsPrivate()) {
        return false;
    }
    const QMimeData* data = clipboard.mimeData(mode);
    if (data == nullptr || !data->hasText()) {
        return false;
    }
    const QString text = withPlainBreaks(data->text());
    return !text.isEmpty() && withPlainBreaks(source).contains(text);
}
} // namespace

void QtClipboard::removeTextOf(const QString& source, Scope scope)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    if (scope == Scope::ClipboardAndSelection &&
        holdsTextOf(*clipboard, QClipboard::Clipboard, source)) {
        clipboard->clear(QClipboard::Clipboard);
    }
    if (clipboard->supportsSelection() && holdsTextOf(*clipboard, QClipboard::Selection, source)) {
        clipboard->clear(QClipboard::Selection);
    }
}

} // namespace lumo::platform
