#pragma once

#include <QObject>
#include <memory>

namespace lumo::platform {

// Tells the program when the system or the user asks it to end from outside its windows: on
// Unix the signals SIGTERM, SIGHUP and SIGINT (a session ending, kill, Ctrl+C in a terminal).
// The request arrives as a signal in the event loop, so the program ends through its own
// shutdown rather than at once in the middle of whatever it was doing.
class EndRequests : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EndRequests)

public:
    using QObject::QObject;

signals:
    void endRequested();
};

// Watches for end requests while the returned object lives; which file defines it is chosen by
// the build. One watcher at a time.
[[nodiscard]] std::unique_ptr<EndRequests> watchEndRequests();

} // namespace lumo::platform
