#pragma once

#include "amortization/calculator/DisclosureInfo.h"
#include "ui/dialogs/AccountInfoDialog.h"

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace quarvex::ui {

class MaskedLineEdit;

// The "APR Disclosure Information" dialog: the borrower (the Account Information rows), the
// creditor and the creditor's requirements for the disclosure statement. It lives as long as
// the calculator window; what it stores is kept under "APR Disclosure Information" between runs.
class TfrmAprInfo : public TfrmAcntInfo {
    Q_OBJECT
public:
    TfrmAprInfo(UiContext& ui, framework::TAccountDetails& details, QWidget* parent = nullptr);

    // Before each showing: the stored values, and the run's account details as the borrower
    // when they have a first name.
    void Prepare();

    // The entries as last taken by OK or Cancel.
    const amortization::DisclosureInfo& Info() const { return info_; }

    // OK: takes the entries and stores them whatever follows; without a first name says
    // "First Name is Required", with a premium but no insurance chosen "Premium should be
    // checked ", and stays open; otherwise closes with Accepted.
    void Accept() override;
    // Cancel: takes the entries, stores nothing and closes.
    void Cancel();
    // Reset: clears the run's account details and the borrower fields.
    void Reset();

private:
    void TakeEntries();
    void ShowInfo();
    void ShowLateChargeSign();

    amortization::DisclosureInfo info_;
    std::array<QLineEdit*, 11> creditor_{};
    MaskedLineEdit* filingFees_ = nullptr;
    MaskedLineEdit* nonFilingInsurance_ = nullptr;
    MaskedLineEdit* lateCharge_ = nullptr;
    QLabel* lateChargeSign_ = nullptr;
    QRadioButton* fixedAmount_ = nullptr;
    QRadioButton* percentOfPayment_ = nullptr;
    QCheckBox* securityGoods_ = nullptr;
    QCheckBox* securityOther_ = nullptr;
    QLineEdit* securityAsset_ = nullptr;
    QRadioButton* itemizationYes_ = nullptr;
    QRadioButton* itemizationNo_ = nullptr;
    QLineEdit* premium_ = nullptr;
    QCheckBox* creditLife_ = nullptr;
    QCheckBox* creditDisability_ = nullptr;
    QCheckBox* creditLifeDisability_ = nullptr;
    QCheckBox* penalty_ = nullptr;
    QCheckBox* refund_ = nullptr;
};

} // namespace quarvex::ui
