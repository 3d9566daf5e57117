#include "Rk520View.h"

#include "Rk520Profile.h"
#include "ui_Rk520Form.h"

CRk520View::CRk520View(rk::RadioDocument& document, QWidget* parent)
    : rk::FormView(document, Rk520Profile(), parent), m_ui(std::make_unique<Ui::Rk520Form>()) {
    m_ui->setupUi(this);
    BindForm({rk::ctl::kDelay, rk::ctl::kTotLimit, rk::ctl::kRxFreq, rk::ctl::kBandLow, rk::ctl::kBandHigh,
              rk::ctl::kTxFreq});
}

CRk520View::~CRk520View() = default;
