#include "framework/settings/TcbAcntInfo.h"

#include <stdexcept>

namespace quarvex::framework {

TcbAcntInfo::TcbAcntInfo(const TAccountDetails& details) {
    const auto& rows = AccountInfoRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        captions_[i] = std::string(rows[i].caption);
        values_[i] = ApplyEntryRule(rows[i], details.*rows[i].field);
    }
}

void TcbAcntInfo::SetValue(std::size_t row, std::string_view typed) {
    if (row >= values_.size()) {
        throw std::out_of_range("TcbAcntInfo::SetValue: no such row");
    }
    values_[row] = ApplyEntryRule(AccountInfoRows()[row], typed);
}

std::optional<std::string> TcbAcntInfo::AcceptInto(TAccountDetails& details) const {
    if (values_[kFirstNameRow].find_first_not_of(" \t") == std::string::npos) {
        return std::string(kFirstNameRequired);
    }
    const auto& rows = AccountInfoRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        details.*rows[i].field = values_[i];
    }
    return std::nullopt;
}

} // namespace quarvex::framework
