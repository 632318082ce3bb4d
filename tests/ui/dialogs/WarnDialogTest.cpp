#include "ui/dialogs/WarnDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

TEST(WarnDialog, ShowsItsTextsExactly) {
    TWarnDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), " Warning Dialog");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(),
              "Changing this field will delete or change the values of the input");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->text(), "fields inside the Scrollbox");
    EXPECT_EQ(dialog.findChild<QCheckBox*>("CheckStatus")->text(),
              "Don't show the warning message");
    EXPECT_TRUE(dialog.isModal());
}

TEST(WarnDialog, DontShowAgainIsTheCheckBox) {
    TWarnDialog dialog;
    auto* check = dialog.findChild<QCheckBox*>("CheckStatus");
    dialog.SetDontShowAgain(true);
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(dialog.DontShowAgain());
    dialog.SetDontShowAgain(false);
    EXPECT_FALSE(dialog.DontShowAgain());

    dialog.open();
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(dialog.DontShowAgain()) << "the user's click is what the caller reads back";
}

TEST(WarnDialog, OkGoesAheadAndCancelKeepsTheOldValues) {
    TWarnDialog dialog;
    dialog.open();
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.open();
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.open();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Esc is not OK";
}

} // namespace
} // namespace quarvex::ui
