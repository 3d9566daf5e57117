// The clone transfer's tests, one test object per subject.

#include <QCoreApplication>

#include "TestRunner.h"

int RunTransferReadTests(int argc, char** argv);
int RunTransferWriteTests(int argc, char** argv);
int RunTransferPortTests(int argc, char** argv);
int RunTransferControlTests(int argc, char** argv);

RK_TEST_PROGRAM(QCoreApplication, RunTransferReadTests, RunTransferWriteTests, RunTransferPortTests, RunTransferControlTests)
