#include "ui/shell/ReportFontDialog.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

const report::ReportFont kCourier{"Courier New", 10, false, false, false, false};

// Reports are set in columns: the stored "Courier New", missing on this system, must open the
// font dialog on an installed fixed-pitch face, and OK without a change must keep it.
TEST(ReportFontDialogTest, TheDialogOpensOnTheReportFontAndOkKeepsIt) {
    const QFont shown = ToQFont(kCourier);
    EXPECT_TRUE(QFontDatabase::hasFamily(shown.family())) << shown.family().toStdString();
    EXPECT_TRUE(QFontInfo(shown).fixedPitch()) << shown.family().toStdString();
    EXPECT_EQ(shown.pointSize(), 10);

    QFontDialog dialog(shown);
    EXPECT_EQ(dialog.currentFont().family(), shown.family()) << "not the first face listed";
    EXPECT_FALSE(dialog.currentFont().italic()) << "not the first style listed";
    EXPECT_FALSE(dialog.currentFont().bold());
    const report::ReportFont kept = ChosenReportFont(dialog.currentFont(), kCourier);
    EXPECT_EQ(kept.name, "Courier New");
    EXPECT_EQ(kept.size, 10);
    EXPECT_FALSE(kept.italic);
    EXPECT_FALSE(kept.bold);

    QFont other = shown;
    other.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    other.setPointSize(12);
    ASSERT_NE(other.family(), shown.family());
    const report::ReportFont changed = ChosenReportFont(other, kCourier);
    EXPECT_EQ(changed.name, other.family().toStdString()) << "a face the user chose is taken";
    EXPECT_EQ(changed.size, 12);
}

TEST(ReportFontDialogTest, AnInstalledFaceIsKept) {
    const QString installed = QFontDatabase::families().value(0);
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(InstalledFamily(installed), installed);
}

} // namespace
} // namespace quarvex::ui
