#include "ui/dialogs/AccountInfoDialog.h"
#include "framework/settings/ApplicationValues.h"
#include "ui/dialogs/UiFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

class AccountInfoDialogTest : public ::testing::Test {
protected:
    QLineEdit* Field(const char* name) const {
        auto* field = dialog->findChild<QLineEdit*>(name);
        EXPECT_NE(field, nullptr) << name;
        return field;
    }
    void Press(const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    std::unique_ptr<TfrmAcntInfo> Open() {
        auto opened = std::make_unique<TfrmAcntInfo>(fixture.ui, details);
        opened->open();
        return opened;
    }

    testing::UiFixture fixture;
    framework::TAccountDetails details;
    std::unique_ptr<TfrmAcntInfo> dialog = Open();
};

TEST_F(AccountInfoDialogTest, CaptionsAndButtons) {
    EXPECT_EQ(dialog->windowTitle(), "Account Information");
    EXPECT_EQ(dialog->findChild<QLabel*>("lFName")->text(), "&First Name:");
    EXPECT_EQ(dialog->findChild<QLabel*>("lCountry")->text(), "&Country");
    EXPECT_EQ(dialog->findChild<QLabel*>("lInitial")->text(), "&MI");
    EXPECT_EQ(dialog->findChild<QLabel*>("lExtn")->text(), "E&xt:");
    EXPECT_EQ(dialog->findChild<QPushButton*>("btnOK")->text(), "OK");
    EXPECT_EQ(dialog->findChild<QPushButton*>("btnSkip")->text(), "Skip");
    EXPECT_EQ(dialog->findChild<QPushButton*>("btnHelp")->text(), "&Help");
}

TEST_F(AccountInfoDialogTest, WithoutAFirstNameOkSaysSoAndStaysOpen) {
    QTest::keyClicks(Field("oedLName"), "Example");
    Press("btnOK");
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, "First Name is Required");
    EXPECT_EQ(fixture.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), Field("oedFName"));
    EXPECT_EQ(details.lastName, "") << "nothing is copied until the entries are accepted";
}

TEST_F(AccountInfoDialogTest, FieldsFollowTheirInputRules) {
    struct Case {
        const char* field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"oedState", "ny", "NY"},
        {"oedState", "cal", "CA"},
        {"oedZip", "12ab345-67", "1234567"},
        {"oedPhone1", "5551234567", "555-123-4567"},
        {"oedPhone2", "555 12", "555-12"},
        {"oedExtn", "123456", "1234"},
        {"oedInitial", "QX", "Q"},
        {"oedFName", "Abcdefghijklmnopqrstuvwxyz0123", "Abcdefghijklmnopqrstuvwxy"},
    };
    for (const Case& c : cases) {
        QLineEdit* field = Field(c.field);
        field->clear();
        QTest::keyClicks(field, c.typed);
        EXPECT_EQ(field->text().toStdString(), c.shown) << c.field << " typed " << c.typed;
    }
}

TEST_F(AccountInfoDialogTest, OkKeepsTheEntries) {
    details.accountNo = "A-17";
    QTest::keyClicks(Field("oedFName"), "Ann");
    QTest::keyClicks(Field("oedLName"), "Example");
    QTest::keyClicks(Field("oedState"), "tx");
    QTest::keyClicks(Field("oedPhone1"), "5125550100");
    Press("btnOK");
    EXPECT_TRUE(fixture.messages.shown.empty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(details.firstName, "Ann");
    EXPECT_EQ(details.lastName, "Example");
    EXPECT_EQ(details.state, "TX");
    EXPECT_EQ(details.phone1, "512-555-0100");
    EXPECT_EQ(details.accountNo, "A-17") << "the account number is not the dialog's";
}

TEST_F(AccountInfoDialogTest, SkipLeavesEarlierEntriesForTheNextReport) {
    details.firstName = "Ann";
    details.city = "Austin";
    dialog = Open();
    EXPECT_EQ(Field("oedFName")->text(), "Ann");
    EXPECT_EQ(Field("oedCity")->text(), "Austin");
    Field("oedCity")->clear();
    QTest::keyClicks(Field("oedCity"), "Dallas");
    Press("btnSkip");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(details.city, "Austin");
}

TEST_F(AccountInfoDialogTest, HelpTopic) {
    Press("btnHelp");
    EXPECT_EQ(fixture.help.contexts, std::vector<int>{350});
}

} // namespace
} // namespace quarvex::ui
