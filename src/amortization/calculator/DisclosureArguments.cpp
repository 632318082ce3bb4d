#include "amortization/calculator/DisclosureArguments.h"

#include "amortization/calculator/ArgumentWords.h"
#include "amortization/calculator/DisclosureReport.h"
#include "framework/buffer/CalcBuffer.h"
#include "framework/report/Format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace quarvex::amortization {

namespace {

using framework::EBadArgument;

struct TextArgument {
    std::string_view name;
    std::string DisclosureCreditor::*creditor = nullptr;
    std::string framework::TAccountDetails::*borrower = nullptr;
    std::string DisclosureInfo::*other = nullptr;
    std::size_t maxLength = 40;
    std::string_view help;
    // As the dialog's field takes typed text: a state in upper case, a zip of digits, a phone
    // in its picture.
    framework::AccountEntryRule rule = framework::AccountEntryRule::Plain;
};

const std::vector<TextArgument>& TextArguments() {
    using C = DisclosureCreditor;
    using B = framework::TAccountDetails;
    constexpr auto kUpper = framework::AccountEntryRule::UpperCase;
    constexpr auto kDigits = framework::AccountEntryRule::DigitsOnly;
    constexpr auto kPhone = framework::AccountEntryRule::PhonePicture;
    static const std::vector<TextArgument> arguments = {
        {"Creditor", &C::name, nullptr, nullptr, 35, "the creditor's name"},
        {"LoanOfficer", &C::loanOfficer, nullptr, nullptr, 35, "the loan officer"},
        {"Address1", &C::address1, nullptr, nullptr, 40, "the creditor's address"},
        {"Address2", &C::address2, nullptr, nullptr, 40, "its second line"},
        {"City", &C::city, nullptr, nullptr, 30, "the creditor's city"},
        {"State", &C::state, nullptr, nullptr, 2, "its state", kUpper},
        {"Zip", &C::zip, nullptr, nullptr, 10, "its zip code", kDigits},
        {"Phone1", &C::phone1, nullptr, nullptr, 12, "its phone", kPhone},
        {"Phone2", &C::phone2, nullptr, nullptr, 12, "its second phone", kPhone},
        {"Ext", &C::ext, nullptr, nullptr, 4, "the phone extension"},
        {"Country", &C::country, nullptr, nullptr, 30, "its country"},
        {"BorrowerFirstName", nullptr, &B::firstName, nullptr, 25, "the borrower's first name"},
        {"BorrowerLastName", nullptr, &B::lastName, nullptr, 25, "last name"},
        {"BorrowerAddress1", nullptr, &B::address1, nullptr, 40, "address"},
        {"BorrowerAddress2", nullptr, &B::address2, nullptr, 40, "second line"},
        {"BorrowerCity", nullptr, &B::city, nullptr, 40, "city"},
        {"BorrowerState", nullptr, &B::state, nullptr, 2, "state", kUpper},
        {"BorrowerZip", nullptr, &B::zip, nullptr, 10, "zip code", kDigits},
        {"SecurityAsset", nullptr, nullptr, &DisclosureInfo::securityAsset, 25,
         "the security when SecurityOthers=yes"},
        {"Insurance", nullptr, nullptr, &DisclosureInfo::insurancePremium, 40,
         "the insurance premium"},
    };
    return arguments;
}

struct SwitchArgument {
    std::string_view name;
    bool DisclosureInfo::*field;
    std::string_view help;
};

constexpr SwitchArgument kSwitches[] = {
    {"Itemization", &DisclosureInfo::itemizationWanted,
     "yes when an itemization of the amount financed is wanted; yes unless given"},
    {"Security", &DisclosureInfo::securityGoods,
     "yes when the goods or property being purchased are the security; yes unless given"},
    {"SecurityOthers", &DisclosureInfo::securityOther, "yes when SecurityAsset is security"},
    {"Penalty", &DisclosureInfo::penalty, "yes: may have to pay a penalty on prepayment"},
    {"Refund", &DisclosureInfo::refund, "yes: may be entitled to a refund on prepayment"},
};

struct AmountArgument {
    std::string_view name;
    double DisclosureInfo::*field;
    std::string_view help;
};

constexpr AmountArgument kAmounts[] = {
    {"FilingFees", &DisclosureInfo::filingFees, "filing fees"},
    {"NonFilingInsurance", &DisclosureInfo::nonFilingInsurance, "non-filing insurance"},
    {"LateCharge", &DisclosureInfo::lateCharge, "the late charge: an amount or a percent"},
};

// The largest amount the dialog's "###,###.##" takes.
constexpr double kLargestDisclosureAmount = 999999.99;

double Amount(std::string_view name, std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value < 0 || value > kLargestDisclosureAmount) {
        throw EBadArgument(std::string(name) + " takes an amount from 0 to 999999.99, not '" +
                           std::string(text) + "'");
    }
    return value;
}

} // namespace

bool TakeDisclosureArgument(DisclosureInfo& info, std::string_view name, std::string_view value) {
    for (const TextArgument& a : TextArguments()) {
        if (!SameName(a.name, name)) {
            continue;
        }
        if (value.size() > a.maxLength) {
            throw EBadArgument(std::string(a.name) + " takes at most " +
                               std::to_string(a.maxLength) + " characters");
        }
        std::string& field = a.creditor   ? info.creditor.*a.creditor
                             : a.borrower ? info.borrower.*a.borrower
                                          : info.*a.other;
        field = framework::ApplyEntryRule({a.name, "", "", nullptr, a.maxLength, a.rule}, value);
        return true;
    }
    for (const SwitchArgument& s : kSwitches) {
        if (SameName(s.name, name)) {
            info.*s.field = Switch(s.name, value);
            return true;
        }
    }
    for (const AmountArgument& a : kAmounts) {
        if (SameName(a.name, name)) {
            info.*a.field = Amount(a.name, value);
            return true;
        }
    }
    if (SameName(name, "LateChargeKind")) {
        if (SameName(value, "fixed")) {
            info.lateChargeKind = LateChargeKind::FixedAmount;
        } else if (SameName(value, "percent")) {
            info.lateChargeKind = LateChargeKind::PercentOfPayment;
        } else {
            throw EBadArgument("LateChargeKind takes fixed or percent, not '" + std::string(value) +
                               "'");
        }
        return true;
    }
    if (SameName(name, "InsuranceKind")) {
        const std::string_view kinds[] = {"none", "CreditLife", "CreditDisability",
                                          "CreditLifeDisability"};
        const auto kind = std::find_if(std::begin(kinds), std::end(kinds),
                                       [value](auto k) { return SameName(k, value); });
        if (kind == std::end(kinds)) {
            throw EBadArgument("InsuranceKind takes none, CreditLife, CreditDisability or "
                               "CreditLifeDisability, not '" +
                               std::string(value) + "'");
        }
        info.creditLife = *kind == kinds[1];
        info.creditDisability = *kind == kinds[2];
        info.creditLifeDisability = *kind == kinds[3];
        return true;
    }
    return false;
}

std::vector<std::string> DisclosureArgumentHelp() {
    std::vector<std::string> help;
    for (const TextArgument& a : TextArguments()) {
        help.push_back(std::string(a.name) + "\t--disclosure: " + std::string(a.help) + " (text)");
    }
    for (const SwitchArgument& s : kSwitches) {
        help.push_back(std::string(s.name) + "\t--disclosure: " + std::string(s.help));
    }
    for (const AmountArgument& a : kAmounts) {
        help.push_back(std::string(a.name) + "\t--disclosure: " + std::string(a.help));
    }
    help.push_back("LateChargeKind\t--disclosure: fixed (an amount) or percent (of the "
                   "payment); fixed unless given");
    help.push_back("InsuranceKind\t--disclosure: none, CreditLife, CreditDisability or "
                   "CreditLifeDisability; CreditLife unless given");
    return help;
}

std::string DisclosureSummaryText(const AprDisclosureFigures& figures, const DisclosureInfo& info,
                                  const masks::NumberConventions& conventions) {
    const auto boxes = DisclosureBoxTexts(figures, conventions);
    constexpr std::string_view kCaptions[] = {"ANNUAL PERCENTAGE RATE", "FINANCE CHARGE",
                                              "Amount Financed", "Total of Payments"};
    std::string text = std::string(kDisclosureTitle) + "\r\n\r\n";
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        text +=
            report::Format("%-24s %16s\r\n", {std::string(kCaptions[i]), boxes[i]}, conventions);
    }
    text += "\r\nYour payment schedule will be :\r\n";
    for (const TAprPmtRec& line : PrintedPaymentLines(figures.PaymentGroups)) {
        text += report::Format("%8d %16m  %s\r\n",
                               {std::int64_t{line.NumPmts}, line.Amount, line.Description},
                               conventions);
    }
    return text + "\r\n" + LateChargeSentence(info, conventions) + "\r\n";
}

} // namespace quarvex::amortization
