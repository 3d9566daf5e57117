// rkradio: the radio images on the command line.

#include <QCoreApplication>

#include "Program.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rkradio"));
    return rk::cli::Run(QCoreApplication::arguments().mid(1));
}
