#pragma once

#include "calculators/Catalog.h"
#include "ui/calculators/CalculatorWindows.h"
#include "ui/dialogs/WarnDialog.h"
#include "ui/framework/TcalcBase.h"
#include "ui/framework/UiTestContext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <string>

namespace quarvex::testing {

// Opens calculator windows by stem and does what a user does in them.
struct WindowDriver {
    // Declared first so that the windows (in the context) go before their families.
    std::deque<framework::CalculatorFamily> families;
    UiTestContext context;

    // The world of the windows opened next: the test context's, unless a test gives its own
    // (real message boxes, for instance).
    ui::UiContext* ui = nullptr;

    WindowDriver() { ui::RegisterCalculatorWindows(); }

    ui::UiContext& Ui() { return ui != nullptr ? *ui : context.ui; }

    framework::CalculatorFamily& FamilyOf(std::string_view stem) {
        const calculators::CalculatorEntry* entry = calculators::FindCalculator(stem);
        for (auto& family : families) {
            if (family.Spec().stem == entry->Spec().stem) {
                return family;
            }
        }
        return families.emplace_back(entry->Spec());
    }

    // Opens a window of the calculator as the launcher does; null when no slot is free.
    ui::TcalcBase* Open(std::string_view stem) {
        const calculators::CalculatorEntry* entry = calculators::FindCalculator(stem);
        framework::CalculatorFamily& family = FamilyOf(stem);
        const auto slot = family.FreeSlot();
        if (entry == nullptr || !slot) {
            return nullptr;
        }
        auto controller = std::make_unique<framework::CalculatorController>(
            entry->create(Ui().buffers), family, context.fixture.help, context.windowOptions);
        ui::CalculatorWindow* window = ui::MakeCalculatorWindow(stem, std::move(controller), Ui());
        context.windows.emplace_back(window);
        window->ShowInstance(*slot);
        return dynamic_cast<ui::TcalcBase*>(window);
    }

    // The window takes the keyboard, so that focus moves as the user's would. (A modal
    // dialog closed before may still count as the active window until the events have run.)
    static bool Activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    static ui::MaskedLineEdit& Edit(ui::TcalcBase& window, std::size_t field) {
        return *window.Editor(field).LineEdit();
    }
    static QString Text(ui::TcalcBase& window, std::size_t field) {
        return Edit(window, field).text();
    }
    // Into the field (as Tab would take the user there), select what it shows, type.
    static void Type(QLineEdit& edit, const QString& text) {
        edit.setFocus(Qt::TabFocusReason);
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }
    static void Type(ui::TcalcBase& window, std::size_t field, const QString& text) {
        Type(Edit(window, field), text);
    }
    static void Choose(ui::TcalcBase& window, std::size_t field, int index) {
        window.Editor(field).ComboBox()->setCurrentIndex(index);
    }
    static void Click(ui::CalculatorWindow& window, framework::Button button) {
        QTest::mouseClick(window.ButtonOf(button), Qt::LeftButton);
    }
    std::vector<std::string> Messages() const { return context.fixture.messages.Texts(); }
};

// Answers the warning dialog whenever it shows, from a list of answers; a dialog with no
// answer left is cancelled and counted as unexpected. Nothing blocks: a timer looks for the
// modal dialog from inside its event loop.
class WarningAnswers {
public:
    struct Answer {
        bool ok = true;
        bool dontShowAgain = false;
    };

    WarningAnswers() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start();
    }

    void Expect(Answer answer) { answers_.push_back(answer); }
    int Asked() const { return asked_; }
    int Unexpected() const { return unexpected_; }
    // Whether the check box was clear when the dialog showed.
    bool ShownClear() const { return shownClear_; }

private:
    void Look() {
        auto* dialog = qobject_cast<ui::TWarnDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        ++asked_;
        shownClear_ = shownClear_ && !dialog->DontShowAgain();
        Answer answer{false, false};
        if (answers_.empty()) {
            ++unexpected_;
        } else {
            answer = answers_.front();
            answers_.pop_front();
        }
        if (answer.dontShowAgain) {
            auto* check = dialog->findChild<QCheckBox*>("CheckStatus");
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>(answer.ok ? "BitBtn1" : "BitBtn2"),
                          Qt::LeftButton);
    }

    QTimer timer_;
    std::deque<Answer> answers_;
    int asked_ = 0;
    int unexpected_ = 0;
    bool shownClear_ = true;
};

// Lets the queued work of the windows run (a refusal's message, the warning dialog).
inline void Settle() {
    for (int i = 0; i < 5; ++i) {
        QTest::qWait(10);
    }
}

} // namespace quarvex::testing
