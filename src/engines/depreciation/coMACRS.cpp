#include "engines/depreciation/coMACRS.h"

#include "engines/depreciation/DepreciationErrors.h"
#include "engines/depreciation/InclusionTable.h"
#include "engines/depreciation/ScheduleYears.h"
#include "framework/codec/WholeFile.h"
#include "platform/Messages.h"

#include <algorithm>
#include <cmath>

namespace quarvex::engines {

namespace {

constexpr double kUnknownFraction = 0.01;
constexpr double kWholeRemainder = 1.0;
constexpr const char* kInclusionFile = "auto.bin";
constexpr const char* kInclusionMissing =
    "Auto inclusion amounts not found.\n\nOr not enough memory to open file.\n\n";

// No year takes more than is left, nor less than nothing.
double Capped(double amount, double basis) {
    return std::clamp(amount, 0.0, std::max(basis, 0.0));
}

} // namespace

double coMACRS::FirstYearFraction(std::uint8_t convention, int month) {
    if (month < 1 || month > 12) {
        return kUnknownFraction;
    }
    switch (convention) {
    case MidYear:
        return 0.5;
    case MidQuarter: {
        static constexpr double kByQuarter[] = {0.875, 0.625, 0.375, 0.125};
        return kByQuarter[(month - 1) / 3];
    }
    case MidMonth:
        return (12.5 - month) / 12;
    default:
        return kUnknownFraction;
    }
}

int coMACRS::MethodPercent(std::uint8_t method) {
    static constexpr int kPercent[kMethodCount] = {150, 200, 150, 200, 0, 0};
    return method < kMethodCount ? kPercent[method] : 0;
}

void coMACRS::Init(double bookValue, std::int32_t placedInService, float recoveryPeriod,
                   double section179, std::int16_t businessUse, std::uint8_t method,
                   std::uint8_t convention, TDepreciationList& list) {
    // Everything is checked before the list is touched, so a refused calculation leaves the
    // schedule shown as it was.
    if (!(recoveryPeriod > 0) || !std::isfinite(recoveryPeriod)) {
        throw ERecoveryPeriod(kRecoveryPeriodZero);
    }
    if (method >= kMethodCount || !std::isfinite(bookValue)) {
        throw EDepreciation(kUnknownDepreciationError);
    }
    ServiceMonthOf(placedInService);
    bookValue_ = bookValue;
    placedInService_ = placedInService;
    recoveryPeriod_ = recoveryPeriod;
    section179_ = section179;
    businessUse_ = businessUse;
    method_ = method;
    convention_ = convention;
    list_ = &list;
    list.clear();
}

void coMACRS::Calculate() {
    const auto [month, firstYear] = ServiceMonthOf(placedInService_);
    if (bookValue_ < 0) {
        AppendRow(*list_, firstYear, 0, 0);
        return;
    }
    const int years = ScheduleYears(recoveryPeriod_);
    const double fraction = FirstYearFraction(convention_, month);
    if (method_ >= kFirstStraightLineMethod) {
        StraightLine(years, firstYear, fraction);
    } else {
        DecliningBalance(years, firstYear, fraction);
    }
}

void coMACRS::DecliningBalance(int years, int firstYear, double fraction) {
    const double period = recoveryPeriod_;
    const double rate = MethodPercent(method_) * 0.01 / period;
    double basis = bookValue_;
    double depreciation = Capped(RoundToCents(basis * rate * fraction), basis);
    basis -= depreciation;
    AppendRow(*list_, firstYear, depreciation, basis);
    for (int i = 1; i <= years; ++i) {
        if (i < years) {
            const double straightLine = basis / (1 - fraction + period - i);
            const double declining = basis * rate;
            depreciation = RoundToCents(straightLine >= declining ? straightLine : declining);
        } else {
            depreciation = basis >= kWholeRemainder ? basis : 0;
        }
        depreciation = Capped(depreciation, basis);
        basis -= depreciation;
        AppendRow(*list_, firstYear + i, depreciation, basis);
    }
}

void coMACRS::StraightLine(int years, int firstYear, double fraction) {
    const double annual = RoundToCents(bookValue_ / recoveryPeriod_);
    double basis = bookValue_;
    for (int i = 0; i < years; ++i) {
        const double depreciation = Capped(i == 0 ? annual * fraction : annual, basis);
        basis -= depreciation;
        AppendRow(*list_, firstYear + i, depreciation, basis);
    }
    if (basis >= kWholeRemainder) {
        AppendRow(*list_, firstYear + years, basis, 0);
    } else {
        list_->back().AdjustedBasis = 0;
    }
}

int coMACRS::LoadInclusionAmounts(int n, std::vector<double>& output, double fairMarketValue,
                                  double businessUse, Messages& messages) {
    std::optional<InclusionTable> table;
    try {
        table = ParseInclusionTable(codec::ReadWholeFile(ProgramFolder() + kInclusionFile));
    } catch (const Exception&) {
        table.reset();
    }
    if (!table) {
        messages.Show(kInclusionMissing, MessageIcon::Warning, MessageButtons::Ok);
        return 0;
    }
    if (const auto bracket = table->FindBracket(fairMarketValue)) {
        const auto& amounts = table->brackets[*bracket].amounts;
        if (output.size() < static_cast<std::size_t>(n) + 1) {
            output.resize(static_cast<std::size_t>(n) + 1);
        }
        for (int j = 1; j <= n; ++j) {
            output[j] = 0.01 * businessUse * amounts[std::min(j, 5) - 1];
        }
    }
    return static_cast<int>(std::lround(table->year));
}

} // namespace quarvex::engines
