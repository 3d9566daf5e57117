#pragma once
// Shows what the program's clone transfer reports: its messages in message
// boxes, and the form redrawn after a read or a refused write.

#include <QObject>

namespace rk {

class CloneLink;
class FormView;

class TransferPresenter : public QObject {
    Q_OBJECT
public:
    TransferPresenter(CloneLink& link, FormView& view, QObject* parent = nullptr);

private:
    void OnReadCompleted(const QString& message);
    void OnWriteRefused(int channel, const QString& message);

    FormView& m_view;
};

}  // namespace rk
