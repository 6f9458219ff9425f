#include "platform/end_requests.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lumo::platform {

namespace {
constexpr std::array kEndSignals{SIGTERM, SIGHUP, SIGINT};

// The handler's end of the socket pair; a signal handler may only write to it.
volatile sig_atomic_t g_writeEnd = -1;

void onEndSignal(int number)
{
    const int saved = errno;
    const char byte = static_cast<char>(number);
    // The socket does not block: when it is full a request is already waiting.
    (void)!::write(g_writeEnd, &byte, 1);
    errno = saved;
}

// A signal handler writes one byte into a socket pair; the event loop hears the other end.
class SignalEndRequests final : public EndRequests {
public:
    SignalEndRequests()
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0,
                         m_sockets.data()) != 0) {
            m_sockets = {-1, -1};
            return; // without the pair the signals keep their default: the program ends at once
        }
        g_writeEnd = m_sockets[1];
        m_notifier = new QSocketNotifier(m_sockets[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SignalEndRequests::drain);
        struct sigaction action {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
            ::sigaction(kEndSignals[i], &action, &m_previous[i]);
        }
    }
    ~SignalEndRequests() override
    {
        if (m_sockets[0] < 0) {
            return;
        }
        for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
            ::sigaction(kEndSignals[i], &m_previous[i], nullptr);
        }
        g_writeEnd = -1;
        delete m_notifier;
        ::close(m_sockets[0]);
        ::close(m_sockets[1]);
    }
    Q_DISABLE_COPY_MOVE(SignalEndRequests)

private:
    void drain()
    {
        std::array<char, 64> bytes{};
        while (::read(m_sockets[0], bytes.data(), bytes.size()) > 0) {
        }
        emit endRequested();
    }

    std::array<int, 2> m_sockets{-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    std::array<struct sigaction, kEndSignals.size()> m_previous{};
};
} // namespace

std::unique_ptr<EndRequests> watchEndRequests()
{
    return std::make_unique<SignalEndRequests>();
}

} // namespace lumo::platform
