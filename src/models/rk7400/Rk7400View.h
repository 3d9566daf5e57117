#pragma once
// The rk7400 editor form: the shared form view over this model's Designer form.

#include <memory>

#include "FormView.h"

namespace Ui {
class Rk7400Form;
}

class CRk7400View : public rk::FormView {
    Q_OBJECT
public:
    explicit CRk7400View(rk::RadioDocument& document, QWidget* parent = nullptr);
    ~CRk7400View() override;

private:
    std::unique_ptr<Ui::Rk7400Form> m_ui;
};
