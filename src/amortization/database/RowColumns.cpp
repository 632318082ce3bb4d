#include "amortization/database/RowColumns.h"

#include "amortization/database/DateFields.h"
#include "amortization/database/EAmortDB.h"
#include "amortization/database/FieldValues.h"

#include <cstdlib>

namespace quarvex::amortization::database {

RowColumns::RowColumns(const dbase::Layout& layout)
    : loanNo_(Column(layout, "LOANNO")), transNo_(Column(layout, "TRANSNO")),
      pmtNo_(Column(layout, "PMTNO")), principal_(Column(layout, "PRINCIPAL")),
      interest_(Column(layout, "INTEREST")), prinBal_(Column(layout, "PRINBAL")),
      numYears_(Column(layout, "NUMYEARS")), transDate_(Column(layout, "TRANSDATE")),
      pmtNoYr_(Column(layout, "PMTNOYR")), dueDate_(Column(layout, "DUEDATE")),
      calcDueDt_(Column(layout, "CALCDUEDT")), penaltyDt_(Column(layout, "PENALTYDT")),
      calcPenDt_(Column(layout, "CALCPENDT")), pmt_(Column(layout, "PMT")),
      calcPmt_(Column(layout, "CALCPMT")), pmtTrans_(Column(layout, "PMTTRANS")),
      extraPmt_(Column(layout, "EXTRAPMT")), advance_(Column(layout, "ADVANCE")),
      calcPrin_(Column(layout, "CALCPRIN")), accruedInt_(Column(layout, "ACCRUEDINT")),
      intTrans_(Column(layout, "INTTRANS")), daysLate_(Column(layout, "DAYSLATE")),
      daysSince_(Column(layout, "DAYSSINCE")), perSince_(Column(layout, "PERSINCE")),
      rate_(Column(layout, "RATE")), rateChng_(Column(layout, "RATECHNG")),
      accrualRt_(Column(layout, "ACCRUALRT")), accPerRt_(Column(layout, "ACCPERRT")),
      accDlyRt_(Column(layout, "ACCDLYRT")), accRtChng_(Column(layout, "ACCRTCHNG")),
      minPmtDue_(Column(layout, "MINPMTDUE")), escrow_(Column(layout, "ESCROW")),
      latePenal_(Column(layout, "LATEPENAL")), calcLatePn_(Column(layout, "CALCLATEPN")),
      other_(Column(layout, "OTHER")), actual_(Column(layout, "ACTUAL")),
      pmtFreq_(Column(layout, "PMTFREQ")), cmpFreq_(Column(layout, "CMPFREQ")),
      transType_(Column(layout, "TRANSTYPE")), userId_(Column(layout, "USERID")),
      clientRef_(Column(layout, "CLIENTREF")), comment_(Column(layout, "COMMENT")),
      recDate_(Column(layout, "RECDATE")), recTime_(Column(layout, "RECTIME")) {}

void RowColumns::Fill(dbase::Record& record, std::string_view loanNo, const TTransRec& row,
                      const RecordStamp& stamp) const {
    const dbase::Date due = RequiredFieldDate(row.DueDate, kInvalidDueDate);
    const dbase::Date penalty = RequiredFieldDate(row.PenaltyDt, kInvalidPenaltyDate);
    const dbase::Date date = RequiredFieldDate(row.TransDate, kInvalidTransDate);
    record.SetText(loanNo_, loanNo);
    record.SetInteger(transNo_, row.TransNo);
    record.SetInteger(pmtNo_, row.PmtNo);
    record.SetNumber(principal_, row.Principal);
    record.SetNumber(interest_, row.Interest);
    record.SetNumber(prinBal_, row.PrinBal);
    record.SetInteger(numYears_, std::abs(static_cast<int>(row.NumYears)));
    record.SetDate(transDate_, date);
    record.SetText(pmtNoYr_, row.PmtNoYr);
    record.SetDate(dueDate_, due);
    record.SetLogical(calcDueDt_, row.CalcDueDt);
    record.SetDate(penaltyDt_, penalty);
    record.SetLogical(calcPenDt_, row.CalcPenDt);
    record.SetNumber(pmt_, row.Pmt);
    record.SetLogical(calcPmt_, row.CalcPmt);
    record.SetLogical(pmtTrans_, row.PmtTrans);
    record.SetNumber(extraPmt_, row.ExtraPmt);
    record.SetNumber(advance_, row.Advance);
    record.SetLogical(calcPrin_, row.CalcPrin);
    record.SetNumber(accruedInt_, row.AccruedInt);
    record.SetLogical(intTrans_, row.IntTrans);
    record.SetInteger(daysLate_, row.DaysLate);
    record.SetInteger(daysSince_, row.DaysSince);
    record.SetNumber(perSince_, row.PerSince);
    record.SetNumber(rate_, static_cast<double>(row.Rate));
    record.SetLogical(rateChng_, row.RateChng);
    record.SetNumber(accrualRt_, static_cast<double>(row.AccrualRt));
    record.SetNumber(accPerRt_, static_cast<double>(row.AccPerRt));
    record.SetNumber(accDlyRt_, static_cast<double>(row.AccDlyRt));
    record.SetLogical(accRtChng_, row.AccRtChng);
    record.SetNumber(minPmtDue_, row.MinPmtDue);
    record.SetNumber(escrow_, row.Escrow);
    record.SetNumber(latePenal_, row.LatePenal);
    record.SetLogical(calcLatePn_, row.CalcLatePn);
    record.SetNumber(other_, row.Other);
    record.SetLogical(actual_, row.Actual);
    record.SetInteger(pmtFreq_, row.PmtFreq);
    record.SetInteger(cmpFreq_, row.CmpFreq);
    record.SetInteger(transType_, row.TransType);
    record.SetText(userId_, row.UserID);
    record.SetText(clientRef_, row.ClientRef);
    record.SetText(comment_, row.Comment);
    record.SetDate(recDate_, ToFieldDate(stamp.date));
    record.SetText(recTime_, StampTimeText(stamp.secondOfDay));
}

TTransRec RowColumns::Read(const dbase::Record& record, std::string_view loanNo) const {
    TTransRec row;
    const auto whole32 = [&](std::size_t field, std::string_view what) {
        return WholeNumber<std::int32_t>(record, field, loanNo, what);
    };
    const auto code = [&](std::size_t field, std::string_view what) {
        return WholeNumber<std::uint8_t>(record, field, loanNo, what);
    };
    row.TransNo = whole32(transNo_, "row number");
    row.PmtNo = whole32(pmtNo_, "payment number");
    row.TransDate = FromFieldDate(record.DateValue(transDate_));
    if (row.TransDate == dates::kNoDate) {
        RaiseDamagedLoan(loanNo, "its row " + std::to_string(row.TransNo) + " has no date");
    }
    row.NumYears = WholeNumber<std::int16_t>(record, numYears_, loanNo, "loan year");
    row.PmtNoYr = record.Text(pmtNoYr_);
    const dates::DayNumber due = FromFieldDate(record.DateValue(dueDate_));
    row.DueDate = due == dates::kNoDate ? row.TransDate : due;
    row.CalcDueDt = LogicalOrFalse(record, calcDueDt_);
    const dates::DayNumber penalty = FromFieldDate(record.DateValue(penaltyDt_));
    row.PenaltyDt = penalty == dates::kNoDate ? row.TransDate : penalty;
    row.CalcPenDt = LogicalOrFalse(record, calcPenDt_);
    row.Pmt = NumberOr0(record, pmt_);
    row.CalcPmt = LogicalOrFalse(record, calcPmt_);
    row.PmtTrans = LogicalOrFalse(record, pmtTrans_);
    row.ExtraPmt = NumberOr0(record, extraPmt_);
    row.Advance = NumberOr0(record, advance_);
    row.Principal = NumberOr0(record, principal_);
    row.CalcPrin = LogicalOrFalse(record, calcPrin_);
    row.Interest = NumberOr0(record, interest_);
    row.AccruedInt = NumberOr0(record, accruedInt_);
    row.IntTrans = LogicalOrFalse(record, intTrans_);
    row.PrinBal = NumberOr0(record, prinBal_);
    row.DaysLate = whole32(daysLate_, "days late");
    row.DaysSince = whole32(daysSince_, "days of interest");
    row.PerSince = NumberOr0(record, perSince_);
    row.Rate = NumberOr0(record, rate_);
    row.RateChng = LogicalOrFalse(record, rateChng_);
    row.AccrualRt = NumberOr0(record, accrualRt_);
    row.AccPerRt = NumberOr0(record, accPerRt_);
    row.AccDlyRt = NumberOr0(record, accDlyRt_);
    row.AccRtChng = LogicalOrFalse(record, accRtChng_);
    row.MinPmtDue = NumberOr0(record, minPmtDue_);
    row.Escrow = NumberOr0(record, escrow_);
    row.LatePenal = NumberOr0(record, latePenal_);
    row.CalcLatePn = LogicalOrFalse(record, calcLatePn_);
    row.Other = NumberOr0(record, other_);
    row.PmtFreq = code(pmtFreq_, "row's payment frequency code");
    row.CmpFreq = code(cmpFreq_, "row's compounding code");
    row.Actual = LogicalOrFalse(record, actual_);
    row.TransType = code(transType_, "row type");
    row.UserID = record.Text(userId_);
    row.ClientRef = record.Text(clientRef_);
    row.Comment = record.Text(comment_);
    return row;
}

} // namespace quarvex::amortization::database
