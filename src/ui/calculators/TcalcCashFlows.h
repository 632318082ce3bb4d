#pragma once

#include "calculators/CashFlowCalculator.h"
#include "ui/framework/TcalcBaseVI1.h"

namespace quarvex::ui {

class TWarnDialog;

// The window of the net present value and IRR calculators: the generated fields and, under
// them, one money entry per shown cash flow (records 1 to NumPmts - 1 of the record's
// series), captioned with its date.
//
// The entries follow the count, the start date and the payment period. Typing a new count or
// date disables them until the focus next enters one of those three fields, or a new period
// is chosen; then the window asks with the warning dialog (unless "Don't show the warning
// message" is set) before it rebuilds them: a new count starts empty amounts, a new date or
// period re-dates the amounts typed. Cancel puts the count, date and period back. The choice
// of the dialog's check box becomes the option. While the count and the entries disagree,
// Calc (and Copy, Print, Save) computes nothing and closing is refused: the focus goes to the
// initial amount and the entries are brought in line.
class TcalcCashFlows : public TcalcBaseVI1 {
    Q_OBJECT
public:
    TcalcCashFlows(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                   QWidget* parent = nullptr);
    ~TcalcCashFlows() override;

    TWarnDialog* WarnDialog() const { return warn_; }
    // The entries are one per shown cash flow of the count the form holds.
    bool GridInStep() const;

protected:
    void RefreshForm() override;
    bool CommitForm() override;
    void AfterFieldEdited(std::size_t field) override;
    bool ReadyToClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the entries were made for.
    struct Basis {
        int count = 0;
        std::int32_t start = 0;
        int period = 0;
        friend bool operator==(const Basis&, const Basis&) = default;
    };

    const calculators::TcbCashFlows& Flows() const;
    const calculators::TcbCashFlows::Layout& Shape() const { return Flows().Shape(); }
    Basis FormBasis() const;
    // The form's flows, dated for its count, start date and period.
    std::vector<framework::SeriesEntry> FormSeries() const;

    void ShowFlows();
    void Redate();
    void PushAmounts();
    void OnEntryEdited(std::size_t entry, const framework::FieldValue& value);
    void BringInLineLater();
    void BringInLine();
    bool MayRebuild();
    void Restore();
    void KeepWarningChoice(bool dontShow);
    void RefuseOutOfStep();
    void SetPending(bool pending);

    TWarnDialog* warn_ = nullptr;
    Basis basis_;
    // A count or date typed and not yet brought in line; typed_ is the form then.
    bool pending_ = false;
    Basis typed_;
    bool inLineQueued_ = false;
};

} // namespace quarvex::ui
