#pragma once

#include "framework/buffer/CalculatorController.h"
#include "ui/framework/FieldEditor.h"
#include "ui/platform/UiContext.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quarvex::ui {

// The options page of every calculator: what the calculator opens with, which defaults, and
// the calculator's own local defaults, generated from its list of them. It edits the
// controller's options form; the window stores it when the user goes back.
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
    FieldEditor& LocalDefaultEditor(std::size_t index) { return *localEditors_.at(index); }
    QPushButton* HelpButton() const { return btnHelp2_; }

private:
    QGroupBox* MakeOpenUsesGroup();
    QGroupBox* MakeDefaultsGroup();
    QGroupBox* MakeLocalDefaultsGroup();
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
    std::vector<std::unique_ptr<FieldEditor>> localEditors_;
    QPushButton* btnHelp2_ = nullptr;
};

} // namespace quarvex::ui
