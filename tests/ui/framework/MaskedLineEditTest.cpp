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

TEST_F(MaskedLineEditTest, OnlyCharactersOfNoValueAreRefusedAsTyped) {
    auto money = Make("$###,###,###.##", FieldType::Double);
    Type(*money, "1x2");
    EXPECT_EQ(money->text(), "12") << "a letter is refused";
    auto date = Make("mm/dd/yyyy", FieldType::Date);
    Type(*date, "1a2/3");
    EXPECT_EQ(date->text(), "12/3");
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown.empty()) << "a stray letter only beeps";
}

// Text shaped like a value the field cannot take stays exactly as typed; reading it says what
// is wrong, selects it for correction and keeps the last valid value.
TEST_F(MaskedLineEditTest, ARefusedValueStaysAsTypedAndTheLastValidValueStands) {
    struct Case {
        const char* picture;
        FieldType type;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"$###,###,###.##", FieldType::Double, "123456789012",
         "\"123456789012\" is out of range. Enter a number from -999,999,999.99 to "
         "999,999,999.99."},
        {"ii,iii", FieldType::Int16, "40000",
         "\"40000\" is out of range. Enter a whole number from 0 to 32,767."},
        {"$###,###,###.##", FieldType::Double, "-15,7",
         "\"-15,7\" is not a number. Enter a number from -999,999,999.99 to 999,999,999.99."},
        {"$###,###,###.##", FieldType::Double, "12.555", "Enter a number with at most 2 decimals."},
        {"ii,iii", FieldType::Int16, "-5",
         "\"-5\" is out of range. Enter a whole number from 0 to 32,767."},
        {"mm/dd/yyyy", FieldType::Date, "13/45/2026", "Enter a valid date as mm/dd/yyyy."},
        {"mm/dd/yyyy", FieldType::Date, "02/30/2026", "Enter a valid date as mm/dd/yyyy."},
        {"mm/dd/yyyy", FieldType::Date, "1/32/2026", "Enter a valid date as mm/dd/yyyy."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        auto edit = Make(c.picture, c.type);
        const FieldValue before = edit->Value();
        QSignalSpy edited(edit.get(), &MaskedLineEdit::ValueEdited);
        Type(*edit, c.typed);
        EXPECT_EQ(edit->text(), c.typed) << "never cut to what the picture holds";
        const auto error = edit->Commit();
        ASSERT_TRUE(error);
        EXPECT_EQ(*error, c.message);
        EXPECT_EQ(edit->text(), c.typed);
        EXPECT_EQ(edit->selectedText(), c.typed);
        EXPECT_EQ(edit->Value(), before) << "the last valid value";
        ASSERT_GT(edited.count(), 0);
        EXPECT_EQ(edited.last().at(0).value<FieldValue>(), before) << "and the form hears it";
    }
}

TEST_F(MaskedLineEditTest, PasteGoesThroughTheSameCheck) {
    auto count = Make("ii,iii", FieldType::Int16);
    count->SetValue(std::int16_t{12});
    QApplication::clipboard()->setText("4x");
    count->selectAll();
    count->paste();
    EXPECT_EQ(count->text(), "12") << "no number";
    QApplication::clipboard()->setText("32,000");
    count->selectAll();
    count->paste();
    EXPECT_EQ(count->Value(), FieldValue(std::int16_t{32000}));
}

TEST_F(MaskedLineEditTest, CommitReadsAndFormats) {
    auto money = Make("$###,###,###.##", FieldType::Double);
    money->SetValue(100.0);
    Type(*money, "2500.5");
    EXPECT_EQ(money->Commit(), std::nullopt);
    EXPECT_EQ(money->text(), "$2,500.50");
    EXPECT_EQ(money->Value(), FieldValue(2500.5));

    Type(*money, "$");
    ASSERT_TRUE(money->Commit());
    EXPECT_EQ(money->Value(), FieldValue(2500.5)) << "the last good value";

    auto date = Make("mm/dd/yyyy", FieldType::Date);
    Type(*date, "2/28/79");
    EXPECT_EQ(date->Commit(), std::nullopt);
    EXPECT_EQ(date->Value(), FieldValue(framework::Date{dates::DMYToDayNumber(28, 2, 2079)}));
    EXPECT_EQ(date->text(), "02/28/2079");
}

TEST_F(MaskedLineEditTest, AGridEntrysMessageSaysWhichEntry) {
    auto entry = Make("$###,###,###.##", FieldType::Double);
    entry->SetEntryName("Entry 12 (01/01/2022)");
    Type(*entry, "1,2");
    const auto error = entry->Commit();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->rfind("Entry 12 (01/01/2022): ", 0), 0u) << *error;
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
    EXPECT_EQ(result->palette().color(QPalette::Base), result->palette().color(QPalette::Window))
        << "it looks read-only";
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
