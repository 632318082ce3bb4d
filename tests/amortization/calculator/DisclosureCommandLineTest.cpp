#include "cli/CalcCommand.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace quarvex::amortization::testing {
namespace {

// Hands every print job of a run to one recording printer the test keeps.
class ForwardingPrinting : public Printing {
public:
    explicit ForwardingPrinting(quarvex::testing::RecordingPrinting& to) : to_(to) {}
    bool Print(const std::string& title, Kind kind,
               const std::function<void(ReportCanvas&)>& render) override {
        return to_.Print(title, kind, render);
    }

private:
    quarvex::testing::RecordingPrinting& to_;
};

struct DisclosureRun {
    int code = 0;
    std::string out;
    std::string err;
};

class DisclosureCommandLineTest : public ::testing::Test {
protected:
    DisclosureRun Run(std::vector<std::string> more) {
        std::vector<std::string> arguments = {"amort",
                                              "PV=5000",
                                              "NumPmts=36",
                                              "Rate=12",
                                              "OrgDate=2024-01-15",
                                              "FirstPmtDate=2024-02-15",
                                              "OptimizePmts=no",
                                              "--today=2024-01-15"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        std::ostringstream out;
        std::ostringstream err;
        const int code = cli::RunQuarvexCalc(
            arguments, out, err, [](const std::string&) { return std::optional<std::string>(); },
            [this](const std::filesystem::path&) -> std::unique_ptr<Printing> {
                return std::make_unique<ForwardingPrinting>(printing);
            });
        return {code, out.str(), err.str()};
    }

    quarvex::testing::RecordingPrinting printing;
};

// 5,000 over 36 months at 12 %: payments of PMT(1 %, 36, 5000) = 166.07, the last 166.15
// with the interest rounded each month, 978.60 of interest in all.
TEST_F(DisclosureCommandLineTest, ThePdfHoldsTheStatementInPlaceOfTheSchedule) {
    const DisclosureRun run =
        Run({"Creditor=Harbor Savings Bank", "BorrowerFirstName=Dana", "LateCharge=25",
             "City=Portland", "State=me", "Zip=04-101", "--pdf", "statement.pdf", "--disclosure"});
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_FALSE(printing.titles.empty());
    EXPECT_EQ(printing.titles.back(), "APR Disclosure");
    const auto printed = [this](const std::string& text) {
        for (const auto& p : printing.canvas.printed) {
            if (p.text == text) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(printed("Harbor Savings Bank"));
    EXPECT_TRUE(printed("Portland, ME 04101")) << "as the dialog's fields take them";
    for (const char* part : {"12.00%", "$978.60", "$5,000.00", "$5,978.60",
                             "      35          $166.07  Monthly Beginning 02/15/2024\n",
                             "       1          $166.15  Monthly Beginning 01/15/2027\n",
                             "If a payment is late, you will be charged $25.00.\n"}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
    }
}

TEST_F(DisclosureCommandLineTest, RefusesWhatTheDialogWouldNotTake) {
    for (const char* bad : {"LateChargeKind=weekly", "LateCharge=-5", "FilingFees=1e9",
                            "Security=maybe", "InsuranceKind=Health", "State=Maine"}) {
        const DisclosureRun run = Run({bad, "--disclosure"});
        EXPECT_EQ(run.code, 2) << bad;
        EXPECT_FALSE(run.err.empty()) << bad;
    }
}

TEST_F(DisclosureCommandLineTest, ThePercentKindSaysSo) {
    const DisclosureRun run = Run({"LateCharge=5", "LateChargeKind=percent", "--disclosure"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("If a payment is late, you will be charged 5.00 % of the payment."),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(printing.titles.empty()) << "without --pdf nothing is printed";
}

} // namespace
} // namespace quarvex::amortization::testing
