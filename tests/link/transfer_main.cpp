// The clone transfer's tests, one test object per subject.

#include <initializer_list>

int RunTransferReadTests(int argc, char** argv);
int RunTransferWriteTests(int argc, char** argv);
int RunTransferPortTests(int argc, char** argv);
int RunTransferControlTests(int argc, char** argv);

int main(int argc, char** argv) {
    int status = 0;
    for (auto run : {RunTransferReadTests, RunTransferWriteTests, RunTransferPortTests, RunTransferControlTests})
        status |= run(argc, argv);
    return status;
}
