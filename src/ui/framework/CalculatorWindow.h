#pragma once

#include "framework/buffer/CalculatorController.h"
#include "ui/platform/UiContext.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPoint;
class QPushButton;
class QStackedWidget;

namespace quarvex::ui {

class OptionsPanel;

// A calculator's window: fixed size, the calculator and options panels stacked, the buttons
// of every calculator. It draws what its controller says and forwards the user's actions to
// it; it computes, stores and formats nothing itself.
//
// A window is made by MakeCalculatorWindow, then opened with ShowInstance(slot). Closing it
// (Close, Esc or the close box) stores what the options ask for, frees its slot, emits
// Closed, and deletes the window once control is back in the event loop.
class CalculatorWindow : public QDialog {
    Q_OBJECT
public:
    CalculatorWindow(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                     QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    framework::CalculatorController& Controller() { return *controller_; }

    // Opens the window in instance slot `instance` (from the calculator's family): caption
    // "<name> <instance>", the values of the first source that applies, the stored position
    // when "Restore Positions" is on, the button hints when "Show Button Hints" is on, then
    // shows it with the focus on the first input.
    void ShowInstance(int instance);

    // The close handling; runs once however the window is closed. The program's own closing
    // (at shut-down) calls it directly, without asking ReadyToClose.
    void CloseWindow();

    // The button of the window, or null when this window has none (Save and Load).
    QPushButton* ButtonOf(framework::Button button) const;
    QStackedWidget* Pages() const { return pages_; }
    OptionsPanel* Options() const { return optionsPanel_; }
    // The hint a button shows; empty while hints are off.
    QString HintOf(framework::Button button) const;

signals:
    // The window ran its close handling (last entries, position stored, slot freed); it
    // deletes itself afterwards.
    void Closed(quarvex::ui::CalculatorWindow* window);

protected:
    // Puts the calculator panel (built by the derived window with Calc, Close and Help from
    // ButtonOf) in front of the options panel. Called once, from the derived constructor.
    void SetCalculatorPanel(QWidget* panel);
    // Adds "&Save" and "&Load" to the buttons below the panels, for calculators that keep
    // their inputs in files.
    void AddSaveLoadButtons();

    // A calculator's own hint for a button, shown in place of the common one.
    void SetButtonHint(framework::Button button, std::string hint);
    // The help page F1 opens on a button.
    void SetButtonHelpContext(framework::Button button, int context);

    // Draws everything from the controller: caption, panel, buttons, form and options.
    void Refresh();
    // The calculator panel's part of Refresh: every value, then the marker.
    virtual void RefreshForm() {}
    // The marker beside the solved field, after each edit.
    virtual void RefreshMarker() {}
    // Reads every typed field of the calculator panel into the controller; on a field that
    // holds no value, shows the message, focuses the field and returns false.
    virtual bool CommitForm() { return true; }
    // The field to focus when the window opens.
    virtual QWidget* FirstInput() const { return nullptr; }
    // Save and Load: the calculator's file, through the file dialogs.
    virtual void Save();
    virtual void Load();
    // The user asks to close (Close, Esc, the close box). A window whose inputs are not in a
    // state it can keep refuses, after showing the user what to put right.
    virtual bool ReadyToClose() { return true; }

    // Runs a handler of the user's action; an error is shown, never thrown into Qt.
    void Guarded(const std::function<void()>& action);
    // Shows a message of the window (an entry's refusal).
    void ShowError(const std::string& text);

    void reject() override;
    void closeEvent(QCloseEvent* event) override;

    std::unique_ptr<framework::CalculatorController> controller_;
    UiContext& ui_;

private:
    static constexpr std::size_t kButtons = 11;
    static std::size_t IndexOf(framework::Button button) {
        return static_cast<std::size_t>(button);
    }

    QPushButton* MakeButton(framework::Button button);
    void BuildButtons();
    void ApplyHints();
    void ShowHelpForFocus();
    // The stored position when "Restore Positions" is on, cascaded off any other window of
    // the calculator in that place; a first window without one is placed by the window manager.
    void PlaceOnOpening();
    // Where the other open windows of this calculator are.
    std::vector<QPoint> SiblingPositions() const;
    void RequestClose();
    void OnCalc();
    void OnCopy();
    void OnPrint();
    void OnUndo();
    void OnReset();
    void OnOptions();

    QStackedWidget* pages_ = nullptr;
    OptionsPanel* optionsPanel_ = nullptr;
    std::array<QPushButton*, kButtons> buttons_{};
    std::array<std::optional<std::string>, kButtons> hintOverrides_{};
    std::array<int, kButtons> helpContexts_{};
    bool hintsShown_ = false;
    bool closing_ = false;
};

// Makes the window of a calculator: the special window registered for its stem, or the
// window generated from its field table.
using WindowMaker = std::function<CalculatorWindow*(
    std::unique_ptr<framework::CalculatorController> controller, UiContext& ui)>;
void RegisterWindowMaker(std::string_view stem, WindowMaker maker);
// Whether a window of the calculator's own is registered for the stem.
bool IsWindowRegistered(std::string_view stem);
CalculatorWindow* MakeCalculatorWindow(std::string_view stem,
                                       std::unique_ptr<framework::CalculatorController> controller,
                                       UiContext& ui);

} // namespace quarvex::ui
