#include "amortization/database/AccountNumbering.h"

#include "amortization/database/EAmortDB.h"
#include "framework/codec/Windows1252.h"
#include "platform/dbase/KeyText.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace quarvex::amortization::database {

namespace {

// Letters of Windows-1252 besides a-z and A-Z: Š Œ Ž š œ ž Ÿ and À to ÿ but × and ÷.
bool IsLetterOrDigit(unsigned char byte) {
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9')) {
        return true;
    }
    switch (byte) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
        return true;
    default:
        return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
    }
}

// The first three letters or digits of a name, as Windows-1252 capitals.
std::string FirstThree(std::string_view name) {
    std::string picked;
    for (const char byte : codec::Utf8ToWindows1252(name)) {
        if (picked.size() == 3) {
            break;
        }
        if (IsLetterOrDigit(static_cast<unsigned char>(byte))) {
            picked.push_back(byte);
        }
    }
    dbase::MakeUpper(picked);
    return picked;
}

std::string Upper(std::string_view text) {
    std::string upper =
        codec::IsStorableAsWindows1252(text) ? codec::Utf8ToWindows1252(text) : std::string(text);
    dbase::MakeUpper(upper);
    return upper;
}

} // namespace

std::string AccountNumberBase(std::string_view lastName, std::string_view firstName) {
    const std::string base = codec::Windows1252ToUtf8(FirstThree(lastName) + FirstThree(firstName));
    if (base.empty()) {
        RaiseAmortDBError(kAccountNoRequired);
    }
    return base;
}

std::optional<int> AccountNumberSuffix(std::string_view accountNo, std::string_view base) {
    const std::string number = Upper(accountNo);
    const std::string prefix = Upper(base);
    if (number.size() != prefix.size() + 3 || !number.starts_with(prefix)) {
        return std::nullopt;
    }
    int suffix = 0;
    for (const char digit : std::string_view(number).substr(prefix.size())) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        suffix = suffix * 10 + (digit - '0');
    }
    return suffix;
}

std::optional<int> NextAccountSuffix(const std::vector<int>& used) {
    const std::set<int> taken(used.begin(), used.end());
    const int highest = taken.empty() ? 0 : *taken.rbegin();
    if (highest < kLastAccountSuffix) {
        return highest + 1;
    }
    for (int suffix = 1; suffix <= kLastAccountSuffix; ++suffix) {
        if (!taken.contains(suffix)) {
            return suffix;
        }
    }
    return std::nullopt;
}

std::string AccountNumber(std::string_view base, int suffix) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", suffix);
    return std::string(base) + digits;
}

} // namespace quarvex::amortization::database
