#include "ui/framework/OptionsPanel.h"

#include "ui/framework/GuardedCall.h"
#include "ui/platform/QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarvex::ui {

using framework::CalculatorController;

OptionsPanel::OptionsPanel(CalculatorController& controller, UiContext& ui, QWidget* parent)
    : QWidget(parent), controller_(controller), ui_(ui) {
    btnHelp2_ = new QPushButton(tr("&Help"), this);
    btnHelp2_->setAutoDefault(false);

    auto* choices = new QVBoxLayout;
    choices->addWidget(MakeOpenUsesGroup());
    choices->addWidget(MakeDefaultsGroup());
    choices->addStretch();

    auto* side = new QVBoxLayout;
    if (!controller_.Buffer().Spec().localDefaults.empty()) {
        side->addWidget(MakeLocalDefaultsGroup());
    }
    side->addStretch();
    auto* help = new QHBoxLayout;
    help->addStretch();
    help->addWidget(btnHelp2_);
    side->addLayout(help);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(side);
}

void OptionsPanel::Guarded(const std::function<void()>& action) {
    RunGuarded(ui_.buffers.messages, action);
}

QGroupBox* OptionsPanel::MakeOpenUsesGroup() {
    gbxOpenUses_ = new QGroupBox(tr(" &When calculator opens use : "), this);
    rbLastCalc_ = new QRadioButton(tr("Last entered calculation"), gbxOpenUses_);
    rbDefaults_ = new QRadioButton(tr("Defaults"), gbxOpenUses_);
    auto* layout = new QVBoxLayout(gbxOpenUses_);
    layout->addWidget(rbLastCalc_);
    layout->addWidget(rbDefaults_);
    connect(rbLastCalc_, &QRadioButton::clicked, this, [this] {
        Guarded([this] { controller_.SetOpenWithLastCalculation(true); });
        UpdateEnabling();
    });
    connect(rbDefaults_, &QRadioButton::clicked, this, [this] {
        Guarded([this] { controller_.SetOpenWithLastCalculation(false); });
        UpdateEnabling();
    });
    return gbxOpenUses_;
}

QGroupBox* OptionsPanel::MakeDefaultsGroup() {
    using Level = CalculatorController::DefaultsLevel;
    gbxDefaults_ = new QGroupBox(tr(" &Defaults are : "), this);
    rbLocal_ = new QRadioButton(tr("Local"), gbxDefaults_);
    rbGlobal_ = new QRadioButton(tr("Global"), gbxDefaults_);
    rbPublisher_ = new QRadioButton(tr("Publisher's"), gbxDefaults_);
    auto* layout = new QVBoxLayout(gbxDefaults_);
    for (const auto& [button, level] :
         {std::pair{rbLocal_, Level::Local}, std::pair{rbGlobal_, Level::Global},
          std::pair{rbPublisher_, Level::Publisher}}) {
        layout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, level = level] {
            Guarded([this, level] { controller_.SetDefaultsLevel(level); });
            UpdateEnabling();
        });
    }
    return gbxDefaults_;
}

QGroupBox* OptionsPanel::MakeLocalDefaultsGroup() {
    gbxLocalDefaults_ = new QGroupBox(tr(" Local Defaults : "), this);
    auto* grid = new QGridLayout(gbxLocalDefaults_);
    const auto& specs = controller_.Buffer().Spec().localDefaults;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        auto editor =
            std::make_unique<FieldEditor>(EditorSpec::Of(specs[i]), ui_, gbxLocalDefaults_);
        auto* label = new QLabel(ToQString(specs[i].prompt), gbxLocalDefaults_);
        label->setBuddy(editor->Widget());
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(editor->Widget(), static_cast<int>(i), 1);
        editor->OnEdited(this, [this, i](const framework::FieldValue& value) {
            Guarded([this, i, &value] { controller_.EditLocalDefault(i, value); });
        });
        localEditors_.push_back(std::move(editor));
    }
    return gbxLocalDefaults_;
}

void OptionsPanel::Refresh() {
    const framework::OptionsRecord& options = controller_.OptionsForm();
    rbLastCalc_->setChecked(options.flags.lastCalculation);
    rbDefaults_->setChecked(!options.flags.lastCalculation);
    rbLocal_->setChecked(options.flags.local);
    rbGlobal_->setChecked(options.flags.global);
    rbPublisher_->setChecked(!options.flags.local && !options.flags.global);
    for (std::size_t i = 0; i < localEditors_.size() && i < options.localDefaults.size(); ++i) {
        localEditors_[i]->SetValue(options.localDefaults[i]);
    }
    UpdateEnabling();
}

void OptionsPanel::UpdateEnabling() {
    gbxDefaults_->setEnabled(controller_.DefaultsGroupEnabled());
    if (gbxLocalDefaults_ != nullptr) {
        gbxLocalDefaults_->setEnabled(controller_.LocalDefaultsEnabled());
    }
}

std::optional<std::string> OptionsPanel::CommitLocalDefaults() {
    for (std::size_t i = 0; i < localEditors_.size(); ++i) {
        if (auto error = localEditors_[i]->Commit()) {
            localEditors_[i]->Widget()->setFocus();
            return error;
        }
        if (const auto* edit = localEditors_[i]->LineEdit()) {
            controller_.EditLocalDefault(i, edit->Value());
        }
    }
    return std::nullopt;
}

} // namespace quarvex::ui
