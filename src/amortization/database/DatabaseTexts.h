#pragma once

#include <string>
#include <string_view>

// The questions and refusals of the database window's operations, as the user sees them
// ("\r" is a line break in a message box).
namespace quarvex::amortization::database {

inline constexpr std::string_view kNoLoanSelectedText = "No Loan selected";
inline constexpr std::string_view kOnlyLinkText =
    "This is the only link for this loan\rCan't remove this link";
inline constexpr std::string_view kAccountHasLoansText =
    "There are Loans Associated with this Account. \rDelink those Loans from this account or "
    "\rDelete the loans first.\r";
inline constexpr std::string_view kDeleteAccountQuestion = "Delete this Account ";
inline constexpr std::string_view kSaveChangesQuestion = "Save changes ";
inline constexpr std::string_view kSearchErrorText = "Error";

// "Delete this loan?", preceded by the warning about the loan's other links when it has any.
inline std::string DeleteLoanQuestion(int otherLinks) {
    std::string question;
    if (otherLinks > 0) {
        question = "This loan has other links. Those will be lost.\rTo remove link from this "
                   "account, please press \"Remove Linked Loan\"\r";
    }
    return question + "Delete this loan?";
}

// Asked on opening in save mode when the account details name someone without an account.
inline std::string CreateAccountQuestion(std::string_view firstName, std::string_view lastName) {
    return "Create and account for " + std::string(firstName) + " " + std::string(lastName);
}

} // namespace quarvex::amortization::database
