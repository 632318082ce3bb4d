#include "calculators/IRR.h"
#include "calculators/NetPV.h"
#include "engine/FinanceErrors.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/DateText.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace quarvex::calculators {
namespace {

using framework::Choice;
using framework::Date;

const std::int32_t kJan2001 = dates::DMYToDayNumber(1, 1, 2001);

struct CashFlowTest : ::testing::Test {
    testing::BufferFixture fixture;

    // An initial amount, then `count` flows of `amount`, monthly from 1 January 2001.
    template <class Buffer> void Fill(Buffer& buffer, double initial, int count, double amount) {
        auto& data = buffer.Data();
        data.Set(Buffer::PV, initial);
        data.Set(Buffer::StartDate, Date{kJan2001});
        data.Set(Buffer::NumPmts, static_cast<std::int16_t>(count + 1));
        buffer.RebuildSeries(data, false);
        for (int i = 0; i < count; ++i) {
            data.Series()[i].amount = amount;
        }
    }

    std::string Path(const std::string& name) const { return (fixture.folder / name).string(); }
};

TEST_F(CashFlowTest, TheReferenceFlows) {
    TcbNetPV netPV(fixture.context);
    Fill(netPV, -1000, 12, 100);
    netPV.Data().Set(TcbNetPV::DiscountRate, 12.0f);
    netPV.Calculate();
    EXPECT_NEAR(static_cast<double>(netPV.Data().Get<long double>(TcbNetPV::NetPV)), 125.51, 0.005);

    TcbIRR irr(fixture.context);
    Fill(irr, -1000, 12, 100);
    irr.Calculate();
    EXPECT_NEAR(static_cast<double>(irr.Data().Get<long double>(TcbIRR::IRR)), 35.074, 0.0005);
}

TEST_F(CashFlowTest, ExactDaysAgreeWithASpreadsheetsDatedFunctions) {
    // XNPV(10%, {-1000, 300, 400, 500}, dates) with 365-day years, and XIRR of the same.
    TcbNetPV netPV(fixture.context);
    netPV.SetTitle("npv");
    ASSERT_TRUE(netPV.TakeArgument("Flows", "-1000,300,400,500"));
    ASSERT_TRUE(netPV.TakeArgument("Dates", "2021-01-01,2021-07-01,2022-03-15,2023-01-01"));
    netPV.Data().Set(TcbNetPV::DiscountRate, 10.0f);
    netPV.Calculate();
    const double t[] = {0, 181.0 / 365, 438.0 / 365, 730.0 / 365};
    const double amounts[] = {-1000, 300, 400, 500};
    double xnpv = 0;
    for (int i = 0; i < 4; ++i) {
        xnpv += amounts[i] / std::pow(1.1, t[i]);
    }
    EXPECT_NEAR(static_cast<double>(netPV.Data().Get<long double>(TcbNetPV::NetPV)), xnpv, 1e-6);
}

TEST_F(CashFlowTest, GridLabelsAndTheInitialOutflow) {
    TcbIRR irr(fixture.context);
    irr.InitData();
    auto form = irr.Data();
    form.Set(TcbIRR::StartDate, Date{kJan2001});
    irr.FormFieldChanged(form, TcbIRR::StartDate);
    ASSERT_EQ(form.Series().size(), 48u) << "48 periods: the initial amount and 47 flows";
    EXPECT_EQ(irr.FlowLabel(form.Series().front().date), "02/01/01:");
    EXPECT_EQ(irr.FlowLabel(form.Series()[46].date), "12/01/04:");

    form.Set(TcbIRR::PV, 1000.0);
    irr.FormFieldChanged(form, TcbIRR::PV);
    EXPECT_EQ(form.Get<double>(TcbIRR::PV), -1000.0);

    form.Series()[0].amount = 250;
    form.Set(TcbIRR::StartDate, Date{kJan2001 + 10});
    irr.FormFieldChanged(form, TcbIRR::StartDate);
    EXPECT_EQ(form.Series()[0].amount, 250) << "a new date keeps the amounts";
    form.Set(TcbIRR::NumPmts, std::int16_t{24});
    irr.FormFieldChanged(form, TcbIRR::NumPmts);
    EXPECT_EQ(form.Series().size(), 24u);
    EXPECT_EQ(form.Series()[0].amount, 0) << "a new count clears them";
    form.Set(TcbIRR::NumPmts, std::int16_t{1});
    irr.FormFieldChanged(form, TcbIRR::NumPmts);
    EXPECT_EQ(form.Get<std::int16_t>(TcbIRR::NumPmts), 48);
}

TEST_F(CashFlowTest, FailuresAreShownNotTurnedIntoResults) {
    TcbIRR irr(fixture.context);
    Fill(irr, -1000, 12, 100);
    irr.Calculate();
    const auto before = irr.Data().Get<long double>(TcbIRR::IRR);
    Fill(irr, -1000, 3, 0); // flows that never pay back
    EXPECT_THROW(irr.Calculate(), engine::EFinError);
    EXPECT_EQ(irr.Data().Get<long double>(TcbIRR::IRR), before);

    TcbNetPV netPV(fixture.context);
    ASSERT_TRUE(netPV.TakeArgument("Flows", "-1000,300,400"));
    ASSERT_TRUE(netPV.TakeArgument("Dates", "2021-01-01,2020-07-01,2022-03-15"));
    try {
        netPV.Calculate();
        FAIL() << "dates out of order accepted";
    } catch (const engine::EDateSequenceError& error) {
        EXPECT_EQ(error.Message(), "Ending date is earlier than starting date.");
    }
}

TEST_F(CashFlowTest, FilesHaveTheirSizesAndRoundTrip) {
    TcbNetPV netPV(fixture.context);
    Fill(netPV, -5000, 47, 125.5);
    netPV.Data().Set(TcbNetPV::DiscountRate, 7.25f);
    netPV.WriteDataFile(Path("flows.npv"));
    EXPECT_EQ(std::filesystem::file_size(Path("flows.npv")), 628u);
    TcbIRR irr(fixture.context);
    Fill(irr, -5000, 47, 125.5);
    irr.WriteDataFile(Path("flows.irr"));
    EXPECT_EQ(std::filesystem::file_size(Path("flows.irr")), 624u);

    TcbNetPV loaded(fixture.context);
    ASSERT_TRUE(loaded.ReadDataFile(Path("flows.npv")));
    EXPECT_EQ(loaded.Data(), netPV.Data());
    EXPECT_TRUE(fixture.messages.shown.empty());
}

TEST_F(CashFlowTest, FilesThatAreNotOursChangeNothing) {
    TcbIRR irr(fixture.context);
    Fill(irr, -5000, 11, 500);
    irr.WriteDataFile(Path("good.irr"));
    std::ifstream in(Path("good.irr"), std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), {});

    const auto write = [this](const std::string& name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    };
    std::string wrongMagic = good;
    wrongMagic[1] = 'n';
    std::string wrongVersion = good;
    wrongVersion[17] = 2;
    std::string hugeCount = good;
    hugeCount[28] = static_cast<char>(0xFF);
    hugeCount[29] = 0x7F;
    const std::string cut = good.substr(0, good.size() - 5);
    const std::string npvFile = [&] {
        TcbNetPV netPV(fixture.context);
        Fill(netPV, -5000, 11, 500);
        netPV.WriteDataFile(Path("other.npv"));
        std::ifstream other(Path("other.npv"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(other)), {});
    }();

    TcbIRR target(fixture.context);
    Fill(target, -42, 5, 7);
    const auto before = target.Data();
    for (const auto& [name, bytes] :
         std::vector<std::pair<std::string, std::string>>{{"magic.irr", wrongMagic},
                                                          {"version.irr", wrongVersion},
                                                          {"count.irr", hugeCount},
                                                          {"cut.irr", cut},
                                                          {"npv.irr", npvFile},
                                                          {"empty.irr", ""}}) {
        fixture.messages.shown.clear();
        EXPECT_FALSE(target.ReadDataFile(write(name, bytes))) << name;
        EXPECT_EQ(target.Data(), before) << name;
        ASSERT_EQ(fixture.messages.shown.size(), 1u) << name;
        EXPECT_EQ(fixture.messages.shown[0].text, "Version Mismatch");
    }
}

TEST_F(CashFlowTest, TheLastEntryKeepsTheFlowsBesideTheStoredValues) {
    {
        TcbNetPV netPV(fixture.context);
        Fill(netPV, -800, 5, 210);
        netPV.SaveLast();
    }
    EXPECT_TRUE(std::filesystem::exists(fixture.folder / "data" / "Last.npv"));
    TcbNetPV reopened(fixture.context);
    ASSERT_TRUE(reopened.LoadLast());
    EXPECT_EQ(reopened.Data().Get<double>(TcbNetPV::PV), -800);
    ASSERT_EQ(reopened.Data().Series().size(), 6u);
    EXPECT_EQ(reopened.Data().Series()[4].amount, 210);

    // Without its file (a first start) the calculator opens on its local defaults, but keeps
    // "Last entered calculation" chosen so that what is entered now is kept on closing.
    std::filesystem::remove(fixture.folder / "data" / "Last.npv");
    TcbNetPV fresh(fixture.context);
    fresh.InitData();
    fresh.Options().localDefaults[TcbNetPV::DefaultPeriod] = Choice{7};
    fresh.UseOpeningValues();
    EXPECT_TRUE(fresh.Options().flags.lastCalculation);
    EXPECT_FALSE(fresh.Options().flags.defaults);
    EXPECT_EQ(fresh.Data().Get<Choice>(TcbNetPV::PYR).index, 7);
    ASSERT_EQ(fresh.Data().Series().size(), 6u) << "a full grid, re-dated quarterly";
    EXPECT_EQ(fresh.Data().Series()[0].date,
              dates::DMYToDayNumber(1, 4, 2001)); // three months after 1 January 2001
}

TEST_F(CashFlowTest, CopyTextListsTheFlows) {
    TcbIRR irr(fixture.context);
    irr.SetTitle("Internal Rate of Return Calculator 1");
    Fill(irr, -1000, 2, 600);
    irr.Calculate();
    EXPECT_EQ(irr.CopyText(), "Internal Rate of Return Calculator 1\r\n\r\n"
                              "Initial Investment?:          ($1,000.00)\r\n"
                              "Total Periods? (#):                     3\r\n"
                              "Initial Investment Date?:       01/01/2001\r\n"
                              "Periodic Cash Flow?:              Monthly\r\n\r\n"
                              "02/01/2001                         600.00\r\n"
                              "03/01/2001                         600.00\r\n"
                              "\r\nInternal Rate of Return (IRR) (%):         156.7949\r\n");
    ASSERT_TRUE(irr.Print());
    const auto& printed = fixture.printing.canvas.printed;
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back().text.find("\tInternal Rate of Return (IRR) (%):"), 0u);
}

} // namespace
} // namespace quarvex::calculators
