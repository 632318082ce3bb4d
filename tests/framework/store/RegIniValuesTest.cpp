#include "framework/store/RegIni.h"

#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace quarvex::framework {
namespace {

using quarvex::testing::ReadFileText;
using quarvex::testing::TempDirectory;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";
constexpr const char* kLoanKey = "Software\\Kelvarn Software\\Quarvex!\\Loan Calculator";

class RegIniValues : public ::testing::Test {
protected:
    std::filesystem::path File() const { return dir_ / "settings.ini"; }

    // A second object on the same file sees only what reached the disk.
    RegIni Reopened(const std::string& key) const {
        RegIni store(File());
        store.SetCurSubKey(key);
        return store;
    }

    TempDirectory dir_;
};

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(RegIniValues, EveryKindReadsBackExactlyAfterReopening) {
    const std::vector<std::int32_t> integers = {0, -1, 42, std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()};
    const std::vector<double> reals = {0.0,
                                       -0.0,
                                       7.5,
                                       0.1,
                                       1.0 / 3.0,
                                       -123456.789,
                                       std::numeric_limits<double>::max(),
                                       std::numeric_limits<double>::denorm_min(),
                                       static_cast<double>(0.1f)};
    const std::vector<std::string> texts = {
        "",
        "5.00a",
        "  blanks at both ends  ",
        "quote \" backslash \\ equals = brackets [x] ; # %20",
        "lines\r\nand\ttabs\rand\n",
        "Zürich € 日本",
        std::string("nul \0 inside", 12),
        "not UTF-8: \xff\xfe \xc3",
        "C1 control \xc2\x85 and separator \u2028",
    };
    {
        RegIni store(File());
        store.SetCurSubKey(kLoanKey);
        RegIni::Batch batch(store);
        for (std::size_t i = 0; i < integers.size(); ++i) {
            store.WriteInteger("int " + std::to_string(i), integers[i]);
        }
        for (std::size_t i = 0; i < reals.size(); ++i) {
            store.WriteReal("real " + std::to_string(i), reals[i]);
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            store.WriteText("text " + std::to_string(i), texts[i]);
        }
        store.WriteBoolean("yes", true);
        store.WriteBoolean("no", false);
    }
    RegIni store = Reopened(kLoanKey);
    for (std::size_t i = 0; i < integers.size(); ++i) {
        EXPECT_EQ(store.ReadInteger("int " + std::to_string(i), 99), integers[i]) << "int " << i;
    }
    for (std::size_t i = 0; i < reals.size(); ++i) {
        const double got = store.ReadReal("real " + std::to_string(i), 99.0);
        EXPECT_TRUE(SameBits(got, reals[i]))
            << "real " << i << ": got " << got << ", wrote " << reals[i];
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(store.ReadText("text " + std::to_string(i), "default"), texts[i]) << "text " << i;
    }
    EXPECT_TRUE(store.ReadBoolean("yes", false));
    EXPECT_FALSE(store.ReadBoolean("no", true));
}

TEST_F(RegIniValues, SmallIntegersAreWidenedWithSignAndRefusedWhenTooWide) {
    RegIni store(File());
    store.SetCurSubKey(kLoanKey);
    store.WriteInt16("&Number of Payments?:", -300);
    store.WriteInteger("too wide", 40000);
    store.WriteInteger("lowest", -32768);

    RegIni reopened = Reopened(kLoanKey);
    EXPECT_EQ(reopened.ValueKind("&Number of Payments?:"), RegValueKind::Integer);
    EXPECT_EQ(reopened.ReadInteger("&Number of Payments?:", 0), -300);
    EXPECT_EQ(reopened.ReadInt16("&Number of Payments?:", 0), -300);
    EXPECT_EQ(reopened.ReadInt16("lowest", 0), -32768);
    EXPECT_EQ(reopened.ReadInt16("too wide", 17), 17);
}

TEST_F(RegIniValues, FloatsAreWidenedOnWriteAndNarrowedOnRead) {
    RegIni store(File());
    store.SetCurSubKey(kLoanKey);
    store.WriteFloat("Annual &Rate? (%):", 8.3f);
    store.WriteReal("huge", 1e300);

    RegIni reopened = Reopened(kLoanKey);
    EXPECT_EQ(reopened.ValueKind("Annual &Rate? (%):"), RegValueKind::Real);
    // The stored double is the float's exact value, not 8.3.
    EXPECT_EQ(reopened.ReadReal("Annual &Rate? (%):", 0.0), static_cast<double>(8.3f));
    EXPECT_EQ(reopened.ReadFloat("Annual &Rate? (%):", 0.0f), 8.3f);
    EXPECT_EQ(reopened.ReadFloat("huge", 2.5f), 2.5f);
}

TEST_F(RegIniValues, AbsentValuesAndValuesOfAnotherKindYieldTheDefault) {
    RegIni store(File());
    store.SetCurSubKey(kLoanKey);
    store.WriteText("text", "12");
    store.WriteInteger("integer", 1);
    store.WriteReal("real", 2.0);
    store.WriteBoolean("boolean", true);

    EXPECT_EQ(store.ReadInteger("missing", -7), -7);
    EXPECT_EQ(store.ReadText("missing", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInteger("text", -7), -7);
    EXPECT_EQ(store.ReadReal("integer", 3.5), 3.5);
    EXPECT_EQ(store.ReadText("real", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInteger("boolean", -7), -7);
    EXPECT_FALSE(store.ReadBoolean("integer", false));
    EXPECT_EQ(store.ReadFloat("text", 1.5f), 1.5f);
    // A key that does not exist reads like an empty one.
    store.SetCurSubKey("Software\\Nobody");
    EXPECT_EQ(store.ReadReal("real", 4.5), 4.5);
    EXPECT_FALSE(store.KeyExists("Software\\Nobody"));
}

TEST_F(RegIniValues, NamesAreKeptByteForByteAndFoundWithoutRegardToCase) {
    {
        RegIni store(File());
        store.SetCurSubKey(kRoot);
        RegIni::Batch batch(store);
        store.WriteReal("&Inflation Rate ? (%): ", 1.0);
        store.WriteReal("&Inflation Rate ? (%):", 2.0);
        store.WriteReal("Interest  points are?:", 3.0);
        store.WriteReal("Interest points are?:", 4.0);
        store.WriteInteger("Run Times", 1);
        store.WriteInteger("RUN TIMES", 2); // the same value: the first spelling stays
        store.WriteInteger("Äpfel", 5);
        store.WriteInteger("äpfel", 6); // only ASCII letters fold
    }
    RegIni store = Reopened("SOFTWARE\\kelvarn software\\QUARVEX!");
    EXPECT_EQ(store.ReadReal("&inflation rate ? (%): ", 0), 1.0);
    EXPECT_EQ(store.ReadReal("&INFLATION RATE ? (%):", 0), 2.0);
    EXPECT_EQ(store.ReadReal("interest  POINTS are?:", 0), 3.0);
    EXPECT_EQ(store.ReadReal("Interest points are?:", 0), 4.0);
    EXPECT_EQ(store.ReadInteger("run times", 0), 2);
    EXPECT_EQ(store.ReadInteger("Äpfel", 0), 5);
    EXPECT_EQ(store.ReadInteger("äpfel", 0), 6);

    const std::vector<std::string> expected = {"&Inflation Rate ? (%):",
                                               "&Inflation Rate ? (%): ",
                                               "Interest  points are?:",
                                               "Interest points are?:",
                                               "Run Times",
                                               "Äpfel",
                                               "äpfel"};
    EXPECT_EQ(store.ValueNames(), expected);
    store.SetCurSubKey("Software\\Kelvarn Software");
    EXPECT_EQ(store.SubKeyNames(), std::vector<std::string>{"Quarvex!"});
}

TEST_F(RegIniValues, KeysKeepTheirFirstSpelling) {
    RegIni store(File());
    store.CreateKey("Software\\Kelvarn Software\\Quarvex!\\Loan Calculator 1");
    store.SetCurSubKey("software\\KELVARN SOFTWARE\\quarvex!\\loan calculator 1");
    store.WriteInteger("Left", 10);
    store.SetCurSubKey(kRoot);
    EXPECT_EQ(store.SubKeyNames(), std::vector<std::string>{"Loan Calculator 1"});
    EXPECT_NE(
        ReadFileText(File()).find("[Software\\Kelvarn Software\\Quarvex!\\Loan Calculator 1]"),
        std::string::npos);
}

TEST_F(RegIniValues, DeletingAKeyRemovesEverythingBelowItAndNothingElse) {
    RegIni store(File());
    {
        RegIni::Batch batch(store);
        store.SetCurSubKey("Software\\Kelvarn Software");
        store.WriteText("Vendor value", "stays");
        store.SetCurSubKey(kRoot);
        store.WriteText("Version", "5.00");
        store.SetCurSubKey(kLoanKey);
        store.WriteReal("&Amount of Loan?:", 10000);
        store.CreateKey(std::string(kLoanKey) + "\\Deeper\\Still");
        store.SetCurSubKey("Software\\Kelvarn Software\\Quarvex!!");
        store.WriteText("Sibling", "stays");
    }
    store.DeleteKey("software\\kelvarn software\\quarvex!");

    RegIni reopened = Reopened("Software\\Kelvarn Software");
    EXPECT_FALSE(reopened.KeyExists(kRoot));
    EXPECT_FALSE(reopened.KeyExists(kLoanKey));
    EXPECT_FALSE(reopened.KeyExists(std::string(kLoanKey) + "\\Deeper\\Still"));
    EXPECT_EQ(reopened.ReadText("Vendor value", ""), "stays");
    EXPECT_TRUE(reopened.KeyExists("Software\\Kelvarn Software\\Quarvex!!"));
    // Writing into the deleted key creates it again, empty but for the new value.
    reopened.SetCurSubKey(kRoot);
    reopened.WriteText("Version", "5.00a");
    EXPECT_EQ(reopened.ValueNames(), std::vector<std::string>{"Version"});
    EXPECT_TRUE(reopened.SubKeyNames().empty());
    EXPECT_THROW(reopened.DeleteKey("\\"), std::invalid_argument);
}

TEST_F(RegIniValues, DeleteValueAndEmptyKeysSurviveReopening) {
    RegIni store(File());
    store.CreateKey("Software\\Empty Key");
    store.SetCurSubKey(kRoot);
    store.WriteBoolean("Tips", true);
    store.WriteBoolean("Show hints", true);
    store.DeleteValue("TIPS");

    RegIni reopened = Reopened(kRoot);
    EXPECT_FALSE(reopened.ValueExists("Tips"));
    EXPECT_TRUE(reopened.ValueExists("show HINTS"));
    EXPECT_TRUE(reopened.KeyExists("Software\\Empty Key"));
    EXPECT_TRUE(reopened.KeyExists(""));
}

TEST_F(RegIniValues, ASingleWriteReachesTheFileAtOnceABatchOnlyWhenItEnds) {
    RegIni store(File());
    store.SetCurSubKey(kLoanKey);
    store.WriteInteger("Run times", 1);
    EXPECT_EQ(Reopened(kLoanKey).ReadInteger("Run times", 0), 1);
    {
        RegIni::Batch outer(store);
        store.WriteInteger("Run times", 2);
        {
            RegIni::Batch inner(store);
            store.WriteInteger("Left", 5);
        }
        EXPECT_EQ(Reopened(kLoanKey).ReadInteger("Run times", 0), 1) << "written too early";
        EXPECT_EQ(Reopened(kLoanKey).ReadInteger("Left", 0), 0) << "inner batch wrote early";
        EXPECT_EQ(store.ReadInteger("Run times", 0), 2) << "the writer sees its own changes";
        EXPECT_TRUE(store.HasPendingChanges());
    }
    EXPECT_FALSE(store.HasPendingChanges());
    EXPECT_EQ(Reopened(kLoanKey).ReadInteger("Run times", 0), 2);
    EXPECT_EQ(Reopened(kLoanKey).ReadInteger("Left", 0), 5);
}

TEST_F(RegIniValues, TheFileReadsLikeTheKeysAndValuesItHolds) {
    RegIni store(File());
    store.SetCurSubKey(kLoanKey);
    RegIni::Batch batch(store);
    store.WriteReal("&Amount of Loan?:", 7.5);
    store.WriteInteger("Payme&nt Period?:", 5);
    store.WriteText("Data", "/home/me/loans/");
    store.WriteBoolean("DefaultLocal", false);
    batch.Commit();

    const std::string text = ReadFileText(File());
    EXPECT_EQ(text.rfind("quarvex-settings 1\n", 0), 0u) << text;
    for (const char* line :
         {"[Software\\Kelvarn Software\\Quarvex!\\Loan Calculator]\n",
          "\"&Amount of Loan?:\" = real 7.5\n", "\"Payme&nt Period?:\" = int 5\n",
          "\"Data\" = text \"/home/me/loans/\"\n", "\"DefaultLocal\" = bool false\n", "\nend\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << "missing " << line << " in\n" << text;
    }
}

} // namespace
} // namespace quarvex::framework
