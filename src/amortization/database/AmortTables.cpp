#include "amortization/database/AmortTables.h"

#include "amortization/TTransRec.h"
#include "framework/settings/AccountDetails.h"

namespace quarvex::amortization::database {

namespace {

using dbase::DateField;
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
// Decimals other programs show: money to the cent, rates and fractions finer. Every field
// keeps every digit of its double whatever they say.
constexpr std::uint8_t kMoney = 2;
constexpr std::uint8_t kRate = 4;
constexpr std::uint8_t kFraction = 10;
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
                                     NumberField("PV", kMoney),
                                     IntegerField("NUMPMTS", kCountDigits),
                                     NumberField("RATE", kRate),
                                     NumberField("PMT", kMoney),
                                     DateField("ORGDATE"),
                                     DateField("FIRSTPMTDT"),
                                     IntegerField("PYR", kCodeDigits),
                                     IntegerField("CMPPYR", kCodeDigits),
                                     NumberField("POINTS", kRate),
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
                                     NumberField("TOTALPMTS", kMoney),
                                     NumberField("LODDPERIOD", kMoney),
                                     IntegerField("ODDDAYS", kLongDigits),
                                     IntegerField("INTONLYPER", kLongDigits),
                                     IntegerField("BALLOONPER", kLongDigits),
                                     NumberField("ONETIMEFEE", kMoney),
                                     NumberField("PNTSINMON", kMoney),
                                     IntegerField("TDYS2FSTPM", kLongDigits),
                                     IntegerField("UPER2FSTPM", kLongDigits),
                                     NumberField("FPER2FSTPM", kFraction),
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
                                     NumberField("PRINCIPAL", kMoney),
                                     NumberField("INTEREST", kMoney),
                                     NumberField("PRINBAL", kMoney),
                                     IntegerField("NUMYEARS", kCountDigits),
                                     DateField("TRANSDATE"),
                                     TextField("PMTNOYR", Width(kPmtNoYrLength)),
                                     DateField("DUEDATE"),
                                     LogicalField("CALCDUEDT"),
                                     DateField("PENALTYDT"),
                                     LogicalField("CALCPENDT"),
                                     NumberField("PMT", kMoney),
                                     LogicalField("CALCPMT"),
                                     LogicalField("PMTTRANS"),
                                     NumberField("EXTRAPMT", kMoney),
                                     NumberField("ADVANCE", kMoney),
                                     LogicalField("CALCPRIN"),
                                     NumberField("ACCRUEDINT", kMoney),
                                     LogicalField("INTTRANS"),
                                     IntegerField("DAYSLATE", kLongDigits),
                                     IntegerField("DAYSSINCE", kLongDigits),
                                     NumberField("PERSINCE", kFraction),
                                     NumberField("RATE", kRate),
                                     LogicalField("RATECHNG"),
                                     NumberField("ACCRUALRT", kRate),
                                     NumberField("ACCPERRT", kFraction),
                                     NumberField("ACCDLYRT", kFraction),
                                     LogicalField("ACCRTCHNG"),
                                     NumberField("MINPMTDUE", kMoney),
                                     NumberField("ESCROW", kMoney),
                                     NumberField("LATEPENAL", kMoney),
                                     LogicalField("CALCLATEPN"),
                                     NumberField("OTHER", kMoney),
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
