#pragma once

#include <cstddef>

namespace krx {

// One fixed row of the translation table: the text looked up in the file under its context, and the
// English key under which the answer is stored. Key and source differ where the translation files
// carry an older wording of the source text.
struct TranslationRow {
    const char* context;
    const char* sourceText;
    const char* key;
    int fills;  // how many times the row is looked up in a row when the table is rebuilt
};

// The rows in the order in which they are filled; a later row overwrites an earlier one with the same
// key.
const TranslationRow* translationRows();
std::size_t translationRowCount();

}  // namespace krx
