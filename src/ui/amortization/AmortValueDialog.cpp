#include "ui/amortization/AmortValueDialog.h"

#include "platform/Help.h"
#include "platform/Messages.h"
#include "ui/framework/FieldEditor.h"
#include "ui/framework/HelpContext.h"
#include "ui/platform/MessageOwner.h"
#include "ui/platform/QtText.h"
#include "ui/platform/UiContext.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex::ui {

const AmortValueDialog::Question& AmortValueDialog::BalloonPeriod() {
    static const Question question{"Balloon Period",
                                   "Enter the period number that the ballon payment is due.",
                                   "Balloon Payment Number:",
                                   framework::FieldType::Int32,
                                   "iiii",
                                   328};
    return question;
}

const AmortValueDialog::Question& AmortValueDialog::OneTimeFees() {
    static const Question question{"One Time Fees",
                                   "Loan application fees, credit check fees etc.",
                                   "Total of all one time fees?:",
                                   framework::FieldType::Double,
                                   "$###,###,###.##",
                                   342};
    return question;
}

const AmortValueDialog::Question& AmortValueDialog::InterestOnlyPeriods() {
    static const Question question{"Initial Interest Only",
                                   "Initial loan periods where no principle is collected.",
                                   "Number of initial interest only periods?:",
                                   framework::FieldType::Int32,
                                   "iiii",
                                   340};
    return question;
}

AmortValueDialog::AmortValueDialog(const Question& question, const framework::FieldValue& value,
                                   UiContext& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setWindowTitle(ToQString(std::string(question.caption)));
    setModal(true);
    EditorSpec spec;
    spec.type = question.type;
    spec.designMask = question.picture;
    spec.maskKind = question.type == framework::FieldType::Double ? masks::MaskKind::Money
                                                                  : masks::MaskKind::None;
    spec.helpContext = question.helpContext;
    editor_ = std::make_unique<FieldEditor>(spec, ui, this);
    editor_->SetValue(value);

    auto* text = new QLabel(ToQString(std::string(question.text)), this);
    auto* prompt = new QLabel(ToQString(std::string(question.prompt)), this);
    prompt->setBuddy(editor_->Widget());
    auto* row = new QHBoxLayout;
    row->addWidget(prompt);
    row->addWidget(editor_->Widget());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    const int context = question.helpContext;
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this, context] { ui_.help.ShowContext(context); });
    SetHelpContext(this, context);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

AmortValueDialog::~AmortValueDialog() = default;

framework::FieldValue AmortValueDialog::Value() const {
    return editor_->Value();
}

void AmortValueDialog::accept() {
    if (const auto error = editor_->Commit()) {
        const MessageOwner owner(this);
        ui_.buffers.messages.Show(*error, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    QDialog::accept();
}

} // namespace quarvex::ui
