#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <csignal>

#include "platform/QuitRequests.h"

// Each of the system's requests to end reaches the loop as one call to quit, after the
// signal handler has returned: the three signals, sent to this process as kill sends them,
// and the session's end, the application's Quit event. With the requests gone, the signals
// end the program again.
TEST(QuitRequests, EachSignalAndTheSessionsEndQuitFromTheLoop) {
    int quits = 0;
    {
        const TQuitRequests requests([] {}, [&quits] { ++quits; });
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            const int before = quits;
            ASSERT_EQ(std::raise(signal), 0);
            EXPECT_EQ(quits, before) << "quit inside the handler of signal " << signal;
            EXPECT_TRUE(QTest::qWaitFor([&] { return quits == before + 1; }, 5000))
                << "signal " << signal;
        }
        QEvent sessionEnd(QEvent::Quit);
        EXPECT_TRUE(QCoreApplication::sendEvent(QCoreApplication::instance(), &sessionEnd));
        EXPECT_EQ(quits, 4);
    }
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}
