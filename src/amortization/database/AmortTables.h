#pragma once

#include "platform/dbase/TableSchema.h"

#include <cstdint>

#include <string_view>

// The five tables of the schedule database in the data folder: their file names, fields and
// index tags. Tables another program made may have other widths and more fields; they must
// have these fields with these types.
namespace quarvex::amortization::database {

inline constexpr std::string_view kAccountsFile = "Accnts.dbf";
inline constexpr std::string_view kLoansFile = "Loans.DBF";
inline constexpr std::string_view kLinksFile = "Xref.dbf";
inline constexpr std::string_view kRowsFile = "Trans.dbf";
inline constexpr std::string_view kSystemFile = "Sysinfo.dbf";

// Index tags.
inline constexpr std::string_view kAccountNoTag = "ACCOUNTNO";
inline constexpr std::string_view kLastNameTag = "LASTNAME";
inline constexpr std::string_view kFirstNameTag = "FIRSTNAME";
inline constexpr std::string_view kSSNumberTag = "SSNUMBER";
inline constexpr std::string_view kCityTag = "CITY";
inline constexpr std::string_view kStateTag = "STATE";
inline constexpr std::string_view kLoanNoTag = "LOANNO";

// Text widths of the fields that hold keys.
inline constexpr std::uint8_t kAccountNoWidth = 15;
inline constexpr std::uint8_t kLoanNoWidth = 9;

// Accnts.dbf: one record per account, tags ACCOUNTNO, LASTNAME, FIRSTNAME, SSNUMBER, CITY and
// STATE on the UPPER(...) of their field.
const dbase::TableSchema& AccountsSchema();
// Loans.DBF: one record per loan (TLoanRec's fields, the property fields, the record stamp),
// tag LOANNO.
const dbase::TableSchema& LoansSchema();
// Xref.dbf: one record per link of an account and a loan, tags ACCOUNTNO (UPPER) and LOANNO.
const dbase::TableSchema& LinksSchema();
// Trans.dbf: one record per schedule row (TTransRec's fields without the running totals, and
// the row's stamp), tag LOANNO.
const dbase::TableSchema& RowsSchema();
// Sysinfo.dbf: one record, LASTLOANNO.
const dbase::TableSchema& SystemSchema();

} // namespace quarvex::amortization::database
