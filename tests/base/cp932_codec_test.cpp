// Code page 932 codec: Japanese text both ways, replacement of what cannot be converted.
#include "base/cp932_codec.h"
#include "base/utf8_text.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Cp932CodecTest, JapaneseBothWays) {
    const std::string text = "ｎ社ｃ形式 ｱｲｳ ①～－ abc";
    const std::string bytes = encodeCp932(text);
    EXPECT_EQ(bytes.substr(0, 4), "\x82\x8e\x8e\xd0");
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    EXPECT_EQ(decodeCp932(bytes), text);
    EXPECT_EQ(decodeCp932("\xb1\xb2"), "ｱｲ"); // half-width katakana are single bytes
    EXPECT_EQ(decodeCp932("\\~"), "\\~");     // the Windows table keeps these two ASCII
}

TEST(Cp932CodecTest, UndecodableBytesBecomeReplacementsAndNothingIsLost) {
    // Invalid byte, a lead byte with an invalid trail (the trail survives), and a lead byte
    // cut off at the end.
    EXPECT_EQ(decodeCp932("a\xffz"), "a\uFFFDz");
    EXPECT_EQ(decodeCp932("\x81\x20x"), "\uFFFD x");
    EXPECT_EQ(decodeCp932("ab\x96"), "ab\uFFFD");
    EXPECT_EQ(decodeCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
    // Long input passes the internal chunking intact.
    std::string many;
    for (int i = 0; i < 5000; ++i) many += "\x93\xfa\xff";
    const std::string decoded = decodeCp932(many);
    std::string expected;
    for (int i = 0; i < 5000; ++i) expected += "日\uFFFD";
    EXPECT_EQ(decoded, expected);
}

TEST(Cp932CodecTest, UnencodableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp932("é한😀x"), "???x");
    EXPECT_EQ(encodeCp932("a\xff\xe6\x97"
                          "b"),
              "a???b"); // one "?" per invalid byte
    EXPECT_EQ(encodeCp932(""), "");
}

TEST(Cp932CodecTest, CharactersOutsideTheCodePageAreNamedOnceEach) {
    using List = std::vector<std::string>;
    EXPECT_EQ(charactersOutsideCp932("Café ①😀 é"), (List{"é", "😀"}));
    EXPECT_EQ(charactersOutsideCp932("ｎ社ｃ形式 ｱｲｳ ①～－ abc ?"), List{});
    EXPECT_EQ(charactersOutsideCp932("a\xff"), List{"\xff"});
}

TEST(Utf8TextTest, CodePointsBothWays) {
    const std::u32string points = utf8ToCodePoints("a問😀");
    EXPECT_EQ(points, (std::u32string{U'a', U'問', U'😀'}));
    EXPECT_EQ(codePointsToUtf8(points), "a問😀");
    // Overlong forms, surrogates and stray continuation bytes are replaced one byte each.
    EXPECT_EQ(utf8ToCodePoints("\xc0\xaf\xed\xa0\x80\x80"), std::u32string(6, U'\uFFFD'));
}

} // namespace
} // namespace corvane
