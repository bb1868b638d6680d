#pragma once

#include <QtCore/QDeadlineTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>

#include <functional>

// Runs the event loop until done() holds or the time is up, and says
// whether it holds. Unlike QTest::qWaitFor it does not sleep 10 ms between
// turns, so an exchange of many small steps (a reply, a 1 ms timer, a
// chunk) runs at a host's pace.
inline bool wait_until(const std::function<bool()> &done, int timeout_ms = 5000)
{
    if (done())
        return true;
    // No single-shot timer for the deadline: it would outlive the wait.
    const QDeadlineTimer deadline(timeout_ms);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return done();
}

// Runs the event loop for this long, at a host's pace.
inline void run_events_for(int milliseconds)
{
    wait_until([] { return false; }, milliseconds);
}

// QTRY_VERIFY and QTRY_COMPARE (5 s) and their _WITH_TIMEOUT forms at a
// host's pace.
#define VX_TRY_VERIFY_WITH_TIMEOUT(expr, timeout_ms) \
    QVERIFY2(wait_until([&] { return bool(expr); }, timeout_ms), #expr)
#define VX_TRY_COMPARE_WITH_TIMEOUT(actual, expected, timeout_ms)       \
    do {                                                                \
        wait_until([&] { return (actual) == (expected); }, timeout_ms); \
        QCOMPARE(actual, expected);                                     \
    } while (false)
#define VX_TRY_VERIFY(expr) VX_TRY_VERIFY_WITH_TIMEOUT(expr, 5000)
#define VX_TRY_COMPARE(actual, expected) VX_TRY_COMPARE_WITH_TIMEOUT(actual, expected, 5000)
