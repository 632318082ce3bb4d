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

namespace {

// The grid's columns: prompt, entry, asterisk, companion.
constexpr int kLabelColumn = 0;
constexpr int kEntryColumn = 1;
constexpr int kMarkerColumn = 2;
constexpr int kCompanionColumn = 3;

// A control that keeps its place while hidden, so the fixed-size form does not shift.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// A line of text the calculator writes: it reads as a label, not as a box to type in.
void LookLikeText(MaskedLineEdit* edit) {
    edit->setFrame(false);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    KeepPlaceWhenHidden(edit);
}

// A result is read-only and reached by the mouse only: its label has no accelerator.
QString LabelText(const framework::FieldSpec& spec, std::string_view prompt) {
    return ToQString(spec.IsResult() && !spec.resultAccelerator ? framework::Caption(prompt)
                                                                : std::string(prompt));
}

bool IsEmptyText(const framework::FieldValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    return text != nullptr && text->empty();
}

} // namespace

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

TcalcBase::Place TcalcBase::PlaceOf(std::size_t field) const {
    const auto specs = controller_->Buffer().Spec().fields;
    if (!specs[field].prompt.empty()) {
        return Place::Row;
    }
    const bool followsInput =
        field > 0 && !specs[field - 1].IsResult() && fields_.at(field - 1).place == Place::Row;
    return followsInput ? Place::Companion : Place::TextLine;
}

QLabel* TcalcBase::MakeMarker(QWidget* panel) const {
    auto* marker = new QLabel(QStringLiteral("*"), panel);
    QFont bold = marker->font();
    bold.setBold(true);
    marker->setFont(bold);
    KeepPlaceWhenHidden(marker);
    marker->hide();
    return marker;
}

QWidget* TcalcBase::BuildPanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout;
    const auto specs = controller_->Buffer().Spec().fields;
    int row = -1;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const framework::FieldSpec& spec = specs[i];
        FieldControls controls;
        controls.place = PlaceOf(i);
        controls.editor = std::make_unique<FieldEditor>(EditorSpec::Of(spec), ui_, panel);
        QWidget* widget = controls.editor->Widget();
        switch (controls.place) {
        case Place::Companion:
            // Focus entering it goes to the input it belongs to.
            widget->setFocusProxy(fields_[i - 1].editor->Widget());
            grid->addWidget(widget, row, kCompanionColumn);
            break;
        case Place::TextLine:
            if (MaskedLineEdit* edit = controls.editor->LineEdit()) {
                LookLikeText(edit);
            }
            grid->addWidget(widget, ++row, kLabelColumn, 1, kCompanionColumn + 1);
            break;
        case Place::Row:
            controls.label = new QLabel(LabelText(spec, spec.prompt), panel);
            controls.label->setBuddy(widget);
            grid->addWidget(controls.label, ++row, kLabelColumn);
            grid->addWidget(widget, row, kEntryColumn);
            if (!spec.IsResult() && spec.type != FieldType::Choice) {
                controls.marker = MakeMarker(panel);
                grid->addWidget(controls.marker, row, kMarkerColumn);
            }
            break;
        }
        controls.editor->OnEdited(this, [this, i](const framework::FieldValue& value) {
            Guarded([this, i, &value] { OnEdited(i, value); });
        });
        if (MaskedLineEdit* edit = controls.editor->LineEdit()) {
            connect(edit, &MaskedLineEdit::Left, this,
                    [this, i] { Guarded([this, i] { OnLeft(i); }); });
        }
        fields_.push_back(std::move(controls));
    }

    fieldsColumn_ = new QVBoxLayout;
    // The fields keep their own width when a wider part sits under them.
    auto* fieldsRow = new QHBoxLayout;
    fieldsRow->addLayout(grid);
    fieldsRow->addStretch();
    fieldsColumn_->addLayout(fieldsRow);
    const std::string_view note = controller_->Buffer().Spec().note;
    if (!note.empty()) {
        note_ = new QLabel(ToQString(note), panel);
        note_->setTextFormat(Qt::PlainText);
        fieldsColumn_->addWidget(note_);
    }
    fieldsColumn_->addStretch();

    auto* commands = new QVBoxLayout;
    for (const Button button : {Button::Calc, Button::Close, Button::Help}) {
        commands->addWidget(ButtonOf(button));
    }
    commands->addStretch();

    auto* layout = new QHBoxLayout(panel);
    layout->addLayout(fieldsColumn_);
    layout->addLayout(commands);
    return panel;
}

void TcalcBase::AddBelowFields(QWidget* part) {
    // Above the stretch that keeps the fields at the top.
    fieldsColumn_->insertWidget(fieldsColumn_->count() - 1, part);
}

void TcalcBase::OnEdited(std::size_t field, const framework::FieldValue& value) {
    controller_->EditField(field, value);
    ShowChangedFields(field);
    RefreshMarker();
    AfterFieldEdited(field);
}

void TcalcBase::OnLeft(std::size_t field) {
    // What leaving read (text that was not yet a whole value while typed) becomes the form's.
    const framework::FieldValue read = fields_[field].editor->Value();
    if (!(read == controller_->Form().Value(field))) {
        OnEdited(field, read);
    }
    // The calculator may have brought the field itself in line (an outflow made negative);
    // the user sees that once the field is left.
    const framework::FieldValue& kept = controller_->Form().Value(field);
    if (!(fields_[field].editor->Value() == kept)) {
        ShowValue(field, kept);
    }
}

void TcalcBase::ShowValue(std::size_t field, const framework::FieldValue& value) {
    FieldControls& controls = fields_[field];
    controls.editor->SetValue(value);
    if (controls.place == Place::TextLine) {
        controls.editor->Widget()->setVisible(!IsEmptyText(value));
    }
}

void TcalcBase::ShowChangedFields(std::optional<std::size_t> except) {
    // A calculator may bring other fields in line with the one edited (a number of days and
    // two dates).
    const framework::DataRecord& form = controller_->Form();
    for (std::size_t i = 0; i < fields_.size() && i < form.Size(); ++i) {
        if (i != except && !(fields_[i].editor->Value() == form.Value(i))) {
            ShowValue(i, form.Value(i));
        }
    }
}

void TcalcBase::RefreshForm() {
    const framework::DataRecord& form = controller_->Form();
    for (std::size_t i = 0; i < fields_.size() && i < form.Size(); ++i) {
        // The record's prompts caption the labels.
        if (fields_[i].label != nullptr && !form.Prompt(i).empty()) {
            fields_[i].label->setText(LabelText(form.Spec(i), form.Prompt(i)));
        }
        ShowValue(i, form.Value(i));
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
            // Back at the field at fault, what was typed selected for correction.
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            ShowError(*error);
            return false;
        }
        // Only a change is an edit: reading the fields for Copy must not turn the marker red.
        if (!(edit->Value() == controller_->Form().Value(i))) {
            controller_->EditField(i, edit->Value());
            ShowChangedFields(i);
            AfterFieldEdited(i);
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
