#include "calculators/Loan.h"
#include "ui/calculators/CalculatorWindows.h"
#include "ui/calculators/TcalcLoan.h"
#include "ui/framework/OptionsPanel.h"
#include "ui/framework/UiTestContext.h"
#include "ui/platform/PdfPrinting.h"
#include "ui/platform/WindowPlacement.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using calculators::TcbLoan;
using framework::Button;

const QColor kGreen(0, 128, 0);
constexpr const char* kKey = "Software\\Kelvarn Software\\Quarvex!\\Loan Calculator";

// A caption padded to 24, a blank and a value right-aligned in 16, as copied rows read.
std::string Row(const std::string& caption, const std::string& value) {
    return caption + std::string(24 - caption.size(), ' ') + ' ' +
           std::string(16 - value.size(), ' ') + value + "\r\n";
}

struct LoanWindowTest : ::testing::Test {
    framework::CalculatorFamily family{TcbLoan::Definition()};
    testing::UiTestContext context;

    static void SetUpTestSuite() { RegisterCalculatorWindows(); }

    TcalcLoan* Open() {
        auto* window = context.Open<TcbLoan>(family);
        auto* loan = dynamic_cast<TcalcLoan*>(window);
        EXPECT_TRUE(window == nullptr || loan != nullptr) << "stem \"loan\" makes a TcalcLoan";
        return loan;
    }

    static MaskedLineEdit& Edit(TcalcLoan& window, std::size_t field) {
        return *window.Editor(field).LineEdit();
    }
    static QString Text(TcalcLoan& window, std::size_t field) { return Edit(window, field).text(); }
    // What a user does: into the field, select what it shows, type.
    static void Type(MaskedLineEdit& edit, const QString& text) {
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }
    static void Type(TcalcLoan& window, std::size_t field, const QString& text) {
        Type(Edit(window, field), text);
    }
    static void TypeLoan(TcalcLoan& window, const char* pv, const char* n, const char* rate,
                         const char* pmt) {
        Type(window, TcbLoan::PV, pv);
        Type(window, TcbLoan::NumPmts, n);
        Type(window, TcbLoan::Rate, rate);
        Type(window, TcbLoan::Pmt, pmt);
    }
    static void Click(TcalcLoan& window, Button button) {
        QTest::mouseClick(window.ButtonOf(button), Qt::LeftButton);
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    static QColor MarkerColour(TcalcLoan& window, std::size_t field) {
        return window.Marker(field)->palette().color(QPalette::WindowText);
    }
    static std::vector<std::size_t> ShownMarkers(TcalcLoan& window) {
        std::vector<std::size_t> shown;
        for (std::size_t field = 0; field <= TcbLoan::Interest; ++field) {
            if (window.Marker(field) != nullptr && window.Marker(field)->isVisible()) {
                shown.push_back(field);
            }
        }
        return shown;
    }
    const std::vector<std::string>& Messages() {
        texts_ = context.fixture.messages.Texts();
        return texts_;
    }

private:
    std::vector<std::string> texts_;
};

TEST_F(LoanWindowTest, TheWindowIsGeneratedFromTheLoansFieldTable) {
    TcalcLoan* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Loan Calculator 1");
    EXPECT_EQ(window->PromptLabel(TcbLoan::PV)->text(), "&Amount of Loan?:");
    EXPECT_EQ(window->PromptLabel(TcbLoan::Pmt)->text(), "Per&iodic Payment?:");
    EXPECT_EQ(window->PromptLabel(TcbLoan::Interest)->text(), "Interest For Term:");
    EXPECT_EQ(window->PromptLabel(TcbLoan::PV)->buddy(), &Edit(*window, TcbLoan::PV));
    ASSERT_NE(window->NoteLabel(), nullptr);
    EXPECT_EQ(window->NoteLabel()->text(), "Enter a Zero '0'  for Unknown Value");
    EXPECT_EQ(window->Editor(TcbLoan::PYR).ComboBox()->currentText(), "Monthly");
    EXPECT_EQ(window->Editor(TcbLoan::CmpPYR).ComboBox()->currentText(), "Monthly");
    EXPECT_EQ(window->Editor(TcbLoan::AmortMthd).ComboBox()->count(), 6);
    EXPECT_EQ(Text(*window, TcbLoan::PV), "$0.00");

    MaskedLineEdit& interest = Edit(*window, TcbLoan::Interest);
    EXPECT_TRUE(interest.isReadOnly());
    EXPECT_FALSE(interest.focusPolicy() & Qt::TabFocus) << "Tab skips results";
    EXPECT_EQ(window->Marker(TcbLoan::Interest), nullptr);
    EXPECT_EQ(window->Marker(TcbLoan::PYR), nullptr);
    EXPECT_TRUE(ShownMarkers(*window).empty());

    // Fixed size: the user cannot resize, the layout decides.
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->layout()->sizeConstraint(), QLayout::SetFixedSize);
}

TEST_F(LoanWindowTest, CalcSolvesForThePaymentAndMarksItGreen) {
    TcalcLoan* window = Open();
    TypeLoan(*window, "10000", "36", "10", "0");
    Click(*window, Button::Calc);
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(Text(*window, TcbLoan::Pmt), "$322.67");
    EXPECT_EQ(Text(*window, TcbLoan::Interest), "$1,616.12");
    EXPECT_EQ(Text(*window, TcbLoan::PV), "$10,000.00");
    EXPECT_EQ(ShownMarkers(*window), std::vector<std::size_t>{TcbLoan::Pmt});
    EXPECT_EQ(MarkerColour(*window, TcbLoan::Pmt), QColor(0, 128, 0));

    Type(*window, TcbLoan::NumPmts, "48");
    EXPECT_EQ(ShownMarkers(*window), std::vector<std::size_t>{TcbLoan::Pmt});
    EXPECT_EQ(MarkerColour(*window, TcbLoan::Pmt), QColor(255, 0, 0)) << "a change: red";

    Click(*window, Button::Undo);
    EXPECT_EQ(Text(*window, TcbLoan::NumPmts), "36");
    EXPECT_EQ(Text(*window, TcbLoan::Pmt), "$322.67");
    EXPECT_EQ(MarkerColour(*window, TcbLoan::Pmt), QColor(255, 0, 0)) << "Undo keeps it red";

    // Alt+C calculates too; with all four filled it solves for the payment again.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
    // A button's accelerator clicks it once its pressed look has shown.
    EXPECT_TRUE(QTest::qWaitFor([&] { return MarkerColour(*window, TcbLoan::Pmt) == kGreen; }));
}

TEST_F(LoanWindowTest, SolvingAnotherFieldMovesTheMarker) {
    TcalcLoan* window = Open();
    TypeLoan(*window, "10000", "0", "10", "322.67");
    Click(*window, Button::Calc);
    EXPECT_EQ(Text(*window, TcbLoan::NumPmts), "36");
    EXPECT_EQ(ShownMarkers(*window), std::vector<std::size_t>{TcbLoan::NumPmts});
}

TEST_F(LoanWindowTest, CopyPutsTheFormattedRowsOnTheClipboard) {
    TcalcLoan* window = Open();
    TypeLoan(*window, "10000", "36", "10", "0");
    Click(*window, Button::Calc);
    Click(*window, Button::Copy);
    const std::string expected =
        "Loan Calculator 1\r\n\r\n" + Row("Amount of Loan?:", "$10,000.00") +
        Row("Total Periods? (#):", "36") + Row("Annual Rate? (%):", "10.00") +
        Row("Periodic Payment?:", "$322.67") + Row("Payment Period?:", "Monthly") +
        Row("Compounding Period?:", "Monthly") + Row("Payment Method?:", "Arrears") +
        Row("Amortizing Method?:", "Normal") + Row("Interest For Term:", "$1,616.12");
    EXPECT_EQ(context.fixture.clipboard.Last(), expected);
    EXPECT_EQ(MarkerColour(*window, TcbLoan::Pmt), QColor(0, 128, 0)) << "copying is no edit";

    // Copy takes what the form shows, typed but not calculated.
    Type(*window, TcbLoan::NumPmts, "48");
    Click(*window, Button::Copy);
    EXPECT_NE(context.fixture.clipboard.Last().find(Row("Total Periods? (#):", "48")),
              std::string::npos);
}

TEST_F(LoanWindowTest, PrintRunsTheResultPageJob) {
    TcalcLoan* window = Open();
    TypeLoan(*window, "10000", "36", "10", "0");
    Click(*window, Button::Calc);
    Click(*window, Button::Print);
    ASSERT_EQ(context.fixture.printing.titles.size(), 1u);
    EXPECT_EQ(context.fixture.printing.titles[0], "Loan Calculator 1");
    EXPECT_EQ(context.fixture.printing.kinds[0], Printing::Kind::ResultPage);
    const auto& printed = context.fixture.printing.canvas.printed;
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back().text, "\tInterest For Term:      \t       $1,616.12");
}

TEST_F(LoanWindowTest, ResultPagesCanBeWrittenToAPdfFileWithoutADialog) {
    const auto file = context.fixture.folder / "loan.pdf";
    PdfPrinting pdf(file);
    framework::BufferContext buffers = context.fixture.context;
    framework::BufferContext toPdf{
        buffers.store, buffers.messages,    buffers.clipboard,  pdf,
        buffers.clock, buffers.conventions, buffers.reportFont, buffers.application};
    TcbLoan loan(toPdf);
    loan.InitData();
    loan.SetTitle("Loan Calculator 1");
    loan.Data().Set(TcbLoan::PV, 10000.0);
    ASSERT_TRUE(loan.Print());
    EXPECT_EQ(testing::ReadFileText(file).substr(0, 5), "%PDF-");
}

TEST_F(LoanWindowTest, AnErrorIsShownAndTheFormKeepsWhatWasTyped) {
    TcalcLoan* window = Open();
    TypeLoan(*window, "10000", "36", "10", "0");
    Click(*window, Button::Calc);
    TypeLoan(*window, "0", "24", "10", "0");
    Click(*window, Button::Calc);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Too many unknowns. Enter only one Zero value.");
    EXPECT_EQ(context.fixture.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(Text(*window, TcbLoan::PV), "$0.00");
    EXPECT_EQ(Text(*window, TcbLoan::NumPmts), "24");
    EXPECT_EQ(Text(*window, TcbLoan::Rate), "10.0000");
    EXPECT_EQ(Text(*window, TcbLoan::Pmt), "$0.00");
    EXPECT_EQ(Text(*window, TcbLoan::Interest), "$1,616.12") << "the old result stays";
    EXPECT_EQ(ShownMarkers(*window), std::vector<std::size_t>{TcbLoan::Pmt});
    EXPECT_EQ(MarkerColour(*window, TcbLoan::Pmt), QColor(255, 0, 0));

    window->Editor(TcbLoan::CmpPYR).ComboBox()->setCurrentIndex(0); // Continuous
    TypeLoan(*window, "10000", "36", "10", "0");
    Click(*window, Button::Calc);
    EXPECT_EQ(Messages().back(), "Unsupported compounding period for this calculator.");
}

TEST_F(LoanWindowTest, ResetBringsBackTheOpeningValues) {
    TcalcLoan* window = Open();
    TypeLoan(*window, "10000", "36", "10", "0");
    window->Editor(TcbLoan::PYR).ComboBox()->setCurrentIndex(7);
    Click(*window, Button::Reset);
    EXPECT_EQ(Text(*window, TcbLoan::PV), "$0.00");
    EXPECT_EQ(Text(*window, TcbLoan::NumPmts), "0");
    EXPECT_EQ(window->Editor(TcbLoan::PYR).ComboBox()->currentText(), "Monthly");
}

TEST_F(LoanWindowTest, TheOptionsPageGoesIntoTheStore) {
    TcalcLoan* window = Open();
    OptionsPanel& options = *window->Options();
    Click(*window, Button::Options);
    EXPECT_EQ(window->Pages()->currentIndex(), 1);
    EXPECT_EQ(window->ButtonOf(Button::Options)->text(), "&Back");
    for (const Button button : {Button::Print, Button::Copy, Button::Reset, Button::Undo}) {
        EXPECT_FALSE(window->ButtonOf(button)->isEnabled());
    }
    EXPECT_TRUE(options.LastCalculationButton()->isChecked());
    EXPECT_TRUE(options.PublisherButton()->isChecked());
    EXPECT_FALSE(options.DefaultsGroup()->isEnabled());
    EXPECT_FALSE(options.LocalDefaultsGroup()->isEnabled());

    options.DefaultsButton()->click();
    EXPECT_TRUE(options.DefaultsGroup()->isEnabled());
    EXPECT_FALSE(options.LocalDefaultsGroup()->isEnabled());
    options.LocalButton()->click();
    EXPECT_TRUE(options.LocalDefaultsGroup()->isEnabled());
    Type(*options.LocalDefaultEditor(4).LineEdit(), "9.5");       // the rate
    options.LocalDefaultEditor(3).ComboBox()->setCurrentIndex(7); // quarterly payments
    Click(*window, Button::Options);                              // Back: stored
    EXPECT_EQ(window->Pages()->currentIndex(), 0);
    EXPECT_EQ(window->ButtonOf(Button::Options)->text(), "&Options");
    EXPECT_TRUE(window->ButtonOf(Button::Copy)->isEnabled());

    auto& store = context.fixture.store;
    store.SetCurSubKey(kKey);
    EXPECT_EQ(store.ReadInteger("DefaultDefaults", -1), 1);
    EXPECT_EQ(store.ReadInteger("DefaultLocal", -1), 1);
    EXPECT_EQ(store.ReadInteger("DefaultLast entered calculation", -1), 0);
    EXPECT_EQ(store.ReadReal("DefaultAnnual &Rate? (%):", -1), 9.5);
    EXPECT_EQ(store.ReadInteger("DefaultPayme&nt Period?:", -1), 7);

    QTest::keyClick(window, Qt::Key_Escape);
    context.DeleteClosedWindows();
    TcalcLoan* reopened = Open();
    EXPECT_EQ(Text(*reopened, TcbLoan::Rate), "9.5000");
    EXPECT_EQ(reopened->Editor(TcbLoan::PYR).ComboBox()->currentText(), "Quarterly");
    Click(*reopened, Button::Options);
    EXPECT_TRUE(reopened->Options()->LocalButton()->isChecked());
    EXPECT_EQ(reopened->Options()->LocalDefaultEditor(4).LineEdit()->text(), "9.5000");
}

TEST_F(LoanWindowTest, HintsFollowTheOptionWhenTheWindowOpens) {
    context.windowOptions.showButtonHints = true;
    TcalcLoan* window = Open();
    const std::pair<Button, const char*> hints[] = {
        {Button::Calc, "Calculate [Alt][C]"},
        {Button::Close, "Close [Esc]"},
        {Button::Help, "Help [F1]"},
        {Button::Help2, "Help [F1]"},
        {Button::Print, "Print schedule [Ctrl][P]"},
        {Button::Copy, "Copy to clipboard."},
        {Button::Reset, "Set to application's defaults."},
        {Button::Undo, "Undo changes since last calculation."},
        {Button::Options, "Switch between option page and inputs."},
    };
    for (const auto& [button, hint] : hints) {
        EXPECT_EQ(window->HintOf(button), hint);
    }

    context.windowOptions.showButtonHints = false;
    EXPECT_EQ(window->HintOf(Button::Calc), "Calculate [Alt][C]") << "set when it opened";
    TcalcLoan* second = Open();
    for (const auto& [button, hint] : hints) {
        EXPECT_TRUE(second->HintOf(button).isEmpty()) << hint;
    }
}

TEST_F(LoanWindowTest, HelpOpensTheContextOfTheFocusedControl) {
    TcalcLoan* window = Open();
    Click(*window, Button::Help);
    Click(*window, Button::Options);
    Click(window->ButtonOf(Button::Help2));
    Click(*window, Button::Options);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    Edit(*window, TcbLoan::Rate).setFocus();
    QTest::keyClick(window, Qt::Key_F1);
    window->Editor(TcbLoan::CmpPYR).ComboBox()->setFocus();
    QTest::keyClick(window, Qt::Key_F1);
    window->ButtonOf(Button::Calc)->setFocus();
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(context.fixture.help.contexts, (std::vector<int>{125, 301, 9, 13, 118}));
}

TEST_F(LoanWindowTest, EscClosesAndStoresTheLastEntry) {
    TcalcLoan* window = Open();
    QSignalSpy closed(window, &CalculatorWindow::Closed);
    TypeLoan(*window, "10000", "36", "10", "0");
    Click(*window, Button::Calc);
    window->move(150, 90);
    // The inside of the window is stored, never the frame: the frame is the window manager's,
    // unknown until the window shows, and taking one for the other shifts it at every reopening.
    const QPoint at = ClientPosition(window);
    ASSERT_NE(at, window->pos()) << "a platform that draws frames";
    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(closed.at(0).at(0).value<CalculatorWindow*>(), window);
    QPointer<TcalcLoan> gone(window);
    context.DeleteClosedWindows();
    EXPECT_TRUE(gone.isNull()) << "the window deletes itself";
    EXPECT_EQ(family.OpenCount(), 0);

    auto& store = context.fixture.store;
    store.SetCurSubKey(kKey);
    EXPECT_EQ(store.ReadReal("&Amount of Loan?:", -1), 10000);
    EXPECT_EQ(store.ReadReal("Per&iodic Payment?:", -1), 322.67);
    store.SetCurSubKey(std::string(kKey) + " 1");
    EXPECT_EQ(store.ReadInteger("Left", -1), at.x());
    EXPECT_EQ(store.ReadInteger("Top", -1), at.y());

    TcalcLoan* reopened = Open();
    EXPECT_EQ(Text(*reopened, TcbLoan::PV), "$10,000.00");
    EXPECT_EQ(Text(*reopened, TcbLoan::Pmt), "$322.67");
    EXPECT_EQ(ClientPosition(reopened), at) << "the stored position is restored";
}

TEST_F(LoanWindowTest, EntryFieldsRefuseWhatTheyCannotHold) {
    TcalcLoan* window = Open();
    Type(*window, TcbLoan::PV, "12a3b");
    EXPECT_EQ(Text(*window, TcbLoan::PV), "123");
    context.ProcessEvents();
    EXPECT_TRUE(Messages().empty()) << "a stray letter only beeps";

    Type(*window, TcbLoan::NumPmts, "40000");
    EXPECT_EQ(Text(*window, TcbLoan::NumPmts), "40000") << "kept as typed, never cut to 4000";
    Click(*window, Button::Calc);
    context.ProcessEvents();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "\"40000\" is out of range. Enter a whole number from 0 to 32,767.");
    EXPECT_EQ(Text(*window, TcbLoan::NumPmts), "40000");
    Type(*window, TcbLoan::NumPmts, "360");

    // Text that is not yet a value: Calc refuses it and the form keeps its last good value.
    Type(*window, TcbLoan::Rate, "7.5");
    Type(*window, TcbLoan::Pmt, "0"); // leaving the rate takes 7.5
    Type(*window, TcbLoan::Rate, "-");
    EXPECT_EQ(Text(*window, TcbLoan::Rate), "-");
    Click(*window, Button::Calc);
    context.ProcessEvents();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], "\"-\" is not a number. Enter a number from -99.9999 to 99.9999.");
    EXPECT_EQ(Text(*window, TcbLoan::Rate), "-") << "selected for correction";
    EXPECT_EQ(window->Controller().Form().Value(TcbLoan::Rate), framework::FieldValue(7.5f));
    EXPECT_EQ(Text(*window, TcbLoan::Pmt), "$0.00") << "nothing was calculated";
}

TEST_F(LoanWindowTest, GermanConventionsShowEuroMoneyWhenTheMasksAreReplaced) {
    context.UseCountry(49);
    ASSERT_TRUE(context.masks.ReplacesDesignMasks());
    TcalcLoan* window = Open();
    EXPECT_EQ(Edit(*window, TcbLoan::PV).Mask()->Picture(), "#,###,###.##CCC");
    TypeLoan(*window, "10000", "36", "10", "0");
    Click(*window, Button::Calc);
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(Text(*window, TcbLoan::PV), QString::fromUtf8("10.000,00 €"));
    EXPECT_EQ(Text(*window, TcbLoan::Pmt), QString::fromUtf8("322,67 €"));
    EXPECT_EQ(Text(*window, TcbLoan::Interest), QString::fromUtf8("1.616,12 €"));
    Type(*window, TcbLoan::PV, "1234,5");
    Click(*window, Button::Copy);
    EXPECT_NE(context.fixture.clipboard.Last().find("1.234,50 €"), std::string::npos);
}

TEST_F(LoanWindowTest, AThirdWindowIsRefusedAndTheSecondStartsFromTheFirst) {
    TcalcLoan* first = Open();
    TypeLoan(*first, "10000", "36", "10", "0");
    Click(*first, Button::Calc);
    TcalcLoan* second = Open();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), "Loan Calculator 2");
    EXPECT_EQ(Text(*second, TcbLoan::Pmt), "$322.67");
    EXPECT_EQ(context.Open<TcbLoan>(family), nullptr);
}

} // namespace
} // namespace quarvex::ui
