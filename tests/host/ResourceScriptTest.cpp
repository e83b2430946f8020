#include "host/sim/ResourceScript.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/IsolatedEnvironment.hpp"

namespace {

using krx::sim::ResourceBlock;
using krx::sim::ResourceScript;
using krx::sim::ResourceToken;

const char* const kScript = R"grc(
#include "Ids.hpp"
#define ID_TEXTS 32500

// A line comment, and a block comment spanning
/* two lines */
'STR#' ID_TEXTS "Texts" {
/* [1] */ "first text"
/* [2] */ "with \"quotes\", // and /* no comment */"

/* [3] */ "third"
}

'GDLG' ID_PALETTE Palette | leftCaption | close | grow  0 0 600 -300 "Title" {
/* [1] */ Button 10 10 80 20 LargePlain "Import"
/* [2] */ ListBox 0x10 ID_TEXTS 1 2
}
'DLGH' ID_PALETTE DLG_Help_Name {
1 "tooltip text" AnchorName
}
)grc";

class ResourceScriptTest : public krx::test::IsolatedEnvironment {
protected:
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = tmp() + "/" + name;
        std::ofstream(path) << text;
        return path;
    }
};

TEST_F(ResourceScriptTest, ParsesEveryBlockKindIntoGenericBlocks) {
    write("Ids.hpp", "#pragma once\n#define ID_PALETTE 32400 // the palette\n");
    ResourceScript script;
    std::string error;
    ASSERT_TRUE(script.addFile(write("Res.grc", kScript), &error)) << error;
    ASSERT_EQ(script.blocks().size(), 3u);

    EXPECT_EQ(script.indString(32500, 1), "first text");
    EXPECT_EQ(script.indString(32500, 2), "with \"quotes\", // and /* no comment */");
    EXPECT_EQ(script.indString(32500, 3), "third");
    EXPECT_EQ(script.indString(32500, 4), std::nullopt);
    EXPECT_EQ(script.indString(32500, 0), std::nullopt);
    EXPECT_EQ(script.indString(32501, 1), std::nullopt);
    EXPECT_EQ(script.stringCount(32500), 3);

    const ResourceBlock* dialog = script.find("GDLG", 32400);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->header.size(), 12u);
    EXPECT_TRUE(dialog->header[0].isIdentifier("Palette"));
    EXPECT_EQ(dialog->header[1].kind, ResourceToken::Kind::Bar);
    EXPECT_EQ(dialog->header[10].number, -300);
    EXPECT_EQ(dialog->header[11].kind, ResourceToken::Kind::String);
    EXPECT_EQ(dialog->header[11].text, "Title");
    ASSERT_EQ(dialog->items.size(), 2u);
    const auto& list = dialog->item(2)->tokens;
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[1].number, 16);
    // Defined names inside items are replaced as well.
    EXPECT_EQ(list[2].kind, ResourceToken::Kind::Number);
    EXPECT_EQ(list[2].number, 32500);

    const ResourceBlock* help = script.find("DLGH", 32400);
    ASSERT_NE(help, nullptr);
    ASSERT_EQ(help->items.size(), 1u);
    EXPECT_EQ(help->items[0].tokens.size(), 3u);
    EXPECT_TRUE(help->header[0].isIdentifier("DLG_Help_Name"));
}

TEST_F(ResourceScriptTest, RejectsMalformedScriptsWithFileAndLine) {
    struct Case {
        const char* text;
        const char* errorPart;
    };
    const Case cases[] = {
        {"'STR#' 1 {\n\"a\"\n", "x.grc:1: resource 'STR#' is not closed"},
        {"'STR#' NOT_DEFINED {\n}\n", "x.grc:1: resource id 'NOT_DEFINED' is not a number"},
        {"'STR#' 1 {\n\"open\n}\n", "x.grc:2: unterminated string"},
        {"'STR#' 1 {\n}\n'STR#' 1 {\n}\n", "is defined twice"},
        {"#include \"missing.hpp\"\n", "x.grc:1: cannot find include"},
        {"/* never closed\n", "unterminated comment"},
        {"\"text outside\"\n", "expected a resource type"},
        {"'STR#' 1 {\n\"bad \\q escape\"\n}\n", "unknown escape"},
    };
    for (const Case& c : cases) {
        ResourceScript script;
        std::string error;
        EXPECT_FALSE(script.addText(c.text, "x.grc", &error)) << c.text;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.text << " gave: " << error;
    }
}

TEST_F(ResourceScriptTest, SeveralFilesShareDefinesButNotIds) {
    ResourceScript script;
    std::string error;
    ASSERT_TRUE(script.addText("#define ID_A 7\n'STR#' ID_A {\n\"a\"\n}\n", "a.grc", &error)) << error;
    ASSERT_TRUE(script.addText("'STR#' 8 {\n\"b\" }\n", "b.grc", &error)) << error;
    EXPECT_EQ(script.indString(7, 1), "a");
    EXPECT_EQ(script.indString(8, 1), "b");
    EXPECT_FALSE(script.addText("'STR#' ID_A {\n}\n", "c.grc", &error));
    EXPECT_NE(error.find("c.grc:1"), std::string::npos) << error;
}

}  // namespace
