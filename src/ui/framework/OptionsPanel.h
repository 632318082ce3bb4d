#pragma once

#include "framework/buffer/CalculatorController.h"
#include "ui/framework/FieldEditor.h"
#include "ui/platform/UiContext.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quarvex::ui {

// The options page of every calculator: what the calculator opens with, which defaults, and
// the calculator's own local defaults, generated from its list of them. The calculator's own
// options (LocalDefaultSpec::IsOption) are check boxes in a group "Other Option(s)", which
// apply whatever the defaults choice. It edits the controller's options form; the window
// stores it when the user goes back.
class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    OptionsPanel(framework::CalculatorController& controller, UiContext& ui, QWidget* parent);

    // Shows the controller's options form and enables the groups as its flags say.
    void Refresh();
    // Reads the typed local defaults; the first message of a field that holds no value.
    std::optional<std::string> CommitLocalDefaults();

    QRadioButton* LastCalculationButton() const { return rbLastCalc_; }
    QRadioButton* DefaultsButton() const { return rbDefaults_; }
    QRadioButton* LocalButton() const { return rbLocal_; }
    QRadioButton* GlobalButton() const { return rbGlobal_; }
    QRadioButton* PublisherButton() const { return rbPublisher_; }
    QGroupBox* DefaultsGroup() const { return gbxDefaults_; }
    QGroupBox* LocalDefaultsGroup() const { return gbxLocalDefaults_; }
    QGroupBox* OtherOptionsGroup() const { return gbxOtherOptions_; }
    // The control of local default `index` (in the calculator's list of them): an editor for a
    // default value, a check box for an option; raises std::out_of_range for the other kind.
    FieldEditor& LocalDefaultEditor(std::size_t index);
    QCheckBox* OptionCheckBox(std::size_t index) const;
    QPushButton* HelpButton() const { return btnHelp2_; }

private:
    QGroupBox* MakeOpenUsesGroup();
    QGroupBox* MakeDefaultsGroup();
    QGroupBox* MakeLocalDefaultsGroup();
    QGroupBox* MakeOtherOptionsGroup();
    void Guarded(const std::function<void()>& action);
    void UpdateEnabling();

    framework::CalculatorController& controller_;
    UiContext& ui_;
    QGroupBox* gbxOpenUses_ = nullptr;
    QRadioButton* rbLastCalc_ = nullptr;
    QRadioButton* rbDefaults_ = nullptr;
    QGroupBox* gbxDefaults_ = nullptr;
    QRadioButton* rbLocal_ = nullptr;
    QRadioButton* rbGlobal_ = nullptr;
    QRadioButton* rbPublisher_ = nullptr;
    QGroupBox* gbxLocalDefaults_ = nullptr;
    QGroupBox* gbxOtherOptions_ = nullptr;
    // By local default index: an editor for each default value, a check box for each option.
    std::vector<std::unique_ptr<FieldEditor>> localEditors_;
    std::vector<QCheckBox*> optionChecks_;
    QPushButton* btnHelp2_ = nullptr;
};

} // namespace quarvex::ui
