#pragma once

#include "framework/settings/AccountDetails.h"

#include <string>

namespace quarvex::amortization {

// Who lends: the creditor block printed at the top left of the disclosure statement.
struct DisclosureCreditor {
    std::string name;        // 35 characters
    std::string loanOfficer; // 35
    std::string address1;    // 40
    std::string address2;    // 40
    std::string city;        // 30
    std::string state;       // 2, upper case
    std::string zip;         // 10, digits
    std::string phone1;      // "999-999-9999"
    std::string phone2;
    std::string ext;     // 4
    std::string country; // 30

    friend bool operator==(const DisclosureCreditor&, const DisclosureCreditor&) = default;
};

enum class LateChargeKind { FixedAmount, PercentOfPayment };

// What the "APR Disclosure Information" dialog collects for one statement: the borrower, the
// creditor and the creditor's requirements. The initial values are the dialog's first ones.
struct DisclosureInfo {
    framework::TAccountDetails borrower;
    DisclosureCreditor creditor;
    double filingFees = 0;
    double nonFilingInsurance = 0;
    double lateCharge = 0; // an amount, or a percent of the payment
    LateChargeKind lateChargeKind = LateChargeKind::FixedAmount;
    bool securityGoods = true; // "the goods or property being purchased."
    bool securityOther = false;
    std::string securityAsset; // 25 characters, printed when securityOther is set
    bool itemizationWanted = true;
    std::string insurancePremium; // 40 characters
    bool creditLife = true;
    bool creditDisability = false;
    bool creditLifeDisability = false;
    bool penalty = false; // "May have to pay a penalty."
    bool refund = false;  // "May be entitled to a refund. "
};

} // namespace quarvex::amortization
