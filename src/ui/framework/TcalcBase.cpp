#include "ui/framework/TcalcBase.h"

#include "ui/platform/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex::ui {

using framework::Button;
using framework::FieldType;

TcalcBase::TcalcBase(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                     QWidget* parent)
    : CalculatorWindow(std::move(controller), ui, parent) {
    SetCalculatorPanel(BuildPanel());
    if (controller_->Buffer().DataFile()) {
        AddSaveLoadButtons();
    }
    Refresh();
}

TcalcBase::~TcalcBase() = default;

QWidget* TcalcBase::BuildPanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout;
    const auto specs = controller_->Buffer().Spec().fields;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const framework::FieldSpec& spec = specs[i];
        const int row = static_cast<int>(i);
        FieldControls controls;
        controls.editor = std::make_unique<FieldEditor>(EditorSpec::Of(spec), ui_, panel);
        controls.label = new QLabel(ToQString(spec.prompt), panel);
        controls.label->setBuddy(controls.editor->Widget());
        grid->addWidget(controls.label, row, 0);
        grid->addWidget(controls.editor->Widget(), row, 1);
        if (!spec.IsResult() && spec.type != FieldType::Choice) {
            controls.marker = new QLabel(QStringLiteral("*"), panel);
            QFont bold = controls.marker->font();
            bold.setBold(true);
            controls.marker->setFont(bold);
            // The marker's place is kept while it is hidden, so the form does not shift.
            QSizePolicy policy = controls.marker->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            controls.marker->setSizePolicy(policy);
            controls.marker->hide();
            grid->addWidget(controls.marker, row, 2);
        }
        controls.editor->OnEdited(this, [this, i](const framework::FieldValue& value) {
            Guarded([this, i, &value] { OnEdited(i, value); });
        });
        fields_.push_back(std::move(controls));
    }

    auto* fieldsColumn = new QVBoxLayout;
    fieldsColumn->addLayout(grid);
    const std::string_view note = controller_->Buffer().Spec().note;
    if (!note.empty()) {
        note_ = new QLabel(ToQString(note), panel);
        note_->setTextFormat(Qt::PlainText);
        fieldsColumn->addWidget(note_);
    }
    fieldsColumn->addStretch();

    auto* commands = new QVBoxLayout;
    for (const Button button : {Button::Calc, Button::Close, Button::Help}) {
        commands->addWidget(ButtonOf(button));
    }
    commands->addStretch();

    auto* layout = new QHBoxLayout(panel);
    layout->addLayout(fieldsColumn);
    layout->addLayout(commands);
    return panel;
}

void TcalcBase::OnEdited(std::size_t field, const framework::FieldValue& value) {
    controller_->EditField(field, value);
    ShowLinkedFields(field);
    RefreshMarker();
}

void TcalcBase::ShowLinkedFields(std::size_t edited) {
    // A calculator may bring other fields in line with the one edited (a number of days and
    // two dates); the field being typed in is left as the user has it.
    const framework::DataRecord& form = controller_->Form();
    for (std::size_t i = 0; i < fields_.size() && i < form.Size(); ++i) {
        if (i != edited && !(fields_[i].editor->Value() == form.Value(i))) {
            fields_[i].editor->SetValue(form.Value(i));
        }
    }
}

void TcalcBase::RefreshForm() {
    const framework::DataRecord& form = controller_->Form();
    for (std::size_t i = 0; i < fields_.size() && i < form.Size(); ++i) {
        // The record's prompts caption the labels.
        if (!form.Prompt(i).empty()) {
            fields_[i].label->setText(ToQString(form.Prompt(i)));
        }
        fields_[i].editor->SetValue(form.Value(i));
    }
    RefreshMarker();
}

void TcalcBase::RefreshMarker() {
    const int marked = controller_->MarkedField();
    const QColor colour = controller_->MarkerIsGreen() ? kMarkerGreen : kMarkerRed;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QLabel* marker = fields_[i].marker;
        if (marker == nullptr) {
            continue;
        }
        const bool shown = static_cast<int>(i) == marked;
        if (shown) {
            QPalette palette = marker->palette();
            palette.setColor(QPalette::WindowText, colour);
            marker->setPalette(palette);
        }
        marker->setVisible(shown);
    }
}

bool TcalcBase::CommitForm() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        MaskedLineEdit* edit = fields_[i].editor->LineEdit();
        if (edit == nullptr || edit->isReadOnly()) {
            continue;
        }
        if (edit->HasPendingMessage()) {
            return false; // an entry was just refused; its message is on its way
        }
        if (const auto error = edit->Commit()) {
            ShowError(*error);
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
        // Only a change is an edit: reading the fields for Copy must not turn the marker red.
        if (!(edit->Value() == controller_->Form().Value(i))) {
            controller_->EditField(i, edit->Value());
            ShowLinkedFields(i);
        }
    }
    RefreshMarker();
    return true;
}

QWidget* TcalcBase::FirstInput() const {
    for (const FieldControls& controls : fields_) {
        QWidget* widget = controls.editor->Widget();
        if (widget->focusPolicy() & Qt::TabFocus) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace quarvex::ui
