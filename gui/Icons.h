#pragma once
// The program's icon and the toolbar's button pictures, drawn at run time.

#include <QIcon>
#include <QImage>

namespace vorna {

// A low-pass response curve over a grid on a white card.
QImage ProgramIconImage(int size);
QIcon ProgramIcon();

enum class ToolbarGlyph { NewDocument, Copy, Print, About };
QIcon ToolbarIcon(ToolbarGlyph glyph);

}  // namespace vorna
