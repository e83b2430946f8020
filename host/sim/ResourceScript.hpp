#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace krx::sim {

// One token of a resource script. Numbers keep their text as well, so a block interpreter can tell
// "10" from "010" if it ever needs to; strings hold their unescaped UTF-8 contents.
struct ResourceToken {
    enum class Kind { Identifier, Number, String, Bar };

    Kind kind = Kind::Identifier;
    std::string text;
    long long number = 0;
    int line = 0;

    bool isIdentifier(const std::string& name) const { return kind == Kind::Identifier && text == name; }
};

// One line inside a block's braces. The "/* [n] */" comment in front gives no token: an item's
// number is its position in the block, counted from 1.
struct ResourceItem {
    std::vector<ResourceToken> tokens;
    int line = 0;
};

// 'TYPE' id header... { items }: the generic shape every block kind shares. 'STR#' is interpreted
// here (indString); the dialog toolkit interprets 'GDLG' and 'DLGH' from these blocks.
struct ResourceBlock {
    std::string type;
    int id = 0;
    std::vector<ResourceToken> header;
    std::vector<ResourceItem> items;
    std::string file;
    int line = 0;

    // Item `index` counted from 1, or null.
    const ResourceItem* item(int index) const;
};

// The resource scripts of one add-on, in the host's resource-script style: a C preprocessor subset
// (#include "file", #define NAME value, #pragma/#ifndef/#endif ignored, /* */ and // comments) so the
// identifier header is shared with C++, then blocks. Several files may be added to one script; a
// type and id may occur only once across all of them.
class ResourceScript {
public:
    // Parses a file and appends its blocks. #include names are resolved next to the including file
    // first, then in the given folders. Returns false with a "file:line: message" error.
    bool addFile(const std::string& path, std::string* error,
                 const std::vector<std::string>& includeDirs = {});
    // The same for text in memory; `fileName` only names it in errors and in ResourceBlock::file.
    bool addText(const std::string& text, const std::string& fileName, std::string* error,
                 const std::vector<std::string>& includeDirs = {});

    const std::vector<ResourceBlock>& blocks() const { return blocks_; }
    const ResourceBlock* find(const std::string& type, int id) const;

    // Item `index` (from 1) of string list 'STR#' `id`: the first string token of that item line.
    std::optional<std::string> indString(int id, int index) const;
    // Number of items of string list `id`, 0 when there is none.
    int stringCount(int id) const;

    // Every #define seen so far, with its value tokens.
    const std::map<std::string, std::vector<ResourceToken>>& defines() const { return defines_; }

private:
    bool parse(const std::string& text, const std::string& fileName, const std::string& fileDir,
               const std::vector<std::string>& includeDirs, std::string* error, int depth);

    std::vector<ResourceBlock> blocks_;
    std::map<std::string, std::vector<ResourceToken>> defines_;
};

}  // namespace krx::sim
