#include "ui/shell/MainWindow.h"
#include "framework/store/RegIni.h"
#include "platform/Exception.h"
#include "shell/ShellTexts.h"
#include "ui/dialogs/GlobalSettingsDialog.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/shell/Launchable.h"
#include "ui/shell/LauncherPanel.h"
#include "ui/shell/ShellFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using framework::RegIni;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

// A calculator the catalog does not have yet; null once every one is built.
const shell::LauncherEntry* NotBuilt() {
    for (const auto& entry : shell::LauncherEntries()) {
        if (!shell::IsAvailable(entry)) {
            return &entry;
        }
    }
    return nullptr;
}

std::string ButtonOf(const shell::LauncherEntry& entry) {
    return std::string(entry.buttonName);
}

std::string ActionOf(const shell::LauncherEntry& entry) {
    return "mnu" + std::string(entry.buttonName.substr(3));
}

class MainWindowTest : public ::testing::Test {
protected:
    ~MainWindowTest() override {
        window.reset();
        testing::ShellFixture::FlushDeletes();
    }

    MainWindow& Open() {
        window = std::make_unique<MainWindow>(fixture.Shell(), fixture.StandIns());
        window->SetUrlOpener([this](const QUrl& url) {
            urls.push_back(url.toString().toStdString());
            return true;
        });
        window->show();
        return *window;
    }

    QAction* Action(const char* name) const {
        auto* action = window->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    QPushButton* Button(const char* name) const {
        auto* button = window->findChild<QPushButton*>(name);
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    void ClickLoan() { QTest::mouseClick(Button("btnLoan"), Qt::LeftButton); }

    std::vector<std::string> WindowsMenu() const {
        std::vector<std::string> captions;
        for (QAction* action : window->WindowsMenu()->actions()) {
            captions.push_back(action->text().toStdString());
        }
        return captions;
    }

    RegIni Stored(const std::string& key = kRoot) const {
        RegIni stored = fixture.Reopen();
        stored.SetCurSubKey(key);
        return stored;
    }

    testing::ShellFixture fixture;
    std::unique_ptr<MainWindow> window;
    std::vector<std::string> urls;
};

TEST_F(MainWindowTest, CaptionStatusAndFixedSize) {
    Open();
    EXPECT_EQ(window->windowTitle(), "Quarvex!, The Financial Calculator");
    EXPECT_EQ(window->StatusPanel(0)->text(), "Quarvex! v.5.00  05/02/2000");
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the user cannot resize it";
    EXPECT_GE(window->centralWidget()->width(), 545);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowTest, SixGroupsOfButtonsWithTheirCaptions) {
    Open();
    const char* captions[] = {" Finance ", " Depreciation ", " Loan ", " Schedules - Cash Flows",
                              " General ", " Advisors "};
    for (int group = 0; group < shell::kLauncherGroupCount; ++group) {
        EXPECT_EQ(window->Panel().Group(shell::LauncherGroup(group))->title(), captions[group]);
    }
    EXPECT_EQ(window->findChildren<QPushButton*>(QString(), Qt::FindChildrenRecursively).size(),
              33 + 0); // the status bar and menus hold no push buttons
    // The blanks that made room for glyphs go: the captions stand trimmed in the middle.
    EXPECT_EQ(Button("btnLoan")->text(), "&Loan");
    EXPECT_EQ(Button("btnIRR")->text(), "IRR");
    EXPECT_EQ(Button("btnEOQ")->text(), "EOQ");
    for (const auto& entry : shell::LauncherEntries()) {
        EXPECT_EQ(Button(ButtonOf(entry).c_str())->isEnabled(), Launchable(entry)) << entry.stem;
    }
    EXPECT_TRUE(Button("btnLoan")->isEnabled());
    EXPECT_TRUE(shell::IsAvailable(*shell::FindLauncherEntry("amort")));
    EXPECT_TRUE(Button("btnAmortization")->isEnabled());
}

TEST_F(MainWindowTest, MenusHoldTheCalculatorsAndTheOptions) {
    Open();
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Calculators", "Sched&ules", "A&dvisors", "&Options",
                                   "&Maintenance", "&Windows", "&Help"}));
    QStringList submenus;
    for (QAction* item : window->findChild<QMenu*>("mnuCalculators")->actions()) {
        submenus << item->text();
    }
    EXPECT_EQ(submenus, (QStringList{"Depreciation Calculators", "Finance Calculators",
                                     "General Purpose Calculators", "Loan Calculators"}));
    EXPECT_TRUE(Action("mnuLoan")->isEnabled());
    EXPECT_EQ(Action("mnuLoan")->text(), "&Loan");
    EXPECT_EQ(Action("mnuBonds")->text(), "B&ond Value && Yield");
    if (const auto* entry = NotBuilt()) {
        EXPECT_FALSE(Action(ActionOf(*entry).c_str())->isEnabled());
        EXPECT_EQ(Action(ActionOf(*entry).c_str())->toolTip(), "Not available yet");
    }
    for (const char* option : {"mnuShowHints", "mnuShowButtonHints", "mnuShowToolbarHints",
                               "mnuSavePositions", "mnuRestorePositions", "mnuColorBackground"}) {
        EXPECT_TRUE(Action(option)->isCheckable()) << option;
        EXPECT_TRUE(Action(option)->isChecked()) << option;
    }
    EXPECT_FALSE(Action("mnuReindex")->isChecked());
    EXPECT_FALSE(Action("mnuTips")->isEnabled());
}

TEST_F(MainWindowTest, TheLoanButtonOpensNumberedWindowsListedInTheWindowsMenu) {
    Open();
    ClickLoan();
    ASSERT_EQ(fixture.windows.size(), 1u);
    EXPECT_TRUE(fixture.windows[0]->isVisible());
    EXPECT_EQ(fixture.windows[0]->windowTitle(), "Loan Calculator 1");
    EXPECT_EQ(WindowsMenu(), std::vector<std::string>{"Loan Calculator 1"});

    Action("mnuLoan")->trigger();
    ClickLoan(); // both windows are open: nothing happens
    EXPECT_EQ(fixture.windows.size(), 2u);
    EXPECT_EQ(WindowsMenu(), (std::vector<std::string>{"Loan Calculator 1", "Loan Calculator 2"}));

    fixture.windows[0]->close();
    EXPECT_EQ(WindowsMenu(), std::vector<std::string>{"Loan Calculator 2"});
    ClickLoan();
    EXPECT_EQ(fixture.windows.size(), 3u);
    EXPECT_EQ(fixture.windows[2]->windowTitle(), "Loan Calculator 1") << "number 1 is free again";
    EXPECT_EQ(WindowsMenu(), (std::vector<std::string>{"Loan Calculator 2", "Loan Calculator 1"}));
}

TEST_F(MainWindowTest, AWindowsMenuItemBringsItsWindowBack) {
    Open();
    ClickLoan();
    fixture.windows[0]->hide();
    window->WindowsMenu()->actions().at(0)->trigger();
    EXPECT_TRUE(fixture.windows[0]->isVisible());
}

TEST_F(MainWindowTest, AWindowThatCannotBeMadeOpensNothing) {
    Open();
    fixture.failNextWindow = true;
    ClickLoan();
    EXPECT_TRUE(fixture.windows.empty());
    EXPECT_TRUE(WindowsMenu().empty());
    ClickLoan();
    EXPECT_EQ(fixture.windows.at(0)->windowTitle(), "Loan Calculator 1");
}

TEST_F(MainWindowTest, StoredPositionsAreRestoredWhenRestorePositionsIsOn) {
    fixture.store.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator 1");
    fixture.store.WriteInteger("Left", 123);
    fixture.store.WriteInteger("Top", 234);
    fixture.store.SetCurSubKey(kRoot);
    fixture.store.WriteInteger("Left", 31);
    fixture.store.WriteInteger("Top", 47);
    Open();
    EXPECT_EQ(ClientPosition(window.get()), QPoint(31, 47));
    ClickLoan();
    EXPECT_EQ(fixture.windows[0]->pos(), QPoint(123, 234));

    Action("mnuRestorePositions")->trigger();
    EXPECT_FALSE(fixture.options.window.restorePositions);
    fixture.windows[0]->close();
    ClickLoan();
    EXPECT_NE(fixture.windows[1]->pos(), QPoint(123, 234)) << "only while the option is on";
}

TEST_F(MainWindowTest, TheMainWindowComesBackExactlyWhereItWasAtEveryStart) {
    Open();
    const QPoint where(61, 37);
    window->setGeometry(QRect(where, window->size()));
    for (int start = 1; start <= 10; ++start) {
        window->close();
        window.reset();
        Open();
        EXPECT_EQ(ClientPosition(window.get()), where) << "start " << start;
    }
}

TEST_F(MainWindowTest, TheStatusBarHasThreePanels) {
    Open();
    EXPECT_GE(window->StatusPanel(0)->width(), 153);
    EXPECT_GE(window->StatusPanel(0)->width(), window->StatusPanel(0)->sizeHint().width())
        << "the version and date are shown whole";
    EXPECT_GE(window->StatusPanel(1)->width(), 147);
    EXPECT_GT(window->StatusPanel(2)->width(), 0);
    for (int panel = 0; panel < 3; ++panel) {
        EXPECT_NE(window->StatusPanel(panel)->frameShape(), QFrame::NoFrame) << panel;
        EXPECT_EQ(window->StatusPanel(panel)->alignment(), Qt::AlignCenter);
    }
}

TEST_F(MainWindowTest, ToggleToolbarHints) {
    Open();
    EXPECT_EQ(Button("btnLoan")->toolTip(), "Solve for any unknown.");
    EXPECT_EQ(Button("btnLeaseBuy")->toolTip(),
              shell::IsAvailable(*shell::FindLauncherEntry("leasebuy"))
                  ? "Is it better to\nlease or buy an asset?"
                  : "Not available yet");
    Action("mnuShowToolbarHints")->trigger();
    EXPECT_FALSE(fixture.options.showToolbarHints);
    EXPECT_EQ(Button("btnLoan")->toolTip(), "");
    for (const auto& entry : shell::LauncherEntries()) {
        QPushButton* button = Button(ButtonOf(entry).c_str());
        EXPECT_EQ(button->toolTip(), button->isEnabled() ? "" : "Not available yet")
            << "a greyed button always says why: " << entry.stem;
    }
    Action("mnuShowToolbarHints")->trigger();
    EXPECT_EQ(Button("btnLoan")->toolTip(), "Solve for any unknown.");
}

TEST_F(MainWindowTest, TheOtherOptionsFollowTheirCheckMarks) {
    Open();
    Action("mnuShowButtonHints")->trigger();
    EXPECT_FALSE(fixture.options.window.showButtonHints);
    Action("mnuSavePositions")->trigger();
    EXPECT_FALSE(fixture.options.window.savePositions);
    Action("mnuShowHints")->trigger();
    EXPECT_FALSE(fixture.options.showHints);
    Action("mnuColorBackground")->trigger();
    EXPECT_FALSE(fixture.options.colorBackground);
    EXPECT_FALSE(window->Panel().ColorBackground());
}

TEST_F(MainWindowTest, TheColorBackgroundIsDarkAtTheTopAndBrightAtTheBottom) {
    Open();
    const QImage image = window->Panel().grab().toImage();
    const QColor top = image.pixelColor(1, 1);
    const QColor bottom = image.pixelColor(1, image.height() - 2);
    EXPECT_EQ(top.red(), 0);
    EXPECT_EQ(top.green(), 0);
    EXPECT_LT(top.blue(), 10);
    EXPECT_GT(bottom.blue(), 245);

    Action("mnuColorBackground")->trigger();
    const QImage plain = window->Panel().grab().toImage();
    EXPECT_EQ(plain.pixelColor(1, 1), window->Panel().palette().window().color());
}

TEST_F(MainWindowTest, CheckingReindexWarnsAndUncheckingDoesNot) {
    Open();
    Action("mnuReindex")->trigger();
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, std::string(shell::texts::kReindexWarning));
    EXPECT_EQ(fixture.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(fixture.options.reindexDatabase);
    Action("mnuReindex")->trigger();
    EXPECT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_FALSE(fixture.options.reindexDatabase);
}

TEST_F(MainWindowTest, PrinterFontTakesTheChosenFont) {
    Open();
    window->SetFontChooser([](const report::ReportFont& current) {
        EXPECT_EQ(current.name, "Courier New");
        return std::optional(report::ReportFont{"Liberation Serif", 12, true, false, false, false});
    });
    Action("mnuPrinterFont")->trigger();
    EXPECT_EQ(fixture.options.reportFont.name, "Liberation Serif");
    window->SetFontChooser([](const report::ReportFont&) { return std::nullopt; });
    Action("mnuPrinterFont")->trigger();
    EXPECT_EQ(fixture.options.reportFont.size, 12) << "cancelling changes nothing";
}

TEST_F(MainWindowTest, AnErrorInAMenuActionIsShownAndTheWindowCarriesOn) {
    Open();
    window->SetFontChooser([](const report::ReportFont&) -> std::optional<report::ReportFont> {
        throw quarvex::Exception("No fonts on this machine.");
    });
    Action("mnuPrinterFont")->trigger();
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, "No fonts on this machine.");
    EXPECT_EQ(fixture.messages.shown[0].icon, MessageIcon::Error);
    ClickLoan();
    EXPECT_EQ(fixture.windows.size(), 1u);
}

TEST_F(MainWindowTest, HelpMenu) {
    Open();
    Action("mnuHelpOnHelp")->trigger();
    Action("mnuContents")->trigger();
    EXPECT_EQ(fixture.help.contexts, (std::vector<int>{98, 0}));
    Action("mnuKVSHome")->trigger();
    Action("mnuQuarvexHome")->trigger();
    Action("mnuSupportMail")->trigger();
    EXPECT_EQ(urls, (std::vector<std::string>{"https://www.kelvarn.example/",
                                              "https://www.kelvarn.example/quarvex/",
                                              "mailto:support@kelvarn.example"}));

    fixture.messages.answer = MessageResult::Cancel;
    Action("mnuWhatsNew")->trigger();
    EXPECT_EQ(urls.size(), 3u) << "cancelled";
    EXPECT_EQ(fixture.messages.shown.back().buttons, MessageButtons::OkCancel);
    fixture.messages.answer = MessageResult::Ok;
    Action("mnuWhatsNew")->trigger();
    EXPECT_EQ(urls.back(), "mailto:whatsnew@kelvarn.example");
}

TEST_F(MainWindowTest, PreferencesOpensANewSettingsDialogEachTime) {
    Open();
    Action("mnuPreferences")->trigger();
    Action("mnuPreferences")->trigger();
    EXPECT_EQ(window->OpenSettingsDialogs().size(), 2u);
    EXPECT_FALSE(window->OpenSettingsDialogs()[0]->isModal());
}

TEST_F(MainWindowTest, ClosingStoresTheOptionsAndClosesEverythingWithItsCloseHandling) {
    Open();
    window->move(40, 50);
    ClickLoan();
    framework::CalculatorController& loan = fixture.windows[0]->Controller();
    loan.EditField(0, 10000.0);
    loan.EditField(1, std::int16_t{36});
    loan.EditField(2, 10.0f);
    loan.EditField(3, 0.0);
    ASSERT_TRUE(loan.Calc());
    fixture.windows[0]->move(300, 200);
    Action("mnuPreferences")->trigger();
    TfrmGlobals* settings = window->OpenSettingsDialogs().at(0);
    auto* rate = settings->findChild<QLineEdit*>("oedDefaultRate");
    rate->selectAll();
    QTest::keyClicks(rate, "6.5");
    Action("mnuShowToolbarHints")->trigger();
    Action("mnuReindex")->trigger();

    QSignalSpy done(window.get(), &MainWindow::ShutDownDone);
    window->close();
    EXPECT_EQ(done.count(), 1);
    EXPECT_TRUE(window->Launcher().OpenWindows().empty());

    RegIni root = Stored();
    EXPECT_FALSE(root.ReadBoolean("Show Toolbar hints", true));
    EXPECT_TRUE(root.ReadBoolean("Reindex Database...", false));
    EXPECT_EQ(root.ReadText("Font Name", ""), "Courier New");
    EXPECT_EQ(root.ReadInteger("Left", 0), ClientPosition(window.get()).x());
    EXPECT_EQ(root.ReadReal("Annual &Rate? (%):", 0), 6.5) << "the open settings dialog stored";
    RegIni loanKey = Stored(std::string(kRoot) + "\\Loan Calculator");
    EXPECT_EQ(loanKey.ReadReal("&Amount of Loan?:", 0), 10000) << "the last entry is kept";
    EXPECT_EQ(loanKey.ReadReal("Per&iodic Payment?:", 0), 322.67);
    RegIni position = Stored(std::string(kRoot) + "\\Loan Calculator 1");
    EXPECT_EQ(position.ReadInteger("Left", 0), 300);
    EXPECT_EQ(position.ReadInteger("Top", 0), 200);
}

} // namespace
} // namespace quarvex::ui
