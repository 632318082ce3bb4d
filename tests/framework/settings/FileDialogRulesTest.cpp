#include "framework/settings/FileDialogRules.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

struct SaveNameCase {
    const char* chosen;
    const char* extension;
    const char* expected;
};

TEST(FileDialogRules, TheSavedNameGetsTheCalculatorsExtension) {
    const std::vector<SaveNameCase> cases = {
        {"/home/ann/house", "fv", "/home/ann/house.fv"},
        {"/home/ann/house.txt", "fv", "/home/ann/house.fv"},
        {"/home/ann/house.2024.txt", "fv", "/home/ann/house.2024.fv"},
        {"/home/ann/house.FV", "fv", "/home/ann/house.fv"},
        {"/home/ann/house.", "npv", "/home/ann/house.npv"},
        {"/home/ann.b/house", "fv", "/home/ann.b/house.fv"}, // a dot in a folder is not one
        {"/home/ann/.hidden", "bdg", "/home/ann/.bdg"},
        {"house", "rnt", "house.rnt"},
        {"", "fv", ""}, // cancelled
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithSaveExtension(c.chosen, c.extension), c.expected)
            << "chosen \"" << c.chosen << "\", extension " << c.extension;
    }
}

TEST(FileDialogRules, TheOpenFilterAndNameCutTheExtensionToThree) {
    EXPECT_EQ(OpenDialogFilter("FV Calculator (*.fv)", "fv"),
              "FV Calculator (*.fv)|*.fv|All files (*.*)|*.*");
    EXPECT_EQ(OpenDialogFilter("Budget", "budget"), "Budget|*.bud|All files (*.*)|*.*");
    EXPECT_EQ(OpenDialogFileName("npv"), "*.npv");
    EXPECT_EQ(OpenDialogFileName("budget"), "*.bud");
}

TEST(FileDialogRules, FolderPartKeepsTheLastSeparator) {
    EXPECT_EQ(FolderPart("/home/ann/house.fv"), "/home/ann/");
    EXPECT_EQ(FolderPart("/house.fv"), "/");
    EXPECT_EQ(FolderPart("house.fv"), "");
}

TEST(FileDialogRules, StripFirstCharRemovesOnlyTheFirstOne) {
    EXPECT_EQ(StripFirstChar('&', "&Amount of Loan?:"), "Amount of Loan?:");
    EXPECT_EQ(StripFirstChar('&', "I&nterest && Points are?:"), "Interest && Points are?:");
    EXPECT_EQ(StripFirstChar('&', "Points Are?:"), "Points Are?:");
    EXPECT_EQ(StripFirstChar('&', ""), "");
}

} // namespace
} // namespace quarvex::framework
