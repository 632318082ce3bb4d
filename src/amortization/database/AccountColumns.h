#pragma once

#include "framework/dates/Calendar.h"
#include "framework/settings/AccountDetails.h"
#include "platform/dbase/Layout.h"
#include "platform/dbase/Record.h"

#include <cstddef>
#include <string>

namespace quarvex::amortization::database {

// One account (borrower) of Accnts.dbf.
struct TAccountRec {
    std::string AccountNo;                        // 15; generated from the names when left empty
    std::string FirstName;                        // 25
    std::string MI;                               // 1
    std::string LastName;                         // 25
    std::string Business;                         // 40
    std::string Address1;                         // 40
    std::string Address2;                         // 40
    std::string City;                             // 40
    std::string State;                            // 2
    std::string Zip;                              // 10
    std::string Country;                          // 40
    std::string Phone1;                           // 12
    std::string Phone2;                           // 12
    std::string Phone2Ext;                        // 10
    std::string SSNumber;                         // 11, "###-##-####"
    std::string Comment;                          // 254
    dates::DayNumber RecordDate = dates::kNoDate; // when the number was generated
    std::string RecordTime;                       // "hh:mm:ss"
    friend bool operator==(const TAccountRec&, const TAccountRec&) = default;
};

// A new account from the account details: first and last name, middle initial, business,
// address lines, city, zip, country, phones, extension and state.
TAccountRec AccountFromDetails(const framework::TAccountDetails& details);

// Writes the chosen account back into the account details: number, first and last name,
// business, address lines, city, zip, country, phones, extension and state.
void CopyAccountToDetails(const TAccountRec& account, framework::TAccountDetails& details);

// The fields of Accnts.dbf by their place in the table at hand.
class AccountColumns {
public:
    explicit AccountColumns(const dbase::Layout& layout);

    // Every field but the stamp (RECORDDATE, RECORDTIME), which the numbering sets. A text
    // too long for its field raises codec::ENotStorable.
    void Fill(dbase::Record& record, const TAccountRec& account) const;
    TAccountRec Read(const dbase::Record& record) const;

    std::size_t accountNo, firstName, mi, lastName, business, address1, address2, city, state, zip,
        country, phone1, phone2, phone2Ext, ssNumber, comment, recordDate, recordTime;
};

} // namespace quarvex::amortization::database
