#pragma once
// The rk520 editor form: the shared form view over this model's Designer form.

#include <memory>

#include "FormView.h"

namespace Ui {
class Rk520Form;
}

class CRk520View : public rk::FormView {
    Q_OBJECT
public:
    explicit CRk520View(rk::RadioDocument& document, QWidget* parent = nullptr);
    ~CRk520View() override;

private:
    std::unique_ptr<Ui::Rk520Form> m_ui;
};
