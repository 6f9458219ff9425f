#include "platform/end_requests.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

// Each of the signals a session's end or kill sends arrives as a request in the event loop; the
// process goes on running until the program has shut down.
class EndRequestsTest final : public QObject {
    Q_OBJECT

private slots:
    void aSignalBecomesOneRequest_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void aSignalBecomesOneRequest()
    {
        QFETCH(int, number);
        const auto requests = lumo::platform::watchEndRequests();
        QSignalSpy spy(requests.get(), &lumo::platform::EndRequests::endRequested);
        QCOMPARE(::raise(number), 0);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 5000);
        QTest::qWait(100);
        QCOMPARE(spy.count(), 1);
    }

    void signalsInARowAreHeard()
    {
        const auto requests = lumo::platform::watchEndRequests();
        QSignalSpy spy(requests.get(), &lumo::platform::EndRequests::endRequested);
        QCOMPARE(::raise(SIGTERM), 0);
        QCOMPARE(::raise(SIGHUP), 0);
        QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 1, 5000);
        // A later signal, after the first was heard, is a request of its own.
        const auto heard = spy.count();
        QCOMPARE(::raise(SIGINT), 0);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), heard + 1, 5000);
    }

    void aWatcherGoneGivesTheSignalsBack()
    {
        struct sigaction before {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &before), 0);
        {
            const auto requests = lumo::platform::watchEndRequests();
            struct sigaction watching {};
            QCOMPARE(::sigaction(SIGTERM, nullptr, &watching), 0);
            QVERIFY(watching.sa_handler != before.sa_handler);
        }
        struct sigaction after {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &after), 0);
        QVERIFY(after.sa_handler == before.sa_handler);
    }
};

QTEST_GUILESS_MAIN(EndRequestsTest)
#include "end_requests_test.moc"
