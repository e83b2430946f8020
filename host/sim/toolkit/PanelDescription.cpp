#include "host/sim/toolkit/PanelDescription.hpp"

#include <algorithm>

namespace krx::sim::toolkit {

namespace {

struct KindWord {
    ItemKind kind;
    const char* word;
};

constexpr KindWord kindWords[] = {
    {ItemKind::Button, "Button"},
    {ItemKind::LeftText, "LeftText"},
    {ItemKind::RightText, "RightText"},
    {ItemKind::CenterText, "CenterText"},
    {ItemKind::TextEdit, "TextEdit"},
    {ItemKind::UserControl, "UserControl"},
    {ItemKind::SingleSelList, "SingleSelList"},
    {ItemKind::MultiSelList, "MultiSelList"},
};

}  // namespace

bool ItemDescription::hasFlag(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

int ItemDescription::value(const std::string& name, int fallback) const {
    const auto it = values.find(name);
    return it == values.end() ? fallback : it->second;
}

bool PanelDescription::hasFlag(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

bool itemKindFromWord(const std::string& word, ItemKind* kind) {
    for (const KindWord& entry : kindWords) {
        if (word == entry.word) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

const char* itemKindWord(ItemKind kind) {
    for (const KindWord& entry : kindWords) {
        if (entry.kind == kind) {
            return entry.word;
        }
    }
    return "?";
}

}  // namespace krx::sim::toolkit
