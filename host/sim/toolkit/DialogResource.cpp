#include "host/sim/toolkit/DialogResource.hpp"

#include <limits>

namespace krx::sim::toolkit {

namespace {

std::string where(const ResourceBlock& block, int line) {
    return block.file + ":" + std::to_string(line) + ": ";
}

// A #define'd identifier stands for its number where a number is expected.
bool numberOf(const ResourceScript& script, const ResourceToken& token, long long* number) {
    if (token.kind == ResourceToken::Kind::Number) {
        *number = token.number;
        return true;
    }
    if (token.kind == ResourceToken::Kind::Identifier) {
        const auto it = script.defines().find(token.text);
        if (it != script.defines().end() && it->second.size() == 1 &&
            it->second.front().kind == ResourceToken::Kind::Number) {
            *number = it->second.front().number;
            return true;
        }
    }
    return false;
}

bool readRect(const ResourceScript& script, const std::vector<ResourceToken>& tokens, std::size_t first,
              Rect* rect) {
    long long values[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        if (first + i >= tokens.size() || !numberOf(script, tokens[first + i], &values[i]) ||
            values[i] < std::numeric_limits<short>::min() || values[i] > std::numeric_limits<short>::max()) {
            return false;
        }
    }
    *rect = Rect{static_cast<short>(values[0]), static_cast<short>(values[1]), static_cast<short>(values[2]),
                 static_cast<short>(values[3])};
    return true;
}

bool readHeader(const ResourceScript& script, const ResourceBlock& block, PanelDescription* description,
                std::string* error) {
    const auto& tokens = block.header;
    std::size_t i = 0;
    bool expectWord = true;
    std::vector<std::string> words;
    for (; i < tokens.size(); ++i) {
        const ResourceToken& token = tokens[i];
        if (token.kind == ResourceToken::Kind::Bar && !expectWord) {
            expectWord = true;
        } else if (token.kind == ResourceToken::Kind::Identifier && expectWord) {
            words.push_back(token.text);
            expectWord = false;
        } else {
            break;
        }
    }
    if (words.empty() || expectWord) {
        *error = where(block, block.line) + "'GDLG' header needs a window kind and flags joined by '|'";
        return false;
    }
    if (words.front() == "Palette") {
        description->kind = PanelKind::Palette;
    } else if (words.front() == "Modal") {
        description->kind = PanelKind::ModalDialog;
    } else if (words.front() == "Modeless") {
        description->kind = PanelKind::ModelessDialog;
    } else {
        *error = where(block, block.line) + "unknown window kind '" + words.front() + "'";
        return false;
    }
    description->flags.assign(words.begin() + 1, words.end());
    if (!readRect(script, tokens, i, &description->rect)) {
        *error = where(block, block.line) + "'GDLG' header needs the frame: left top width height";
        return false;
    }
    i += 4;
    if (i < tokens.size() && tokens[i].kind == ResourceToken::Kind::String) {
        description->title = tokens[i].text;
        ++i;
    }
    if (i != tokens.size()) {
        *error = where(block, tokens[i].line) + "unexpected '" + tokens[i].text + "' in the 'GDLG' header";
        return false;
    }
    return true;
}

bool readItem(const ResourceScript& script, const ResourceBlock& block, const ResourceItem& line,
              ItemDescription* item, std::string* error) {
    const auto& tokens = line.tokens;
    if (tokens.empty() || tokens.front().kind != ResourceToken::Kind::Identifier ||
        !itemKindFromWord(tokens.front().text, &item->kind)) {
        *error = where(block, line.line) + "item line must start with an item kind word";
        return false;
    }
    if (!readRect(script, tokens, 1, &item->rect)) {
        *error = where(block, line.line) + "item needs its rectangle: left top width height";
        return false;
    }
    bool hasText = false;
    for (std::size_t i = 5; i < tokens.size(); ++i) {
        const ResourceToken& token = tokens[i];
        long long number = 0;
        if (token.kind == ResourceToken::Kind::String && !hasText) {
            item->text = token.text;
            hasText = true;
        } else if (token.kind == ResourceToken::Kind::Identifier) {
            if (i + 1 < tokens.size() && numberOf(script, tokens[i + 1], &number)) {
                item->values[token.text] = static_cast<int>(number);
                ++i;
            } else if (item->kind == ItemKind::UserControl && item->controlClass.empty()) {
                item->controlClass = token.text;
            } else {
                item->flags.push_back(token.text);
            }
        } else {
            *error = where(block, token.line) + "unexpected '" + token.text + "' in an item line";
            return false;
        }
    }
    if (item->kind == ItemKind::UserControl && item->controlClass.empty()) {
        *error = where(block, line.line) + "UserControl needs its control class (TextPopup, AttributeList)";
        return false;
    }
    return true;
}

bool readHelp(const ResourceBlock& block, PanelDescription* description, std::string* error) {
    for (const ResourceItem& line : block.items) {
        const auto& tokens = line.tokens;
        if (tokens.size() < 2 || tokens[0].kind != ResourceToken::Kind::Number ||
            tokens[1].kind != ResourceToken::Kind::String) {
            *error = where(block, line.line) + "'DLGH' line needs an item number and a tooltip text";
            return false;
        }
        const long long number = tokens[0].number;
        if (number < 1 || number > static_cast<long long>(description->items.size())) {
            *error = where(block, line.line) + "'DLGH' names item " + std::to_string(number) +
                     ", which the window does not have";
            return false;
        }
        description->items[static_cast<std::size_t>(number - 1)].tooltip = tokens[1].text;
    }
    return true;
}

}  // namespace

bool readPanelDescription(const ResourceScript& script, int resourceId, PanelDescription* description,
                          std::string* error) {
    const ResourceBlock* block = script.find("GDLG", resourceId);
    if (block == nullptr) {
        *error = "no 'GDLG' " + std::to_string(resourceId);
        return false;
    }
    PanelDescription result;
    if (!readHeader(script, *block, &result, error)) {
        return false;
    }
    for (const ResourceItem& line : block->items) {
        ItemDescription item;
        if (!readItem(script, *block, line, &item, error)) {
            return false;
        }
        result.items.push_back(std::move(item));
    }
    if (const ResourceBlock* help = script.find("DLGH", resourceId); help != nullptr) {
        if (!readHelp(*help, &result, error)) {
            return false;
        }
    }
    *description = std::move(result);
    return true;
}

}  // namespace krx::sim::toolkit
