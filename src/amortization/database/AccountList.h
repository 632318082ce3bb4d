#pragma once

#include "amortization/database/AccountColumns.h"
#include "platform/dbase/Cursor.h"

#include <array>
#include <optional>
#include <string_view>

namespace quarvex::amortization::database {

class TAmortDatabase;

// The columns the accounts can be ordered and searched by, in the order of the search list.
enum class AccountColumn { AccountNo, LastName, FirstName, SSNumber, City, State };

// "Account No", "Last Name", "First Name", "SS Number", "City", "State".
inline constexpr std::array<std::string_view, 6> kAccountSearchList = {
    "Account No", "Last Name", "First Name", "SS Number", "City", "State"};
inline constexpr AccountColumn kDefaultAccountOrder = AccountColumn::LastName;

// The index tag of a column ("ACCOUNTNO", "LASTNAME", ...).
std::string_view AccountColumnTag(AccountColumn column);

// The accounts as the window's account page walks them, in the order of one column. The
// search is incremental: each text moves to the first account whose column begins with it,
// in capitals as the index keeps it, so that "smi" finds "Smith" and "O\"Neil" is a text like
// any other. The database must outlive the list.
class AccountList {
public:
    explicit AccountList(TAmortDatabase& database, AccountColumn order = kDefaultAccountOrder);

    AccountColumn Order() const { return order_; }
    // Switches the order; the current account stays current.
    void SetOrder(AccountColumn order);

    // From the top, the first account whose column begins with `text` (the first account for
    // an empty text). When none does, false, and the list stays on the account it was on.
    bool Search(std::string_view text);
    // The account with this number; false, not moving, when there is none.
    bool GoTo(std::string_view accountNo);

    bool First() { return cursor_.First(); }
    bool Last() { return cursor_.Last(); }
    bool Next() { return cursor_.Next(); }
    bool Prior() { return cursor_.Prior(); }
    std::optional<TAccountRec> Current();

private:
    TAmortDatabase& database_;
    dbase::Cursor cursor_;
    AccountColumn order_;
};

} // namespace quarvex::amortization::database
