#pragma once

#include "amortization/TTransRec.h"
#include "amortization/database/RecordStamp.h"
#include "platform/dbase/Layout.h"
#include "platform/dbase/Record.h"

#include <cstddef>
#include <string_view>

namespace quarvex::amortization::database {

// The fields of Trans.dbf by their place in the table at hand. A row is stored with every
// field of TTransRec but the five running totals (recomputed after a load), NumYears as its
// absolute value, rates with the precision of a double, and the moment it was written.
class RowColumns {
public:
    explicit RowColumns(const dbase::Layout& layout);

    // Writes the row into the record. Every value is checked: a DueDate no date field can
    // hold raises EAmortDB 302, a PenaltyDt 303, a TransDate 304; a text too long for its
    // field or a number that is not finite codec::ENotStorable.
    void Fill(dbase::Record& record, std::string_view loanNo, const TTransRec& row,
              const RecordStamp& stamp) const;
    // The row of a record, running totals 0. A row without a date is refused (EAmortDB
    // naming the loan); empty due and penalty dates, as other programs may leave them, read
    // as the row's own date.
    TTransRec Read(const dbase::Record& record, std::string_view loanNo) const;
    // Puts a row under another loan number.
    void SetLoanNo(dbase::Record& record, std::string_view loanNo) const {
        record.SetText(loanNo_, loanNo);
    }

private:
    std::size_t loanNo_, transNo_, pmtNo_, principal_, interest_, prinBal_, numYears_, transDate_,
        pmtNoYr_, dueDate_, calcDueDt_, penaltyDt_, calcPenDt_, pmt_, calcPmt_, pmtTrans_,
        extraPmt_, advance_, calcPrin_, accruedInt_, intTrans_, daysLate_, daysSince_, perSince_,
        rate_, rateChng_, accrualRt_, accPerRt_, accDlyRt_, accRtChng_, minPmtDue_, escrow_,
        latePenal_, calcLatePn_, other_, actual_, pmtFreq_, cmpFreq_, transType_, userId_,
        clientRef_, comment_, recDate_, recTime_;
};

} // namespace quarvex::amortization::database
