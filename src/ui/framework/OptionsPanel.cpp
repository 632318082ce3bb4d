#include "ui/framework/OptionsPanel.h"

#include "ui/framework/GuardedCall.h"
#include "ui/framework/HelpContext.h"
#include "ui/platform/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace quarvex::ui {

using framework::CalculatorController;
using framework::LocalDefaultSpec;

namespace {

bool HasAny(std::span<const LocalDefaultSpec> specs, bool options) {
    return std::any_of(specs.begin(), specs.end(), [options](const LocalDefaultSpec& spec) {
        return spec.IsOption() == options;
    });
}

bool IsSet(const framework::FieldValue& value) {
    const auto* choice = std::get_if<framework::Choice>(&value);
    return choice != nullptr && choice->index != 0;
}

} // namespace

OptionsPanel::OptionsPanel(CalculatorController& controller, UiContext& ui, QWidget* parent)
    : QWidget(parent), controller_(controller), ui_(ui) {
    btnHelp2_ = new QPushButton(tr("&Help"), this);
    btnHelp2_->setAutoDefault(false);

    auto* choices = new QVBoxLayout;
    choices->addWidget(MakeOpenUsesGroup());
    choices->addWidget(MakeDefaultsGroup());
    choices->addStretch();

    const auto& specs = controller_.Buffer().Spec().localDefaults;
    localEditors_.resize(specs.size());
    optionChecks_.resize(specs.size(), nullptr);
    auto* side = new QVBoxLayout;
    if (HasAny(specs, false)) {
        side->addWidget(MakeLocalDefaultsGroup());
    }
    if (HasAny(specs, true)) {
        side->addWidget(MakeOtherOptionsGroup());
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
    int row = 0;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        if (specs[i].IsOption()) {
            continue;
        }
        auto editor =
            std::make_unique<FieldEditor>(EditorSpec::Of(specs[i]), ui_, gbxLocalDefaults_);
        auto* label = new QLabel(ToQString(specs[i].prompt), gbxLocalDefaults_);
        label->setBuddy(editor->Widget());
        grid->addWidget(label, row, 0);
        grid->addWidget(editor->Widget(), row++, 1);
        editor->OnEdited(this, [this, i](const framework::FieldValue& value) {
            Guarded([this, i, &value] { controller_.EditLocalDefault(i, value); });
        });
        localEditors_[i] = std::move(editor);
    }
    return gbxLocalDefaults_;
}

QGroupBox* OptionsPanel::MakeOtherOptionsGroup() {
    gbxOtherOptions_ = new QGroupBox(tr("Other Option(s)"), this);
    auto* layout = new QVBoxLayout(gbxOtherOptions_);
    const auto& specs = controller_.Buffer().Spec().localDefaults;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        if (!specs[i].IsOption()) {
            continue;
        }
        auto* check = new QCheckBox(ToQString(specs[i].prompt), gbxOtherOptions_);
        SetHelpContext(check, specs[i].helpContext);
        layout->addWidget(check);
        connect(check, &QCheckBox::toggled, this, [this, i](bool checked) {
            Guarded([this, i, checked] {
                controller_.EditLocalDefault(i, framework::Choice{checked ? 1 : 0});
            });
        });
        optionChecks_[i] = check;
    }
    return gbxOtherOptions_;
}

FieldEditor& OptionsPanel::LocalDefaultEditor(std::size_t index) {
    if (localEditors_.at(index) == nullptr) {
        throw std::out_of_range("this local default is an option, shown as a check box");
    }
    return *localEditors_[index];
}

QCheckBox* OptionsPanel::OptionCheckBox(std::size_t index) const {
    if (optionChecks_.at(index) == nullptr) {
        throw std::out_of_range("this local default is a value, not an option");
    }
    return optionChecks_[index];
}

void OptionsPanel::Refresh() {
    const framework::OptionsRecord& options = controller_.OptionsForm();
    rbLastCalc_->setChecked(options.flags.lastCalculation);
    rbDefaults_->setChecked(!options.flags.lastCalculation);
    rbLocal_->setChecked(options.flags.local);
    rbGlobal_->setChecked(options.flags.global);
    rbPublisher_->setChecked(!options.flags.local && !options.flags.global);
    for (std::size_t i = 0; i < localEditors_.size() && i < options.localDefaults.size(); ++i) {
        if (localEditors_[i] != nullptr) {
            localEditors_[i]->SetValue(options.localDefaults[i]);
        } else if (QCheckBox* check = optionChecks_[i]) {
            const QSignalBlocker quiet(check);
            check->setChecked(IsSet(options.localDefaults[i]));
        }
    }
    UpdateEnabling();
}

void OptionsPanel::UpdateEnabling() {
    gbxDefaults_->setEnabled(controller_.DefaultsGroupEnabled());
    if (gbxLocalDefaults_ != nullptr) {
        gbxLocalDefaults_->setEnabled(controller_.LocalDefaultsEnabled());
    }
    // The calculator's own options apply whatever the defaults choice; the group is enabled
    // with the page.
}

std::optional<std::string> OptionsPanel::CommitLocalDefaults() {
    for (std::size_t i = 0; i < localEditors_.size(); ++i) {
        if (localEditors_[i] == nullptr) {
            continue;
        }
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
