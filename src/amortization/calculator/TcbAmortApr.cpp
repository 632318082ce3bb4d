// The APR of the amortization calculator's loan, its APR Detail and disclosure figures.
#include "amortization/AmortCodes.h"
#include "amortization/calculator/AmortCalcErrors.h"
#include "amortization/calculator/TcbAmort.h"
#include "engine/EngineTypes.h"
#include "framework/masks/DatePicture.h"
#include "framework/masks/TMasks.h"

namespace quarvex::amortization {

AprInputs TcbAmort::AprInputsOf() const {
    const AmortInputs in = Inputs();
    AprInputs apr;
    apr.PV = in.PV;
    apr.OneTimeFees = state_.OneTimeFees;
    apr.FrequencyCode = IsFrequencyCode(results_.EngineFrequency)
                            ? results_.EngineFrequency
                            : static_cast<std::uint8_t>(in.PaymentPeriod + 1);
    apr.OrgDate = in.OrgDate;
    apr.FirstPmtDate = in.FirstPmtDate;
    apr.WholePeriods = results_.Engine.WholePeriods;
    apr.OddFraction = results_.Engine.OddFraction;
    return apr;
}

double TcbAmort::PaidAtOrigination() const {
    return schedule_.Count() > 0 ? schedule_[0].Pmt : 0;
}

const std::vector<engine::TOffsetCashFlow>& TcbAmort::BuildAprFlows() {
    amortization::BuildAprFlows(schedule_, AprInputsOf(), aprFlows_);
    return aprFlows_;
}

long double TcbAmort::ComputeApr() const {
    RequireResults();
    return amortization::DeriveApr(schedule_, AprInputsOf());
}

long double TcbAmort::DeriveApr() {
    RequireResults();
    BuildAprFlows();
    apr_ = amortization::DeriveApr(aprFlows_, AprInputsOf());
    return apr_;
}

void TcbAmort::BuildPaymentGroups(std::vector<TAprPmtRec>& groups) const {
    // The payments as the rows make them: under "Half Monthly" they are biweekly.
    const std::uint8_t frequency = AprInputsOf().FrequencyCode;
    const std::string_view period = engine::kPaymentFrequencyNames[frequency - 1];
    const masks::DatePicture picture(masks::DateMaskFor(Context().conventions));
    amortization::BuildPaymentGroups(
        schedule_, period,
        [&picture](dates::DayNumber date) {
            const dates::CalendarDate d = dates::DayNumberToDMY(date);
            return picture.Format(masks::DateParts{d.day, d.month, d.year});
        },
        groups);
}

AprDetail TcbAmort::MakeAprDetail() {
    const long double apr = DeriveApr();
    return amortization::MakeAprDetail(Inputs(), state_.OneTimeFees, PaidAtOrigination(), results_,
                                       apr);
}

AprDisclosureFigures TcbAmort::MakeDisclosureFigures() {
    const long double apr = DeriveApr();
    std::vector<TAprPmtRec> groups;
    BuildPaymentGroups(groups);
    return amortization::MakeDisclosureFigures(Inputs(), results_, apr, std::move(groups));
}

} // namespace quarvex::amortization
