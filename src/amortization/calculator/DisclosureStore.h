#pragma once

#include "amortization/calculator/DisclosureInfo.h"

#include <string_view>

namespace quarvex::framework {
class RegIni;
}

namespace quarvex::amortization {

// The key below the program root that keeps the disclosure information between runs.
inline constexpr std::string_view kDisclosureInfoKey = "APR Disclosure Information";

// The stored names of the disclosure information, as the dialog's prompts spell them
// (ampersands and trailing blanks included).
namespace disclosure_names {
inline constexpr std::string_view kItemizationYes = "Amount Checked True";
inline constexpr std::string_view kItemizationNo = "Amount Checked False ";
inline constexpr std::string_view kCreditor = "Creditor";
inline constexpr std::string_view kSecurityGoods = "Security:";
inline constexpr std::string_view kSecurityOther = "Security Others";
inline constexpr std::string_view kPenalty = "May have to pay a penalty.";
inline constexpr std::string_view kRefund = "May be entitled to a refund.";
inline constexpr std::string_view kLoanOfficer = "Loan Officer: ";
inline constexpr std::string_view kAddress1 = "&Address1:";
inline constexpr std::string_view kAddress2 = "A&ddress2:";
inline constexpr std::string_view kCity = "Ci&ty:";
inline constexpr std::string_view kState = "&State:";
inline constexpr std::string_view kZip = "&Zip:";
inline constexpr std::string_view kPhone1 = "P&hone1:";
inline constexpr std::string_view kPhone2 = "Ph&one2:";
inline constexpr std::string_view kExt = "E&xt:";
inline constexpr std::string_view kCountry = "&Country";
inline constexpr std::string_view kInsurance = "Insurance";
inline constexpr std::string_view kSecurityAsset = "Security Asset";
inline constexpr std::string_view kFilingFees = "Filing fees ";
inline constexpr std::string_view kNonFilingInsurance = "Non-filing insurance ";
inline constexpr std::string_view kLateCharge = "Late Charge";
} // namespace disclosure_names

// Writes the creditor, the requirements and the choices under kDisclosureInfoKey. The
// borrower, the insurance kind and the late-charge kind are not kept.
void SaveDisclosureInfo(framework::RegIni& store, const DisclosureInfo& info);

// Reads what SaveDisclosureInfo wrote into `info`; absent values leave its fields as they are.
void LoadDisclosureInfo(framework::RegIni& store, DisclosureInfo& info);

} // namespace quarvex::amortization
