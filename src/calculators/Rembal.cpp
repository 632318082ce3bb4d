#include "calculators/Rembal.h"

#include "amortization/MakeSimpleAmort.h"
#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/formulas/CompoundingCount.h"

#include <cmath>

namespace quarvex::calculators {

namespace {

constexpr std::uint8_t kMonthly = 5;
constexpr std::uint8_t kSemiannually = 9;
constexpr double kZeroFigure = 0.01; // below it the loan counts a figure as zero

} // namespace

const framework::CalculatorSpec& TcbRemBal::Definition() {
    using namespace kit;
    static const framework::FieldSpec fields[] = {
        Money("oedPV", "&Amount of Loan?:", 6),
        Count("oedNumPmts", "&Total Periods? (#):", 97),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        PaymentPeriod(),
        Compounding(),
        PaymentTiming(),
        AmortMethod(),
        Count("oedBalAfter", "&Balance AFTER Payment? (#)", 90),
        Money("oedBalance", "Remaining Balance:", 0, FieldRole::Result),
        [] {
            auto payment = Money("oedPmt", "Per&iodic Payment?:", 4, FieldRole::Result);
            payment.resultAccelerator = true; // shown as it stands, as in copies and prints
            return payment;
        }(),
    };
    static const LoanFields loanFields = {AmortMthd, PmtMthd, CmpPYR, PYR, Rate};
    static const auto locals = LoanLocalDefaults(loanFields);
    // Like the accelerated payment calculator, it takes its global defaults from the settings.
    static const auto globals = LoanGlobalDefaults(loanFields);
    static const framework::OutputRow rows[] = {
        MoneyRow(PV, 24),
        CountRow(NumPmts, 24),
        NumberRow(Rate, 24),
        CountRow(BalAfter, 24),
        ListRow(PYR, 24),
        ListRow(CmpPYR, 24),
        ListRow(PmtMthd, 24),
        ListRow(AmortMthd, 24),
        MoneyRow(Balance, 24),
        // This caption keeps its '&', as the label shows it.
        Captioned(MoneyRow(Pmt, 24), "Per&iodic Payment?:"),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "rembal",
        .name = "Remaining Balance Calculator",
        .helpTopic = 90,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbRemBal::TcbRemBal(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbRemBal::Calculate() {
    framework::DataRecord& data = Data();
    const std::int16_t balanceAfter = data.Get<std::int16_t>(BalAfter);
    engine::RequirePeriodNumber(balanceAfter);
    const auto method = static_cast<amortization::AmortMethod>(CodeOf(data, AmortMthd));
    if (method == amortization::AmortMethod::NoInterest) {
        throw engine::EInvalidAmort();
    }
    // A Canadian mortgage is paid monthly and compounded twice a year, whatever was chosen.
    const bool canadian = method == amortization::AmortMethod::Canadian;
    const std::uint8_t period = canadian ? kMonthly : CodeOf(data, PYR);
    const std::uint8_t compounding = canadian ? kSemiannually : CodeOf(data, CmpPYR);
    const std::uint16_t compoundingCount = engine::CompoundingCountFor(compounding);
    // Every figure of the loan is given here: a zero is missing, not an unknown to solve for.
    engine::RequireTermCount(data.Get<std::int16_t>(NumPmts));
    if (std::fabs(data.Get<double>(PV)) < kZeroFigure) {
        engine::RaiseFinanceError(engine::kFinZeroAmount);
    }
    if (std::fabs(data.Get<float>(Rate)) < kZeroFigure) {
        engine::RaiseFinanceError(engine::kFinZeroRate);
    }

    auto schedule = amortization::MakeSimpleAmort(method);
    loan_.Init(data.Get<double>(PV), data.Get<std::int16_t>(NumPmts), data.Get<float>(Rate), 0.0,
               engine::PeriodsPerYear(period), compoundingCount, CodeOf(data, PmtMthd),
               CodeOf(data, AmortMthd));
    loan_.Unknown = engine::coLoan::kPmt;
    loan_.Calculate();

    amortization::SimpleAmortTerms terms;
    terms.NumPmts = loan_.NumPmts;
    terms.PYR = static_cast<std::uint8_t>(period + 1);
    terms.PV = loan_.PV;
    terms.Pmt = loan_.Pmt;
    terms.Rate = loan_.Rate;
    terms.CmpPYR = compounding;
    terms.AmortMthd = method;
    terms.Timing = static_cast<engine::PaymentTiming>(engine::IsAdvance(CodeOf(data, PmtMthd)));
    schedule->Init(terms);
    schedule->Calculate();
    const double balance = schedule->BalanceAfter(balanceAfter);

    data.Set(PYR, framework::Choice{period});
    data.Set(CmpPYR, framework::Choice{compounding});
    data.Set(Balance, balance);
    data.Set(Pmt, loan_.Pmt);
}

} // namespace quarvex::calculators
