#include <QTest>

#include "RadioImageTest.h"
#include "TestRunner.h"

int main(int argc, char** argv) {
    int status = 0;
    {
        RadioImageTest t;
        status |= rk::test::RunTestObject(t, argc, argv);
    }
    {
        EditHistoryTest t;
        status |= rk::test::RunTestObject(t, argc, argv);
    }
    {
        ImageFileTest t;
        status |= rk::test::RunTestObject(t, argc, argv);
    }
    return status;
}
