#include "framework/buffer/SampleCalculator.h"
#include "framework/settings/TbufGlobals.h"
#include "framework/store/RegIni.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

using testing::BufferFixture;
using testing::SampleBuffer;

constexpr const char* kKey = "Software\\Kelvarn Software\\Quarvex!\\Sample Calculator";

struct CalcBufferTest : ::testing::Test {
    BufferFixture fixture;
    SampleBuffer buffer{fixture.context};

    void StoreValuesThatDoNotFit() {
        fixture.store.SetCurSubKey(kKey);
        fixture.store.WriteInteger("Payme&nt Period?:", 42);   // outside the list
        fixture.store.WriteInteger("Count? (#):", 40000);      // beyond 16 bits
        fixture.store.WriteText("&Amount?:", "lots");          // a text for a number
        fixture.store.WriteInteger("&Start Date?:", 99999999); // outside the calendar
        fixture.store.WriteReal("annual &RATE? (%):", 6.5);    // names match in any case
    }
};

TEST_F(CalcBufferTest, InitDataGivesPromptsAndPublishersValues) {
    buffer.Data().Set(SampleBuffer::Amount, 5.0);
    buffer.InitData();
    EXPECT_EQ(buffer.Data().Get<double>(SampleBuffer::Amount), 100.0);
    EXPECT_EQ(buffer.Data().Get<std::int16_t>(SampleBuffer::Count), 3);
    EXPECT_EQ(buffer.Data().Get<Choice>(SampleBuffer::Period).index, 5);
    EXPECT_EQ(buffer.Data().Prompt(SampleBuffer::Amount), "&Amount?:");
    EXPECT_EQ(buffer.StoreKey(), kKey);
}

TEST_F(CalcBufferTest, LastCalculationIsStoredUnderThePromptsInItsKinds) {
    buffer.Data().Set(SampleBuffer::Amount, 1234.5);
    buffer.Data().Set(SampleBuffer::Count, std::int16_t{-7});
    buffer.Data().Set(SampleBuffer::Rate, 7.125f);
    buffer.Data().Set(SampleBuffer::Period, Choice{1});
    buffer.Data().Set(SampleBuffer::Start, Date{150000});
    buffer.Data().Set(SampleBuffer::Note, std::string("café \"x\""));
    buffer.Data().Set(SampleBuffer::Total, 99.0);
    buffer.SaveLast();

    RegIni reopened = fixture.Reopen();
    reopened.SetCurSubKey(kKey);
    const std::pair<const char*, RegValueKind> kinds[] = {
        {"&Amount?:", RegValueKind::Real},          {"Count? (#):", RegValueKind::Integer},
        {"Annual &Rate? (%):", RegValueKind::Real}, {"Payme&nt Period?:", RegValueKind::Integer},
        {"&Start Date?:", RegValueKind::Integer},   {"&Note:", RegValueKind::Text},
    };
    for (const auto& [name, kind] : kinds) {
        EXPECT_EQ(reopened.ValueKind(name), kind) << name;
    }
    EXPECT_FALSE(reopened.ValueExists("Total:")) << "results are not stored";
    EXPECT_EQ(reopened.ReadReal("Annual &Rate? (%):", 0), 7.125);

    SampleBuffer other(fixture.context);
    other.LoadLast();
    EXPECT_EQ(other.Data().Get<double>(SampleBuffer::Amount), 1234.5);
    EXPECT_EQ(other.Data().Get<std::int16_t>(SampleBuffer::Count), -7);
    EXPECT_EQ(other.Data().Get<float>(SampleBuffer::Rate), 7.125f);
    EXPECT_EQ(other.Data().Get<Choice>(SampleBuffer::Period).index, 1);
    EXPECT_EQ(other.Data().Get<Date>(SampleBuffer::Start).day, 150000);
    EXPECT_EQ(other.Data().Get<std::string>(SampleBuffer::Note), "café \"x\"");
}

TEST_F(CalcBufferTest, StoredValuesThatDoNotFitLeaveTheFieldAsItWas) {
    StoreValuesThatDoNotFit();
    buffer.LoadLast();
    EXPECT_EQ(buffer.Data().Get<Choice>(SampleBuffer::Period).index, 5);
    EXPECT_EQ(buffer.Data().Get<std::int16_t>(SampleBuffer::Count), 3);
    EXPECT_EQ(buffer.Data().Get<double>(SampleBuffer::Amount), 100.0);
    EXPECT_EQ(buffer.Data().Get<Date>(SampleBuffer::Start).day, -1);
    EXPECT_EQ(buffer.Data().Get<float>(SampleBuffer::Rate), 6.5f);
}

TEST_F(CalcBufferTest, StoredValuesLeftAsideAreReportedWithTheReason) {
    StoreValuesThatDoNotFit(); // the rate fits: it is not reported
    fixture.store.WriteText("DefaultAnnual &Rate? (%):", "six");
    buffer.LoadLast();
    buffer.LoadOptions();
    std::vector<std::pair<std::string, std::string>> reported;
    for (const IgnoredStoredValue& ignored : buffer.IgnoredStoredValues()) {
        reported.emplace_back(ignored.name, ignored.reason);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"&Amount?:", "the text \"lots\" is not a finite number"},
        {"Count? (#):", "40000 is not a whole number from -32768 to 32767"},
        {"Payme&nt Period?:", "42 is not an index of its list, from 0 to 10 less one"},
        {"&Start Date?:", "99999999 is not a day of the calendar"},
        {"DefaultAnnual &Rate? (%):", "the text \"six\" is not a number within the range of a "
                                      "single-precision real"},
    };
    EXPECT_EQ(reported, expected);
    // A new start forgets them.
    buffer.InitData();
    EXPECT_TRUE(buffer.IgnoredStoredValues().empty());
}

TEST_F(CalcBufferTest, OptionsAreStoredUnderDefaultAndTheFlagNames) {
    buffer.Options().localDefaults[0] = Choice{7};
    buffer.Options().localDefaults[1] = 8.25f;
    buffer.Options().flags = OptionFlags{.local = true,
                                         .global = false,
                                         .publisher = false,
                                         .lastCalculation = false,
                                         .defaults = true};
    buffer.SaveOptions();

    RegIni reopened = fixture.Reopen();
    reopened.SetCurSubKey(kKey);
    EXPECT_EQ(reopened.ReadInteger("DefaultPayme&nt Period?:", -1), 7);
    EXPECT_EQ(reopened.ReadReal("DefaultAnnual &Rate? (%):", -1), 8.25);
    const std::pair<const char*, int> flags[] = {{"DefaultLast entered calculation", 0},
                                                 {"DefaultDefaults", 1},
                                                 {"DefaultLocal", 1},
                                                 {"DefaultGlobal", 0},
                                                 {"DefaultPublisher's", 0}};
    for (const auto& [name, value] : flags) {
        EXPECT_EQ(reopened.ValueKind(name), RegValueKind::Integer) << name;
        EXPECT_EQ(reopened.ReadInteger(name, -1), value) << name;
    }

    SampleBuffer other(fixture.context);
    other.LoadOptions();
    EXPECT_EQ(other.Options(), buffer.Options());
}

TEST_F(CalcBufferTest, FlagsEditedByHandStillMakeOneChoiceEach) {
    fixture.store.SetCurSubKey(kKey);
    fixture.store.WriteInteger("DefaultLast entered calculation", 1);
    fixture.store.WriteInteger("DefaultDefaults", 1);
    fixture.store.WriteInteger("DefaultLocal", 1);
    fixture.store.WriteInteger("DefaultGlobal", 1);
    buffer.LoadOptions();
    const OptionFlags& flags = buffer.Options().flags;
    EXPECT_TRUE(flags.lastCalculation);
    EXPECT_FALSE(flags.defaults);
    EXPECT_TRUE(flags.local);
    EXPECT_FALSE(flags.global);
    EXPECT_FALSE(flags.publisher);
}

TEST_F(CalcBufferTest, LocalAndGlobalDefaultsFillTheirFields) {
    buffer.Options().localDefaults = {Choice{2}, 4.5f};
    buffer.UseLocalDefaults();
    EXPECT_EQ(buffer.Data().Get<Choice>(SampleBuffer::Period).index, 2);
    EXPECT_EQ(buffer.Data().Get<float>(SampleBuffer::Rate), 4.5f);

    TbufGlobals settings;
    settings.SetPublisherValues();
    settings.SetValue(GlobalSetting::AnnualRate, 7.5f);
    settings.SetValue(GlobalSetting::PaymentPeriod, std::int32_t{7});
    settings.SaveToRegistry(fixture.store);
    buffer.UseGlobalDefaults();
    EXPECT_EQ(buffer.Data().Get<float>(SampleBuffer::Rate), 7.5f);
    EXPECT_EQ(buffer.Data().Get<Choice>(SampleBuffer::Period).index, 7);
}

TEST_F(CalcBufferTest, OpeningValuesFollowTheOptions) {
    buffer.Data().Set(SampleBuffer::Amount, 555.0);
    buffer.SaveLast();
    buffer.InitData();
    buffer.Options().localDefaults = {Choice{9}, 3.0f};

    buffer.Options().flags = OptionFlags{};
    buffer.UseOpeningValues();
    EXPECT_EQ(buffer.Data().Get<double>(SampleBuffer::Amount), 555.0) << "last entered";

    buffer.InitData();
    buffer.Options().flags = OptionFlags{.local = true,
                                         .global = false,
                                         .publisher = false,
                                         .lastCalculation = false,
                                         .defaults = true};
    buffer.UseOpeningValues();
    EXPECT_EQ(buffer.Data().Get<double>(SampleBuffer::Amount), 100.0);
    EXPECT_EQ(buffer.Data().Get<Choice>(SampleBuffer::Period).index, 9) << "local";

    buffer.InitData();
    buffer.Options().flags.local = false;
    buffer.Options().flags.publisher = true;
    buffer.UseOpeningValues();
    EXPECT_EQ(buffer.Data().Get<Choice>(SampleBuffer::Period).index, 5) << "publisher's";
}

TEST_F(CalcBufferTest, CopyAndPrintRowsComeFromTheTable) {
    buffer.SetTitle("Sample Calculator 1");
    buffer.Data().Set(SampleBuffer::Amount, 1234.5);
    buffer.Data().Set(SampleBuffer::Rate, 7.125f);
    buffer.Data().Set(SampleBuffer::Start, Date{dates::DMYToDayNumber(4, 7, 2021)});
    buffer.Calculate();
    EXPECT_EQ(buffer.CopyText(), "Sample Calculator 1\r\n\r\n"
                                 "Amount?:                        $1,234.50\r\n"
                                 "Count? (#):                             3\r\n"
                                 "Annual Rate? (%):                    7.13\r\n"
                                 "Payment Period?:                  Monthly\r\n"
                                 "Start Date?:                   07/04/2021\r\n"
                                 "Grand Total:                    $3,703.50\r\n");
    const auto rows = buffer.PrintRows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[2], "\tAnnual Rate? (%):       \t          7.1250");
    EXPECT_EQ(rows[3], "\tPayment Period?:        \tMonthly");

    buffer.CopyToClipboard();
    EXPECT_EQ(fixture.clipboard.Last(), buffer.CopyText());
    EXPECT_TRUE(buffer.Print());
    EXPECT_EQ(fixture.printing.titles.back(), "Sample Calculator 1");
    EXPECT_EQ(fixture.printing.canvas.printed.back().text, rows.back());
}

TEST_F(CalcBufferTest, RecordsRefuseValuesOfAnotherType) {
    EXPECT_THROW(buffer.Data().SetValue(SampleBuffer::Count, FieldValue(2.5)),
                 std::invalid_argument);
}

} // namespace
} // namespace quarvex::framework
