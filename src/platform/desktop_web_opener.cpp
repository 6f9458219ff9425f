#include "platform/desktop_web_opener.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace lumo::platform {

namespace {
#ifdef Q_OS_MACOS
constexpr auto kOpenerProgram = "open";
#else
constexpr auto kOpenerProgram = "xdg-open";
#endif

// The program's full path: taken as it is when it names a path, else found on the PATH in
// force now. Empty when there is no such program.
QString resolveProgram(const QString& program)
{
    if (program.contains(QLatin1Char('/'))) {
        return program;
    }
    return QStandardPaths::findExecutable(program);
}
} // namespace

DesktopWebOpener::DesktopWebOpener()
    : m_program(QString::fromLatin1(kOpenerProgram))
{
}

DesktopWebOpener::DesktopWebOpener(QString program)
    : m_program(std::move(program))
{
}

void DesktopWebOpener::open(const QString& address)
{
    const QString program = resolveProgram(m_program);
    if (program.isEmpty()) {
        return;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(QStringList{address});
    // Like a shell start: the root folder as working folder, so no folder of ours stays busy,
    // and no terminal input or output shared with the opener.
    process.setWorkingDirectory(QDir::rootPath());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // startDetached forks twice, so the opener never becomes our zombie; a failed start is
    // ignored like any other failure to open the page.
    process.startDetached();
}

} // namespace lumo::platform
