#include "calculators/Catalog.h"
#include "cli/CliRun.h"
#include "engines/depreciation/calculator/TcbDecBal.h"
#include "engines/depreciation/calculator/TcbMACRS.h"
#include "engines/depreciation/calculator/TcbSlDep.h"
#include "engines/depreciation/calculator/TcbSumofYears.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

namespace quarvex::engines {
namespace {

using framework::Choice;
using framework::Date;

TEST(DepreciationCalculators, CopyTextListsTheInputsThenTheSchedule) {
    testing::BufferFixture fixture;
    TcbSlDep buffer(fixture.context);
    buffer.InitData();
    buffer.SetTitle("Straight Line Depreciation Calculator");
    auto& data = buffer.Data();
    data.Set(TcbSlDep::Asset, std::string("Press"));
    data.Set(TcbSlDep::BookValue, 10000.0);
    data.Set(TcbSlDep::SalvageValue, 1000.0);
    data.Set(TcbSlDep::RecoveryPeriod, 5.0f);
    data.Set(TcbSlDep::BusinessUse, std::int16_t{100});
    data.Set(TcbSlDep::InService, Date{dates::DMYToDayNumber(1, 4, 2021)});
    buffer.Calculate();
    EXPECT_EQ(buffer.CopyText(), "Straight Line Depreciation Calculator\r\n\r\n"
                                 "Asset?:                       Press\r\n"
                                 "Book Value?:                   $10,000.00\r\n"
                                 "Salvage Value?:                 $1,000.00\r\n"
                                 "Recovery Period?:                    5.00\r\n"
                                 "Business Use? (%):                    100\r\n"
                                 "Placed Into Service?:          04/01/2021\r\n"
                                 "\r\nDepreciation Schedule\r\n\r\n"
                                 "Year           Depreciation   Adjusted Basis\r\n\r\n"
                                 "2021              $1,350.00        $8,650.00\r\n"
                                 "2022              $1,800.00        $6,850.00\r\n"
                                 "2023              $1,800.00        $5,050.00\r\n"
                                 "2024              $1,800.00        $3,250.00\r\n"
                                 "2025              $1,800.00        $1,450.00\r\n"
                                 "2026                $450.00        $1,000.00\r\n");
}

TEST(DepreciationCalculators, PublishersValuesAndTheGlobalDefaults) {
    testing::BufferFixture fixture;
    const std::int32_t today = fixture.clock.Today();
    TcbMACRS macrs(fixture.context);
    macrs.InitData();
    EXPECT_EQ(macrs.Data().Get<std::string>(TcbMACRS::Asset), "Business Car #1");
    EXPECT_EQ(macrs.Data().Get<std::int16_t>(TcbMACRS::BusinessUse), 100);
    EXPECT_EQ(macrs.Data().Get<Choice>(TcbMACRS::Method), Choice{3});
    EXPECT_EQ(macrs.Data().Get<Choice>(TcbMACRS::Convention), Choice{0});
    EXPECT_EQ(macrs.Data().Get<Date>(TcbMACRS::InService), Date{today});
    TcbDecBal declining(fixture.context);
    declining.InitData();
    EXPECT_EQ(declining.Data().Get<std::string>(TcbDecBal::Asset), " ");
    // The global settings' publisher's values: 200 % DB, Mid Year.
    macrs.Data().Set(TcbMACRS::Method, Choice{5});
    macrs.UseGlobalDefaults();
    EXPECT_EQ(macrs.Data().Get<Choice>(TcbMACRS::Method), Choice{3});
}

TEST(DepreciationCalculators, MacrsRecoveryPeriodOfNothingKeepsTheSchedule) {
    testing::BufferFixture fixture;
    TcbMACRS buffer(fixture.context);
    buffer.InitData();
    buffer.Data().Set(TcbMACRS::BookValue, 10000.0);
    buffer.Data().Set(TcbMACRS::RecoveryPeriod, 5.0f);
    buffer.Calculate();
    ASSERT_EQ(buffer.Schedule().size(), 6u);
    buffer.Data().Set(TcbMACRS::RecoveryPeriod, 0.0f);
    try {
        buffer.Calculate();
        FAIL() << "no refusal";
    } catch (const framework::ECalculationDeclined& error) {
        EXPECT_EQ(error.Message(), "Recovery Period can't Be Zero");
    }
    EXPECT_EQ(buffer.Schedule().size(), 6u);
}

TEST(DepreciationCommandLine, TheCatalogOffersTheFourCalculators) {
    for (const char* stem : {"sldep", "sumofyears", "decbal", "macrs"}) {
        EXPECT_NE(calculators::FindCalculator(stem), nullptr) << stem;
    }
}

TEST(DepreciationCommandLine, JsonRowsCsvAndFiles) {
    const auto json = cli::RunCli({"sumofyears", "BookValue=10000", "SalvageValue=1000",
                                   "RecoveryPeriod=5", "InService=2021-01-10", "--json"});
    ASSERT_EQ(json.code, 0) << json.err;
    EXPECT_NE(json.out.find("\"rows\": [{\"Year\": \"2021\", \"Depreciation\": 3000, "
                            "\"AdjustedBasis\": 7000}, {\"Year\": \"2022\", \"Depreciation\": "
                            "2400"),
              std::string::npos)
        << json.out;

    const auto csv = cli::RunCli({"macrs", "BookValue=10000", "RecoveryPeriod=5",
                                  "InService=2021-11-10", "Convention=Mid Quarter", "--csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    EXPECT_EQ(csv.out, "Year,Depreciation,AdjustedBasis\n2021,500.00,9500.00\n"
                       "2022,3800.00,5700.00\n2023,2280.00,3420.00\n2024,1368.00,2052.00\n"
                       "2025,1094.40,957.60\n2026,957.60,0.00\n");

    testing::TempDirectory folder;
    const std::string file = (folder / "van.mac").string();
    const auto saved =
        cli::RunCli({"macrs", "BookValue=31000", "RecoveryPeriod=5", "Asset=Van", "--save", file});
    ASSERT_EQ(saved.code, 0) << saved.err;
    const auto loaded = cli::RunCli({"macrs", "--load", file, "--json"});
    ASSERT_EQ(loaded.code, 0) << loaded.err;
    EXPECT_NE(loaded.out.find("\"Asset\": \"Van\""), std::string::npos) << loaded.out;
    EXPECT_NE(loaded.out.find("\"BookValue\": 31000"), std::string::npos) << loaded.out;
    const auto wrongKind = cli::RunCli({"sldep", "--load", file});
    EXPECT_NE(wrongKind.code, 0);
    EXPECT_NE(wrongKind.err.find("Version Mismatch"), std::string::npos) << wrongKind.err;
}

} // namespace
} // namespace quarvex::engines
