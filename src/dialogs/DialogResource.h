#pragma once
// A dialog's resource: its title, font, size and controls with ids, kinds, texts and
// positions in dialog units, in tab order. Front ends build their windows from it.

#include <string>
#include <vector>

#include "text/Texts.h"

namespace vorna {

enum class ControlKind {
    Static,    // label; may carry an id when the dialog changes its text
    GroupBox,  // frame with a caption around other controls
    Edit,      // one-line edit box
    Button,    // push button
    Radio,     // radio button; a group runs from a control with `group` set to the next one
    CheckBox,  // two-state check box
    DropList,  // combo box with a fixed list (no typing)
    DropDown,  // combo box with an edit field and a list
    Picture,   // area that shows an image
};

constexpr int IDC_STATIC = -1;

// A place or size in dialog units: `japanese` as the dialog is laid out for the Japanese
// texts, `english` where the English texts need more room.
inline int ForLanguage(int japanese, int english) {
    return CurrentLanguage() == Language::English ? english : japanese;
}

enum class TextAlign { Left, Right, Center };

struct ControlSpec {
    ControlKind kind = ControlKind::Static;
    int id = IDC_STATIC;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool group = false;              // starts a group (and a tab stop)
    bool defaultButton = false;      // pressed by Enter
    std::vector<std::string> items;  // initial list of a combo box
    TextAlign align = TextAlign::Left;
    bool readOnly = false;
};

struct DialogResource {
    int id = 0;
    std::string title;
    std::string fontName = Text(TextId::DefaultFontFace);
    int fontPoints = 9;
    int width = 0;   // dialog units
    int height = 0;  // dialog units
    std::vector<ControlSpec> controls;

    const ControlSpec* Find(int controlId) const;
};

}  // namespace vorna
