#pragma once
// The text of a PDF file as pdftotext (poppler-utils) takes it out, laid out
// as on the page; empty when it cannot be read.
//
// A font that draws the en dash and the figure dash with one glyph (Noto
// Sans CJK does) names only one of them for that glyph, so a "400–420" the
// program wrote may come back as "400‒420": the figure dash is read as the en
// dash it stands for.

#include <QProcess>
#include <QString>

namespace rk::test {

inline QString PdfText(const QString& path) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text.waitForFinished(20'000) || text.exitStatus() != QProcess::NormalExit || text.exitCode() != 0) return {};
    return QString::fromUtf8(text.readAllStandardOutput()).replace(QChar(0x2012), QChar(0x2013));
}

}  // namespace rk::test
