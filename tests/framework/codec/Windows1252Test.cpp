#include "framework/codec/Windows1252.h"

#include "framework/codec/CodecErrors.h"

#include <gtest/gtest.h>

namespace quarvex::codec {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        const std::string utf8 = Windows1252ToUtf8(original);
        EXPECT_EQ(Utf8ToWindows1252(utf8), original) << "byte " << byte;
        EXPECT_EQ(CodePointToWindows1252(Windows1252ToCodePoint(static_cast<unsigned char>(byte))),
                  static_cast<unsigned char>(byte))
            << "byte " << byte;
    }
}

TEST(Windows1252, MapsTheCodePagesOwnCharacters) {
    const struct {
        unsigned char byte;
        const char* utf8;
    } cases[] = {
        {0x41, "A"},        {0x80, "\u20AC"},   {0x8A, "\u0160"},   {0x92, "\u2019"},
        {0x99, "\u2122"},   {0x9F, "\u0178"},   {0xA0, "\u00A0"},   {0xE9, "\u00E9"},
        {0xFF, "\u00FF"},   {0x81, "\xC2\x81"}, {0x8D, "\xC2\x8D"}, {0x8F, "\xC2\x8F"},
        {0x90, "\xC2\x90"}, {0x9D, "\xC2\x9D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8)
            << "byte " << static_cast<int>(c.byte);
    }
    EXPECT_EQ(Utf8ToWindows1252("Caf\u00E9 \u20AC5"), "Caf\xE9 \x80"
                                                      "5");
}

TEST(Windows1252, RefusesCharactersItDoesNotHave) {
    for (const char* text : {"\u4E2D", "\u0080", "\u009F", "\u0100", "\U0001F600", "a\u2603b"}) {
        EXPECT_THROW(Utf8ToWindows1252(text), ENotStorable) << text;
        EXPECT_FALSE(IsStorableAsWindows1252(text)) << text;
    }
    try {
        Utf8ToWindows1252("x\u4E2Dy");
        ADD_FAILURE() << "no exception";
    } catch (const ENotStorable& error) {
        EXPECT_EQ(error.Message(),
                  "The character \"\u4E2D\" (U+4E2D) cannot be saved in this file.");
    }
}

TEST(Windows1252, RefusesTextThatIsNotUtf8) {
    const char* malformed[] = {
        "\x80",             // a continuation byte alone
        "\xC3",             // cut short
        "\xE2\x82",         // cut short
        "\xC0\x80",         // overlong NUL
        "\xE0\x80\xAF",     // overlong '/'
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xFF",             // never in UTF-8
        "\xC3\x28",         // lead byte without its continuation
    };
    for (const char* text : malformed) {
        EXPECT_FALSE(IsStorableAsWindows1252(text)) << text;
        try {
            Utf8ToWindows1252(text);
            ADD_FAILURE() << "no exception for " << text;
        } catch (const ENotStorable& error) {
            EXPECT_EQ(error.Message(), "The text is not valid UTF-8.");
        }
    }
    EXPECT_TRUE(IsStorableAsWindows1252(""));
    EXPECT_TRUE(IsStorableAsWindows1252(std::string("a\0b", 3)));
}

} // namespace
} // namespace quarvex::codec
