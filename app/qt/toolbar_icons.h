#pragma once

#include <QIcon>

namespace selkan {

enum class ToolbarIconKind { New, Open, Save, Read, Write, Print, About };

// The toolbar's pictures, drawn by the program itself at 18 × 18 pixels.
QIcon ToolbarIcon(ToolbarIconKind kind);

}  // namespace selkan
