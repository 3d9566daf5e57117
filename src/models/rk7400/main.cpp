#include <QApplication>

#include "Rk7400App.h"
#include "Rk7400Profile.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (const auto status = rk::AnswerCommandLine(Rk7400Profile(), QApplication::arguments().mid(1))) return *status;
    rk::PrepareApplication(app, Rk7400Profile(), QApplication::arguments().mid(1));
    CRk7400App program;
    if (!program.Start(QApplication::arguments().mid(1))) return 1;
    return QApplication::exec();
}
