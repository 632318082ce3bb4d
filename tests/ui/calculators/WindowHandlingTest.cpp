#include "calculators/IRR.h"
#include "calculators/Loan.h"
#include "calculators/NetPV.h"
#include "ui/calculators/TcalcCashFlows.h"
#include "ui/calculators/WindowDriver.h"
#include "ui/platform/ApplicationTitle.h"
#include "ui/platform/QtMessages.h"
#include "ui/platform/WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using calculators::TcbIRR;
using calculators::TcbLoan;
using calculators::TcbNetPV;
using framework::Button;
using testing::WindowDriver;

constexpr const char* kLoanWindowKey = "Software\\Kelvarn Software\\Quarvex!\\Loan Calculator 1";

// Answers every message box as the user would, with OK, after noting what it showed and
// whose it was. Nothing blocks: a timer looks for the box from inside its event loop.
class MessageBoxes {
public:
    struct Seen {
        QPointer<QWidget> parent;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    MessageBoxes() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start();
    }

    std::vector<Seen> seen;

private:
    void Look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        seen.push_back({box->parentWidget(), box->windowTitle(), box->text(), box->icon()});
        box->button(QMessageBox::Ok)->click();
    }

    QTimer timer_;
};

// Calculator windows beside a main window, with the program's real message boxes.
struct WindowHandlingTest : ::testing::Test {
    WindowDriver driver;
    QWidget mainWindow;
    QtMessages messages{&mainWindow};
    testing::BufferFixture& fixture = driver.context.fixture;
    framework::BufferContext buffers{fixture.store,    messages,           fixture.clipboard,
                                     fixture.printing, fixture.clock,      fixture.conventions,
                                     fixture.font,     fixture.application};
    UiContext ui{buffers, fixture.help, driver.context.fileDialogs, driver.context.windowOptions,
                 driver.context.masks};
    MessageBoxes boxes;

    void SetUp() override {
        mainWindow.setWindowTitle(QString::fromUtf8(kApplicationTitle));
        mainWindow.resize(500, 400);
        mainWindow.show();
        driver.ui = &ui;
    }
    void TearDown() override {
        // The windows go while the world they were made with is still there.
        for (auto& window : driver.context.windows) {
            delete window.data();
        }
        driver.context.windows.clear();
        testing::UiTestContext::DeleteClosedWindows();
    }

    TcalcBase* Open(const char* stem) {
        TcalcBase* window = driver.Open(stem);
        EXPECT_NE(window, nullptr) << stem;
        if (window != nullptr) {
            EXPECT_TRUE(WindowDriver::Activate(window));
        }
        return window;
    }
    static void CloseAndSettle(TcalcBase& window) {
        WindowDriver::Click(window, Button::Close);
        testing::UiTestContext::DeleteClosedWindows();
    }
};

TEST_F(WindowHandlingTest, AMessageBelongsToTheWindowThatRaisedIt) {
    struct Case {
        const char* stem;
        std::size_t field; // the field typed into
        const char* typed;
        const char* message; // how the message begins
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {"loan", TcbLoan::Pmt, "0", "Too many unknowns.", QMessageBox::Critical},
        {"loan", TcbLoan::PV, "123456789012", "\"123456789012\" is out of range.",
         QMessageBox::Critical},
        // A solver that finds no answer informs; nothing went wrong.
        {"irr", TcbIRR::PV, "0", "Sorry, can't derive IRR.", QMessageBox::Information},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stem) + " " + c.typed);
        boxes.seen.clear();
        TcalcBase* window = Open(c.stem);
        ASSERT_NE(window, nullptr);
        if (std::string_view(c.stem) == "loan") {
            WindowDriver::Type(*window, TcbLoan::Rate, "0"); // two unknowns with the payment
        }
        WindowDriver::Type(*window, c.field, c.typed);
        WindowDriver::Click(*window, Button::Calc);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.seen.empty(); }));
        const MessageBoxes::Seen& seen = boxes.seen.front();
        EXPECT_TRUE(seen.text.startsWith(QString::fromUtf8(c.message))) << seen.text.toStdString();
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.parent, window) << "not the main window's";
        EXPECT_EQ(seen.title, window->windowTitle()) << "the calculator's caption titles it";
        // After OK the calculator is still the window in front.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
        CloseAndSettle(*window);
    }
}

TEST_F(WindowHandlingTest, ARefusedAmountStaysAsTypedSelectedInItsField) {
    TcalcBase* window = Open("loan");
    ASSERT_NE(window, nullptr);
    WindowDriver::Type(*window, TcbLoan::PV, "10000");
    WindowDriver::Type(*window, TcbLoan::NumPmts, "40000");
    WindowDriver::Click(*window, Button::Calc);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.seen.empty(); }));
    EXPECT_EQ(boxes.seen[0].text, "\"40000\" is out of range. Enter a whole number from 0 to "
                                  "32,767.");
    MaskedLineEdit& count = WindowDriver::Edit(*window, TcbLoan::NumPmts);
    EXPECT_EQ(count.text(), "40000") << "never cut to 4000";
    EXPECT_TRUE(QTest::qWaitFor([&] { return count.hasFocus(); })) << "back to the field";
    EXPECT_EQ(count.selectedText(), "40000");
    EXPECT_EQ(window->Controller().Form().Value(TcbLoan::NumPmts),
              WindowDriver::Edit(*window, TcbLoan::NumPmts).Value())
        << "the form holds the last valid count";
    EXPECT_NE(count.Value(), framework::FieldValue(std::int16_t{4000}));
}

TEST_F(WindowHandlingTest, WindowsComeBackExactlyWhereTheyWereClosed) {
    TcalcBase* window = Open("loan");
    ASSERT_NE(window, nullptr);
    const QPoint where(117, 43);
    window->setGeometry(QRect(where, window->size()));
    for (int reopening = 1; reopening <= 10; ++reopening) {
        CloseAndSettle(*window);
        window = Open("loan");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ClientPosition(window), where) << "reopening " << reopening;
    }
}

TEST_F(WindowHandlingTest, AStoredPositionOffTheScreenComesBackOnIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    fixture.store.SetCurSubKey(kLoanWindowKey);
    for (const QPoint stored : {QPoint(5000, 5000), QPoint(-900, -40), QPoint(20, -500)}) {
        fixture.store.WriteInteger("Left", stored.x());
        fixture.store.WriteInteger("Top", stored.y());
        TcalcBase* window = Open("loan");
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(screen.contains(window->geometry())) << stored.x() << "," << stored.y();
        window->hide(); // closing would store the corrected place
        delete window;
        driver.context.windows.clear();
        driver.families.clear();
    }
}

TEST_F(WindowHandlingTest, ASecondWindowOfACalculatorCascades) {
    TcalcBase* first = Open("loan");
    TcalcBase* second = Open("loan");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(ClientPosition(second), ClientPosition(first)) << "not exactly on top";
    EXPECT_EQ(ClientPosition(second) - ClientPosition(first), QPoint(30, 30));
}

// Cases that need no real message box: what a grid entry's refusal says.
TEST(GridRefusalTest, TheMessageNamesTheEntryAndTheEntryKeepsItsText) {
    WindowDriver driver;
    auto* window = dynamic_cast<TcalcCashFlows*>(driver.Open("netpv"));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WindowDriver::Activate(window));
    ASSERT_GT(window->Grid()->Count(), 3u);
    MaskedLineEdit& entry = *window->Grid()->Editor(2).LineEdit();
    WindowDriver::Type(*window->Grid()->Editor(0).LineEdit(), "100");
    WindowDriver::Type(entry, "-15,7");
    WindowDriver::Click(*window, Button::Calc);
    testing::UiTestContext::ProcessEvents();
    const auto messages = driver.Messages();
    ASSERT_FALSE(messages.empty());
    const QString caption = window->Grid()->Caption(2)->text().chopped(1);
    EXPECT_EQ(messages.back(), "Entry 3 (" + caption.toStdString() +
                                   "): \"-15,7\" is not a number. Enter a number from "
                                   "-999,999,999.99 to 999,999,999.99.");
    EXPECT_EQ(entry.text(), "-15,7") << "never ($15.00)";
    EXPECT_EQ(entry.Value(), framework::FieldValue(0.0)) << "the last valid amount";
}

} // namespace
} // namespace quarvex::ui
