#pragma once

#include "framework/buffer/CalcBuffer.h"
#include "framework/buffer/CalculatorFamily.h"

#include <memory>
#include <optional>
#include <string>

namespace quarvex {
class Help;
class FileDialogs;
} // namespace quarvex

namespace quarvex::framework {

// The main window's options that calculator windows follow.
struct WindowOptions {
    bool restorePositions = true;
    bool savePositions = true;
    bool showButtonHints = true;
};

enum class Panel { Calculator, Options };

enum class Button { Calc, Close, Help, Print, Copy, Reset, Undo, Options, Help2, Save, Load };

struct WindowPosition {
    int left = 0;
    int top = 0;
};

// The life of one calculator window, without the window: a front end forwards the user's
// actions here and draws what the accessors say. It owns the window's buffer; the form
// record holds what the window's fields show, which reaches the buffer on Calc, Copy and
// Print. Errors of the calculation are shown through the messages service and never escape.
class CalculatorController {
public:
    CalculatorController(std::unique_ptr<CalcBuffer> buffer, CalculatorFamily& family, Help& help,
                         const WindowOptions& windowOptions);
    ~CalculatorController();
    CalculatorController(const CalculatorController&) = delete;
    CalculatorController& operator=(const CalculatorController&) = delete;

    // Opening: takes instance slot n, captions the window "<name> n", counts the opening.
    void ShowInstance(int instance);
    // Fills the form from the first source that applies: the shared last calculation, the
    // last entered calculation, the local or global defaults, or the publisher's values.
    void Show();

    // Transfers the form, calculates and shows the results; false after an error (shown).
    bool Calc();
    // A field of the form changed (the front end parses typed text into a value).
    void EditField(std::size_t field, FieldValue value);
    // The form's series changed (the cash-flow grid).
    void EditSeries(std::vector<SeriesEntry> series);
    // Back to the buffer's values: the last calculation or what the window opened with.
    void Undo();
    // The defaults as at opening, without the shared last calculation.
    void Reset();
    // Swaps the calculator and options panels.
    void ToggleOptions();
    void EditLocalDefault(std::size_t index, FieldValue value);
    // "When calculator opens use": last entered calculation (true) or defaults (false).
    void SetOpenWithLastCalculation(bool lastCalculation);
    enum class DefaultsLevel { Local, Global, Publisher };
    void SetDefaultsLevel(DefaultsLevel level);
    // Copy and Print first take what the form shows. False when nothing was done.
    bool Copy();
    bool Print();
    // Save and Load of calculators that keep their inputs in files: the file dialog starts in
    // the calculator's remembered folder, which follows the chosen file. False when nothing
    // was saved or loaded (cancelled, or an error that was shown).
    bool SaveToFile(FileDialogs& dialogs);
    bool LoadFromFile(FileDialogs& dialogs);
    void ShowHelp(bool optionsPanel);
    // Saves what the options ask for and frees the slot; the window may then go. The
    // position is the window's, saved when "Save Positions" is on.
    void Close(WindowPosition position);

    // What to draw.
    const CalcBuffer& Buffer() const { return *buffer_; }
    CalcBuffer& Buffer() { return *buffer_; }
    const DataRecord& Form() const { return form_; }
    const OptionsRecord& OptionsForm() const { return optionsForm_; }
    const std::string& Caption() const { return caption_; }
    int Instance() const { return instance_; }
    Panel ShownPanel() const { return panel_; }
    bool IsEnabled(Button button) const;
    std::string ButtonCaption(Button button) const;
    bool DefaultsGroupEnabled() const;
    bool LocalDefaultsEnabled() const;
    bool Calculated() const { return calculated_; }
    // The field beside which the asterisk shows (-1: none), and its colour.
    int MarkedField() const { return markedField_; }
    bool MarkerIsGreen() const { return calculated_; }
    // Where to put the window when "Restore Positions" is on and one was saved.
    std::optional<WindowPosition> StoredPosition() const;

private:
    void TransferToBuffer();
    void TransferToForm();
    // InitData, InitOptions, LoadOptions, then the data source and the form.
    void Reload(bool useSharedLast);
    void ChooseDataSource(bool useSharedLast);
    void MarkUnknown();
    void ShowError(const std::exception& error) const;
    std::string InstanceKey() const;
    // The folder the calculator's file dialogs start in.
    std::string RememberedFolder() const;

    std::unique_ptr<CalcBuffer> buffer_;
    CalculatorFamily& family_;
    Help& help_;
    const WindowOptions& windowOptions_;
    DataRecord form_;
    OptionsRecord optionsForm_;
    std::string caption_;
    int instance_ = 0;
    Panel panel_ = Panel::Calculator;
    bool calculated_ = false;
    int markedField_ = -1;
};

} // namespace quarvex::framework
