#include <gtest/gtest.h>

#include <type_traits>

#include "host/api/ACAPinc.hpp"

namespace {

TEST(FoundationTypesTest, HashTableAddKeepsTheStoredValueAndPutReplacesIt) {
    GS::HashTable<GS::UniString, int> table;
    EXPECT_TRUE(table.Add("b", 1));
    EXPECT_FALSE(table.Add("b", 2));
    EXPECT_EQ(table.Get("b"), 1);
    table.Put("b", 3);
    EXPECT_EQ(table.Get("b"), 3);
    table.Add("a", 4);
    table.Add("c", 5);
    EXPECT_TRUE(table.Delete("b"));
    EXPECT_FALSE(table.Delete("b"));
    EXPECT_EQ(table.Keys(), (std::vector<GS::UniString>{"a", "c"}));
    EXPECT_EQ(table.Get("c"), 5);
    int value = 0;
    EXPECT_FALSE(table.Get("b", &value));
    EXPECT_THROW(table.Get("b"), std::out_of_range);
}

TEST(FoundationTypesTest, UniStringConvertsUtf8BothWaysAndComparesIgnoringCase) {
    const GS::UniString text("Łódź Straße 𝄞");
    EXPECT_EQ(text.GetLength(), 14u);  // the clef is a surrogate pair
    EXPECT_STREQ(text.ToCStr().Get(), "Łódź Straße 𝄞");
    EXPECT_EQ(GS::UniString("ŁÓDŹ").Compare("łódź", GS::CaseInsensitive), 0);
    EXPECT_LT(GS::UniString("apple").Compare("Banana", GS::CaseInsensitive), 0);
    EXPECT_GT(GS::UniString("apple").Compare("Banana"), 0);
    // Broken UTF-8 becomes replacement characters instead of being dropped or overread.
    EXPECT_EQ(GS::UniString("a\xC3").GetLength(), 2u);

    GS::UniString path("C:\\a\\b");
    EXPECT_EQ(path.ReplaceAll(u'\\', u'/'), 2u);
    EXPECT_EQ(path, "C:/a/b");

    GS::UniChar field[4];
    EXPECT_EQ(GS::CopyToField(field, 4, "abcdef"), 3u);
    EXPECT_EQ(GS::UniString(field), "abc");
}

TEST(FoundationTypesTest, GuidTextRoundTripsAndRejectsNonGuids) {
    const char* text = "{6F9619FF-8B86-D011-B42D-00C04FC964FF}";
    const API_Guid guid = APIGuidFromString(text);
    EXPECT_EQ(APIGuidToString(guid), "6F9619FF-8B86-D011-B42D-00C04FC964FF");
    EXPECT_EQ(APIGuidFromString("6f9619ff-8b86-d011-b42d-00c04fc964ff"), guid);
    EXPECT_TRUE(APIGuidIsNull(APIGuidFromString("not a guid")));
    EXPECT_TRUE(APIGuidIsNull(APIGuidFromString("6F9619FF-8B86-D011-B42D-00C04FC964FG")));
}

TEST(FoundationTypesTest, RecordsCanBeZeroedAndCopiedAsPlainMemory) {
    EXPECT_TRUE(std::is_trivially_copyable_v<API_Element>);
    EXPECT_TRUE(std::is_trivially_copyable_v<API_ElementMemo>);
    EXPECT_TRUE(std::is_trivially_copyable_v<API_DatabaseInfo>);
    EXPECT_TRUE(std::is_trivially_copyable_v<API_GhostRecord>);
    EXPECT_TRUE(std::is_trivially_copyable_v<API_StoryInfo>);
    EXPECT_EQ(FourCC("KOBJ"), 0x4B4F424Au);
}

}  // namespace
