#include "Rk7400View.h"

#include "Rk7400Profile.h"
#include "ui_Rk7400Form.h"

CRk7400View::CRk7400View(rk::RadioDocument& document, QWidget* parent)
    : rk::FormView(document, Rk7400Profile(), parent), m_ui(std::make_unique<Ui::Rk7400Form>()) {
    m_ui->setupUi(this);
    BindForm({rk::ctl::kDelay, rk::ctl::kTxFreq, rk::ctl::kRxFreq, rk::ctl::kBandLow, rk::ctl::kBandHigh});
}

CRk7400View::~CRk7400View() = default;
