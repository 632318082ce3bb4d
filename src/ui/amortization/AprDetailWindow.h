#pragma once

#include "amortization/calculator/AprDetail.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace quarvex::amortization {
class TcbAmort;
}

namespace quarvex::ui {

struct UiContext;

// The "APR Detail" window: the 26 figures of a calculated loan's cost and timing, read-only,
// with Copy, Print, Help and Close. It opens where it was last closed (the key "Annual
// Percentage Rate") and stores its place again when it closes.
class TfrmAmortAPR : public QDialog {
    Q_OBJECT
public:
    TfrmAmortAPR(UiContext& ui, const amortization::AprDetail& detail, QWidget* parent = nullptr);

    QLineEdit* Field(std::size_t index) const { return fields_.at(index); }

    // "Cop&y": the caption, then the figures two a line and the two rates.
    void Copy();
    // "&Print": the same pairs on one page.
    void Print();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    UiContext& ui_;
    amortization::AprDetail detail_;
    std::array<QLineEdit*, amortization::kAprDetailPrompts.size()> fields_{};
    bool placed_ = false;
};

// The figures of the calculator's loan with its APR derived afresh; raises "Sorry, can't
// derive APR." when no rate can be found, "Loan is not calculated." without a schedule.
amortization::AprDetail AprDetailOf(const amortization::TcbAmort& amort);

// The calculator's "Annual Percentage Rate" item: derives the APR and shows the window
// modally; when the APR cannot be derived the error is shown instead and nothing opens.
void ShowAprDetail(UiContext& ui, const amortization::TcbAmort& amort, QWidget* parent);

} // namespace quarvex::ui
