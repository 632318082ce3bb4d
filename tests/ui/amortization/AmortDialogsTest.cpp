#include "AmortWindowFixture.h"

#include "ui/amortization/AmortValueDialog.h"
#include "ui/amortization/TfrmAmortSettings.h"
#include "ui/framework/FieldEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace quarvex::ui {
namespace {

using testing::AmortWindowFixture;
using TcbAmort = amortization::TcbAmort;

struct AmortDialogsTest : AmortWindowFixture {
    // Runs `answer` on the modal dialog of type Dialog once it shows.
    template <class Dialog> static void WhenShown(std::function<void(Dialog&)> answer) {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, answer] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) {
                return;
            }
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
        });
        timer->start();
    }
};

TEST_F(AmortDialogsTest, LoanSettingsOpenOnTheLoansSettingsAndTakeTheChoicesOnOk) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "10000", "36", "10", "0", "01/01/2021", "02/01/2021");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());

    // Cancel changes nothing, whatever was chosen.
    WhenShown<TfrmAmortSettings>([](TfrmAmortSettings& dialog) {
        dialog.List(0)->setCurrentIndex(3);
        dialog.reject();
    });
    window->OpenLoanSettings();
    EXPECT_EQ(window->Amort().State().Settings, amortization::AmortCalcState().Settings);
    EXPECT_TRUE(window->ResultsShown());

    // OK without a change keeps the results.
    WhenShown<TfrmAmortSettings>([](TfrmAmortSettings& dialog) { dialog.accept(); });
    window->OpenLoanSettings();
    EXPECT_TRUE(window->ResultsShown());

    QStringList shown;
    WhenShown<TfrmAmortSettings>([&shown](TfrmAmortSettings& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Loan Settings");
        for (std::size_t i = 0; i < TfrmAmortSettings::kListCount; ++i) {
            EXPECT_EQ(dialog.List(i)->objectName(), TfrmAmortSettings::ListNames()[i]);
            shown << dialog.List(i)->currentText();
        }
        dialog.findChild<QComboBox*>("cbxRateBasis")->setCurrentIndex(3);
        dialog.findChild<QComboBox*>("cbxPointsAre")->setCurrentIndex(2);
        dialog.findChild<QComboBox*>("cbxShortInterestCalcMthd")->setCurrentIndex(0);
        EXPECT_TRUE(dialog.Changed());
        dialog.accept();
    });
    window->OpenLoanSettings();
    // The publisher's settings, as the lists show them.
    EXPECT_EQ(shown.at(0), "Ordinary");
    EXPECT_EQ(shown.at(1), "No Acceleration");
    EXPECT_EQ(shown.at(2), "With Origination") << "points paid code 1 shows entry 0";
    const amortization::AmortSettings& taken = window->Amort().State().Settings;
    EXPECT_EQ(static_cast<int>(taken.RateBasis), 3);
    EXPECT_EQ(static_cast<int>(taken.PointsPaidMthd), 3) << "entry 2 is code 3";
    EXPECT_EQ(static_cast<int>(taken.ShortInterestCalcMthd), 1) << "entry 0 is code 1";
    EXPECT_FALSE(window->ResultsShown()) << "new settings: the schedule goes";
    EXPECT_FALSE(window->Amort().HasResults());
    EXPECT_EQ(window->Marker(TcbAmort::Pmt)->palette().color(QPalette::WindowText),
              TcalcBase::kMarkerRed);

    // The next Calc uses them: the status bar names the new rate basis.
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    WhenShown<TfrmAmortSettings>([](TfrmAmortSettings& dialog) {
        EXPECT_EQ(dialog.List(0)->currentIndex(), 3) << "opens on the loan's settings";
        dialog.reject();
    });
    window->OpenLoanSettings();
}

TEST_F(AmortDialogsTest, TheSingleValueDialogsAskWithTheirTextsAndKeepTheValue) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    const struct {
        std::function<void()> ask;
        QString caption;
        QString text;
        QString typed;
    } cases[] = {
        {[window] { window->AskBalloonPeriod(); }, "Balloon Period",
         "Enter the period number that the ballon payment is due.", "24"},
        {[window] { window->AskOneTimeFees(); }, "One Time Fees",
         "Loan application fees, credit check fees etc.", "350"},
        {[window] { window->AskInterestOnlyPeriods(); }, "Initial Interest Only",
         "Initial loan periods where no principle is collected.", "6"},
    };
    for (const auto& c : cases) {
        QStringList labels;
        QString caption;
        WhenShown<AmortValueDialog>([&](AmortValueDialog& dialog) {
            caption = dialog.windowTitle();
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                labels << label->text();
            }
            QLineEdit* edit = dialog.Editor().LineEdit();
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, c.typed);
            dialog.accept();
        });
        c.ask();
        EXPECT_EQ(caption, c.caption);
        EXPECT_TRUE(labels.contains(c.text)) << c.text.toStdString();
    }
    const amortization::AmortCalcState& state = window->Amort().State();
    EXPECT_EQ(state.BalloonPeriod, 24);
    EXPECT_DOUBLE_EQ(state.OneTimeFees, 350.0);
    EXPECT_EQ(state.IntOnlyPmts, 6);
    EXPECT_EQ(window->Item("actBalloonPeriod")->toolTip(), "Current value 24");
    EXPECT_EQ(window->Item("actInterestOnly")->toolTip(), "Current value 6");
}

} // namespace
} // namespace quarvex::ui
