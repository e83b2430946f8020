#pragma once

// What a 'GDLG' resource (with its 'DLGH' tooltips) says about a window: its kind, frame flags,
// initial size, title and items. The toolkit builds palettes and dialogs from these; tests build
// them in memory for panels of their own.

#include <map>
#include <string>
#include <vector>

namespace krx::sim::toolkit {

enum class PanelKind { Palette, ModalDialog, ModelessDialog };

enum class ItemKind {
    Button,
    LeftText,
    RightText,
    CenterText,
    TextEdit,
    UserControl,
    SingleSelList,
    MultiSelList,
};

struct Rect {
    short left = 0;
    short top = 0;
    short width = 0;
    short height = 0;
};

struct ItemDescription {
    ItemKind kind = ItemKind::Button;
    Rect rect;
    std::string text;
    // Words without a value (fonts, "NoHeader"), and words followed by a number ("HasHeader 20").
    std::vector<std::string> flags;
    std::map<std::string, int> values;
    // The control that a UserControl item hosts: "TextPopup" or "AttributeList".
    std::string controlClass;
    std::string tooltip;

    bool hasFlag(const std::string& flag) const;
    int value(const std::string& name, int fallback) const;
};

struct PanelDescription {
    PanelKind kind = PanelKind::Palette;
    std::vector<std::string> flags;
    Rect rect;
    std::string title;
    std::vector<ItemDescription> items;

    bool hasFlag(const std::string& flag) const;
};

// Item kind words of the resource scripts, and back (for error texts and the text rendering).
bool itemKindFromWord(const std::string& word, ItemKind* kind);
const char* itemKindWord(ItemKind kind);

}  // namespace krx::sim::toolkit
