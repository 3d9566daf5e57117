#include <QTest>

#include "RadioImageTest.h"
#include "TestRunner.h"

RK_TEST_PROGRAM(QCoreApplication, rk::test::Objects<RadioImageTest, EditHistoryTest, ImageFileTest>{})
