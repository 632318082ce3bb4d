#include "framework/masks/TMasks.h"

#include <gtest/gtest.h>

namespace quarvex::masks {
namespace {

TEST(MoneyMaskForCountry, FollowsTheCountryTable) {
    const struct {
        std::uint16_t code;
        const char* mask;
    } cases[] = {
        {31, "c###,###,###.##"}, {32, "#,###,###.##CCC"},  {46, "#,###,###.##CCC"},
        {49, "#,###,###.##CCC"}, {354, "#,###,###.##CCC"}, {358, "#,###,###.##CCC"},
        {33, "##,###,###.##CC"}, {34, "###,###,###.CCC"},  {39, "CC#,###,###,###"},
        {41, "cc##,###,###.##"}, {43, "cc##,###,###.##"},  {45, "ccc#,###,###.##"},
        {47, "ccc#,###,###.##"}, {55, "ccc#,###,###.##"},  {351, "###,###.##CCCCC"},
        {1, "$###,###,###.##"},  {44, "$###,###,###.##"},  {61, "$###,###,###.##"},
        {81, "$###,###,###.##"}, {0, "$###,###,###.##"},   {65535, "$###,###,###.##"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MoneyMaskForCountry(c.code), c.mask) << "country code " << c.code;
    }
}

TEST(TMasks, HoldsTheFixedMasksForEveryCountry) {
    for (const std::uint16_t code : {1, 31, 44, 49, 351}) {
        const TMasks masks = TMasks::ForCountry(code);
        EXPECT_EQ(masks.RateMask, "##.####") << code;
        EXPECT_EQ(masks.LongMoneyMask, "$###,###,###.########") << code;
        EXPECT_EQ(masks.LongRateMask, "##.###########") << code;
        EXPECT_EQ(masks.CountMask, "999,999") << code;
        EXPECT_LE(masks.MoneyMask.size(), 15u) << code;
        EXPECT_LE(masks.DateMask.size(), 10u) << code;
    }
}

TEST(TMasks, GermanyGetsItsMoneyMaskAndReplacesTheDesignMasks) {
    const TMasks masks = TMasks::ForCountry(49);
    EXPECT_EQ(masks.CountryCode, 49);
    EXPECT_EQ(masks.MoneyMask, "#,###,###.##CCC");
    EXPECT_EQ(masks.DateMask, "dd.mm.yyyy");
    EXPECT_TRUE(masks.ReplacesDesignMasks());
    EXPECT_EQ(masks.MaskFor(MaskKind::Money, "$###,###,###.##"), "#,###,###.##CCC");
    EXPECT_EQ(masks.MaskFor(MaskKind::Rate, "##.#####"), "##.####");
    EXPECT_EQ(masks.MaskFor(MaskKind::Count, "ii,iii"), "999,999");
    EXPECT_EQ(masks.MaskFor(MaskKind::Date, "mm/dd/yyyy"), "dd.mm.yyyy");
    EXPECT_EQ(masks.MaskFor(MaskKind::LongMoney, "$###,###,###.########"), "$###,###,###.########");
    EXPECT_EQ(masks.MaskFor(MaskKind::LongRate, "##.###########"), "##.###########");
    EXPECT_EQ(masks.MaskFor(MaskKind::None, "iii"), "iii");
}

TEST(TMasks, CountryOneAndAnUnsetCountryKeepTheDesignMasks) {
    for (const std::uint16_t code : {1, 0}) {
        const TMasks masks = TMasks::ForCountry(code);
        EXPECT_EQ(masks.CountryCode, 1) << code;
        EXPECT_FALSE(masks.ReplacesDesignMasks()) << code;
        EXPECT_EQ(masks.MaskFor(MaskKind::Rate, "##.#####"), "##.#####") << code;
        EXPECT_EQ(masks.MaskFor(MaskKind::Count, "ii,iii"), "ii,iii") << code;
        EXPECT_EQ(masks.MaskFor(MaskKind::Money, "$#,###,###,###.##"), "$#,###,###,###.##") << code;
    }
    const TMasks unset = TMasks::FromEnvironment(
        [](const std::string&) -> std::optional<std::string> { return std::nullopt; });
    EXPECT_FALSE(unset.ReplacesDesignMasks());
}

TEST(TMasks, ComesFromTheLocaleOfTheEnvironment) {
    const TMasks masks =
        TMasks::FromEnvironment([](const std::string& name) -> std::optional<std::string> {
            if (name == "LANG") {
                return "fr_FR.UTF-8";
            }
            return std::nullopt;
        });
    EXPECT_EQ(masks.CountryCode, 33);
    EXPECT_EQ(masks.MoneyMask, "##,###,###.##CC");
    EXPECT_EQ(masks.DateMask, "dd/mm/yyyy");
}

TEST(DateMaskFor, FollowsTheOrderAndSeparatorOfTheConventions) {
    EXPECT_EQ(DateMaskFor(ConventionsForCountry(1)), "mm/dd/yyyy");
    EXPECT_EQ(DateMaskFor(ConventionsForCountry(44)), "dd/mm/yyyy");
    EXPECT_EQ(DateMaskFor(ConventionsForCountry(31)), "dd-mm-yyyy");
    EXPECT_EQ(DateMaskFor(ConventionsForCountry(46)), "yyyy-mm-dd");
    EXPECT_EQ(DateMaskFor(ConventionsForCountry(81)), "yyyy/mm/dd");
    NumberConventions custom;
    custom.dateOrder = DateOrder::DayMonthYear;
    custom.dateSeparator = ' ';
    EXPECT_EQ(TMasks::ForCountry(49, custom).DateMask, "dd mm yyyy");
}

} // namespace
} // namespace quarvex::masks
