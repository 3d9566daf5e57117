#include <QApplication>

#include "Rk520App.h"
#include "Rk520Profile.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (const auto status = rk::AnswerCommandLine(Rk520Profile(), QApplication::arguments().mid(1))) return *status;
    rk::PrepareApplication(app, Rk520Profile(), QApplication::arguments().mid(1));
    CRk520App program;
    if (!program.Start(QApplication::arguments().mid(1))) return 1;
    return QApplication::exec();
}
