#include <QApplication>
#include <QTest>

#include "EditorTests.h"
#include "TestRunner.h"

RK_TEST_PROGRAM(QApplication, rk::test::Objects<FormLayoutTest, ChannelDisplayTest, ChannelListsTest, FieldEditsTest,
                                                OptionEditsTest, SquelchCodeTest, ScanGroupTest>{})
