#include "ui/platform/ApplicationTitle.h"
#include "ui/platform/FileFilter.h"
#include "ui/platform/MessageOwner.h"
#include "ui/platform/QtClipboard.h"
#include "ui/platform/QtFileDialogs.h"
#include "ui/platform/QtMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

TEST(QtMessagesTest, TheBoxCarriesTitleIconButtonsAndLines) {
    const auto box = MakeMessageBox("Infinite term.\rPayment is less than interest.",
                                    MessageIcon::Error, MessageButtons::Ok, nullptr);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8(kApplicationTitle));
    EXPECT_EQ(box->windowTitle(), "Quarvex!, The Financial Calculator");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->text(), "Infinite term.\nPayment is less than interest.");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);

    const struct {
        MessageIcon icon;
        MessageButtons buttons;
        QMessageBox::Icon qtIcon;
        QMessageBox::StandardButtons qtButtons;
    } cases[] = {
        {MessageIcon::Warning, MessageButtons::OkCancel, QMessageBox::Warning,
         QMessageBox::Ok | QMessageBox::Cancel},
        {MessageIcon::Information, MessageButtons::YesNo, QMessageBox::Information,
         QMessageBox::Yes | QMessageBox::No},
        {MessageIcon::Confirmation, MessageButtons::YesNoCancel, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
    };
    for (const auto& c : cases) {
        const auto made = MakeMessageBox("x", c.icon, c.buttons, nullptr);
        EXPECT_EQ(made->icon(), c.qtIcon);
        EXPECT_EQ(made->standardButtons(), c.qtButtons);
    }
}

TEST(QtMessagesTest, AnswersAndEscape) {
    EXPECT_EQ(ToMessageResult(QMessageBox::Yes, MessageButtons::YesNo), MessageResult::Yes);
    EXPECT_EQ(ToMessageResult(QMessageBox::No, MessageButtons::YesNo), MessageResult::No);
    EXPECT_EQ(ToMessageResult(QMessageBox::Cancel, MessageButtons::OkCancel),
              MessageResult::Cancel);
    // A box closed without a button answers as its escape button.
    EXPECT_EQ(ToMessageResult(QMessageBox::NoButton, MessageButtons::YesNo), MessageResult::No);
    EXPECT_EQ(ToMessageResult(QMessageBox::NoButton, MessageButtons::YesNoCancel),
              MessageResult::Cancel);
    const auto box = MakeMessageBox("?", MessageIcon::Confirmation, MessageButtons::YesNo, nullptr);
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
}

// Whose a message is: the window whose action runs, else the window with the focus, else the
// main window; a window other than the main window titles it with its caption.
TEST(QtMessagesTest, AMessageBelongsToTheWindowOfTheActionOrOfTheFocus) {
    QWidget main;
    main.setWindowTitle(QString::fromUtf8(kApplicationTitle));
    QWidget calculator;
    calculator.setWindowTitle(QStringLiteral("Loan Calculator 1"));
    auto* field = new QLineEdit(&calculator);
    main.show();
    calculator.show();
    QtMessages messages(&main);

    struct Seen {
        QWidget* parent = nullptr;
        QString title;
    };
    const auto shown = [&messages]() {
        Seen seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                seen = {box->parentWidget(), box->windowTitle()};
                box->button(QMessageBox::Ok)->click();
            }
        });
        messages.Show("Enter a valid date as mm/dd/yyyy.", MessageIcon::Error, MessageButtons::Ok);
        return seen;
    };

    {
        const MessageOwner owner(field);
        const Seen seen = shown();
        EXPECT_EQ(seen.parent, &calculator) << "the window of the running action";
        EXPECT_EQ(seen.title, "Loan Calculator 1");
    }
    calculator.activateWindow();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    EXPECT_EQ(shown().parent, &calculator) << "the window with the focus";

    calculator.hide();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&main] { return QApplication::activeWindow() == &main; }));
    const Seen seen = shown();
    EXPECT_EQ(seen.parent, &main);
    EXPECT_EQ(seen.title, QString::fromUtf8(kApplicationTitle));
}

TEST(QtClipboardTest, LinesEndWithNewlineOnLinux) {
    QtClipboard clipboard;
    clipboard.SetText("Loan Calculator 1\r\n\r\nAmount of Loan?:  $1,234.50\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Loan Calculator 1\n\nAmount of Loan?:  $1,234.50\n");
    clipboard.SetText("Prix: 1.234,50 €");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Prix: 1.234,50 €"));
}

TEST(FileFilterTest, CoreFiltersBecomeQtNameFilters) {
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"FV Calculator (*.fv)", {"FV Calculator (*.fv)"}},
        {"FV Calculator (*.fv)|*.fv|All files (*.*)|*.*",
         {"FV Calculator (*.fv)", "All files (*)"}},
        {"Budget|*.bdg", {"Budget (*.bdg)"}},
        {"Tables|*.dbf;*.ndx", {"Tables (*.dbf *.ndx)"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameFilters(c.filter), c.expected) << c.filter;
    }
}

TEST(QtFileDialogsTest, SaveAsksBeforeOverwritingAndOpenTakesExistingFiles) {
    FileDialogRequest request;
    request.filter = "FV Calculator (*.fv)|*.fv|All files (*.*)|*.*";
    request.defaultExtension = "fv";
    request.initialFolder = QDir::tempPath().toStdString();
    request.initialName = "*.fv";

    QFileDialog save;
    ConfigureSaveDialog(save, request);
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(save.defaultSuffix(), "fv");
    EXPECT_EQ(save.nameFilters(), QStringList({"FV Calculator (*.fv)", "All files (*)"}));
    EXPECT_EQ(QDir(save.directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());

    QFileDialog open;
    ConfigureOpenDialog(open, request);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}

} // namespace
} // namespace quarvex::ui
