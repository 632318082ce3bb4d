#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quarvex::framework {

// Whom a printed schedule is prepared for. One per run of the program, made the first time
// the "Account Information" dialog is used and never stored.
struct TAccountDetails {
    std::string accountNo; // any length; set by the schedule database window
    std::string firstName;
    std::string middleInitial;
    std::string lastName;
    std::string business;
    std::string address1;
    std::string address2;
    std::string city;
    std::string zip;
    std::string country;
    std::string phone1;
    std::string phone2;
    std::string phoneExt;
    std::string state;
};

// Longest text each field holds, in characters.
namespace account_limits {
inline constexpr std::size_t kFirstName = 25;
inline constexpr std::size_t kMiddleInitial = 1;
inline constexpr std::size_t kLastName = 25;
inline constexpr std::size_t kBusiness = 40;
inline constexpr std::size_t kAddress = 40;
inline constexpr std::size_t kCity = 40;
inline constexpr std::size_t kZip = 10;
inline constexpr std::size_t kCountry = 40;
inline constexpr std::size_t kPhone = 12;
inline constexpr std::size_t kPhoneExt = 10;
inline constexpr std::size_t kState = 2;
// The dialog takes fewer extension characters than the record could hold.
inline constexpr std::size_t kDialogPhoneExt = 4;
} // namespace account_limits

// What an entry field of the "Account Information" dialog does with typed text.
enum class AccountEntryRule {
    Plain,        // cut to the field's length
    DigitsOnly,   // anything but 0-9 is dropped
    UpperCase,    // letters are forced to upper case
    PhonePicture, // digits placed into "999-999-9999"
};

struct AccountInfoRow {
    std::string_view caption;
    std::string_view label;   // the caption's label control
    std::string_view control; // the entry field
    std::string TAccountDetails::*field;
    std::size_t maxLength;
    AccountEntryRule rule;
};

inline constexpr std::size_t kAccountInfoRowCount = 13;
inline constexpr std::string_view kPhonePicture = "999-999-9999";
inline constexpr std::string_view kFirstNameRequired = "First Name is Required";
inline constexpr int kAccountInfoHelpContext = 350;

// The dialog's thirteen rows in caption order ("&First Name:", "&Business:", ...).
const std::array<AccountInfoRow, kAccountInfoRowCount>& AccountInfoRows();

// The text an entry field keeps when this is typed or pasted into it.
std::string ApplyEntryRule(const AccountInfoRow& row, std::string_view typed);

// The digits of the text (at most ten) laid into the phone picture as far as they go:
// "5551234567" and "555 123-4567" both give "555-123-4567", "5551" gives "555-1".
std::string FormatPhonePicture(std::string_view typed);

} // namespace quarvex::framework
