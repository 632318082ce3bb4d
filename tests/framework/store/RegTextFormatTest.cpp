#include "framework/store/RegTextFormat.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

RegKeyTree ParseOrFail(const std::string& text) {
    auto parsed = ParseRegText(text);
    if (auto* error = std::get_if<RegTextError>(&parsed)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->reason << "\nin:\n" << text;
        return RegKeyTree();
    }
    return std::move(std::get<RegKeyTree>(parsed));
}

TEST(RegTextFormat, OddKeyAndValueNamesSurviveTheText) {
    const RegKeyPath oddKey = {" lead", "trail ", "100% [sure]", "quote\"", "tab\there", "Ünï"};
    const std::vector<std::string> oddNames = {"",
                                               " ",
                                               "a = b",
                                               "\"quoted\"",
                                               "back\\slash",
                                               "[section]",
                                               "# not a comment",
                                               "end",
                                               "line\nbreak",
                                               "&Inflation Rate ? (%): "};
    RegKeyTree tree;
    for (std::size_t i = 0; i < oddNames.size(); ++i) {
        tree.SetValue(oddKey, oddNames[i], RegValue(static_cast<std::int32_t>(i)));
    }
    const std::string text = FormatRegText(tree);
    RegKeyTree parsed = ParseOrFail(text);
    for (std::size_t i = 0; i < oddNames.size(); ++i) {
        const RegValue* value = parsed.FindValue(oddKey, oddNames[i]);
        ASSERT_NE(value, nullptr) << "lost \"" << oddNames[i] << "\" in\n" << text;
        EXPECT_EQ(std::get<std::int32_t>(*value), static_cast<std::int32_t>(i));
    }
    RegKeyPath spelled;
    const RegKeyTree::Key* key = &parsed.Root();
    for (std::size_t depth = 0; depth < oddKey.size(); ++depth) {
        ASSERT_EQ(key->subKeys.size(), 1u);
        key = key->subKeys.begin()->second.get();
        spelled.push_back(key->name);
    }
    EXPECT_EQ(spelled, oddKey);
}

TEST(RegTextFormat, AHandEditedFileIsRead) {
    const std::string text = "# my notes\r\n"
                             "quarvex-settings 1\r\n"
                             "\r\n"
                             "  ; indented comment\n"
                             "\"top\" = int 1\n"
                             "[Software\\Kelvarn Software\\Quarvex!]   \n"
                             "\t\"Annual &Rate? (%):\"   =   real   8.25  \n"
                             "\"Tips\"=bool false\n"
                             "\"Prepared By:\" = text \"Jane \\\"JD\\\" Doe\"\n"
                             "\"hex\" = text \"\\x41\\x42\"\n"
                             "[Software\\Kelvarn Software\\Quarvex!]\n"
                             "\"Big\" = real 1e300\n"
                             "end\n"
                             "\n";
    RegKeyTree tree = ParseOrFail(text);
    const RegKeyPath root = {"Software", "Kelvarn Software", "Quarvex!"};
    ASSERT_NE(tree.FindValue({}, "top"), nullptr);
    EXPECT_EQ(std::get<double>(*tree.FindValue(root, "annual &rate? (%):")), 8.25);
    EXPECT_EQ(std::get<bool>(*tree.FindValue(root, "Tips")), false);
    EXPECT_EQ(std::get<std::string>(*tree.FindValue(root, "Prepared By:")), "Jane \"JD\" Doe");
    EXPECT_EQ(std::get<std::string>(*tree.FindValue(root, "hex")), "AB");
    EXPECT_EQ(std::get<double>(*tree.FindValue(root, "Big")), 1e300);
}

struct BadText {
    const char* what;
    std::string text;
    std::size_t line; // 0: the fault is the file as a whole
};

class RegTextFormatFaults : public ::testing::TestWithParam<BadText> {};

TEST_P(RegTextFormatFaults, AreReportedWithTheirLine) {
    const BadText& bad = GetParam();
    auto parsed = ParseRegText(bad.text);
    ASSERT_TRUE(std::holds_alternative<RegTextError>(parsed)) << bad.what << ":\n" << bad.text;
    const auto& error = std::get<RegTextError>(parsed);
    EXPECT_EQ(error.line, bad.line) << bad.what << ": " << error.reason;
    EXPECT_FALSE(error.reason.empty());
}

const std::string kHead = "quarvex-settings 1\n[K]\n";

INSTANTIATE_TEST_SUITE_P(
    Table, RegTextFormatFaults,
    ::testing::Values(BadText{"empty file", "", 0},
                      BadText{"no end line", kHead + "\"a\" = int 1\n", 0},
                      BadText{"cut inside the end line", kHead + "en", 0},
                      BadText{"no line feed after end", kHead + "end", 0},
                      BadText{"cut inside a value", kHead + "\"a\" = text \"abc", 0},
                      BadText{"missing format line", "[K]\nend\n", 1},
                      BadText{"other format version", "quarvex-settings 2\nend\n", 1},
                      BadText{"unknown kind", kHead + "\"a\" = float 1\nend\n", 3},
                      BadText{"integer too wide", kHead + "\"a\" = int 2147483648\nend\n", 3},
                      BadText{"not a number", kHead + "\"a\" = real 1.5x\nend\n", 3},
                      BadText{"boolean as a number", kHead + "\"a\" = bool 1\nend\n", 3},
                      BadText{"text without quotes", kHead + "\"a\" = text abc\nend\n", 3},
                      BadText{"unknown escape", kHead + "\"a\\q\" = int 1\nend\n", 3},
                      BadText{"short hex escape", kHead + "\"a\" = text \"\\x4\"\nend\n", 3},
                      BadText{"no closing quote", kHead + "\"a = int 1\nend\n", 3},
                      BadText{"missing equals", kHead + "\"a\" int 1\nend\n", 3},
                      BadText{"text after the closing quote", kHead + "\"a\" = text \"b\" c\nend\n",
                              3},
                      BadText{"same value twice",
                              kHead + "\"Tips\" = bool true\n\"TIPS\" = bool false\nend\n", 4},
                      BadText{"unclosed section", "quarvex-settings 1\n[K\nend\n", 2},
                      BadText{"empty key name", "quarvex-settings 1\n[A\\\\B]\nend\n", 2},
                      BadText{"bad percent escape", "quarvex-settings 1\n[A%G1]\nend\n", 2},
                      BadText{"stray line", kHead + "hello\nend\n", 3},
                      BadText{"text after end", kHead + "end\n\"a\" = int 1\n", 4},
                      BadText{"not UTF-8", kHead + "\"caf\xe9\" = int 1\nend\n", 3},
                      BadText{"overlong UTF-8", kHead + "\"\xc0\xaf\" = int 1\nend\n", 3}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.what)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

} // namespace
} // namespace quarvex::framework
