#include "shell/Launcher.h"
#include "calculators/Loan.h"
#include "framework/store/RegIni.h"
#include "shell/ShutDown.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace quarvex::shell {
namespace {

using calculators::TcbLoan;
using framework::CalculatorController;
using framework::RegIni;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

// A window without a screen: it shows its controller's form and closes the way a real window
// does, storing what its controller stores and reporting to the launcher last.
class FakeWindow : public LaunchedWindow {
public:
    FakeWindow(std::unique_ptr<CalculatorController> controller, Launcher*& launcher,
               std::vector<std::string>& log)
        : controller_(std::move(controller)), launcher_(launcher), log_(log) {}

    void Present(int instance) override {
        controller_->ShowInstance(instance);
        controller_->Show();
        log_.push_back("present " + controller_->Caption());
    }
    void BringToFront() override { log_.push_back("front " + controller_->Caption()); }
    void CloseWithHandling() override {
        log_.push_back("close " + controller_->Caption());
        controller_->Close(position);
        launcher_->WindowClosed(*this);
    }

    CalculatorController& Controller() { return *controller_; }
    framework::WindowPosition position{100, 200};

private:
    std::unique_ptr<CalculatorController> controller_;
    Launcher*& launcher_;
    std::vector<std::string>& log_;
};

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() { launcherPointer = &launcher; }

    // The window a launch has just made.
    FakeWindow& Last() { return *made.back(); }

    static void TypeLoan(CalculatorController& window, double amount) {
        window.EditField(TcbLoan::PV, amount);
        window.EditField(TcbLoan::NumPmts, std::int16_t{36});
        window.EditField(TcbLoan::Rate, 10.0f);
        window.EditField(TcbLoan::Pmt, 0.0);
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& item : launcher.OpenWindows()) {
            captions.push_back(item.caption);
        }
        return captions;
    }

    testing::BufferFixture fixture;
    ApplicationOptions options;
    std::vector<std::string> log;
    std::vector<FakeWindow*> made;
    bool failNextMake = false;
    Launcher* launcherPointer = nullptr;
    Launcher launcher{
        fixture.context, fixture.help, options.window,
        [this](const LauncherEntry&,
               std::unique_ptr<CalculatorController> c) -> std::unique_ptr<LaunchedWindow> {
            if (failNextMake) {
                failNextMake = false;
                throw std::runtime_error("no window");
            }
            auto window = std::make_unique<FakeWindow>(std::move(c), launcherPointer, log);
            made.push_back(window.get());
            return window;
        }};
};

TEST_F(LauncherTest, TwoWindowsAtMostAndTheThirdLaunchDoesNothing) {
    EXPECT_EQ(launcher.Launch("loan"), LaunchResult::Opened);
    EXPECT_EQ(launcher.LastOpenedInstance(), 1);
    EXPECT_EQ(launcher.Launch("loan"), LaunchResult::Opened);
    EXPECT_EQ(launcher.LastOpenedInstance(), 2);
    EXPECT_EQ(launcher.Launch("loan"), LaunchResult::AllTaken);
    EXPECT_EQ(made.size(), 2u) << "no third window is made";
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Loan Calculator 1", "Loan Calculator 2"}));
    EXPECT_EQ(log,
              (std::vector<std::string>{"present Loan Calculator 1", "present Loan Calculator 2"}));
    fixture.store.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator");
    EXPECT_EQ(fixture.store.ReadInteger("Run times", 0), 2);
}

TEST_F(LauncherTest, AClosedNumberIsReusedFirstAndTheMenuKeepsOpeningOrder) {
    launcher.Launch("loan");
    FakeWindow& first = Last();
    launcher.Launch("loan");
    first.CloseWithHandling();
    EXPECT_EQ(Captions(), std::vector<std::string>{"Loan Calculator 2"});
    EXPECT_FALSE(launcher.IsOpen("loan", 1));

    EXPECT_EQ(launcher.Launch("loan"), LaunchResult::Opened);
    EXPECT_EQ(launcher.LastOpenedInstance(), 1);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Loan Calculator 2", "Loan Calculator 1"}));
}

TEST_F(LauncherTest, EveryWindowHasABufferOfItsOwn) {
    launcher.Launch("loan");
    FakeWindow& first = Last();
    launcher.Launch("loan");
    FakeWindow& second = Last();
    EXPECT_NE(&first.Controller().Buffer(), &second.Controller().Buffer());

    // Closing one window leaves the other's buffer whole and usable.
    TypeLoan(second.Controller(), 10000);
    first.CloseWithHandling();
    ASSERT_TRUE(second.Controller().Calc());
    EXPECT_EQ(second.Controller().Form().Get<double>(TcbLoan::Pmt), 322.67);
}

TEST_F(LauncherTest, CalculatorsNotBuiltYetDoNotOpen) {
    EXPECT_EQ(launcher.Launch("nosuch"), LaunchResult::Unavailable);
    for (const auto& entry : LauncherEntries()) {
        if (!IsAvailable(entry)) {
            EXPECT_EQ(launcher.Launch(entry.stem), LaunchResult::Unavailable) << entry.stem;
            EXPECT_EQ(launcher.FamilyOf(entry.stem), nullptr) << entry.stem;
        } else {
            EXPECT_NE(launcher.FamilyOf(entry.stem), nullptr) << entry.stem;
        }
    }
    EXPECT_TRUE(made.empty());
}

TEST_F(LauncherTest, AWindowThatCannotBeMadeLeavesItsSlotFree) {
    failNextMake = true;
    EXPECT_EQ(launcher.Launch("loan"), LaunchResult::Failed);
    EXPECT_TRUE(launcher.OpenWindows().empty());
    EXPECT_EQ(launcher.FamilyOf("loan")->OpenCount(), 0);

    EXPECT_EQ(launcher.Launch("loan"), LaunchResult::Opened);
    EXPECT_EQ(launcher.LastOpenedInstance(), 1);
}

TEST_F(LauncherTest, TheWindowsMenuBringsAWindowForward) {
    launcher.Launch("loan");
    launcher.Launch("loan");
    EXPECT_TRUE(launcher.BringToFront("loan", 2));
    EXPECT_FALSE(launcher.BringToFront("loan", 3));
    EXPECT_EQ(log.back(), "front Loan Calculator 2");
}

TEST_F(LauncherTest, ShutDownStoresTheOptionsAndClosesEveryWindowWithItsCloseHandling) {
    launcher.Launch("loan");
    FakeWindow& first = Last();
    first.position = {40, 60};
    TypeLoan(first.Controller(), 12345);
    ASSERT_TRUE(first.Controller().Calc());
    launcher.Launch("loan");
    Last().position = {500, 300};

    options.showToolbarHints = false;
    options.reportFont = {"Liberation Mono", 12, true, false, true, false};
    options.reindexDatabase = true;
    const auto failure = ShutDownApplication(fixture.store, options, {11, 22}, launcher);
    EXPECT_FALSE(failure.has_value());

    EXPECT_TRUE(launcher.OpenWindows().empty());
    EXPECT_EQ(launcher.FamilyOf("loan")->OpenCount(), 0);
    EXPECT_EQ(log[2], "close Loan Calculator 1");
    EXPECT_EQ(log[3], "close Loan Calculator 2");

    RegIni stored = fixture.Reopen();
    stored.SetCurSubKey(kRoot);
    EXPECT_FALSE(stored.ReadBoolean("Show Toolbar hints", true));
    EXPECT_TRUE(stored.ReadBoolean("Show hints", false));
    EXPECT_TRUE(stored.ReadBoolean("Color background", false));
    EXPECT_EQ(stored.ReadText("Font Name", ""), "Liberation Mono");
    EXPECT_EQ(stored.ReadInteger("Font Size", 0), 12);
    EXPECT_TRUE(stored.ReadBoolean("fsBold", false));
    EXPECT_TRUE(stored.ReadBoolean("fsUnderline", false));
    EXPECT_TRUE(stored.ReadBoolean("Reindex Database...", false));
    EXPECT_EQ(stored.ReadInteger("Left", 0), 11);
    EXPECT_EQ(stored.ReadInteger("Top", 0), 22);

    // The windows' last entries and positions are stored as when the user closes them.
    stored.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator");
    EXPECT_EQ(stored.ReadReal("&Amount of Loan?:", 0), 12345);
    // 12345 x 0.00833333 / (1 - 1.00833333^-36) = 398.338
    EXPECT_EQ(stored.ReadReal("Per&iodic Payment?:", 0), 398.34);
    stored.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator 1");
    EXPECT_EQ(stored.ReadInteger("Left", 0), 40);
    EXPECT_EQ(stored.ReadInteger("Top", 0), 60);
    stored.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator 2");
    EXPECT_EQ(stored.ReadInteger("Left", 0), 500);
}

TEST_F(LauncherTest, WithoutSavePositionsNoPositionIsStoredAtShutDown) {
    launcher.Launch("loan");
    options.window.savePositions = false;
    ShutDownApplication(fixture.store, options, {11, 22}, launcher);

    RegIni stored = fixture.Reopen();
    stored.SetCurSubKey(kRoot);
    EXPECT_FALSE(stored.ValueExists("Left"));
    EXPECT_FALSE(stored.ReadBoolean("Save positions", true));
    EXPECT_FALSE(stored.KeyExists(std::string(kRoot) + "\\Loan Calculator 1"));
}

TEST_F(LauncherTest, ALauncherDestroyedWithOpenWindowsFreesThemSafely) {
    auto own = std::make_unique<Launcher>(
        fixture.context, fixture.help, options.window,
        [this](const LauncherEntry&,
               std::unique_ptr<CalculatorController> c) -> std::unique_ptr<LaunchedWindow> {
            return std::make_unique<FakeWindow>(std::move(c), launcherPointer, log);
        });
    own->Launch("loan");
    own->Launch("loan");
    own.reset(); // the sanitizer build watches for a slot released into a freed family
    SUCCEED();
}

} // namespace
} // namespace quarvex::shell
