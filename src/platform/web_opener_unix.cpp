#include "platform/web_opener_native.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace lumo::platform {

namespace {
// An opener that ends unsuccessfully within this time could not open the page. One that ends later
// was a browser run in the foreground, which had shown the page long before.
constexpr qint64 kWatchedMilliseconds = 60 * 1000;

// Inside a Flatpak or Snap sandbox only the desktop portal can open a page.
bool inSandbox()
{
    return QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP");
}

// The commands of a browser variable: by the $BROWSER convention a ":"-separated list, each
// entry a command line whose "%s" stands for the address ("%%" for a "%").
QList<QStringList> browserCommands(const QString& value)
{
    QList<QStringList> commands;
    for (const QString& entry : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QStringList command = QProcess::splitCommand(entry);
        if (!command.isEmpty()) {
            commands << command;
        }
    }
    return commands;
}

// The command that opens a page, in the order Qt's desktop services look: the browser the user
// chose ($DEFAULT_BROWSER, then each of $BROWSER's in turn, the first that is installed), else
// the desktop's xdg-open. Empty when none is found.
QStringList openerCommand()
{
    for (const char* variable : {"DEFAULT_BROWSER", "BROWSER"}) {
        for (const QStringList& command : browserCommands(qEnvironmentVariable(variable))) {
            if (!QStandardPaths::findExecutable(command.front()).isEmpty()) {
                return command;
            }
        }
    }
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return xdgOpen.isEmpty() ? QStringList() : QStringList{xdgOpen};
}

// The command's arguments with the address in place of each "%s", or after them when none has
// one.
QStringList withAddress(const QStringList& command, const QString& address)
{
    QStringList result;
    bool placed = false;
    for (const QString& argument : command) {
        QString filled;
        for (qsizetype i = 0; i < argument.size(); ++i) {
            const QChar next = i + 1 < argument.size() ? argument[i + 1] : QChar();
            if (argument[i] == QLatin1Char('%') && next == QLatin1Char('s')) {
                filled += address;
                placed = true;
                ++i;
            } else if (argument[i] == QLatin1Char('%') && next == QLatin1Char('%')) {
                filled += QLatin1Char('%');
                ++i;
            } else {
                filled += argument[i];
            }
        }
        result << filled;
    }
    if (!placed) {
        result << address;
    }
    return result;
}

// Runs the opener with the address in its arguments (see withAddress), without a shell, and watches
// how it ends without waiting for it: a start that fails, a crash or an unsuccessful exit status is
// a failure. The process object lives until the opener ends; an opener still running when the
// program ends is left to run.
void runWatched(QStringList command, const QString& address, WebOpener::Failed failed)
{
    auto* process = new QProcess;
    command = withAddress(command, address);
    process->setProgram(command.takeFirst());
    process->setArguments(command);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto report = [failed] {
        if (failed) {
            failed();
        }
    };
    QElapsedTimer running;
    running.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, report, running](int exitCode, QProcess::ExitStatus status) {
                         const bool succeeded = status == QProcess::NormalExit && exitCode == 0;
                         if (!succeeded && !running.hasExpired(kWatchedMilliseconds)) {
                             report();
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             report();
                             process->deleteLater();
                         }
                     });
    process->start();
}

// Hands the address to the user's chosen browser or to xdg-open, which asks the desktop (and
// honours $BROWSER itself when the desktop has no opener of its own), and watches it. In a
// sandbox, or where neither is found, Qt's desktop services take the address (through the portal,
// or to a browser they know by name); their refusal, such as "Unable to detect a web browser",
// is a failure.
class WatchedWebOpener final : public WebOpener {
public:
    void open(const QString& address, Failed failed) override
    {
        const QStringList command = inSandbox() ? QStringList() : openerCommand();
        if (!command.isEmpty()) {
            runWatched(command, address, std::move(failed));
            return;
        }
        if (!QDesktopServices::openUrl(QUrl(address)) && failed) {
            failed();
        }
    }
};
} // namespace

// The browser gets the address as one program argument, and Linux takes at most 128 KiB, its
// closing zero included, in one argument.
qsizetype longestWebAddress() noexcept
{
    constexpr qsizetype kLongestArgument = 128 * 1024 - 1;
    return kLongestArgument;
}

std::unique_ptr<WebOpener> createNativeWebOpener()
{
    return std::make_unique<WatchedWebOpener>();
}

} // namespace lumo::platform
