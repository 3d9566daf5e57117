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
#include <QDir>
#include <QStandardPaths>
#include <QTest>

#include <array>
#include <csignal>

namespace rk::test {

// Windows keeps the user's data where the system says (the known folders),
// whatever the environment holds: the test programs there use Qt's test
// folders instead (<user data>/qttest), emptied at the start of each program,
// so that no test touches the user's own and no earlier run's files count.
inline void UseFreshTestFolders() {
#ifdef Q_OS_WIN
    QStandardPaths::setTestModeEnabled(true);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.endsWith(QLatin1String("/qttest"))) QDir(data).removeRecursively();
#endif
}

#ifdef Q_OS_WIN
// No POSIX signals: Qt Test's handler is the process's unhandled-exception
// filter, which a later run simply replaces.
inline int RunTestObject(QObject& test, int argc, char** argv) {
    try {
        return QTest::qExec(&test, argc, argv);
    } catch (...) {
        return 1;
    }
}
#else
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
#endif

// The test objects of a program, each made, run and gone before the next.
template <typename... TestObjects>
struct Objects {
    int operator()(int argc, char** argv) const {
        int status = 0;
        const auto run = [&](auto&& test) { status |= RunTestObject(test, argc, argv); };
        (run(TestObjects{}), ...);
        return status;
    }
};

// Every run in order (each a callable taking argc and argv, such as
// Objects above or ForEachModel in the program tests); fails when any fails.
template <typename... Runs>
int RunAll(int argc, char** argv, const Runs&... runs) {
    int status = 0;
    ((status |= runs(argc, argv)), ...);
    return status;
}

}  // namespace rk::test

// The one form of a test program's main(): the application (QCoreApplication
// without windows, QApplication with them), then the runs, for example
//     RK_TEST_PROGRAM(QCoreApplication, rk::test::Objects<RadioImageTest, EditHistoryTest>{})
#define RK_TEST_PROGRAM(Application, ...)                          \
    int main(int argc, char** argv) {                              \
        Application app(argc, argv);                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                   \
        rk::test::UseFreshTestFolders();                           \
        QTEST_SET_MAIN_SOURCE_PATH                                 \
        return rk::test::RunAll(argc, argv, __VA_ARGS__);          \
    }

// One test object, with or without windows.
#define RK_TEST_GUILESS_MAIN(TestObject) RK_TEST_PROGRAM(QCoreApplication, rk::test::Objects<TestObject>{})
#define RK_TEST_MAIN(TestObject) RK_TEST_PROGRAM(QApplication, rk::test::Objects<TestObject>{})
