#include "framework/settings/TbufGlobals.h"

#include "framework/store/RegIni.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::framework {
namespace {

using G = GlobalSetting;
using quarvex::testing::TempDirectory;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";
constexpr const char* kDataFolder = "/srv/quarvex data/";

// Each row as the dialog shows it: prompt, page, publisher's value (list rows also by the
// text the list shows for it).
struct ExpectedRow {
    G id;
    const char* prompt;
    int page;
    double publisher;
    const char* publisherItem; // nullptr for rows without a list
};

const std::vector<ExpectedRow> kExpected = {
    {G::AnnualRate, "Annual &Rate? (%):", 1, 0, nullptr},
    {G::Points, "P&oints? (%):", 1, 0, nullptr},
    {G::PointsAre, "Points Are?:", 1, 1, "With First"},
    {G::PaymentPeriod, "Payme&nt Period?:", 1, 5, "Monthly"},
    {G::CompoundingPeriod, "Compounding Perio&d?:", 1, 6, "Monthly"},
    {G::PaymentMethod, "Payment &Method?:", 1, 0, "Arrears"},
    {G::AmortizingMethod, "Amorti&zing Method?:", 1, 0, "Normal"},
    {G::OddDaysPaidWhen, "Odd Days Interest Paid When?:", 1, 1, "With Origination"},
    {G::OddDaysCalculation, "Odd Days Interest Calculation?:", 1, 4, "Compound 360"},
    {G::ShortPeriodPaidHow, "Short Period Interest Paid How?:", 1, 1, "Reduce First"},
    {G::ShortPeriodCalculation, "Short Period Interest Calculation?:", 1, 2, "Simple 365"},
    {G::RateBasis, "Rate &Basis?:", 2, 0, "Ordinary"},
    {G::DaysPerYear, "Days Per Year?:", 2, 0, "360/360"},
    {G::AccelerationMethod, "Loan Acceleration Method?:", 2, 0, "No Acceleration"},
    {G::ApplyUSRule, "Apply US Rule?:", 2, 0, "False"},
    {G::AccelerationPercentage, "Acceleration Percen&tage? (%):", 2, 0, nullptr},
    {G::PurchasePrice, "Purcha&se Price?:", 2, 0, nullptr},
    {G::PriceIsPerUnits, "P&rice is Per # of Units?:", 2, 0, nullptr},
    {G::InterestRateIs, "&Interest Rate Is?:", 2, 4, "Compound 360"},
    {G::MarginalTaxRate, "Mar&ginal Tax Rate? (%):", 2, 0, nullptr},
    {G::InflationRate, "&Inflation Rate ? (%): ", 2, 0, nullptr},
    {G::StartingDate, "Use for &Starting Date?:", 2, 2, "First this month"},
    {G::TwiceMonthlyDays, "&Twice monthly payment days?:", 2, 0, "1st & 15th"},
    {G::BusinessUse, "Bus&iness Use? (%):", 3, 0, nullptr},
    {G::DepreciationMethod, "&Depreciation Method?:", 3, 3, "200% DB"},
    {G::IrsConvention, "IRS Con&vention?:", 3, 0, "Mid Year"},
    {G::AmountOfLoan, "&Amount of Loan?:", 3, 0, nullptr},
    {G::TaxEffect, "Tax Effect?:", 3, 0, "All Advantages"},
    {G::FirstInterestRate, "First &Interest Rate? (%):", 3, 0, nullptr},
    {G::SecondInterestRate, "&Second Interest Rate? (%):", 3, 0, nullptr},
    {G::DataPath, "Data Path:", 3, 0, nullptr},
    {G::Deductible, "I&nterest && Points are?:", 3, 0, "Deductible"},
    {G::DiscountRate, "&Discount Rate? (%):", 3, 0, nullptr},
    {G::PreparedBy, "Prepared By:", 3, 0, nullptr},
};

double NumberOf(const SettingValue& value) {
    return std::visit(
        [](const auto& v) -> double {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
                return v.empty() ? 0.0 : NAN;
            } else {
                return static_cast<double>(v);
            }
        },
        value);
}

class TbufGlobalsStore : public ::testing::Test {
protected:
    RegIni& Store() { return store_; }
    TbufGlobals Loaded() {
        TbufGlobals settings;
        settings.SetPublisherValues();
        settings.LoadFromRegistry(store_, kDataFolder);
        return settings;
    }

    TempDirectory dir_;
    RegIni store_{dir_ / "settings.ini"};
};

TEST(TbufGlobals, StartsEmpty) {
    TbufGlobals settings;
    for (const auto& row : kExpected) {
        EXPECT_TRUE(settings.Prompt(row.id).empty()) << row.prompt;
        EXPECT_TRUE(settings.List(row.id).empty()) << row.prompt;
        EXPECT_EQ(NumberOf(settings.Value(row.id)), 0.0) << row.prompt;
    }
    EXPECT_EQ(settings.PageCaptions()[0], "");
}

TEST(TbufGlobals, PublisherValuesPromptsPagesAndLists) {
    ASSERT_EQ(kExpected.size(), kGlobalSettingCount);
    TbufGlobals settings;
    settings.SetPublisherValues();
    for (const auto& row : kExpected) {
        EXPECT_EQ(settings.Prompt(row.id), row.prompt);
        EXPECT_EQ(RowOf(row.id).page, row.page) << row.prompt;
        EXPECT_EQ(NumberOf(settings.Value(row.id)), row.publisher) << row.prompt;
        if (row.publisherItem != nullptr) {
            const auto& list = settings.List(row.id);
            ASSERT_LT(row.publisher, list.size()) << row.prompt;
            EXPECT_EQ(list[static_cast<std::size_t>(row.publisher)], row.publisherItem)
                << row.prompt;
        } else {
            EXPECT_TRUE(settings.List(row.id).empty()) << row.prompt;
        }
    }
    EXPECT_EQ(settings.PageCaptions(), (std::array<std::string, 3>{"1/3", "2/3", "3/3"}));
    EXPECT_EQ(settings.List(G::InterestRateIs).size(), 6u);
    EXPECT_EQ(settings.List(G::RateBasis).size(), 5u);
}

TEST(TbufGlobals, KindsAndMasksOfTheRows) {
    EXPECT_EQ(RowOf(G::AnnualRate).kind, SettingKind::Single);
    EXPECT_EQ(RowOf(G::AnnualRate).mask, "##.####");
    EXPECT_EQ(RowOf(G::AccelerationPercentage).kind, SettingKind::SmallInteger);
    EXPECT_EQ(RowOf(G::AccelerationPercentage).mask, "iii");
    EXPECT_EQ(RowOf(G::PurchasePrice).kind, SettingKind::Double);
    EXPECT_EQ(RowOf(G::PurchasePrice).mask, "$###,###,###.##");
    EXPECT_EQ(RowOf(G::PriceIsPerUnits).kind, SettingKind::Integer);
    EXPECT_EQ(RowOf(G::PriceIsPerUnits).mask, "iii,iii,iii");
    EXPECT_EQ(RowOf(G::DataPath).maxLength, 255u);
    EXPECT_EQ(RowOf(G::DataPath).helpContext, 429);
    EXPECT_EQ(RowOf(G::PreparedBy).maxLength, 40u);
    EXPECT_EQ(RowOf(G::TwiceMonthlyDays).control, "cbxDefaultTwiceMonthly");
}

TEST_F(TbufGlobalsStore, EverySettingSurvivesASaveAndALoad) {
    TbufGlobals edited;
    edited.SetPublisherValues();
    // A value for each row that differs from the publisher's.
    for (const auto& row : GlobalSettingRows()) {
        const auto n = static_cast<int>(row.id);
        switch (row.kind) {
        case SettingKind::Single:
            edited.SetValue(row.id, 1.25f + static_cast<float>(n));
            break;
        case SettingKind::Double:
            edited.SetValue(row.id, 1234567.89 + n);
            break;
        case SettingKind::SmallInteger:
            edited.SetValue(row.id, static_cast<std::int16_t>(-3 - n));
            break;
        case SettingKind::Integer:
            edited.SetValue(row.id, std::int32_t{123456789});
            break;
        case SettingKind::ListIndex: {
            const auto size = static_cast<std::int32_t>(edited.List(row.id).size());
            edited.SetValue(row.id, (static_cast<std::int32_t>(row.publisherValue) + 1) % size);
            break;
        }
        case SettingKind::Text:
            edited.SetValue(row.id, "  " + std::string(row.prompt) + " ü ");
            break;
        }
    }
    edited.SaveToRegistry(Store());

    RegIni reopened(Store().FilePath());
    TbufGlobals loaded;
    loaded.SetPublisherValues();
    loaded.LoadFromRegistry(reopened, kDataFolder);
    for (const auto& row : kExpected) {
        EXPECT_EQ(loaded.Value(row.id), edited.Value(row.id)) << row.prompt;
    }
    EXPECT_EQ(reopened.CurSubKey(), kRoot);
}

TEST_F(TbufGlobalsStore, ReduceAllForRowTenIsStoredUnderRowElevensPrompt) {
    TbufGlobals settings;
    settings.SetPublisherValues();
    settings.SetValue(G::ShortPeriodPaidHow, std::int32_t{2});     // "Reduce All"
    settings.SetValue(G::ShortPeriodCalculation, std::int32_t{0}); // "Prorated"
    settings.SaveToRegistry(Store());

    Store().SetCurSubKey(kRoot);
    EXPECT_EQ(Store().ValueKind("Short Period Interest Calculation?:"), RegValueKind::Integer);
    EXPECT_EQ(Store().ReadInteger("Short Period Interest Calculation?:", -1), 2);
    EXPECT_EQ(Store().ReadInteger("Short Period Interest Paid How?:", -1), 0);

    TbufGlobals loaded = Loaded();
    EXPECT_EQ(loaded.Integer(G::ShortPeriodPaidHow), 2);
    EXPECT_EQ(loaded.Integer(G::ShortPeriodCalculation), 0);
}

TEST_F(TbufGlobalsStore, SevenAndAHalfInTheFirstRateRowIsTheRealSevenAndAHalf) {
    TbufGlobals settings;
    settings.SetPublisherValues();
    settings.SetValue(G::FirstInterestRate, 7.5f);
    settings.SaveToRegistry(Store());

    Store().SetCurSubKey(kRoot);
    EXPECT_EQ(Store().ValueKind("First &Interest Rate? (%):"), RegValueKind::Real);
    EXPECT_EQ(Store().ReadReal("First &Interest Rate? (%):", 0.0), 7.5);
    EXPECT_EQ(Loaded().Single(G::FirstInterestRate), 7.5f);
}

TEST_F(TbufGlobalsStore, EachRowIsStoredAsItsKind) {
    TbufGlobals settings;
    settings.SetPublisherValues();
    settings.SaveToRegistry(Store());
    Store().SetCurSubKey(kRoot);
    for (const auto& row : GlobalSettingRows()) {
        const RegValueKind expected =
            row.kind == SettingKind::Text ? RegValueKind::Text
            : (row.kind == SettingKind::Single || row.kind == SettingKind::Double)
                ? RegValueKind::Real
                : RegValueKind::Integer;
        EXPECT_EQ(Store().ValueKind(row.valueName), expected) << row.prompt;
    }
}

TEST_F(TbufGlobalsStore, DefaultsThenCloseStoreThePublishersValuesWithAnEmptyPreparedBy) {
    Store().SetCurSubKey(kRoot);
    Store().WriteText("Prepared By:", "Jane Doe");
    Store().WriteFloat("Annual &Rate? (%):", 9.0f);
    TbufGlobals settings = Loaded();
    settings.SetPublisherValues(); // the "Defaults" button
    settings.SaveToRegistry(Store());
    Store().SetCurSubKey(kRoot);
    EXPECT_EQ(Store().ReadText("Prepared By:", "absent"), "");
    EXPECT_EQ(Store().ReadReal("Annual &Rate? (%):", -1), 0.0);
    EXPECT_EQ(Store().ReadInteger("Payme&nt Period?:", -1), 5);
}

TEST_F(TbufGlobalsStore, AnEmptyStoreGivesThePublishersValuesTheDataFolderAndTheHint) {
    TbufGlobals settings = Loaded();
    EXPECT_EQ(settings.Text(G::DataPath), kDataFolder);
    EXPECT_EQ(settings.Text(G::PreparedBy), "{Options}{Preferences} 3rd Page to set.");
    EXPECT_EQ(settings.Integer(G::CompoundingPeriod), 6);
    EXPECT_EQ(settings.Integer(G::OddDaysCalculation), 4);
}

TEST_F(TbufGlobalsStore, StoredValuesThatDoNotFitTheirRowKeepTheCurrentValue) {
    Store().SetCurSubKey(kRoot);
    {
        RegIni::Batch batch(Store());
        Store().WriteInteger("Payme&nt Period?:", 10);                  // past the list
        Store().WriteInteger("Compounding Perio&d?:", -1);              // before it
        Store().WriteText("Points Are?:", "2");                         // another kind
        Store().WriteReal("Annual &Rate? (%):", NAN);                   // not a number
        Store().WriteReal("P&oints? (%):", 1e300);                      // too big for a single
        Store().WriteReal("&Amount of Loan?:", INFINITY);               // not finite
        Store().WriteInteger("Bus&iness Use? (%):", 70000);             // too big for 16 bits
        Store().WriteText("Prepared By:", std::string(39, 'x') + "éé"); // 41 characters
        Store().WriteText("Data Path:", std::string(300, 'd'));
    }
    TbufGlobals settings = Loaded();
    EXPECT_EQ(settings.Integer(G::PaymentPeriod), 5);
    EXPECT_EQ(settings.Integer(G::CompoundingPeriod), 6);
    EXPECT_EQ(settings.Integer(G::PointsAre), 1);
    EXPECT_EQ(settings.Single(G::AnnualRate), 0.0f);
    EXPECT_EQ(settings.Single(G::Points), 0.0f);
    EXPECT_EQ(settings.Real(G::AmountOfLoan), 0.0);
    EXPECT_EQ(settings.Integer(G::BusinessUse), 0);
    EXPECT_EQ(settings.Text(G::PreparedBy), std::string(39, 'x') + "é");
    EXPECT_EQ(settings.Text(G::DataPath), std::string(255, 'd'));
}

TEST(TbufGlobals, SetValueRefusesWhatDoesNotFitTheRow) {
    TbufGlobals settings;
    settings.SetPublisherValues();
    EXPECT_THROW(settings.SetValue(G::AnnualRate, 7.5), std::invalid_argument); // a double
    EXPECT_THROW(settings.SetValue(G::PaymentPeriod, std::int32_t{10}), std::invalid_argument);
    EXPECT_THROW(settings.SetValue(G::BusinessUse, std::int32_t{40000}), std::invalid_argument);
    EXPECT_THROW(settings.SetValue(G::PreparedBy, 1.0f), std::invalid_argument);
    EXPECT_THROW(settings.Text(G::AnnualRate), std::invalid_argument);
    settings.SetValue(G::BusinessUse, std::int32_t{85});
    EXPECT_EQ(settings.Integer(G::BusinessUse), 85);
    settings.SetValue(G::PreparedBy, std::string(50, 'p'));
    EXPECT_EQ(settings.Text(G::PreparedBy).size(), 40u);
}

} // namespace
} // namespace quarvex::framework
