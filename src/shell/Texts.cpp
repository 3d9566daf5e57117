#include "Texts.h"

#include <QByteArray>
#include <QCoreApplication>

namespace rk {

namespace {
QByteArray& Context() {
    static QByteArray context;
    return context;
}
}  // namespace

void SetTextContext(const char* programName) { Context() = programName; }

QString Tr(const char* utf8, const char* disambiguation) {
    return QCoreApplication::translate(Context().constData(), utf8, disambiguation);
}

}  // namespace rk
