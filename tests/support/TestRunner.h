#pragma once
// Runs several Qt Test objects in one program.
//
// Every QTest::qExec installs a crash handler for the fatal signals and, on
// leaving, does not put the default action back (Qt 6.4). The next qExec then
// takes the first run's handler for the previous action, and a crash or an
// exception that escapes a test function re-enters that handler without end:
// the program spins instead of failing. Each run here starts from the signal
// actions the program had before the first run, so a crash ends the program,
// and an escaped exception (qExec has recorded it as a failure) fails its own
// test object while the others still run.

#include <QCoreApplication>
#include <QTest>

#include <array>
#include <csignal>

namespace rk::test {

inline int RunTestObject(QObject& test, int argc, char** argv) {
    static constexpr std::array kFatalSignals{SIGHUP, SIGINT, SIGQUIT, SIGILL, SIGABRT,
                                              SIGBUS, SIGFPE, SIGSEGV, SIGPIPE, SIGTERM};
    static std::array<struct sigaction, kFatalSignals.size()> initial{};
    static bool saved = false;
    for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
        if (saved)
            sigaction(kFatalSignals[i], &initial[i], nullptr);
        else
            sigaction(kFatalSignals[i], nullptr, &initial[i]);
    }
    saved = true;
    try {
        return QTest::qExec(&test, argc, argv);
    } catch (...) {
        return 1;
    }
}

}  // namespace rk::test

// A program of one test object without windows: QTEST_GUILESS_MAIN through
// the runner above.
#define RK_TEST_GUILESS_MAIN(TestObject)                   \
    int main(int argc, char** argv) {                      \
        QCoreApplication app(argc, argv);                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);           \
        TestObject test;                                   \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return rk::test::RunTestObject(test, argc, argv);  \
    }

// The same for a test object that shows windows.
#define RK_TEST_MAIN(TestObject)                           \
    int main(int argc, char** argv) {                      \
        QApplication app(argc, argv);                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);           \
        TestObject test;                                   \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return rk::test::RunTestObject(test, argc, argv);  \
    }

