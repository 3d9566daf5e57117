#include "FormView.h"

namespace rk {

FormView::FormView(RadioDocument& document, const ModelProfile& profile, QWidget* parent)
    : QWidget(parent), m_document(document), m_profile(profile) {}

void FormView::OnInitialUpdate() {}
void FormView::OnReadRadio() {}
void FormView::OnWriteRadio() {}
bool FormView::IsWriting() const { return false; }
void FormView::OnCloseRequest() {}

}  // namespace rk
