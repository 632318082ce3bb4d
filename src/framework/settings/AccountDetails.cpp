#include "framework/settings/AccountDetails.h"

#include "framework/settings/TextLimits.h"

namespace quarvex::framework {

namespace {

using D = TAccountDetails;
using R = AccountEntryRule;
namespace limits = account_limits;

const std::array<AccountInfoRow, kAccountInfoRowCount> kRows = {{
    {"&First Name:", "lFName", "oedFName", &D::firstName, limits::kFirstName, R::Plain},
    {"&Business:", "lBusiness", "oedBusiness", &D::business, limits::kBusiness, R::Plain},
    {"&Address1:", "lAdrs1", "oedAdrs1", &D::address1, limits::kAddress, R::Plain},
    {"A&ddress2:", "lAdrs2", "oedAdrs2", &D::address2, limits::kAddress, R::Plain},
    {"Ci&ty:", "lCity", "oedCity", &D::city, limits::kCity, R::Plain},
    {"P&hone1:", "lPhone1", "oedPhone1", &D::phone1, limits::kPhone, R::PhonePicture},
    {"&State:", "lState", "oedState", &D::state, limits::kState, R::UpperCase},
    {"&Zip:", "lZip", "oedZip", &D::zip, limits::kZip, R::DigitsOnly},
    {"&Country", "lCountry", "oedCountry", &D::country, limits::kCountry, R::Plain},
    {"&MI", "lInitial", "oedInitial", &D::middleInitial, limits::kMiddleInitial, R::Plain},
    {"&Last Name:", "lLName", "oedLName", &D::lastName, limits::kLastName, R::Plain},
    {"E&xt:", "lExtn", "oedExtn", &D::phoneExt, limits::kDialogPhoneExt, R::Plain},
    {"Ph&one2:", "lPhone2", "oedPhone2", &D::phone2, limits::kPhone, R::PhonePicture},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

const std::array<AccountInfoRow, kAccountInfoRowCount>& AccountInfoRows() {
    return kRows;
}

std::string FormatPhonePicture(std::string_view typed) {
    std::string digits;
    for (char c : typed) {
        if (IsDigit(c)) {
            digits += c;
        }
    }
    std::string result;
    std::size_t next = 0;
    for (char slot : kPhonePicture) {
        if (next == digits.size()) {
            break;
        }
        result += slot == '9' ? digits[next++] : slot;
    }
    return result;
}

std::string ApplyEntryRule(const AccountInfoRow& row, std::string_view typed) {
    std::string text;
    switch (row.rule) {
    case AccountEntryRule::Plain:
        text = typed;
        break;
    case AccountEntryRule::DigitsOnly:
        for (char c : typed) {
            if (IsDigit(c)) {
                text += c;
            }
        }
        break;
    case AccountEntryRule::UpperCase:
        for (char c : typed) {
            text += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        break;
    case AccountEntryRule::PhonePicture:
        text = FormatPhonePicture(typed);
        break;
    }
    return CutToCharacters(text, row.maxLength);
}

} // namespace quarvex::framework
