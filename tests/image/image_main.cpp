#include <QTest>

#include "RadioImageTest.h"

int main(int argc, char** argv) {
    int status = 0;
    {
        RadioImageTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        ImageFileTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
