#include "ui/calculators/TcalcCashFlows.h"

#include "ui/calculators/CommonButtons.h"
#include "ui/dialogs/WarnDialog.h"
#include "ui/framework/OptionsPanel.h"
#include "ui/platform/QtText.h"

#include <QFocusEvent>
#include <QPushButton>

#include <span>

namespace quarvex::ui {

using framework::Button;
using framework::Choice;
using framework::DataRecord;
using framework::Date;
using framework::SeriesEntry;

namespace {

// Each shown cash flow is an amount of money.
EditorSpec FlowEntry() {
    EditorSpec entry;
    entry.type = framework::FieldType::Double;
    entry.designMask = "$###,###,###.##";
    entry.maskKind = framework::MaskKind::Money;
    return entry;
}

} // namespace

TcalcCashFlows::TcalcCashFlows(std::unique_ptr<framework::CalculatorController> controller,
                               UiContext& ui, QWidget* parent)
    : TcalcBaseVI1(std::move(controller), ui, FlowEntry(), parent), warn_(new TWarnDialog(this)) {
    (void)Flows(); // only the cash-flow calculators have this window
    SetButtonHint(Button::Print, "Print schedule [Ctrl][P]");
    SetButtonHint(Button::Save, "Save data [Alt][S]");
    SetButtonHint(Button::Load, "Load data from disk [Alt][L]");
    SetButtonHint(Button::Options, "Switch between option page and inputs.");
    for (const auto& help : {std::span<const ButtonHelp>(kCalculatorButtonHelp),
                             std::span<const ButtonHelp>(kSaveLoadButtonHelp)}) {
        for (const auto& [button, context] : help) {
            SetButtonHelpContext(button, context);
        }
    }
    AddPrintShortcut(*this);
    for (const std::size_t field : {Shape().numPmts, Shape().startDate, Shape().period}) {
        Editor(field).Widget()->installEventFilter(this);
    }
    connect(Grid(), &EntryGrid::EntryEdited, this,
            [this](std::size_t entry, const framework::FieldValue& value) {
                Guarded([this, entry, &value] { OnEntryEdited(entry, value); });
            });
    Refresh();
}

TcalcCashFlows::~TcalcCashFlows() = default;

const calculators::TcbCashFlows& TcalcCashFlows::Flows() const {
    return dynamic_cast<const calculators::TcbCashFlows&>(controller_->Buffer());
}

TcalcCashFlows::Basis TcalcCashFlows::FormBasis() const {
    const DataRecord& form = controller_->Form();
    return {form.Get<std::int16_t>(Shape().numPmts), form.Get<Date>(Shape().startDate).day,
            form.Get<Choice>(Shape().period).index};
}

std::vector<SeriesEntry> TcalcCashFlows::FormSeries() const {
    DataRecord form = controller_->Form();
    // The record a window opens with may not have its flows yet; they are dated here.
    Flows().RebuildSeries(form, true);
    return form.Series();
}

bool TcalcCashFlows::GridInStep() const {
    return FormBasis().count == static_cast<int>(Grid()->Count()) + 1;
}

void TcalcCashFlows::SetPending(bool pending) {
    pending_ = pending;
    Grid()->setEnabled(!pending);
    if (pending) {
        typed_ = FormBasis();
    }
}

void TcalcCashFlows::RefreshForm() {
    TcalcBaseVI1::RefreshForm();
    // A change typed and not yet confirmed stays so while the form is only redrawn (the
    // options page came and went); a form replaced (Calc, Undo, Reset, Load) is shown whole.
    if (pending_ && FormBasis() == typed_) {
        return;
    }
    ShowFlows();
}

void TcalcCashFlows::ShowFlows() {
    const std::vector<SeriesEntry> series = FormSeries();
    if (series != controller_->Form().Series()) {
        controller_->EditSeries(series);
    }
    const std::size_t shown = series.empty() ? 0 : series.size() - 1;
    if (Grid()->Count() != shown) {
        Grid()->Rebuild(shown);
    }
    for (std::size_t i = 0; i < shown; ++i) {
        Grid()->SetCaption(i, ToQString(Flows().FlowLabel(series[i].date)));
        Grid()->SetValue(i, series[i].amount);
    }
    basis_ = FormBasis();
    SetPending(false);
}

void TcalcCashFlows::Redate() {
    const std::vector<SeriesEntry> series = FormSeries();
    for (std::size_t i = 0; i < Grid()->Count() && i + 1 < series.size(); ++i) {
        Grid()->SetCaption(i, ToQString(Flows().FlowLabel(series[i].date)));
    }
    basis_ = FormBasis();
    PushAmounts();
}

void TcalcCashFlows::PushAmounts() {
    std::vector<SeriesEntry> series = FormSeries();
    for (std::size_t i = 0; i < Grid()->Count() && i + 1 < series.size(); ++i) {
        series[i].amount = framework::AsDouble(Grid()->Value(i));
    }
    if (series != controller_->Form().Series()) {
        controller_->EditSeries(std::move(series));
    }
}

void TcalcCashFlows::OnEntryEdited(std::size_t entry, const framework::FieldValue& value) {
    std::vector<SeriesEntry> series = FormSeries();
    if (entry + 1 < series.size()) {
        series[entry].amount = framework::AsDouble(value);
        controller_->EditSeries(std::move(series));
    }
}

void TcalcCashFlows::AfterFieldEdited(std::size_t field) {
    if (field == Shape().numPmts || field == Shape().startDate) {
        SetPending(true);
    } else if (field == Shape().period) {
        // After the list has finished with the user's choice.
        BringInLineLater();
    }
}

bool TcalcCashFlows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && pending_) {
        // Focus coming back from a message or a list's popup is not the user entering.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            BringInLineLater();
        }
    }
    return TcalcBaseVI1::eventFilter(watched, event);
}

void TcalcCashFlows::BringInLineLater() {
    // The dialog waits until the focus change or the list's choice is over.
    if (inLineQueued_) {
        return;
    }
    inLineQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            inLineQueued_ = false;
            Guarded([this] { BringInLine(); });
        },
        Qt::QueuedConnection);
}

void TcalcCashFlows::BringInLine() {
    SetPending(false);
    ShowChangedFields(); // a count below 2 reads 48 now
    const Basis now = FormBasis();
    if (now == basis_) {
        PushAmounts();
        return;
    }
    if (!MayRebuild()) {
        Restore();
        return;
    }
    if (now.count != basis_.count) {
        ShowFlows(); // new empty amounts
    } else {
        Redate(); // the amounts typed stay
    }
}

bool TcalcCashFlows::MayRebuild() {
    if (Flows().WarningSwitchedOff()) {
        return true;
    }
    warn_->SetDontShowAgain(false);
    const bool go = warn_->exec() == QDialog::Accepted;
    KeepWarningChoice(warn_->DontShowAgain());
    return go;
}

void TcalcCashFlows::Restore() {
    const Basis now = FormBasis();
    if (now.count != basis_.count) {
        controller_->EditField(Shape().numPmts, static_cast<std::int16_t>(basis_.count));
    }
    if (now.start != basis_.start) {
        controller_->EditField(Shape().startDate, Date{basis_.start});
    }
    if (now.period != basis_.period) {
        controller_->EditField(Shape().period, Choice{basis_.period});
    }
    ShowChangedFields();
    PushAmounts();
}

void TcalcCashFlows::KeepWarningChoice(bool dontShow) {
    const std::size_t option = Shape().warnOption;
    const Choice choice{dontShow ? 1 : 0};
    controller_->EditLocalDefault(option, choice);
    framework::CalcBuffer& buffer = controller_->Buffer();
    buffer.Options().localDefaults.at(option) = choice;
    Options()->Refresh();
    buffer.SaveOptions();
}

void TcalcCashFlows::RefuseOutOfStep() {
    Editor(Shape().pv).Widget()->setFocus(Qt::OtherFocusReason);
    BringInLineLater();
}

bool TcalcCashFlows::CommitForm() {
    if (!TcalcBaseVI1::CommitForm()) {
        return false;
    }
    if (const auto error = Grid()->Commit()) {
        ShowError(*error);
        return false;
    }
    if (!GridInStep()) {
        RefuseOutOfStep();
        return false;
    }
    // Only the date or period moved: the amounts keep their places under the new dates.
    SetPending(false);
    Redate();
    return true;
}

bool TcalcCashFlows::ReadyToClose() {
    if (!GridInStep()) {
        RefuseOutOfStep();
        return false;
    }
    if (!CommitForm()) {
        return false;
    }
    // What the window shows is what the calculator keeps as its last entry.
    controller_->Buffer().Data().CopyValuesFrom(controller_->Form());
    return true;
}

} // namespace quarvex::ui
