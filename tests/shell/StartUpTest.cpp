#include "shell/StartUp.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/SystemClock.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/store/RegIni.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <map>

namespace quarvex::shell {
namespace {

using framework::RegIni;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

class StartUpTest : public ::testing::Test {
protected:
    StartUpState Start(std::string picture = "mm/dd/yyyy") {
        values = framework::ApplicationValues();
        const std::map<std::string, std::string> environment = {
            {"HOME", (folder / "home").string()}};
        StartUpInputs inputs{store,
                             values,
                             clock,
                             [environment](const std::string& name) -> std::optional<std::string> {
                                 const auto found = environment.find(name);
                                 return found == environment.end() ? std::nullopt
                                                                   : std::optional(found->second);
                             },
                             folder / "work",
                             std::move(picture)};
        return StartApplication(inputs);
    }

    // What another run of the program finds in the settings file.
    RegIni Stored() const {
        RegIni reopened(folder / "settings.ini");
        reopened.SetCurSubKey(kRoot);
        return reopened;
    }

    testing::TempDirectory folder;
    RegIni store{folder / "settings.ini"};
    framework::ApplicationValues values;
    dates::FixedClock clock{dates::DMYToDayNumber(15, 3, 2021)};
};

TEST_F(StartUpTest, FirstStartOnAnEmptyStore) {
    const StartUpState state = Start();
    EXPECT_TRUE(state.FirstStart());
    EXPECT_TRUE(state.IndexingDue()) << "the first start indexes the database";
    EXPECT_EQ(state.runTimesBefore, 0);

    const ApplicationOptions& options = state.options;
    EXPECT_TRUE(options.showHints);
    EXPECT_TRUE(options.window.showButtonHints);
    EXPECT_TRUE(options.showToolbarHints);
    EXPECT_TRUE(options.window.savePositions);
    EXPECT_TRUE(options.window.restorePositions);
    EXPECT_TRUE(options.colorBackground);
    EXPECT_EQ(options.reportFont, report::ReportFont{});
    EXPECT_EQ(options.reportFont.name, "Courier New");
    EXPECT_EQ(options.reportFont.size, 10);
    EXPECT_FALSE(options.reindexDatabase);

    RegIni stored = Stored();
    EXPECT_EQ(stored.ReadText("Version", ""), "5.00a");
    EXPECT_EQ(stored.ReadText("Prepared By:", ""), "{Options}{Preferences} 3rd Page to set.");
    EXPECT_EQ(stored.ReadInteger("Run times", -1), 1);
    EXPECT_EQ(stored.ReadText("First Run Date", ""), "03/15/2021");
    EXPECT_EQ(stored.ValueKind("Reindex Database..."), framework::RegValueKind::Boolean);
    EXPECT_FALSE(stored.ReadBoolean("Reindex Database...", true));

    EXPECT_EQ(values.PreparedBy(), "{Options}{Preferences} 3rd Page to set.");
    EXPECT_EQ(values.DataPath(), values.DefaultDataFolder());
}

TEST_F(StartUpTest, TheFirstRunDateFollowsTheShortDatePictureAndIsWrittenOnce) {
    Start("dd.mm.yyyy");
    EXPECT_EQ(Stored().ReadText("First Run Date", ""), "15.03.2021");

    clock = dates::FixedClock(dates::DMYToDayNumber(1, 4, 2021));
    const StartUpState second = Start();
    EXPECT_FALSE(second.FirstStart());
    EXPECT_EQ(second.runTimesBefore, 1);
    EXPECT_EQ(Stored().ReadInteger("Run times", -1), 2);
    EXPECT_EQ(Stored().ReadText("First Run Date", ""), "15.03.2021");
}

TEST_F(StartUpTest, StoredOptionsAndFontAreRead) {
    Start();
    store.SetCurSubKey(kRoot);
    store.WriteBoolean("Show Toolbar hints", false);
    store.WriteBoolean("Restore positions", false);
    store.WriteBoolean("Color background", false);
    store.WriteText("Font Name", "Liberation Mono");
    store.WriteInteger("Font Size", 12);
    store.WriteBoolean("fsBold", true);
    store.WriteBoolean("fsStrike Out", true);

    const ApplicationOptions options = Start().options;
    EXPECT_FALSE(options.showToolbarHints);
    EXPECT_FALSE(options.window.restorePositions);
    EXPECT_FALSE(options.colorBackground);
    EXPECT_TRUE(options.showHints);
    EXPECT_TRUE(options.window.savePositions);
    EXPECT_EQ(options.reportFont.name, "Liberation Mono");
    EXPECT_EQ(options.reportFont.size, 12);
    EXPECT_TRUE(options.reportFont.bold);
    EXPECT_FALSE(options.reportFont.italic);
    EXPECT_TRUE(options.reportFont.strikeOut);
}

TEST_F(StartUpTest, AnUnusableStoredFontFallsBackToCourierNew10) {
    Start();
    for (const auto& [name, size] :
         {std::pair<std::string, int>{"Arial", 0}, {"Arial", -3}, {"Arial", 1000}, {"", 12}}) {
        store.SetCurSubKey(kRoot);
        store.WriteText("Font Name", name);
        store.WriteInteger("Font Size", size);
        const report::ReportFont font = Start().options.reportFont;
        EXPECT_EQ(font.name, "Courier New") << "stored " << name << " " << size;
        EXPECT_EQ(font.size, 10) << "stored " << name << " " << size;
    }
}

TEST_F(StartUpTest, TheReindexRequestIsReadAndClearedAtOnce) {
    Start();
    store.SetCurSubKey(kRoot);
    store.WriteBoolean("Reindex Database...", true);

    const StartUpState state = Start();
    EXPECT_TRUE(state.options.reindexDatabase);
    EXPECT_TRUE(state.IndexingDue());
    EXPECT_FALSE(Stored().ReadBoolean("Reindex Database...", true))
        << "a start that fails while indexing must not index again";

    const StartUpState next = Start();
    EXPECT_FALSE(next.options.reindexDatabase);
    EXPECT_FALSE(next.IndexingDue());
}

TEST_F(StartUpTest, AnotherLayoutStampClearsTheStoreButKeepsPreparedBy) {
    store.SetCurSubKey(kRoot);
    store.WriteText("Version", "5.00");
    store.WriteText("Prepared By:", "Ann Example");
    store.WriteInteger("Run times", 9);
    store.WriteBoolean("Save positions", false);
    store.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator");
    store.WriteReal("&Amount of Loan?:", 5000);

    const StartUpState state = Start();
    EXPECT_TRUE(state.FirstStart());
    EXPECT_TRUE(state.options.window.savePositions);
    EXPECT_EQ(values.PreparedBy(), "Ann Example");
    EXPECT_FALSE(store.KeyExists(std::string(kRoot) + "\\Loan Calculator"));
    EXPECT_EQ(Stored().ReadInteger("Run times", -1), 1);
}

TEST(ResolutionNotice, ShowsOnNarrowScreensDuringTheFirstFiveStarts) {
    struct Case {
        int width;
        int runTimes;
        bool shows;
    };
    const Case cases[] = {{640, 0, true},  {799, 4, true},   {799, 5, false},
                          {800, 0, false}, {1920, 0, false}, {320, 100, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(ShowsResolutionNotice(c.width, c.runTimes), c.shows)
            << "width " << c.width << ", run times " << c.runTimes;
    }
}

TEST(ResolutionNotice, Text) {
    EXPECT_EQ(ResolutionNoticeText(),
              "Your monitor is not set to a high enough resolution.\n\nPlease increase resolution "
              "for best results.\n\nThe minimum resolution should be 800 x 600\n\nThis message "
              "will not display after 5 times.");
}

} // namespace
} // namespace quarvex::shell
