#include "amortization/calculator/DisclosureReport.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace quarvex::amortization::testing {
namespace {

using Printed = quarvex::testing::RecordingCanvas::Printed;

class DisclosureReportTest : public ::testing::Test {
protected:
    DisclosureReportTest() {
        figures.Apr = 12.0;
        figures.PaymentGroups = {{1, 0, "Monthly Beginning 01/15/2024"},
                                 {36, 166.07, "Monthly Beginning 02/15/2024"}};
    }

    void Print() {
        canvas = {};
        PrintDisclosureReport(canvas, figures, info, dates::DMYToDayNumber(15, 1, 2024),
                              conventions);
    }

    std::optional<Printed> Find(const std::string& text) const {
        const auto& p = canvas.printed;
        const auto at = std::find_if(p.begin(), p.end(), [&](auto& x) { return x.text == text; });
        return at == p.end() ? std::nullopt : std::optional<Printed>(*at);
    }

    // Whether the box just before `text` (its `occurrence`-th printing) holds an "X".
    bool TickedBefore(const std::string& text, int occurrence = 0) const {
        const auto& p = canvas.printed;
        for (std::size_t i = 0; i < p.size(); ++i) {
            if (p[i].text == text && occurrence-- == 0) {
                return i > 0 && p[i - 1].text == "X" && p[i - 1].y == p[i].y;
            }
        }
        ADD_FAILURE() << "not printed: " << text;
        return false;
    }

    // What is printed right after `text`.
    std::string After(const std::string& text) const {
        const auto& p = canvas.printed;
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            if (p[i].text == text) {
                return p[i + 1].text;
            }
        }
        return "<none>";
    }

    AprDisclosureFigures figures;
    DisclosureInfo info;
    masks::NumberConventions conventions;
    quarvex::testing::RecordingCanvas canvas;
};

TEST_F(DisclosureReportTest, TicksFollowTheChoices) {
    const struct {
        bool itemization, penalty, refund;
    } cases[] = {{true, false, false}, {false, true, false}, {false, false, true}};
    for (const auto& c : cases) {
        info.itemizationWanted = c.itemization;
        info.penalty = c.penalty;
        info.refund = c.refund;
        Print();
        EXPECT_EQ(TickedBefore("I want an itemization."), c.itemization);
        EXPECT_EQ(TickedBefore("I do not want an itemization."), !c.itemization);
        EXPECT_EQ(TickedBefore("may", 0), c.penalty);
        EXPECT_EQ(TickedBefore("will not", 0), !c.penalty);
        EXPECT_EQ(TickedBefore("may", 1), c.refund);
        EXPECT_EQ(TickedBefore("will not", 1), !c.refund);
        EXPECT_EQ(Find("Itemization of Amount Financed ").has_value(), c.itemization)
            << "the itemization form only when one is wanted";
    }
}

TEST_F(DisclosureReportTest, SecurityOnlyWhenThereIsSome) {
    const struct {
        bool goods, other;
        const char* asset;
    } cases[] = {{false, false, nullptr},
                 {true, false, "______________________________  ."},
                 {false, true, "boat"}};
    info.securityAsset = "boat";
    for (const auto& c : cases) {
        info.securityGoods = c.goods;
        info.securityOther = c.other;
        Print();
        EXPECT_EQ(Find("Security:").has_value(), c.goods || c.other);
        if (c.asset != nullptr) {
            EXPECT_EQ(After("You are giving a security interest in:"), c.asset);
            EXPECT_EQ(TickedBefore("the goods or property being purchased."), c.goods);
        }
    }
}

TEST_F(DisclosureReportTest, ALongScheduleRunsOntoNewPagesAboveTheBottomMargin) {
    figures.PaymentGroups.clear();
    for (int i = 0; i < 80; ++i) {
        figures.PaymentGroups.push_back({1, 100.0 + i, "Monthly Beginning"});
    }
    Print();
    EXPECT_GE(canvas.pages, 3);
    int headings = 0;
    for (const Printed& p : canvas.printed) {
        EXPECT_LE(p.y, 11 - 0.75) << p.text;
        headings += p.text == "Number of Payments" ? 1 : 0;
    }
    EXPECT_GE(headings, 2) << "every page of the schedule has its heading";
    EXPECT_TRUE(Find("$100.00").has_value()) << "a first line of an amount is printed";
    EXPECT_TRUE(Find("$179.00").has_value());
}

TEST_F(DisclosureReportTest, TheOpeningGroupOfNothingIsLeftOut) {
    Print();
    EXPECT_FALSE(Find("Monthly Beginning 01/15/2024").has_value());
    EXPECT_TRUE(Find("Monthly Beginning 02/15/2024").has_value());
    EXPECT_TRUE(Find("36").has_value());
}

} // namespace
} // namespace quarvex::amortization::testing
