#pragma once
// The channel sheet a radio shop hands over with a programmed radio: the
// configured channels in the channel table's columns, headed by the program,
// the file, the date, the band, the time limit where the model has one, and
// the scan groups. Printed, or saved as a PDF file.

#include <QDate>
#include <QString>

#include "ModelProfile.h"
#include "RadioImage.h"

class QWidget;

namespace rk {

class DocumentFiles;

QString ChannelSheetHtml(const ModelProfile& profile, const RadioImage& image, const QString& fileName, const QDate& date);

// Asks for the file (through Prompts); false when cancelled or not written.
bool ExportChannelSheetPdf(const ModelProfile& profile, DocumentFiles& files);
// The system's print dialog, then the printer.
void PrintChannelSheet(const ModelProfile& profile, DocumentFiles& files, QWidget* parent);

}  // namespace rk
