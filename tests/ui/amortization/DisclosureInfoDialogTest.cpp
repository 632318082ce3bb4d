#include "ui/amortization/DisclosureInfoDialog.h"

#include "framework/settings/SettingsKeys.h"
#include "ui/dialogs/UiFixture.h"
#include "ui/framework/MaskedLineEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <variant>

namespace quarvex::ui {
namespace {

class DisclosureInfoDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<TfrmAprInfo> Open() {
        auto dialog = std::make_unique<TfrmAprInfo>(fixture.ui, details);
        dialog->Prepare();
        dialog->open();
        return dialog;
    }
    template <typename Widget = QLineEdit> Widget* Child(TfrmAprInfo& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Press(TfrmAprInfo& dialog, const char* button) {
        QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
    }
    // The stored value under the dialog's key, as text ("" when absent).
    std::string Stored(std::string_view name) {
        fixture.store.SetCurSubKey(std::string(framework::settings_keys::kRootKey) +
                                   "\\APR Disclosure Information");
        if (!fixture.store.ValueExists(name)) {
            return "<absent>";
        }
        switch (*fixture.store.ValueKind(name)) {
        case framework::RegValueKind::Text:
            return fixture.store.ReadText(name, "");
        case framework::RegValueKind::Real:
            return std::to_string(fixture.store.ReadReal(name, -1));
        case framework::RegValueKind::Boolean:
            return fixture.store.ReadBoolean(name, false) ? "1" : "0";
        default:
            return std::to_string(fixture.store.ReadInteger(name, -1));
        }
    }
    // Everything but the borrower filled in, the way a user types it.
    void FillIn(TfrmAprInfo& dialog) {
        QTest::keyClicks(Child(dialog, "oedCreditor"), "Harbor Savings Bank");
        QTest::keyClicks(Child(dialog, "oedLoanOfficer"), "Lee Park");
        QTest::keyClicks(Child(dialog, "oedCAdrs1"), "1 Quay Street");
        QTest::keyClicks(Child(dialog, "oedCCity"), "Portland");
        QTest::keyClicks(Child(dialog, "oedCState"), "me");
        QTest::keyClicks(Child(dialog, "oedCZip"), "04101");
        QTest::keyClicks(Child(dialog, "oedCPhone1"), "2075550100");
        QTest::keyClicks(Child(dialog, "oedCExtn"), "12");
        QTest::keyClicks(Child(dialog, "oedCCountry"), "USA");
        QTest::keyClicks(Child(dialog, "oedSecurityAsset"), "boat");
        Child<MaskedLineEdit>(dialog, "oedFilingFees")->setText("35");
        Child<MaskedLineEdit>(dialog, "oedLateCharge")->setText("25");
        Child<QCheckBox>(dialog, "cbSecurityOther")->setChecked(true);
        Child<QCheckBox>(dialog, "cbPenalty")->setChecked(true);
        Child<QRadioButton>(dialog, "rbItemizationNo")->setChecked(true);
    }

    testing::UiFixture fixture;
    framework::TAccountDetails details;
};

TEST_F(DisclosureInfoDialogTest, StoresUnderItsNamesEvenWhenAFirstNameIsMissing) {
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "APR Disclosure Information");
    EXPECT_EQ(Child<QPushButton>(*dialog, "btnSkip")->text(), "Cancel");
    FillIn(*dialog);
    Press(*dialog, "btnOK");
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, "First Name is Required");
    EXPECT_TRUE(dialog->isVisible());
    const struct {
        const char* name;
        std::string value;
    } stored[] = {
        {"Creditor", "Harbor Savings Bank"},
        {"Loan Officer: ", "Lee Park"},
        {"&Address1:", "1 Quay Street"},
        {"A&ddress2:", ""},
        {"Ci&ty:", "Portland"},
        {"&State:", "ME"},
        {"&Zip:", "04101"},
        {"P&hone1:", "207-555-0100"},
        {"E&xt:", "12"},
        {"&Country", "USA"},
        {"Security Asset", "boat"},
        {"Insurance", ""},
        {"Filing fees ", std::to_string(35.0)},
        {"Non-filing insurance ", std::to_string(0.0)},
        {"Late Charge", std::to_string(25.0)},
        {"Amount Checked True", "0"},
        {"Amount Checked False ", "1"},
        {"Security:", "1"},
        {"Security Others", "1"},
        {"May have to pay a penalty.", "1"},
        {"May be entitled to a refund.", "0"},
        {"&First Name:", "<absent>"},
    };
    for (const auto& s : stored) {
        EXPECT_EQ(Stored(s.name), s.value) << '"' << s.name << '"';
    }
}

TEST_F(DisclosureInfoDialogTest, TheNextDialogShowsWhatWasStored) {
    {
        auto dialog = Open();
        FillIn(*dialog);
        QTest::keyClicks(dialog->Field(framework::TcbAcntInfo::kFirstNameRow), "Dana");
        Press(*dialog, "btnOK");
        EXPECT_TRUE(fixture.messages.shown.empty());
        EXPECT_EQ(details.firstName, "Dana");
    }
    details = {}; // a new run: the borrower is not kept
    auto again = Open();
    EXPECT_EQ(Child(*again, "oedCreditor")->text(), "Harbor Savings Bank");
    EXPECT_EQ(Child(*again, "oedCPhone1")->text(), "207-555-0100");
    EXPECT_EQ(std::get<double>(Child<MaskedLineEdit>(*again, "oedLateCharge")->Value()), 25.0);
    EXPECT_TRUE(Child<QCheckBox>(*again, "cbSecurityOther")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(*again, "rbItemizationNo")->isChecked());
    EXPECT_EQ(again->Field(framework::TcbAcntInfo::kFirstNameRow)->text(), "");
}

TEST_F(DisclosureInfoDialogTest, APremiumNeedsAnInsuranceKind) {
    auto dialog = Open();
    QTest::keyClicks(dialog->Field(framework::TcbAcntInfo::kFirstNameRow), "Dana");
    QTest::keyClicks(Child(*dialog, "oedPremium"), "$120 a year");
    Child<QCheckBox>(*dialog, "cbCreditLife")->setChecked(false);
    Press(*dialog, "btnOK");
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, "Premium should be checked ");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Stored("Insurance"), "$120 a year");
}

TEST_F(DisclosureInfoDialogTest, TheLateChargeSignFollowsItsKind) {
    auto dialog = Open();
    auto* sign = Child<QLabel>(*dialog, "lLateChargeSign");
    EXPECT_EQ(sign->text(), "$");
    QTest::mouseClick(Child<QRadioButton>(*dialog, "rbPercentOfPayment"), Qt::LeftButton);
    EXPECT_EQ(sign->text(), "%");
    QTest::mouseClick(Child<QRadioButton>(*dialog, "rbFixedAmount"), Qt::LeftButton);
    EXPECT_EQ(sign->text(), "$");
}

} // namespace
} // namespace quarvex::ui
