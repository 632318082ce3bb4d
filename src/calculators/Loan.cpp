#include "calculators/Loan.h"

#include "engine/EngineTypes.h"
#include "engine/LoanErrors.h"

namespace quarvex::calculators {

namespace {

using framework::CalculatorSpec;
using framework::Choice;
using framework::FieldRole;
using framework::FieldSpec;
using framework::FieldType;
using framework::GlobalDefaultSpec;
using framework::GlobalSetting;
using framework::LocalDefaultSpec;
using framework::MaskKind;
using framework::OutputRow;

constexpr std::string_view kMoneyMask = "$###,###,###.##";
constexpr std::string_view kRateMask = "##.####";
constexpr std::string_view kCountMask = "ii,iii";

const FieldSpec kFields[] = {
    {"oedPV",
     "&Amount of Loan?:",
     FieldType::Double,
     FieldRole::Input,
     kMoneyMask,
     MaskKind::Money,
     {},
     6,
     0.0},
    {"oedNumPmts",
     "&Total Periods? (#):",
     FieldType::Int16,
     FieldRole::Input,
     kCountMask,
     MaskKind::Count,
     {},
     97,
     std::int16_t{0}},
    {"oedRate",
     "Annual &Rate? (%):",
     FieldType::Single,
     FieldRole::Input,
     kRateMask,
     MaskKind::Rate,
     {},
     9,
     0.0f},
    {"oedPmt",
     "Per&iodic Payment?:",
     FieldType::Double,
     FieldRole::Input,
     kMoneyMask,
     MaskKind::Money,
     {},
     4,
     0.0},
    {"cbxPYR",
     "Payme&nt Period?:",
     FieldType::Choice,
     FieldRole::Input,
     {},
     MaskKind::None,
     engine::kPaymentFrequencyNames,
     127,
     Choice{5}},
    {"cbxCmpPYR",
     "Compounding Perio&d?:",
     FieldType::Choice,
     FieldRole::Input,
     {},
     MaskKind::None,
     engine::kCompoundingNames,
     13,
     Choice{6}},
    {"cbxPmtMthd",
     "Payment &Method?:",
     FieldType::Choice,
     FieldRole::Input,
     {},
     MaskKind::None,
     engine::kPaymentTimingNames,
     17,
     Choice{0}},
    {"cbxAmortMthd",
     "Amorti&zing Method?:",
     FieldType::Choice,
     FieldRole::Input,
     {},
     MaskKind::None,
     engine::kAmortMethodNames,
     12,
     Choice{0}},
    {"oedInterest",
     "Interest For Term:",
     FieldType::Double,
     FieldRole::Result,
     kMoneyMask,
     MaskKind::Money,
     {},
     0,
     0.0},
};

const LocalDefaultSpec kLocalDefaults[] = {
    {"cbxDefaultAmortMthd",
     "Amorti&zing Method?:",
     FieldType::Choice,
     {},
     MaskKind::None,
     engine::kAmortMethodNames,
     12,
     Choice{0},
     TcbLoan::AmortMthd},
    {"cbxDefaultPmtMthd",
     "Payment &Method?:",
     FieldType::Choice,
     {},
     MaskKind::None,
     engine::kPaymentTimingNames,
     17,
     Choice{0},
     TcbLoan::PmtMthd},
    {"cbxDefaultCmpPYR",
     "Compounding Perio&d?:",
     FieldType::Choice,
     {},
     MaskKind::None,
     engine::kCompoundingNames,
     13,
     Choice{6},
     TcbLoan::CmpPYR},
    {"cbxDefaultPYR",
     "Payme&nt Period?:",
     FieldType::Choice,
     {},
     MaskKind::None,
     engine::kPaymentFrequencyNames,
     127,
     Choice{5},
     TcbLoan::PYR},
    {"oedDefaultRate",
     "Annual &Rate? (%):",
     FieldType::Single,
     kRateMask,
     MaskKind::Rate,
     {},
     9,
     0.0f,
     TcbLoan::Rate},
};

const GlobalDefaultSpec kGlobalDefaults[] = {
    {GlobalSetting::AnnualRate, TcbLoan::Rate},
    {GlobalSetting::PaymentPeriod, TcbLoan::PYR},
    {GlobalSetting::CompoundingPeriod, TcbLoan::CmpPYR},
    {GlobalSetting::PaymentMethod, TcbLoan::PmtMthd},
    {GlobalSetting::AmortizingMethod, TcbLoan::AmortMthd},
};

const OutputRow kRows[] = {
    {TcbLoan::PV, "%-24s %16.2m\r\n", "\t%-24s\t%16.2m"},
    {TcbLoan::NumPmts, "%-24s %16d\r\n", "\t%-24s\t%16d"},
    {TcbLoan::Rate, "%-24s %16.2n\r\n", "\t%-24s\t%16.4n"},
    {TcbLoan::Pmt, "%-24s %16.2m\r\n", "\t%-24s\t%16.2m"},
    {TcbLoan::PYR, "%-24s %16s\r\n", "\t%-24s\t%s"},
    {TcbLoan::CmpPYR, "%-24s %16s\r\n", "\t%-24s\t%s"},
    {TcbLoan::PmtMthd, "%-24s %16s\r\n", "\t%-24s\t%s"},
    {TcbLoan::AmortMthd, "%-24s %16s\r\n", "\t%-24s\t%s"},
    {TcbLoan::Interest, "%-24s %16.2m\r\n", "\t%-24s\t%16.2m"},
};

const CalculatorSpec kDefinition = {
    .stem = "loan",
    .name = "Loan Calculator",
    .maxInstances = 2,
    .helpTopic = 125,
    .optionsHelpTopic = 301,
    .fields = kFields,
    .localDefaults = kLocalDefaults,
    .globalDefaults = kGlobalDefaults,
    .rows = kRows,
    .note = "Enter a Zero '0'  for Unknown Value",
};

std::uint8_t Code(const framework::DataRecord& data, std::size_t field) {
    return static_cast<std::uint8_t>(data.Get<Choice>(field).index);
}

} // namespace

const CalculatorSpec& TcbLoan::Definition() {
    return kDefinition;
}

TcbLoan::TcbLoan(framework::BufferContext& context) : CalcBuffer(kDefinition, context) {}

void TcbLoan::Calculate() {
    framework::DataRecord& data = Data();
    const auto compounding = engine::CompoundingPerYear(Code(data, CmpPYR));
    if (!compounding) {
        engine::RaiseLoanError(engine::kLoanUnsupportedCompounding);
    }
    const std::uint8_t found =
        loan_.Init(data.Get<double>(PV), data.Get<std::int16_t>(NumPmts), data.Get<float>(Rate),
                   data.Get<double>(Pmt), engine::PeriodsPerYear(Code(data, PYR)), *compounding,
                   Code(data, PmtMthd), Code(data, AmortMthd));
    // With every field filled in, solve again for the field solved last.
    loan_.Unknown = found == engine::coLoan::kNone ? unknown_ : found;
    loan_.Calculate();

    unknown_ = loan_.Unknown;
    data.Set(PV, loan_.PV);
    data.Set(NumPmts, loan_.NumPmts);
    data.Set(Rate, loan_.Rate);
    data.Set(Pmt, loan_.Pmt);
    data.Set(Interest, loan_.Interest);
}

int TcbLoan::SolvedField() const {
    switch (unknown_) {
    case engine::coLoan::kPV:
        return PV;
    case engine::coLoan::kNumPmts:
        return NumPmts;
    case engine::coLoan::kRate:
        return Rate;
    default:
        return Pmt;
    }
}

} // namespace quarvex::calculators
