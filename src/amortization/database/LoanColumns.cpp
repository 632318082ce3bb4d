#include "amortization/database/LoanColumns.h"

#include "amortization/database/DateFields.h"
#include "amortization/database/EAmortDB.h"
#include "amortization/database/FieldValues.h"

namespace quarvex::amortization::database {

LoanColumns::LoanColumns(const dbase::Layout& layout)
    : loanNo(Column(layout, "LOANNO")), pv(Column(layout, "PV")),
      numPmts(Column(layout, "NUMPMTS")), rate(Column(layout, "RATE")), pmt(Column(layout, "PMT")),
      orgDate(Column(layout, "ORGDATE")), firstPmtDt(Column(layout, "FIRSTPMTDT")),
      pyr(Column(layout, "PYR")), cmpPyr(Column(layout, "CMPPYR")),
      points(Column(layout, "POINTS")), amortMethd(Column(layout, "AMORTMETHD")),
      rateBasis(Column(layout, "RATEBASIS")), pmtMethd(Column(layout, "PMTMETHD")),
      accelMethd(Column(layout, "ACCELMETHD")), pntsPdMeth(Column(layout, "PNTSPDMETH")),
      twMonMeth(Column(layout, "TWMONMETH")), adjWkMethd(Column(layout, "ADJWKMETHD")),
      adjLstMeth(Column(layout, "ADJLSTMETH")), usRule(Column(layout, "USRULE")),
      lstDayMont(Column(layout, "LSTDAYMONT")), lIntPmtMet(Column(layout, "LINTPMTMET")),
      lIntClcMet(Column(layout, "LINTCLCMET")), sIntPmtMet(Column(layout, "SINTPMTMET")),
      sIntClcMet(Column(layout, "SINTCLCMET")), totalPmts(Column(layout, "TOTALPMTS")),
      lOddPeriod(Column(layout, "LODDPERIOD")), oddDays(Column(layout, "ODDDAYS")),
      intOnlyPer(Column(layout, "INTONLYPER")), balloonPer(Column(layout, "BALLOONPER")),
      oneTimeFee(Column(layout, "ONETIMEFEE")), pntsInMon(Column(layout, "PNTSINMON")),
      tDys2FstPm(Column(layout, "TDYS2FSTPM")), uPer2FstPm(Column(layout, "UPER2FSTPM")),
      fPer2FstPm(Column(layout, "FPER2FSTPM")), totalDays(Column(layout, "TOTALDAYS")),
      iPyr(Column(layout, "IPYR")), frcePmtClc(Column(layout, "FRCEPMTCLC")),
      recalcPm(Column(layout, "RECALCPM")), optiPmts(Column(layout, "OPTIPMTS")),
      recordDate(Column(layout, "RECORDDATE")), recordTime(Column(layout, "RECORDTIME")),
      collateria(Column(layout, "COLLATERIA")), propAddres(Column(layout, "PROPADDRES")),
      blockNo(Column(layout, "BLOCKNO")), lotNo(Column(layout, "LOTNO")),
      propCity(Column(layout, "PROPCITY")), propState(Column(layout, "PROPSTATE")),
      propZip(Column(layout, "PROPZIP")), propCntry(Column(layout, "PROPCNTRY")),
      otherColla(Column(layout, "OTHERCOLLA")) {}

void LoanColumns::Fill(dbase::Record& record, const TLoanRec& loan,
                       const RecordStamp& stamp) const {
    if (TrimmedKey(loan.LoanNo).empty()) {
        RaiseAmortDBError(kLoanNoRequired);
    }
    const dbase::Date org = RequiredFieldDate(loan.OrgDate, kInvalidOrgDate);
    const dbase::Date first = RequiredFieldDate(loan.FirstPmtDate, kInvalidFirstPmtDate);
    record.SetText(loanNo, TrimmedKey(loan.LoanNo));
    record.SetNumber(pv, loan.PV);
    record.SetInteger(numPmts, loan.NumPmts);
    record.SetNumber(rate, loan.Rate);
    record.SetNumber(pmt, loan.Pmt);
    record.SetDate(orgDate, org);
    record.SetDate(firstPmtDt, first);
    record.SetInteger(pyr, loan.PYR);
    record.SetInteger(cmpPyr, loan.CmpPYR);
    record.SetNumber(points, loan.Points);
    record.SetInteger(amortMethd, loan.AmortMthd);
    record.SetInteger(rateBasis, loan.RateBasis);
    record.SetInteger(pmtMethd, loan.PmtMthd);
    record.SetInteger(accelMethd, loan.AccelMthd);
    record.SetInteger(pntsPdMeth, loan.PointsPaidMthd);
    record.SetInteger(twMonMeth, loan.TwiceMonthly);
    record.SetInteger(adjWkMethd, loan.WeekendAdjust);
    record.SetInteger(adjLstMeth, loan.AdjustLastMthd);
    record.SetLogical(usRule, loan.USRule);
    record.SetInteger(lstDayMont, loan.LastDayMonthMthd);
    record.SetInteger(lIntPmtMet, loan.LongInterestPmtMthd);
    record.SetInteger(lIntClcMet, loan.LongInterestCalcMthd);
    record.SetInteger(sIntPmtMet, loan.ShortInterestPmtMthd);
    record.SetInteger(sIntClcMet, loan.ShortInterestCalcMthd);
    record.SetNumber(totalPmts, loan.TotalPmts);
    record.SetNumber(lOddPeriod, loan.OddDaysInterest);
    record.SetInteger(oddDays, loan.OddDays);
    record.SetInteger(intOnlyPer, loan.IntOnlyPmts);
    record.SetInteger(balloonPer, loan.BalloonPeriod);
    record.SetNumber(oneTimeFee, loan.OneTimeFees);
    record.SetNumber(pntsInMon, loan.PointsAmt);
    record.SetInteger(tDys2FstPm, loan.DaysToFirstPmt);
    record.SetInteger(uPer2FstPm, loan.WholePeriods);
    record.SetNumber(fPer2FstPm, loan.OddFraction);
    record.SetInteger(totalDays, loan.DaysToLastPmt);
    record.SetInteger(iPyr, loan.PmtsPerYear);
    record.SetLogical(frcePmtClc, loan.ForcePmtCalc);
    record.SetLogical(recalcPm, loan.RecalcPmtAfterZero);
    record.SetLogical(optiPmts, loan.OptimizePmts);
    record.SetDate(recordDate, ToFieldDate(stamp.date));
    record.SetText(recordTime, StampTimeText(stamp.secondOfDay));
}

TLoanRec LoanColumns::Read(const dbase::Record& record) const {
    TLoanRec loan;
    loan.LoanNo = record.Text(loanNo);
    const std::string& no = loan.LoanNo;
    const auto code = [&](std::size_t field, std::string_view what) {
        return WholeNumber<std::uint8_t>(record, field, no, what);
    };
    const auto count = [&](std::size_t field, std::string_view what) {
        return WholeNumber<std::int32_t>(record, field, no, what);
    };
    loan.PV = NumberOr0(record, pv);
    loan.NumPmts = WholeNumber<std::uint16_t>(record, numPmts, no, "number of payments");
    loan.Rate = SingleNumber(record, rate, no, "rate");
    loan.Pmt = NumberOr0(record, pmt);
    loan.OrgDate = FromFieldDate(record.DateValue(orgDate));
    loan.FirstPmtDate = FromFieldDate(record.DateValue(firstPmtDt));
    loan.PYR = code(pyr, "payment frequency code");
    loan.CmpPYR = code(cmpPyr, "compounding code");
    loan.Points = SingleNumber(record, points, no, "points");
    loan.AmortMthd = code(amortMethd, "amortizing method");
    loan.RateBasis = code(rateBasis, "rate basis");
    loan.PmtMthd = code(pmtMethd, "payment timing");
    loan.AccelMthd = code(accelMethd, "acceleration method");
    loan.PointsPaidMthd = code(pntsPdMeth, "points paid method");
    loan.TwiceMonthly = code(twMonMeth, "twice-monthly days");
    loan.WeekendAdjust = code(adjWkMethd, "weekend adjustment");
    loan.AdjustLastMthd = code(adjLstMeth, "last period adjustment");
    loan.USRule = LogicalOrFalse(record, usRule);
    loan.LastDayMonthMthd = code(lstDayMont, "last day of month adjustment");
    loan.LongInterestPmtMthd = code(lIntPmtMet, "odd days interest payment");
    loan.LongInterestCalcMthd = code(lIntClcMet, "odd days interest calculation");
    loan.ShortInterestPmtMthd = code(sIntPmtMet, "short period payment");
    loan.ShortInterestCalcMthd = code(sIntClcMet, "short period calculation");
    loan.TotalPmts = NumberOr0(record, totalPmts);
    loan.OddDaysInterest = NumberOr0(record, lOddPeriod);
    loan.OddDays = count(oddDays, "odd days");
    loan.IntOnlyPmts = count(intOnlyPer, "number of interest-only payments");
    loan.BalloonPeriod = count(balloonPer, "balloon period");
    loan.OneTimeFees = NumberOr0(record, oneTimeFee);
    loan.PointsAmt = NumberOr0(record, pntsInMon);
    loan.DaysToFirstPmt = count(tDys2FstPm, "days to the first payment");
    loan.WholePeriods = count(uPer2FstPm, "periods to the first payment");
    loan.OddFraction = NumberOr0(record, fPer2FstPm);
    loan.DaysToLastPmt = count(totalDays, "days to the last payment");
    loan.PmtsPerYear = count(iPyr, "payments per year");
    loan.ForcePmtCalc = LogicalOrFalse(record, frcePmtClc);
    loan.RecalcPmtAfterZero = LogicalOrFalse(record, recalcPm);
    loan.OptimizePmts = LogicalOrFalse(record, optiPmts);
    return loan;
}

void LoanColumns::FillProperties(dbase::Record& record, const TLoanProperties& properties) const {
    record.SetText(collateria, properties.Collateral);
    record.SetText(propAddres, properties.PropAddress);
    record.SetText(blockNo, properties.BlockNo);
    record.SetText(lotNo, properties.LotNo);
    record.SetText(propCity, properties.PropCity);
    record.SetText(propState, properties.PropState);
    record.SetText(propZip, properties.PropZip);
    record.SetText(propCntry, properties.PropCountry);
    record.SetText(otherColla, properties.OtherCollateral);
}

TLoanProperties LoanColumns::ReadProperties(const dbase::Record& record) const {
    TLoanProperties properties;
    properties.Collateral = record.Text(collateria);
    properties.PropAddress = record.Text(propAddres);
    properties.BlockNo = record.Text(blockNo);
    properties.LotNo = record.Text(lotNo);
    properties.PropCity = record.Text(propCity);
    properties.PropState = record.Text(propState);
    properties.PropZip = record.Text(propZip);
    properties.PropCountry = record.Text(propCntry);
    properties.OtherCollateral = record.Text(otherColla);
    return properties;
}

} // namespace quarvex::amortization::database
