#pragma once

#include "amortization/database/RecordStamp.h"
#include "amortization/database/TLoanRec.h"
#include "platform/dbase/Layout.h"
#include "platform/dbase/Record.h"

#include <cstddef>
#include <string>

namespace quarvex::amortization::database {

// The property fields of a loan, edited on the window's loan page; a save of the calculation
// leaves them as they are.
struct TLoanProperties {
    std::string Collateral;      // COLLATERIA, 25
    std::string PropAddress;     // PROPADDRES, 40
    std::string BlockNo;         // BLOCKNO, 8
    std::string LotNo;           // LOTNO, 8
    std::string PropCity;        // PROPCITY, 40
    std::string PropState;       // PROPSTATE, 2
    std::string PropZip;         // PROPZIP, 10
    std::string PropCountry;     // PROPCNTRY, 40
    std::string OtherCollateral; // OTHERCOLLA, 50
    friend bool operator==(const TLoanProperties&, const TLoanProperties&) = default;
};

// The fields of Loans.DBF by their place in the table at hand.
class LoanColumns {
public:
    explicit LoanColumns(const dbase::Layout& layout);

    // Writes every calculation field of the loan and the stamp into the record. A value that
    // cannot be stored raises before the record is used: the dates EAmortDB 311/312, a number
    // that is not finite or a text too long for the field codec::ENotStorable.
    void Fill(dbase::Record& record, const TLoanRec& loan, const RecordStamp& stamp) const;
    // The calculation fields of a stored loan; EAmortDB (kDamagedLoanRecord) for a value no
    // TLoanRec can hold.
    TLoanRec Read(const dbase::Record& record) const;

    void FillProperties(dbase::Record& record, const TLoanProperties& properties) const;
    TLoanProperties ReadProperties(const dbase::Record& record) const;

    std::size_t loanNo, pv, numPmts, rate, pmt, orgDate, firstPmtDt, pyr, cmpPyr, points,
        amortMethd, rateBasis, pmtMethd, accelMethd, pntsPdMeth, twMonMeth, adjWkMethd, adjLstMeth,
        usRule, lstDayMont, lIntPmtMet, lIntClcMet, sIntPmtMet, sIntClcMet, totalPmts, lOddPeriod,
        oddDays, intOnlyPer, balloonPer, oneTimeFee, pntsInMon, tDys2FstPm, uPer2FstPm, fPer2FstPm,
        totalDays, iPyr, frcePmtClc, recalcPm, optiPmts, recordDate, recordTime, collateria,
        propAddres, blockNo, lotNo, propCity, propState, propZip, propCntry, otherColla;
};

} // namespace quarvex::amortization::database
