#include "ui/framework/MaskedLineEdit.h"
#include "framework/dates/Calendar.h"
#include "support/RecordingMessages.h"
#include "ui/framework/FieldComboBox.h"
#include "ui/framework/FieldEntry.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using framework::FieldType;
using framework::FieldValue;

struct MaskedLineEditTest : ::testing::Test {
    testing::RecordingMessages messages;
    masks::NumberConventions us;

    std::unique_ptr<MaskedLineEdit> Make(const char* picture, FieldType type) {
        return std::make_unique<MaskedLineEdit>(masks::EntryMask(picture, EntryTypeOf(type), us),
                                                type, us, messages);
    }
    static void Type(MaskedLineEdit& edit, const QString& text) {
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }
};

TEST_F(MaskedLineEditTest, ShowsItsValueThroughThePicture) {
    auto money = Make("$###,###,###.##", FieldType::Double);
    money->SetValue(1234.5);
    EXPECT_EQ(money->text(), "$1,234.50");
    money->SetValue(-1234.5);
    EXPECT_EQ(money->text(), "($1,234.50)");
    auto rate = Make("##.####", FieldType::Single);
    rate->SetValue(7.125f);
    EXPECT_EQ(rate->text(), "7.1250");
    auto count = Make("ii,iii", FieldType::Int16);
    count->SetValue(std::int16_t{1200});
    EXPECT_EQ(count->text(), "1,200");
    auto date = Make("mm/dd/yyyy", FieldType::Date);
    date->SetValue(framework::Date{dates::DMYToDayNumber(7, 3, 2025)});
    EXPECT_EQ(date->text(), "03/07/2025");
}

TEST_F(MaskedLineEditTest, EveryChangeReportsATypedValue) {
    auto count = Make("ii,iii", FieldType::Int16);
    QSignalSpy edited(count.get(), &MaskedLineEdit::ValueEdited);
    Type(*count, "36");
    ASSERT_EQ(edited.count(), 2);
    EXPECT_EQ(edited.at(1).at(0).value<FieldValue>(), FieldValue(std::int16_t{36}));
    QTest::keyClick(count.get(), Qt::Key_Backspace);
    EXPECT_EQ(count->text(), "3");
    EXPECT_EQ(count->Value(), FieldValue(std::int16_t{3}));

    auto rate = Make("##.####", FieldType::Single);
    rate->SetValue(5.0f);
    QSignalSpy rateEdited(rate.get(), &MaskedLineEdit::ValueEdited);
    Type(*rate, "-");
    // Not yet a number: the change is reported with the last good value.
    ASSERT_EQ(rateEdited.count(), 1);
    EXPECT_EQ(rateEdited.at(0).at(0).value<FieldValue>(), FieldValue(5.0f));
    QTest::keyClicks(rate.get(), "2.25");
    EXPECT_EQ(rate->Value(), FieldValue(-2.25f));
}

TEST_F(MaskedLineEditTest, RefusedKeystrokesLeaveTheTextAlone) {
    auto money = Make("$###,###,###.##", FieldType::Double);
    Type(*money, "1x2");
    EXPECT_EQ(money->text(), "12") << "a letter is refused";
    QTest::keyClicks(money.get(), ".555");
    EXPECT_EQ(money->text(), "12.55") << "a third decimal is refused";
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown.size(), 1u) << "too many decimals is a number the field can't hold";
    EXPECT_EQ(messages.shown[0].text, "Enter a number with at most 2 decimals.");

    auto count = Make("ii,iii", FieldType::Int16);
    Type(*count, "-5");
    EXPECT_EQ(count->text(), "5") << "a count has no sign";
    Type(*count, "1,2345");
    EXPECT_EQ(count->text(), "1,234") << "thousands come in groups of three";
}

TEST_F(MaskedLineEditTest, PasteGoesThroughTheSameCheck) {
    auto count = Make("ii,iii", FieldType::Int16);
    count->SetValue(std::int16_t{12});
    QApplication::clipboard()->setText("40000");
    count->selectAll();
    count->paste();
    EXPECT_EQ(count->text(), "12");
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Enter a whole number from 0 to 32,767.");
    QApplication::clipboard()->setText("32,000");
    count->selectAll();
    count->paste();
    EXPECT_EQ(count->Value(), FieldValue(std::int16_t{32000}));
}

TEST_F(MaskedLineEditTest, CommitReadsFormatsOrRestores) {
    auto money = Make("$###,###,###.##", FieldType::Double);
    money->SetValue(100.0);
    Type(*money, "2500.5");
    EXPECT_EQ(money->Commit(), std::nullopt);
    EXPECT_EQ(money->text(), "$2,500.50");
    EXPECT_EQ(money->Value(), FieldValue(2500.5));

    Type(*money, "$");
    const auto error = money->Commit();
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Enter a number from -999,999,999.99 to 999,999,999.99.");
    EXPECT_EQ(money->text(), "$2,500.50") << "the last good value";
    EXPECT_EQ(money->Value(), FieldValue(2500.5));

    auto date = Make("mm/dd/yyyy", FieldType::Date);
    Type(*date, "02/30/2025");
    ASSERT_TRUE(date->Commit()) << "no 30 February";
    Type(*date, "2/28/79");
    EXPECT_EQ(date->Commit(), std::nullopt);
    EXPECT_EQ(date->Value(), FieldValue(framework::Date{dates::DMYToDayNumber(28, 2, 2079)}));
    EXPECT_EQ(date->text(), "02/28/2079");
}

TEST_F(MaskedLineEditTest, LeavingTheFieldReadsIt) {
    QWidget form;
    auto* edit = new MaskedLineEdit(masks::EntryMask("ii,iii", masks::ValueType::Int16, us),
                                    FieldType::Int16, us, messages, &form);
    auto* next = new MaskedLineEdit(masks::EntryMask("ii,iii", masks::ValueType::Int16, us),
                                    FieldType::Int16, us, messages, &form);
    next->move(0, 40);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
    Type(*edit, "1200");
    next->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "1,200");
}

TEST_F(MaskedLineEditTest, AResultIsReadOnlyAndSkippedByTab) {
    auto result = Make("$###,###,###.##", FieldType::Double);
    result->SetResultField(true);
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_EQ(result->focusPolicy(), Qt::ClickFocus);
    // A result wider than its picture is shown in full and not taken for typing.
    result->SetValue(12345678901.0);
    EXPECT_EQ(result->text(), "$12,345,678,901.00");
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MaskedLineEditTest, ATextFieldWithoutPictureTakesAnyText) {
    MaskedLineEdit text(std::nullopt, FieldType::Text, us, messages);
    QTest::keyClicks(&text, "Account 7");
    EXPECT_EQ(text.Value(), FieldValue(std::string("Account 7")));
}

TEST(FieldComboBoxTest, SelectingByProgramIsNoEdit) {
    const std::string_view items[] = {"Arrears", "Advance"};
    FieldComboBox combo(items);
    QSignalSpy edited(&combo, &FieldComboBox::ValueEdited);
    combo.SetValue(framework::Choice{1});
    EXPECT_EQ(combo.currentText(), "Advance");
    EXPECT_EQ(edited.count(), 0);
    combo.setCurrentIndex(0);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).value<FieldValue>(), FieldValue(framework::Choice{0}));
    combo.SetValue(framework::Choice{9});
    EXPECT_EQ(combo.currentIndex(), -1) << "an index outside the list selects nothing";
}

TEST(FieldEntryTest, ValuesTravelBothWays) {
    using masks::EntryValue;
    EXPECT_EQ(ToFieldValue(EntryValue(36.0), FieldType::Int16), FieldValue(std::int16_t{36}));
    EXPECT_EQ(ToFieldValue(EntryValue(40000.0), FieldType::Int16), std::nullopt);
    EXPECT_EQ(ToFieldValue(EntryValue(7.5), FieldType::Single), FieldValue(7.5f));
    EXPECT_EQ(ToFieldValue(EntryValue(std::optional<masks::DateParts>()), FieldType::Date),
              FieldValue(framework::Date{-1}));
    EXPECT_EQ(std::get<double>(ToEntryValue(FieldValue(std::int16_t{12}))), 12.0);
    EXPECT_EQ(std::get<std::optional<masks::DateParts>>(ToEntryValue(framework::Date{0})),
              (masks::DateParts{1, 1, 1600}));
    EXPECT_FALSE(std::get<std::optional<masks::DateParts>>(ToEntryValue(framework::Date{-1})));
    EXPECT_EQ(EntryTypeOf(FieldType::Extended), masks::ValueType::Extended);
    EXPECT_THROW(EntryTypeOf(FieldType::Choice), std::invalid_argument);
}

} // namespace
} // namespace quarvex::ui
