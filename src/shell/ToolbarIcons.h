#pragma once
// The toolbar's button images, drawn at the model's button size.

#include <QIcon>
#include <QSize>

namespace rk {

enum class ToolbarImage { New, Open, Save, Read, Write };

QIcon ToolbarIcon(ToolbarImage image, QSize size);

}  // namespace rk
