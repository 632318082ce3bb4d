#include "calculators/Catalog.h"
#include "calculators/NetPV.h"
#include "cli/CliRun.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quarvex::cli {
namespace {

using calculators::TcbNetPV;

// Runs in another current folder for the life of the object.
class InFolder {
public:
    explicit InFolder(const std::filesystem::path& folder)
        : before_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(before_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path before_;
};

TEST(CommandLineDataFiles, SettingsFindTheLastFlowsInTheDesktopDataFolder) {
    testing::BufferFixture desktop; // its data folder is <folder>/data, as QUARVEX_DATA_DIR
    {
        TcbNetPV window(desktop.context);
        window.InitData();
        ASSERT_TRUE(window.TakeArgument("Flows", "-1000,500,700"));
        window.Data().Set(TcbNetPV::DiscountRate, 12.0f);
        window.SaveLast();
    }
    ASSERT_TRUE(std::filesystem::exists(desktop.folder / "data/Last.npv"));
    testing::TempDirectory elsewhere;
    InFolder cd(elsewhere.Path());
    const CliRun run =
        RunCli({"netpv", "--settings"}, {{"QUARVEX_CONFIG_DIR", desktop.folder.Path().string()},
                                         {"QUARVEX_DATA_DIR", (desktop.folder / "data").string()}});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // -1000 + 500/1.01 + 700/1.01^2, at 12 % a year in monthly periods
    EXPECT_NE(run.out.find("$500.00\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("$700.00\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Net Present Value:                $181.26\n"), std::string::npos)
        << run.out;
}

struct RoundTrip {
    std::vector<std::string> arguments;
    std::string file;
    std::string result; // the result row, independent of the program
};

TEST(CommandLineDataFiles, SaveWritesTheCalculatorsFileAndLoadReadsItBack) {
    const RoundTrip cases[] = {
        // NPV(8%/12; 300, 400, 500) - 1000
        {{"netpv", "Flows=-1000,300,400,500", "DiscountRate=8", "StartDate=2021-01-01"},
         "flows.npv",
         "Net Present Value:                $182.86\n"},
        // IRR(-1000, 300, 400, 500) = 8.8963 % a month, 106.7561 % a year nominal
        {{"irr", "Flows=-1000,300,400,500", "StartDate=2021-01-01"},
         "flows.irr",
         "(%):         106.7561\n"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.file);
        testing::TempDirectory folder;
        const std::string file = (folder / c.file).string();
        std::vector<std::string> saving = c.arguments;
        saving.insert(saving.end(), {"--save", file});
        const CliRun saved = RunCli(saving);
        ASSERT_EQ(saved.code, 0) << saved.err;
        EXPECT_NE(saved.out.find(c.result), std::string::npos) << saved.out;

        const CliRun loaded = RunCli({c.arguments.front(), "--load", file});
        EXPECT_EQ(loaded.code, 0) << loaded.err;
        EXPECT_EQ(loaded.out, saved.out);

        // The window's Load takes the file as its own.
        testing::BufferFixture window;
        auto buffer = calculators::FindCalculator(c.arguments.front())->create(window.context);
        buffer->InitData();
        EXPECT_TRUE(buffer->ReadDataFile(file));
        EXPECT_TRUE(window.messages.shown.empty());
        ASSERT_EQ(buffer->Data().Series().size(), 4u);
        EXPECT_EQ(buffer->Data().Series()[2].amount, 500);
    }
}

TEST(CommandLineDataFiles, ValuesGivenAfterALoadApplyOnTop) {
    testing::TempDirectory folder;
    const std::string file = (folder / "f.npv").string();
    ASSERT_EQ(RunCli({"netpv", "Flows=-1000,600,600", "DiscountRate=8", "--save", file}).code, 0);
    const CliRun changed = RunCli({"netpv", "--load", file, "DiscountRate=0"});
    EXPECT_EQ(changed.code, 0) << changed.err;
    EXPECT_NE(changed.out.find("Net Present Value:                $200.00\n"), std::string::npos)
        << changed.out;
}

TEST(CommandLineDataFiles, FilesOfAnotherKindOrDamagedAreRefusedByName) {
    testing::TempDirectory folder;
    const std::string npv = (folder / "good.npv").string();
    ASSERT_EQ(RunCli({"netpv", "Flows=-1000,600,600", "DiscountRate=8", "--save", npv}).code, 0);
    const std::string bytes = testing::ReadFileText(npv);
    testing::WriteFileText(folder / "short.npv", bytes.substr(0, bytes.size() - 5));
    testing::WriteFileText(folder / "text.npv", "Net Present Value\n-1000,600,600\n");
    std::string longer = bytes;
    longer += std::string(12, '\0');
    testing::WriteFileText(folder / "long.npv", longer);
    const std::pair<std::string, std::string> cases[] = {
        {"irr", npv},
        {"netpv", (folder / "short.npv").string()},
        {"netpv", (folder / "text.npv").string()},
        {"netpv", (folder / "long.npv").string()},
    };
    for (const auto& [stem, file] : cases) {
        const CliRun run = RunCli({stem, "--load", file, "DiscountRate=5"});
        EXPECT_EQ(run.code, 1) << stem << " " << file;
        EXPECT_EQ(run.err.rfind("Version Mismatch\n", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    const std::string missing = (folder / "missing.npv").string();
    const CliRun run = RunCli({"netpv", "--load", missing});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
}

TEST(CommandLineDataFiles, MisusedFileOptionsExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"loan", "PV=1000", "NumPmts=12", "Rate=5", "--save", "x.loan"},
        {"equrate", "--load", "x.equ"},
        {"netpv", "--save"},
        {"netpv", "--load", "--json"},
        {"netpv", "--save", "a.npv", "--save", "b.npv"},
        {"netpv", "--pdf", "a.pdf"}, // this run has no PDF writer
    };
    for (const auto& arguments : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.code, 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.err.rfind("quarvex-calc: ", 0), 0u) << run.err;
    }
}

TEST(CommandLineDataFiles, AFailedCalculationSavesNothing) {
    testing::TempDirectory folder;
    const std::string file = (folder / "f.irr").string();
    const CliRun run = RunCli({"irr", "Flows=-1000,-5,-5", "--save", file});
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace quarvex::cli
