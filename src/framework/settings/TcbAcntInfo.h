#pragma once

#include "framework/settings/AccountDetails.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quarvex::framework {

// The "Account Information" dialog's buffer: the thirteen captions and the values being
// edited, taken from a copy of the run's account details.
class TcbAcntInfo {
public:
    explicit TcbAcntInfo(const TAccountDetails& details);

    const std::array<std::string, kAccountInfoRowCount>& Captions() const { return captions_; }
    const std::array<std::string, kAccountInfoRowCount>& Values() const { return values_; }

    // Takes what the user typed into a row, after the row's entry rule.
    void SetValue(std::size_t row, std::string_view typed);

    // The "OK" button: without a first name, returns "First Name is Required" (the dialog
    // keeps the focus on that field and stays open) and leaves details alone; otherwise
    // copies the values into details and returns nullopt. A first name of blanks counts as
    // none. The account number in details is kept.
    std::optional<std::string> AcceptInto(TAccountDetails& details) const;

    static constexpr std::size_t kFirstNameRow = 0;

private:
    std::array<std::string, kAccountInfoRowCount> captions_;
    std::array<std::string, kAccountInfoRowCount> values_;
};

} // namespace quarvex::framework
