#include "ui/dialogs/GlobalSettingsDialog.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/store/RegIni.h"
#include "ui/dialogs/PageAccelerators.h"
#include "ui/dialogs/UiFixture.h"
#include "ui/framework/MaskedLineEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using framework::RegIni;
using framework::RegValueKind;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

class GlobalSettingsDialogTest : public ::testing::Test {
protected:
    GlobalSettingsDialogTest() { values.SetDefaultDataFolder("/tmp/quarvex-data/"); }
    ~GlobalSettingsDialogTest() override { delete dialog.data(); }

    TfrmGlobals& Open() {
        dialog = new TfrmGlobals(fixture.ui, values);
        dialog->show();
        return *dialog;
    }

    template <class T> T* Child(const char* name) const {
        T* child = dialog->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // Clears a field and types into it as the user would.
    void Type(const char* field, const QString& text) {
        auto* edit = Child<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void Close() { QTest::mouseClick(Child<QPushButton>("btnClose"), Qt::LeftButton); }

    RegIni Stored() const {
        RegIni stored = fixture.Reopen();
        stored.SetCurSubKey(kRoot);
        return stored;
    }

    testing::UiFixture fixture;
    framework::ApplicationValues values;
    QPointer<TfrmGlobals> dialog;
};

TEST_F(GlobalSettingsDialogTest, OpensOnPageOneWithThePublishersValues) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Global Settings");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->CurrentPage(), 1);
    EXPECT_EQ(Child<QLabel>("lPage")->text(), "1/3");
    EXPECT_EQ(Child<QComboBox>("cbxDefaultPYR")->currentText(), "Monthly");
    EXPECT_EQ(Child<QComboBox>("cbxDefaultCmpPYR")->currentText(), "Monthly");
    EXPECT_EQ(Child<QComboBox>("cbxDefaultPointsAre")->currentText(), "With First");
    EXPECT_EQ(Child<QComboBox>("cbxDefaultDepreciationMthd")->currentText(), "200% DB");
    EXPECT_EQ(Child<QLineEdit>("oedDataPath")->text(), "/tmp/quarvex-data/");
    EXPECT_EQ(Child<QLineEdit>("oedPreparedBy")->text(), "{Options}{Preferences} 3rd Page to set.");
    EXPECT_EQ(Child<QLabel>("lDefaultRate")->text(), "Annual &Rate? (%):");
    EXPECT_EQ(Child<QLabel>("lDefaultDeduct")->text(), "I&nterest && Points are?:");
}

TEST_F(GlobalSettingsDialogTest, PageNavigation) {
    Open();
    auto* prior = Child<QPushButton>("btnPrior");
    auto* next = Child<QPushButton>("btnNext");
    const auto page = [this](int n) {
        return dialog->findChild<QWidget*>(QStringLiteral("pgPage%1").arg(n));
    };
    EXPECT_FALSE(prior->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(page(1)->isEnabled());
    EXPECT_FALSE(page(2)->isEnabled());

    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(dialog->CurrentPage(), 2);
    EXPECT_EQ(Child<QLabel>("lPage")->text(), "2/3");
    EXPECT_TRUE(prior->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(page(2)->isEnabled());
    EXPECT_FALSE(page(1)->isEnabled());

    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(dialog->CurrentPage(), 3);
    EXPECT_EQ(Child<QLabel>("lPage")->text(), "3/3");
    EXPECT_FALSE(next->isEnabled());
    EXPECT_TRUE(prior->isEnabled());

    QTest::mouseClick(prior, Qt::LeftButton);
    EXPECT_EQ(dialog->CurrentPage(), 2);
    EXPECT_TRUE(next->isEnabled());

    QTest::mouseClick(prior, Qt::LeftButton);
    EXPECT_EQ(dialog->CurrentPage(), 1);
    EXPECT_FALSE(prior->isEnabled());
    EXPECT_TRUE(next->isEnabled());
}

TEST_F(GlobalSettingsDialogTest, EachKeyOfAPageLeadsToOneControlAndTheKeyboardTurnsPages) {
    Open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    const QString buttons[] = {Child<QPushButton>("btnPrior")->text(),
                               Child<QPushButton>("btnNext")->text()};
    int firstField = -1;
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        QWidget* panel = dialog->findChild<QWidget*>(QStringLiteral("pgPage%1").arg(page));
        QString keys;
        for (const QString& caption : buttons) {
            keys += AcceleratorOf(caption);
        }
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            const QChar key = AcceleratorOf(label->text());
            if (key.isNull()) {
                continue;
            }
            EXPECT_FALSE(keys.contains(key))
                << "Alt+" << QString(key).toStdString() << " on " << label->text().toStdString();
            keys += key;
            // Fields stand in one column on every page.
            const int left = label->buddy()->mapTo(dialog, QPoint(0, 0)).x();
            if (firstField < 0) {
                firstField = left;
            }
            EXPECT_EQ(left, firstField) << label->text().toStdString();
        }
        if (page < 3) {
            QTest::keyClick(dialog, Qt::Key_PageDown);
            EXPECT_EQ(dialog->CurrentPage(), page + 1);
        }
    }
    // A button's key clicks it as a short press does.
    QTest::keyClick(dialog, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->CurrentPage() == 2; })) << "Alt+P is Prior";
    QTest::keyClick(dialog, Qt::Key_PageUp);
    EXPECT_EQ(dialog->CurrentPage(), 1);
    QTest::keyClick(dialog, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->CurrentPage() == 2; })) << "Alt+E is Next";
}

TEST(PageAcceleratorsTest, ALaterCaptionMovesItsKeyToAFreeLetter) {
    const QStringList page2 = {"Rate &Basis?:",
                               "Acceleration Percen&tage? (%):",
                               "Purcha&se Price?:",
                               "&Interest Rate Is?:",
                               "&Inflation Rate ? (%): ",
                               "Use for &Starting Date?:",
                               "&Twice monthly payment days?:"};
    const QStringList shown = DistinctAccelerators(page2, QStringLiteral("PE"));
    EXPECT_EQ(shown[0], "Rate &Basis?:");
    EXPECT_EQ(shown[3], "&Interest Rate Is?:") << "the first keeps its key";
    EXPECT_EQ(shown[4], "I&nflation Rate ? (%): ");
    EXPECT_EQ(shown[5], "&Use for Starting Date?:");
    EXPECT_EQ(shown[6], "T&wice monthly payment days?:");
    EXPECT_EQ(DistinctAccelerators({"I&nterest && Points are?:", "&Next"}, "N")[0],
              "&Interest && Points are?:")
        << "the doubled ampersand is no key";
    EXPECT_EQ(AcceleratorOf("Pr&ior"), QChar('I'));
    EXPECT_TRUE(AcceleratorOf("A && B").isNull());
}

TEST_F(GlobalSettingsDialogTest, RowsLandOnTheirPages) {
    Open();
    const auto pageOf = [this](const char* control) {
        QWidget* widget = Child<QWidget>(control);
        return widget->parentWidget()->objectName();
    };
    EXPECT_EQ(pageOf("oedDefaultRate"), "pgPage1");
    EXPECT_EQ(pageOf("cbxDefaultShortInterestCalcMthd"), "pgPage1");
    EXPECT_EQ(pageOf("cbxDefaultRateBasis"), "pgPage2");
    EXPECT_EQ(pageOf("cbxDefaultTwiceMonthly"), "pgPage2");
    EXPECT_EQ(pageOf("oedDefaultBusinessUsePct"), "pgPage3");
    EXPECT_EQ(pageOf("oedPreparedBy"), "pgPage3");
}

TEST_F(GlobalSettingsDialogTest, TypedSettingsAreStoredWhenTheDialogCloses) {
    Open();
    Type("oedDefaultRate", "7.5");
    Child<QComboBox>("cbxDefaultShortInterestPmtMthd")->setCurrentIndex(2);  // "Reduce All"
    Child<QComboBox>("cbxDefaultShortInterestCalcMthd")->setCurrentIndex(0); // "Prorated"
    QTest::mouseClick(Child<QPushButton>("btnNext"), Qt::LeftButton);
    Type("oedDefaultUnitLotSize", "1234567");
    Child<QComboBox>("cbxDefaultTwiceMonthly")->setCurrentIndex(3);
    QTest::mouseClick(Child<QPushButton>("btnNext"), Qt::LeftButton);
    Type("oedDefaultFIR", "7.5");
    Type("oedDefaultPV", "250000");
    Type("oedPreparedBy", "Ann Example");

    // Nothing is stored before the dialog closes.
    EXPECT_FALSE(Stored().ValueExists("Annual &Rate? (%):"));
    Close();
    EXPECT_FALSE(dialog && dialog->isVisible());

    RegIni stored = Stored();
    EXPECT_EQ(stored.ValueKind("Annual &Rate? (%):"), RegValueKind::Real);
    EXPECT_EQ(stored.ReadReal("Annual &Rate? (%):", 0), 7.5);
    EXPECT_EQ(stored.ReadReal("First &Interest Rate? (%):", 0), 7.5);
    EXPECT_EQ(stored.ReadReal("&Amount of Loan?:", 0), 250000);
    EXPECT_EQ(stored.ValueKind("P&rice is Per # of Units?:"), RegValueKind::Integer);
    EXPECT_EQ(stored.ReadInteger("P&rice is Per # of Units?:", 0), 1234567);
    // Rows 10 and 11 are stored crosswise.
    EXPECT_EQ(stored.ReadInteger("Short Period Interest Calculation?:", -1), 2);
    EXPECT_EQ(stored.ReadInteger("Short Period Interest Paid How?:", -1), 0);
    EXPECT_EQ(stored.ReadText("Prepared By:", ""), "Ann Example");

    // The application values the dialog carries follow what it stored.
    EXPECT_EQ(values.PreparedBy(), "Ann Example");
    EXPECT_EQ(values.TwiceMonthlyDays(), 3);
}

TEST_F(GlobalSettingsDialogTest, ShowsWhatIsStoredAndRefreshesTheApplicationValues) {
    fixture.store.SetCurSubKey(kRoot);
    fixture.store.WriteReal("Annual &Rate? (%):", 9.25);
    fixture.store.WriteInteger("Short Period Interest Calculation?:", 2);
    fixture.store.WriteInteger("&Twice monthly payment days?:", 5);
    fixture.store.WriteText("Data Path:", "/srv/loans/");
    Open();
    EXPECT_EQ(Child<QLineEdit>("oedDefaultRate")->text(), "9.2500");
    EXPECT_EQ(Child<QComboBox>("cbxDefaultShortInterestPmtMthd")->currentText(), "Reduce All");
    EXPECT_EQ(Child<QLineEdit>("oedDataPath")->text(), "/srv/loans/");
    EXPECT_EQ(values.TwiceMonthlyDays(), 5) << "taken when the dialog is shown";
    EXPECT_EQ(values.DataPath(), "/srv/loans/");
}

TEST_F(GlobalSettingsDialogTest, DefaultsThenCloseStoresThePublishersValues) {
    fixture.store.SetCurSubKey(kRoot);
    fixture.store.WriteReal("Annual &Rate? (%):", 9.25);
    fixture.store.WriteInteger("Payme&nt Period?:", 9);
    fixture.store.WriteText("Prepared By:", "Ann Example");
    fixture.store.WriteInteger("Acceleration Percen&tage? (%):", 50);
    Open();
    QTest::mouseClick(Child<QPushButton>("btnDefaults"), Qt::LeftButton);
    EXPECT_EQ(Child<QComboBox>("cbxDefaultPYR")->currentText(), "Monthly");
    EXPECT_EQ(Stored().ReadReal("Annual &Rate? (%):", 0), 9.25) << "not stored before closing";
    Close();

    RegIni stored = Stored();
    EXPECT_EQ(stored.ReadReal("Annual &Rate? (%):", -1), 0);
    EXPECT_EQ(stored.ReadInteger("Payme&nt Period?:", -1), 5);
    EXPECT_EQ(stored.ReadInteger("Compounding Perio&d?:", -1), 6);
    EXPECT_EQ(stored.ReadInteger("Points Are?:", -1), 1);
    EXPECT_EQ(stored.ReadInteger("Odd Days Interest Calculation?:", -1), 4);
    EXPECT_EQ(stored.ReadInteger("Short Period Interest Calculation?:", -1), 1);
    EXPECT_EQ(stored.ReadInteger("Short Period Interest Paid How?:", -1), 2);
    EXPECT_EQ(stored.ReadInteger("Acceleration Percen&tage? (%):", -1), 0);
    EXPECT_EQ(stored.ReadInteger("&Depreciation Method?:", -1), 3);
    EXPECT_EQ(stored.ReadText("Prepared By:", "x"), "");
    EXPECT_EQ(stored.ReadText("Data Path:", "x"), "");
    EXPECT_EQ(values.PreparedBy(), "");
}

TEST_F(GlobalSettingsDialogTest, TheFolderButtonWritesTheChosenFolder) {
    fixture.fileDialogs.folderAnswer = "/home/ann/loans";
    Open();
    QTest::mouseClick(Child<QPushButton>("btnNext"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>("btnNext"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>("btnDataPath"), Qt::LeftButton);
    ASSERT_EQ(fixture.fileDialogs.foldersAsked.size(), 1u);
    EXPECT_EQ(fixture.fileDialogs.foldersAsked[0], "/tmp/quarvex-data/");
    EXPECT_EQ(Child<QLineEdit>("oedDataPath")->text(), "/home/ann/loans/");

    fixture.fileDialogs.folderAnswer.clear(); // cancelled
    QTest::mouseClick(Child<QToolButton>("btnDataPath"), Qt::LeftButton);
    EXPECT_EQ(Child<QLineEdit>("oedDataPath")->text(), "/home/ann/loans/");
    Close();
    EXPECT_EQ(values.DataPath(), "/home/ann/loans/");
}

TEST_F(GlobalSettingsDialogTest, HelpTopics) {
    Open();
    QTest::mouseClick(Child<QPushButton>("btnHelp"), Qt::LeftButton);
    EXPECT_EQ(fixture.help.contexts, std::vector<int>{338});

    QTest::mouseClick(Child<QPushButton>("btnNext"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>("btnNext"), Qt::LeftButton);
    Child<QLineEdit>("oedDataPath")->setFocus();
    EXPECT_EQ(dialog->HelpContextOfFocus(), 429);
    Child<QLineEdit>("oedPreparedBy")->setFocus();
    EXPECT_EQ(dialog->HelpContextOfFocus(), 338);
}

TEST_F(GlobalSettingsDialogTest, ANumberThatIsNotFinishedKeepsTheDialogOpen) {
    Open();
    Type("oedDefaultRate", "-");
    dialog->close();
    EXPECT_TRUE(dialog && dialog->isVisible());
    ASSERT_FALSE(fixture.messages.shown.empty());
    EXPECT_FALSE(Stored().ValueExists("Annual &Rate? (%):"));
}

TEST_F(GlobalSettingsDialogTest, AnUnwritableStoreIsReportedAndTheDialogStaysOpen) {
    framework::RegIni readOnly(fixture.folder / "settings.ini", {{}, true});
    framework::BufferContext context{readOnly,         fixture.messages,   fixture.clipboard,
                                     fixture.printing, fixture.clock,      fixture.conventions,
                                     fixture.font,     fixture.application};
    UiContext ui{context, fixture.help, fixture.fileDialogs, fixture.windowOptions, fixture.masks};
    dialog = new TfrmGlobals(ui, values);
    dialog->show();
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(fixture.messages.shown.size(), 1u);
    delete dialog.data();
}

} // namespace
} // namespace quarvex::ui
