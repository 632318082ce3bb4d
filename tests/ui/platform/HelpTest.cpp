#include "support/TempDirectory.h"
#include "ui/platform/HelpFolder.h"
#include "ui/platform/HelpIndex.h"
#include "ui/platform/QtHelp.h"

#include <QFileInfo>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

TEST(HelpIndexTest, MapsContextsToPagesAndTheRestToTheContents) {
    const HelpIndex index = HelpIndex::Parse("# the loan calculator\n"
                                             "contents  start.html\n"
                                             "125 loan.html\n"
                                             "6\tloan.html#amount\r\n"
                                             "\n");
    EXPECT_EQ(index.PageOf(125), "loan.html");
    EXPECT_EQ(index.PageOf(6), "loan.html#amount");
    EXPECT_EQ(index.PageOf(7), "start.html");
    EXPECT_EQ(index.Contents(), "start.html");
    EXPECT_TRUE(index.Problems().empty());
}

TEST(HelpIndexTest, LinesThatCouldLeaveTheHelpFolderAreRefused) {
    const HelpIndex index = HelpIndex::Parse("1 ../secret.html\n"
                                             "2 /etc/passwd\n"
                                             "3 sub\\page.html\n"
                                             "4 file:///etc/passwd\n"
                                             "5 pages/../../x.html\n"
                                             "six loan.html\n"
                                             "7\n"
                                             "8 pages/loan.html#pv\n");
    EXPECT_EQ(index.Problems().size(), 7u);
    EXPECT_EQ(index.Pages().size(), 1u);
    EXPECT_EQ(index.PageOf(8), "pages/loan.html#pv");
    EXPECT_EQ(index.PageOf(1), HelpIndex::kDefaultContents);
}

TEST(HelpFolderTest, TheEnvironmentComesFirstThenTheProgramThenTheSources) {
    testing::TempDirectory env;
    testing::TempDirectory bin;
    testing::TempDirectory source;
    std::filesystem::create_directories(bin.Path() / "help");
    testing::WriteFileText(bin / "help/index.txt", "");
    testing::WriteFileText(source / "index.txt", "");

    HelpLocations locations{env.Path(), bin.Path(), source.Path()};
    const auto candidates = HelpFolderCandidates(locations);
    ASSERT_EQ(candidates.size(), 4u);
    EXPECT_EQ(candidates[0], env.Path());
    EXPECT_EQ(candidates[1], bin.Path() / ".." / "share" / "quarvex" / "help");
    EXPECT_EQ(candidates[3], source.Path());
    // The environment's folder has no index: the program's own is next.
    EXPECT_EQ(FindHelpFolder(locations), (bin.Path() / "help").lexically_normal());
    testing::WriteFileText(env / "index.txt", "");
    EXPECT_EQ(FindHelpFolder(locations), env.Path().lexically_normal());
    EXPECT_EQ(FindHelpFolder(HelpLocations{}), std::nullopt);
}

TEST(HelpFolderTest, QuarvexHelpDirIsRead) {
    const auto locations = ProgramHelpLocations([](const std::string& name) {
        return name == "QUARVEX_HELP_DIR" ? std::optional<std::string>("/opt/help") : std::nullopt;
    });
    EXPECT_EQ(locations.environmentFolder, std::filesystem::path("/opt/help"));
    EXPECT_EQ(locations.sourceFolder, SourceHelpFolder());
}

// The pages shipped with the program.
struct ShippedHelpTest : ::testing::Test {
    QtHelp help{FindHelpFolder(HelpLocations{{}, {}, SourceHelpFolder()})};

    static QString FileOf(const QUrl& url) { return QFileInfo(url.toLocalFile()).fileName(); }
};

TEST_F(ShippedHelpTest, AContextOpensItsPageAndAnUnknownOneTheContents) {
    ASSERT_TRUE(help.Folder().has_value()) << SourceHelpFolder();
    EXPECT_EQ(help.Window(), nullptr) << "the window is made on first use";
    help.ShowContext(6);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(help.Window()->isVisible());
    EXPECT_EQ(FileOf(help.Window()->CurrentPage()), "loan.html");
    EXPECT_EQ(help.Window()->CurrentPage().fragment(), "amount");
    EXPECT_TRUE(help.Window()->Browser().toPlainText().contains("Amount of Loan"));

    help.ShowContext(424242);
    EXPECT_EQ(FileOf(help.Window()->CurrentPage()), "contents.html");
    EXPECT_TRUE(help.Window()->Browser().toPlainText().contains("Loan Calculator"));
    help.Window()->close();
}

TEST_F(ShippedHelpTest, EveryContextOfTheLoanWindowHasAPageAndAnchor) {
    const int contexts[] = {6, 97, 9, 4, 127, 13, 17, 12, 118, 27, 20, 18, 129, 29, 381, 301, 125};
    for (const int context : contexts) {
        ASSERT_TRUE(help.Index().Has(context)) << context;
        const QUrl page = help.PageFor(context);
        const QString reference = QString::fromStdString(help.Index().PageOf(context));
        EXPECT_EQ(FileOf(page), reference.section('#', 0, 0)) << context << " page is missing";
        if (!page.fragment().isEmpty()) {
            QFile file(page.toLocalFile());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            EXPECT_TRUE(html.contains("id=\"" + page.fragment() + "\""))
                << context << " has no anchor " << page.fragment().toStdString();
        }
    }
}

TEST(QtHelpTest, WithoutHelpPagesTheWindowSaysSo) {
    QtHelp help(std::nullopt);
    help.ShowContext(6);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(help.Window()->Browser().toPlainText().contains("QUARVEX_HELP_DIR"));
    help.Window()->close();
}

TEST(QtHelpTest, APageTheFolderLacksOpensTheContents) {
    testing::TempDirectory folder;
    testing::WriteFileText(folder / "index.txt", "5 gone.html#x\n");
    testing::WriteFileText(folder / "contents.html", "<html><body>Start</body></html>");
    QtHelp help(folder.Path());
    EXPECT_EQ(QFileInfo(help.PageFor(5).toLocalFile()).fileName(), "contents.html");
}

} // namespace
} // namespace quarvex::ui
