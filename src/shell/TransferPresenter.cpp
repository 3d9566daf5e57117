#include "TransferPresenter.h"

#include "CloneLink.h"
#include "FormView.h"
#include "Prompts.h"
#include "Texts.h"

namespace rk {

namespace {
// The link reports the rules' texts as they are; they are shown in the
// interface language. Each line is looked up on its own, so that a line added
// to a known text leaves the known part translated.
void ShowMessage(const QString& message) {
    QStringList lines = message.split(QLatin1Char('\n'));
    for (QString& line : lines) line = Tr(line.toUtf8().constData());
    Prompts::Current().ShowMessage(lines.join(QLatin1Char('\n')));
}
}  // namespace

TransferPresenter::TransferPresenter(CloneLink& link, FormView& view, QObject* parent)
    : QObject(parent), m_view(view) {
    connect(&link, &CloneLink::readCompleted, this, &TransferPresenter::OnReadCompleted);
    connect(&link, &CloneLink::writeCompleted, this, &ShowMessage);
    connect(&link, &CloneLink::writeRefused, this, &TransferPresenter::OnWriteRefused);
    connect(&link, &CloneLink::failed, this, &ShowMessage);
}

void TransferPresenter::OnReadCompleted(const QString& message) {
    m_view.ShowReadImage();
    ShowMessage(message);
}

void TransferPresenter::OnWriteRefused(int channel, const QString& message) {
    if (!message.isEmpty()) ShowMessage(message);
    if (channel >= 0) m_view.ShowRefusedChannel(channel);
}

}  // namespace rk
