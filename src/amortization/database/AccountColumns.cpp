#include "amortization/database/AccountColumns.h"

#include "amortization/database/DateFields.h"
#include "amortization/database/FieldValues.h"

namespace quarvex::amortization::database {

TAccountRec AccountFromDetails(const framework::TAccountDetails& details) {
    TAccountRec account;
    account.FirstName = details.firstName;
    account.MI = details.middleInitial;
    account.LastName = details.lastName;
    account.Business = details.business;
    account.Address1 = details.address1;
    account.Address2 = details.address2;
    account.City = details.city;
    account.Zip = details.zip;
    account.Country = details.country;
    account.Phone1 = details.phone1;
    account.Phone2 = details.phone2;
    account.Phone2Ext = details.phoneExt;
    account.State = details.state;
    return account;
}

void CopyAccountToDetails(const TAccountRec& account, framework::TAccountDetails& details) {
    details.accountNo = account.AccountNo;
    details.firstName = account.FirstName;
    details.lastName = account.LastName;
    details.business = account.Business;
    details.address1 = account.Address1;
    details.address2 = account.Address2;
    details.city = account.City;
    details.zip = account.Zip;
    details.country = account.Country;
    details.phone1 = account.Phone1;
    details.phone2 = account.Phone2;
    details.phoneExt = account.Phone2Ext;
    details.state = account.State;
}

AccountColumns::AccountColumns(const dbase::Layout& layout)
    : accountNo(Column(layout, "ACCOUNTNO")), firstName(Column(layout, "FIRSTNAME")),
      mi(Column(layout, "MI")), lastName(Column(layout, "LASTNAME")),
      business(Column(layout, "BUSINESS")), address1(Column(layout, "ADDRESS1")),
      address2(Column(layout, "ADDRESS2")), city(Column(layout, "CITY")),
      state(Column(layout, "STATE")), zip(Column(layout, "ZIP")),
      country(Column(layout, "COUNTRY")), phone1(Column(layout, "PHONE1")),
      phone2(Column(layout, "PHONE2")), phone2Ext(Column(layout, "PHONE2EXT")),
      ssNumber(Column(layout, "SSNUMBER")), comment(Column(layout, "COMMENT")),
      recordDate(Column(layout, "RECORDDATE")), recordTime(Column(layout, "RECORDTIME")) {}

void AccountColumns::Fill(dbase::Record& record, const TAccountRec& account) const {
    record.SetText(accountNo, TrimmedKey(account.AccountNo));
    record.SetText(firstName, account.FirstName);
    record.SetText(mi, account.MI);
    record.SetText(lastName, account.LastName);
    record.SetText(business, account.Business);
    record.SetText(address1, account.Address1);
    record.SetText(address2, account.Address2);
    record.SetText(city, account.City);
    record.SetText(state, account.State);
    record.SetText(zip, account.Zip);
    record.SetText(country, account.Country);
    record.SetText(phone1, account.Phone1);
    record.SetText(phone2, account.Phone2);
    record.SetText(phone2Ext, account.Phone2Ext);
    record.SetText(ssNumber, account.SSNumber);
    record.SetText(comment, account.Comment);
}

TAccountRec AccountColumns::Read(const dbase::Record& record) const {
    TAccountRec account;
    account.AccountNo = record.Text(accountNo);
    account.FirstName = record.Text(firstName);
    account.MI = record.Text(mi);
    account.LastName = record.Text(lastName);
    account.Business = record.Text(business);
    account.Address1 = record.Text(address1);
    account.Address2 = record.Text(address2);
    account.City = record.Text(city);
    account.State = record.Text(state);
    account.Zip = record.Text(zip);
    account.Country = record.Text(country);
    account.Phone1 = record.Text(phone1);
    account.Phone2 = record.Text(phone2);
    account.Phone2Ext = record.Text(phone2Ext);
    account.SSNumber = record.Text(ssNumber);
    account.Comment = record.Text(comment);
    account.RecordDate = FromFieldDate(record.DateValue(recordDate));
    account.RecordTime = record.Text(recordTime);
    return account;
}

} // namespace quarvex::amortization::database
