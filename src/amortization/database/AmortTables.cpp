#include "amortization/database/AmortTables.h"

#include "amortization/TTransRec.h"
#include "framework/settings/AccountDetails.h"

namespace quarvex::amortization::database {

namespace {

using dbase::DateField;
using dbase::FieldSpec;
using dbase::IntegerField;
using dbase::LogicalField;
using dbase::NumberField;
using dbase::TableSchema;
using dbase::TextField;
namespace limits = framework::account_limits;

// Widths of whole numbers: a code byte, a 16-bit count, a 32-bit count with its sign.
constexpr std::uint8_t kCodeDigits = 3;
constexpr std::uint8_t kCountDigits = 6;
constexpr std::uint8_t kLongDigits = 11;
// Number fields declare the decimals their values have, as other dBASE readers go by them,
// and are 24 wide, as they have always been: every double fits that width exactly, so no
// save fails for want of room, and the readers that go by the widths (dbfread, LibreOffice)
// read it. Amounts are whole cents: 2 decimals. Rates (percent) and fractions of periods
// keep every digit of their double: 17 significant digits need at most 20 decimals from
// 0.0001 on (a daily rate of 0.0365% a year), leaving 3 digits before the point (up to
// 999.99...). A value with more decimals than declared (an amount of an older file) is still
// written with every digit it needs.
constexpr std::uint8_t kNumberWidth = 24;
FieldSpec Money(std::string_view name) {
    return NumberField(name, kNumberWidth, 2);
}
FieldSpec RateOrFraction(std::string_view name) {
    return NumberField(name, kNumberWidth, 20);
}
constexpr std::uint8_t kTimeWidth = 8; // "hh:mm:ss"

std::uint8_t Width(std::size_t width) {
    return static_cast<std::uint8_t>(width);
}

} // namespace

const TableSchema& AccountsSchema() {
    static const TableSchema schema{
        {TextField("ACCOUNTNO", kAccountNoWidth), TextField("FIRSTNAME", Width(limits::kFirstName)),
         TextField("MI", Width(limits::kMiddleInitial)),
         TextField("LASTNAME", Width(limits::kLastName)),
         TextField("BUSINESS", Width(limits::kBusiness)),
         TextField("ADDRESS1", Width(limits::kAddress)),
         TextField("ADDRESS2", Width(limits::kAddress)), TextField("CITY", Width(limits::kCity)),
         TextField("STATE", Width(limits::kState)), TextField("ZIP", Width(limits::kZip)),
         TextField("COUNTRY", Width(limits::kCountry)), TextField("PHONE1", Width(limits::kPhone)),
         TextField("PHONE2", Width(limits::kPhone)),
         TextField("PHONE2EXT", Width(limits::kPhoneExt)), TextField("SSNUMBER", 11),
         TextField("COMMENT", 254), DateField("RECORDDATE"), TextField("RECORDTIME", kTimeWidth)},
        {{"ACCOUNTNO", "UPPER(ACCOUNTNO)"},
         {"LASTNAME", "UPPER(LASTNAME)"},
         {"FIRSTNAME", "UPPER(FIRSTNAME)"},
         {"SSNUMBER", "UPPER(SSNUMBER)"},
         {"CITY", "UPPER(CITY)"},
         {"STATE", "UPPER(STATE)"}}};
    return schema;
}

const TableSchema& LoansSchema() {
    static const TableSchema schema{{TextField("LOANNO", kLoanNoWidth),
                                     Money("PV"),
                                     IntegerField("NUMPMTS", kCountDigits),
                                     RateOrFraction("RATE"),
                                     Money("PMT"),
                                     DateField("ORGDATE"),
                                     DateField("FIRSTPMTDT"),
                                     IntegerField("PYR", kCodeDigits),
                                     IntegerField("CMPPYR", kCodeDigits),
                                     RateOrFraction("POINTS"),
                                     IntegerField("AMORTMETHD", kCodeDigits),
                                     IntegerField("RATEBASIS", kCodeDigits),
                                     IntegerField("PMTMETHD", kCodeDigits),
                                     IntegerField("ACCELMETHD", kCodeDigits),
                                     IntegerField("PNTSPDMETH", kCodeDigits),
                                     IntegerField("TWMONMETH", kCodeDigits),
                                     IntegerField("ADJWKMETHD", kCodeDigits),
                                     IntegerField("ADJLSTMETH", kCodeDigits),
                                     LogicalField("USRULE"),
                                     IntegerField("LSTDAYMONT", kCodeDigits),
                                     IntegerField("LINTPMTMET", kCodeDigits),
                                     IntegerField("LINTCLCMET", kCodeDigits),
                                     IntegerField("SINTPMTMET", kCodeDigits),
                                     IntegerField("SINTCLCMET", kCodeDigits),
                                     Money("TOTALPMTS"),
                                     Money("LODDPERIOD"),
                                     IntegerField("ODDDAYS", kLongDigits),
                                     IntegerField("INTONLYPER", kLongDigits),
                                     IntegerField("BALLOONPER", kLongDigits),
                                     Money("ONETIMEFEE"),
                                     Money("PNTSINMON"),
                                     IntegerField("TDYS2FSTPM", kLongDigits),
                                     IntegerField("UPER2FSTPM", kLongDigits),
                                     RateOrFraction("FPER2FSTPM"),
                                     IntegerField("TOTALDAYS", kLongDigits),
                                     IntegerField("IPYR", kLongDigits),
                                     LogicalField("FRCEPMTCLC"),
                                     LogicalField("RECALCPM"),
                                     LogicalField("OPTIPMTS"),
                                     DateField("RECORDDATE"),
                                     TextField("RECORDTIME", kTimeWidth),
                                     TextField("COLLATERIA", 25),
                                     TextField("PROPADDRES", 40),
                                     TextField("BLOCKNO", 8),
                                     TextField("LOTNO", 8),
                                     TextField("PROPCITY", 40),
                                     TextField("PROPSTATE", 2),
                                     TextField("PROPZIP", 10),
                                     TextField("PROPCNTRY", 40),
                                     TextField("OTHERCOLLA", 50)},
                                    {{"LOANNO", "LOANNO"}}};
    return schema;
}

const TableSchema& LinksSchema() {
    static const TableSchema schema{{TextField("LOANNO", kLoanNoWidth),
                                     TextField("ACCOUNTNO", kAccountNoWidth),
                                     TextField("PRIMARY", 1), TextField("USERID", 6),
                                     DateField("RECORDDATE"), TextField("RECORDTIME", kTimeWidth)},
                                    {{"ACCOUNTNO", "UPPER(ACCOUNTNO)"}, {"LOANNO", "LOANNO"}}};
    return schema;
}

const TableSchema& RowsSchema() {
    static const TableSchema schema{{TextField("LOANNO", kLoanNoWidth),
                                     IntegerField("TRANSNO", kLongDigits),
                                     IntegerField("PMTNO", kLongDigits),
                                     Money("PRINCIPAL"),
                                     Money("INTEREST"),
                                     Money("PRINBAL"),
                                     IntegerField("NUMYEARS", kCountDigits),
                                     DateField("TRANSDATE"),
                                     TextField("PMTNOYR", Width(kPmtNoYrLength)),
                                     DateField("DUEDATE"),
                                     LogicalField("CALCDUEDT"),
                                     DateField("PENALTYDT"),
                                     LogicalField("CALCPENDT"),
                                     Money("PMT"),
                                     LogicalField("CALCPMT"),
                                     LogicalField("PMTTRANS"),
                                     Money("EXTRAPMT"),
                                     Money("ADVANCE"),
                                     LogicalField("CALCPRIN"),
                                     Money("ACCRUEDINT"),
                                     LogicalField("INTTRANS"),
                                     IntegerField("DAYSLATE", kLongDigits),
                                     IntegerField("DAYSSINCE", kLongDigits),
                                     RateOrFraction("PERSINCE"),
                                     RateOrFraction("RATE"),
                                     LogicalField("RATECHNG"),
                                     RateOrFraction("ACCRUALRT"),
                                     RateOrFraction("ACCPERRT"),
                                     RateOrFraction("ACCDLYRT"),
                                     LogicalField("ACCRTCHNG"),
                                     Money("MINPMTDUE"),
                                     Money("ESCROW"),
                                     Money("LATEPENAL"),
                                     LogicalField("CALCLATEPN"),
                                     Money("OTHER"),
                                     LogicalField("ACTUAL"),
                                     IntegerField("PMTFREQ", kCodeDigits),
                                     IntegerField("CMPFREQ", kCodeDigits),
                                     IntegerField("TRANSTYPE", kCodeDigits),
                                     TextField("USERID", Width(kUserIDLength)),
                                     TextField("CLIENTREF", Width(kClientRefLength)),
                                     TextField("COMMENT", Width(kCommentLength)),
                                     DateField("RECDATE"),
                                     TextField("RECTIME", kTimeWidth)},
                                    {{"LOANNO", "LOANNO"}}};
    return schema;
}

const TableSchema& SystemSchema() {
    static const TableSchema schema{{IntegerField("LASTLOANNO", kLongDigits)}, {}};
    return schema;
}

} // namespace quarvex::amortization::database
