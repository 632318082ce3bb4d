#include "ui/amortization/DisclosureInfoDialog.h"

#include "amortization/calculator/DisclosureStore.h"
#include "framework/masks/EntryMask.h"
#include "platform/Messages.h"
#include "ui/dialogs/AccountEntryValidator.h"
#include "ui/framework/GuardedCall.h"
#include "ui/framework/MaskedLineEdit.h"
#include "ui/platform/QtText.h"
#include "ui/platform/UiContext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <variant>

namespace quarvex::ui {

namespace {

using amortization::DisclosureCreditor;
using framework::AccountEntryRule;
using framework::AccountInfoRow;

constexpr std::string_view kCaption = "APR Disclosure Information";
constexpr std::string_view kPremiumNotChecked = "Premium should be checked ";
constexpr std::string_view kAmountPicture = "###,###.##";

struct CreditorRow {
    AccountInfoRow entry; // caption, control names, length and entry rule
    std::string DisclosureCreditor::*field;
};

const std::array<CreditorRow, 11>& CreditorRows() {
    using R = AccountEntryRule;
    using C = DisclosureCreditor;
    static const std::array<CreditorRow, 11> rows = {{
        {{"Creditor", "lCreditor", "oedCreditor", nullptr, 35, R::Plain}, &C::name},
        {{"Loan Officer: ", "lLoanOfficer", "oedLoanOfficer", nullptr, 35, R::Plain},
         &C::loanOfficer},
        {{"&Address1:", "lCAdrs1", "oedCAdrs1", nullptr, 40, R::Plain}, &C::address1},
        {{"A&ddress2:", "lCAdrs2", "oedCAdrs2", nullptr, 40, R::Plain}, &C::address2},
        {{"Ci&ty:", "lCCity", "oedCCity", nullptr, 30, R::Plain}, &C::city},
        {{"&State:", "lCState", "oedCState", nullptr, 2, R::UpperCase}, &C::state},
        {{"&Zip:", "lCZip", "oedCZip", nullptr, 10, R::DigitsOnly}, &C::zip},
        {{"P&hone1:", "lCPhone1", "oedCPhone1", nullptr, 12, R::PhonePicture}, &C::phone1},
        {{"Ph&one2:", "lCPhone2", "oedCPhone2", nullptr, 12, R::PhonePicture}, &C::phone2},
        {{"E&xt:", "lCExtn", "oedCExtn", nullptr, 4, R::Plain}, &C::ext},
        {{"&Country", "lCCountry", "oedCCountry", nullptr, 30, R::Plain}, &C::country},
    }};
    return rows;
}

template <typename Button> Button* Named(QWidget* parent, const char* name, std::string_view text) {
    auto* button = new Button(ToQString(text), parent);
    button->setObjectName(name);
    return button;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

double AmountOf(const MaskedLineEdit* field) {
    const auto* value = std::get_if<double>(&field->Value());
    return value != nullptr ? *value : 0;
}

} // namespace

TfrmAprInfo::TfrmAprInfo(UiContext& ui, framework::TAccountDetails& details, QWidget* parent)
    : TfrmAcntInfo(ui, details, parent) {
    setObjectName("frmAprInfo");
    setWindowTitle(ToQString(kCaption));
    SecondButton()->setText(tr("Cancel"));
    disconnect(SecondButton(), nullptr, this, nullptr);
    connect(SecondButton(), &QPushButton::clicked, this, &TfrmAprInfo::Cancel);
    auto* reset = Named<QPushButton>(this, "btnReset", "Reset");
    connect(reset, &QPushButton::clicked, this, &TfrmAprInfo::Reset);

    auto* section = new QWidget(this);
    auto* grid = new QGridLayout(section);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;
    for (std::size_t i = 0; i < CreditorRows().size(); ++i) {
        const AccountInfoRow& row = CreditorRows()[i].entry;
        auto* field = new QLineEdit(section);
        field->setObjectName(ToQString(row.control));
        field->setMaxLength(static_cast<int>(row.maxLength));
        field->setValidator(new AccountEntryValidator(row, field));
        auto* label = new QLabel(ToQString(row.caption), section);
        label->setObjectName(ToQString(row.label));
        label->setBuddy(field);
        const int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(label, line, column);
        grid->addWidget(field, line, column + 1);
        line += static_cast<int>(i % 2);
        creditor_[i] = field;
    }
    ++line;

    const auto amount = [&](const char* name, masks::MaskKind kind) {
        const std::string picture = Ui().masks.MaskFor(kind, kAmountPicture);
        auto* field = new MaskedLineEdit(
            masks::EntryMask(picture, masks::ValueType::Double, Ui().buffers.conventions),
            framework::FieldType::Double, Ui().buffers.conventions, Ui().buffers.messages, section);
        field->setObjectName(name);
        return field;
    };
    filingFees_ = amount("oedFilingFees", masks::MaskKind::Money);
    nonFilingInsurance_ = amount("oedNonFilingInsurance", masks::MaskKind::Money);
    lateCharge_ = amount("oedLateCharge", masks::MaskKind::None);
    grid->addWidget(new QLabel(tr("Filing fees "), section), line, 0);
    grid->addWidget(filingFees_, line, 1);
    grid->addWidget(new QLabel(tr("Non-filing insurance "), section), line, 2);
    grid->addWidget(nonFilingInsurance_, line++, 3);

    auto* late = new QGroupBox(tr("Late Charge"), section);
    late->setObjectName("rgLateCharge");
    auto* lateLayout = new QHBoxLayout(late);
    fixedAmount_ = Named<QRadioButton>(late, "rbFixedAmount", "Fixed Amount");
    percentOfPayment_ = Named<QRadioButton>(late, "rbPercentOfPayment", "% of Payment");
    fixedAmount_->setChecked(true);
    lateChargeSign_ = new QLabel(QStringLiteral("$"), late);
    lateChargeSign_->setObjectName("lLateChargeSign");
    for (QWidget* w : std::initializer_list<QWidget*>{fixedAmount_, percentOfPayment_,
                                                      lateChargeSign_, lateCharge_}) {
        lateLayout->addWidget(w);
    }
    connect(fixedAmount_, &QRadioButton::toggled, this, [this] { ShowLateChargeSign(); });
    grid->addWidget(late, line++, 0, 1, 4);

    auto* security = new QGroupBox(tr("Security:"), section);
    auto* securityLayout = new QHBoxLayout(security);
    securityGoods_ =
        Named<QCheckBox>(security, "cbSecurityGoods", "the goods or property being purchased.");
    securityOther_ = Named<QCheckBox>(security, "cbSecurityOther", "other");
    securityAsset_ = new QLineEdit(security);
    securityAsset_->setObjectName("oedSecurityAsset");
    securityAsset_->setMaxLength(25);
    for (QWidget* w :
         std::initializer_list<QWidget*>{securityGoods_, securityOther_, securityAsset_}) {
        securityLayout->addWidget(w);
    }
    grid->addWidget(security, line++, 0, 1, 4);

    auto* itemization = new QGroupBox(tr("Desire itemization of amount financed : "), section);
    auto* itemizationLayout = new QHBoxLayout(itemization);
    itemizationYes_ = Named<QRadioButton>(itemization, "rbItemizationYes", "Yes");
    itemizationNo_ = Named<QRadioButton>(itemization, "rbItemizationNo", " No");
    itemizationLayout->addWidget(itemizationYes_);
    itemizationLayout->addWidget(itemizationNo_);
    grid->addWidget(itemization, line++, 0, 1, 4);

    auto* insurance = new QGroupBox(tr("Insurance"), section);
    auto* insuranceLayout = new QHBoxLayout(insurance);
    premium_ = new QLineEdit(insurance);
    premium_->setObjectName("oedPremium");
    premium_->setMaxLength(40);
    creditLife_ = Named<QCheckBox>(insurance, "cbCreditLife", "Credit Life");
    creditDisability_ = Named<QCheckBox>(insurance, "cbCreditDisability", "Credit Disability");
    creditLifeDisability_ =
        Named<QCheckBox>(insurance, "cbCreditLifeDisability", "Credit Life Disability");
    for (QWidget* w : std::initializer_list<QWidget*>{premium_, creditLife_, creditDisability_,
                                                      creditLifeDisability_}) {
        insuranceLayout->addWidget(w);
    }
    grid->addWidget(insurance, line++, 0, 1, 4);

    penalty_ = Named<QCheckBox>(section, "cbPenalty", "May have to pay a penalty.");
    refund_ = Named<QCheckBox>(section, "cbRefund", "May be entitled to a refund. ");
    grid->addWidget(penalty_, line, 0, 1, 2);
    grid->addWidget(refund_, line, 2, 1, 2);
    grid->addWidget(reset, ++line, 3);

    InsertSection(section);
    ShowInfo();
}

void TfrmAprInfo::Prepare() {
    RunGuarded(Ui().buffers.messages,
               [this] { amortization::LoadDisclosureInfo(Ui().buffers.store, info_); });
    ShowInfo();
    if (!IsBlank(Details().firstName)) {
        Buffer() = framework::TcbAcntInfo(Details());
        ShowBuffer();
    }
    Field(framework::TcbAcntInfo::kFirstNameRow)->setFocus();
}

void TfrmAprInfo::ShowInfo() {
    for (std::size_t i = 0; i < creditor_.size(); ++i) {
        creditor_[i]->setText(ToQString(info_.creditor.*CreditorRows()[i].field));
    }
    filingFees_->SetValue(info_.filingFees);
    nonFilingInsurance_->SetValue(info_.nonFilingInsurance);
    lateCharge_->SetValue(info_.lateCharge);
    fixedAmount_->setChecked(info_.lateChargeKind == amortization::LateChargeKind::FixedAmount);
    percentOfPayment_->setChecked(info_.lateChargeKind ==
                                  amortization::LateChargeKind::PercentOfPayment);
    securityGoods_->setChecked(info_.securityGoods);
    securityOther_->setChecked(info_.securityOther);
    securityAsset_->setText(ToQString(info_.securityAsset));
    itemizationYes_->setChecked(info_.itemizationWanted);
    itemizationNo_->setChecked(!info_.itemizationWanted);
    premium_->setText(ToQString(info_.insurancePremium));
    creditLife_->setChecked(info_.creditLife);
    creditDisability_->setChecked(info_.creditDisability);
    creditLifeDisability_->setChecked(info_.creditLifeDisability);
    penalty_->setChecked(info_.penalty);
    refund_->setChecked(info_.refund);
    ShowLateChargeSign();
}

void TfrmAprInfo::ShowLateChargeSign() {
    lateChargeSign_->setText(fixedAmount_->isChecked() ? QStringLiteral("$") : QStringLiteral("%"));
}

void TfrmAprInfo::TakeEntries() {
    TakeFields();
    const auto& rows = framework::AccountInfoRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        info_.borrower.*rows[i].field = Buffer().Values()[i];
    }
    const std::string accountNo = Details().accountNo;
    Details() = info_.borrower;
    Details().accountNo = accountNo;
    info_.borrower.accountNo = accountNo;
    for (std::size_t i = 0; i < creditor_.size(); ++i) {
        info_.creditor.*CreditorRows()[i].field = ToStdString(creditor_[i]->text());
    }
    for (MaskedLineEdit* amount : {filingFees_, nonFilingInsurance_, lateCharge_}) {
        if (const auto refusal = amount->Commit()) {
            Ui().buffers.messages.Show(*refusal, MessageIcon::Error, MessageButtons::Ok);
        }
    }
    info_.filingFees = AmountOf(filingFees_);
    info_.nonFilingInsurance = AmountOf(nonFilingInsurance_);
    info_.lateCharge = AmountOf(lateCharge_);
    info_.lateChargeKind = fixedAmount_->isChecked()
                               ? amortization::LateChargeKind::FixedAmount
                               : amortization::LateChargeKind::PercentOfPayment;
    info_.securityGoods = securityGoods_->isChecked();
    info_.securityOther = securityOther_->isChecked();
    info_.securityAsset = ToStdString(securityAsset_->text());
    info_.itemizationWanted = itemizationYes_->isChecked();
    info_.insurancePremium = ToStdString(premium_->text());
    info_.creditLife = creditLife_->isChecked();
    info_.creditDisability = creditDisability_->isChecked();
    info_.creditLifeDisability = creditLifeDisability_->isChecked();
    info_.penalty = penalty_->isChecked();
    info_.refund = refund_->isChecked();
}

void TfrmAprInfo::Accept() {
    TakeEntries();
    // Stored first, so that what was typed survives a message that keeps the dialog open.
    RunGuarded(Ui().buffers.messages,
               [this] { amortization::SaveDisclosureInfo(Ui().buffers.store, info_); });
    if (IsBlank(info_.borrower.firstName)) {
        Ui().buffers.messages.Show(std::string(framework::kFirstNameRequired), MessageIcon::Error,
                                   MessageButtons::Ok);
        Field(framework::TcbAcntInfo::kFirstNameRow)->setFocus();
        return;
    }
    if (!IsBlank(info_.insurancePremium) && !info_.creditLife && !info_.creditDisability &&
        !info_.creditLifeDisability) {
        Ui().buffers.messages.Show(std::string(kPremiumNotChecked), MessageIcon::Error,
                                   MessageButtons::Ok);
        premium_->setFocus();
        return;
    }
    accept();
}

void TfrmAprInfo::Cancel() {
    TakeEntries();
    reject();
}

void TfrmAprInfo::Reset() {
    Details() = framework::TAccountDetails{};
    Buffer() = framework::TcbAcntInfo(Details());
    ShowBuffer();
}

} // namespace quarvex::ui
