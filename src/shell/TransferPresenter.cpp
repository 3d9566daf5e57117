#include "TransferPresenter.h"

#include "CloneLink.h"
#include "FormView.h"
#include "Prompts.h"

namespace rk {

namespace {
void ShowMessage(const QString& message) { Prompts::Current().ShowMessage(message); }
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
