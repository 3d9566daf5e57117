#include <QApplication>
#include <QTest>

#include "EditorTests.h"
#include "TestRunner.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int status = 0;
    const auto run = [&](QObject&& test) { status |= rk::test::RunTestObject(test, argc, argv); };
    run(FormLayoutTest{});
    run(ChannelDisplayTest{});
    run(ChannelListsTest{});
    run(FieldEditsTest{});
    run(SquelchCodeTest{});
    run(ScanGroupTest{});
    return status;
}
