#include "amortization/database/AccountList.h"

#include "amortization/database/AmortTables.h"
#include "amortization/database/FieldValues.h"
#include "amortization/database/TAmortDatabase.h"
#include "framework/codec/CodecErrors.h"
#include "platform/dbase/DbaseErrors.h"

namespace quarvex::amortization::database {

std::string_view AccountColumnTag(AccountColumn column) {
    switch (column) {
    case AccountColumn::AccountNo:
        return kAccountNoTag;
    case AccountColumn::LastName:
        return kLastNameTag;
    case AccountColumn::FirstName:
        return kFirstNameTag;
    case AccountColumn::SSNumber:
        return kSSNumberTag;
    case AccountColumn::City:
        return kCityTag;
    case AccountColumn::State:
        return kStateTag;
    }
    return kLastNameTag;
}

AccountList::AccountList(TAmortDatabase& database, AccountColumn order)
    : database_(database), cursor_(database.AccountsTable(), AccountColumnTag(order)),
      order_(order) {}

void AccountList::SetOrder(AccountColumn order) {
    cursor_.SetTag(AccountColumnTag(order));
    order_ = order;
}

bool AccountList::Search(std::string_view text) {
    const dbase::RecNo was = cursor_.HasRecord() ? cursor_.Number() : 0;
    bool found = false;
    try {
        found = cursor_.SeekPrefix(text);
    } catch (const codec::ENotStorable&) {
        found = false; // a character no record can hold: no account begins with it
    }
    if (!found) {
        if (was == 0 || !cursor_.GoTo(was)) {
            cursor_.First();
        }
    }
    return found;
}

bool AccountList::GoTo(std::string_view accountNo) {
    const std::string number = TrimmedKey(accountNo);
    if (number.empty()) {
        return false;
    }
    const auto found = database_.AccountsTable().RecordsWithKey(kAccountNoTag, number);
    return !found.empty() && cursor_.GoTo(found.front());
}

std::optional<TAccountRec> AccountList::Current() {
    if (!cursor_.HasRecord()) {
        return std::nullopt;
    }
    try {
        return database_.AccountFields().Read(cursor_.Current());
    } catch (const dbase::EInvalidRequest&) {
        return std::nullopt; // the account was deleted meanwhile and none follows it
    }
}

} // namespace quarvex::amortization::database
