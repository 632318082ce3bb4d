// The field table of the amortization calculator: its data record, the local defaults of its
// options page and its command-line switches.
#include "amortization/calculator/TcbAmort.h"

#include "engine/EngineTypes.h"
#include "framework/settings/DisplayListItems.h"

namespace quarvex::amortization {

namespace {

using framework::Choice;
using framework::FieldRole;
using framework::FieldSpec;
using framework::FieldType;
using framework::LocalDefaultSpec;
using framework::MaskKind;

constexpr std::string_view kMoneyMask = "$###,###,###.##";
constexpr std::string_view kRateMask = "##.####";
constexpr std::string_view kCountMask = "ii,iii";
constexpr std::string_view kDateMask = "mm/dd/yyyy";
constexpr int kOptionsHelp = 301;

FieldSpec Money(std::string_view control, std::string_view prompt, int help) {
    return {control, prompt, FieldType::Double, FieldRole::Input, kMoneyMask, MaskKind::Money, {},
            help,    0.0};
}

FieldSpec Percent(std::string_view control, std::string_view prompt, int help) {
    return {control, prompt, FieldType::Single, FieldRole::Input, kRateMask, MaskKind::Rate, {},
            help,    0.0f};
}

FieldSpec DateOf(std::string_view control, std::string_view prompt, int help, bool today) {
    return {control,
            prompt,
            FieldType::Date,
            FieldRole::Input,
            kDateMask,
            MaskKind::Date,
            {},
            help,
            framework::Date{},
            today};
}

FieldSpec ListOf(std::string_view control, std::string_view prompt, framework::ListItems items,
                 int help, int publisherIndex) {
    return {control, prompt, FieldType::Choice,     FieldRole::Input, {}, MaskKind::None,
            items,   help,   Choice{publisherIndex}};
}

LocalDefaultSpec DefaultList(std::string_view control, std::string_view prompt,
                             framework::ListItems items, int initial, std::size_t target) {
    return {control, prompt,       FieldType::Choice, {},    MaskKind::None,
            items,   kOptionsHelp, Choice{initial},   target};
}

constexpr std::size_t kKeptOnly = LocalDefaultSpec::kNoTarget;

} // namespace

const framework::CalculatorSpec& TcbAmort::Definition() {
    namespace items = framework::list_items;
    static const FieldSpec fields[] = {
        Money("oedPV", "&Amount of Loan?:", 1),
        // Up to 65 535 payments: more than a 16-bit signed count holds.
        {"oedNumPmts",
         "Initial &Periods? (#):",
         FieldType::Int32,
         FieldRole::Input,
         kCountMask,
         MaskKind::Count,
         {},
         411,
         std::int32_t{0}},
        Percent("oedRate", "Annual &Rate? (%):", 9),
        Money("oedPmt", "Per&iodic Payment?:", 4),
        DateOf("oedOrgDate", "Ori&gination Date?:", 112, true),
        DateOf("oedFirstPmtDate", "&1st Payment Date?:", 113, false),
        ListOf("cbxPYR", "Payme&nt Period?:", engine::kPaymentFrequencyNames, 16, 5),
        ListOf("cbxCmpPYR", "Compounding Perio&d?:", engine::kCompoundingNames, 13, 6),
        Percent("oedPoints", "Poin&ts? (%):", 70),
        ListOf("cbxAmortMthd", "Amorti&zing Method?:", engine::kAmortMethodNames, 14, 0),
    };
    // Opening on the local defaults applies the rate, payment period, compounding, method and
    // points to the record and the loan settings among them to the loan (TcbAmort).
    static const LocalDefaultSpec locals[] = {
        {"oedDefaultRate",
         "Annual &Rate? (%):",
         FieldType::Single,
         kRateMask,
         MaskKind::Rate,
         {},
         9,
         0.0f,
         Rate},
        DefaultList("cbxDefaultPYR", "Payme&nt Period?:", engine::kPaymentFrequencyNames, 5, PYR),
        DefaultList("cbxDefaultCmpPYR", "Compounding Perio&d?:", engine::kCompoundingNames, 6,
                    CmpPYR),
        DefaultList("cbxDefaultRateBasis", "Rate Basis?:", engine::kInterestBasisNames, 0,
                    kKeptOnly),
        DefaultList("cbxDefaultAccelMthd", "Loan Acceleration Method?:", items::kAcceleration, 0,
                    kKeptOnly),
        DefaultList("cbxDefaultPointsPaidMthd", "Points Paid How?:", items::kPointsAre, 1,
                    kKeptOnly),
        DefaultList("cbxDefaultLongInterestPmtMthd",
                    "Odd Days Interest Paid When?:", items::kOddDaysPaid, 1, kKeptOnly),
        DefaultList("cbxDefaultLongInterestCalcMthd",
                    "Odd Days Interest Calculation?:", items::kOddDaysCalc, 4, kKeptOnly),
        DefaultList("cbxDefaultShortInterestPmtMthd",
                    "Short Period Interest Paid How?:", items::kShortPeriodPaid, 1, kKeptOnly),
        DefaultList("cbxDefaultShortInterestCalcMthd",
                    "Short Period Interest Calculation?:", items::kShortPeriodCalc, 2, kKeptOnly),
        DefaultList("cbxDefaultAmortMthd", "Amorti&zing Method?:", engine::kAmortMethodNames, 0,
                    AmortMthd),
        {"oedDefaultPoints",
         "Points?:",
         FieldType::Single,
         kRateMask,
         MaskKind::Rate,
         {},
         kOptionsHelp,
         0.0f,
         Points},
    };
    static const framework::GlobalDefaultSpec globals[] = {
        {framework::GlobalSetting::AnnualRate, Rate},
        {framework::GlobalSetting::Points, Points},
        {framework::GlobalSetting::PaymentPeriod, PYR},
        {framework::GlobalSetting::CompoundingPeriod, CmpPYR},
        {framework::GlobalSetting::AmortizingMethod, AmortMthd},
    };
    static const framework::OutputFlagSpec flags[] = {
        {"apr", "adds the APR Detail: the loan's annual percentage rate and its figures", false},
        {"csv", "prints the schedule as CSV instead: the row's field names, then one line a row",
         true},
        {"disclosure",
         "prints the disclosure statement's figures instead; with --pdf the PDF holds the "
         "statement in place of the schedule",
         true},
    };
    static const framework::CalculatorSpec spec = {
        .stem = "amort",
        .name = "Amortization Schedule",
        .maxInstances = 2,
        .helpTopic = 110,
        .optionsHelpTopic = kOptionsHelp,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = {},
        .note = {},
        .needsOwnWindow = true, // a schedule grid and its settings dialogs
        .outputFlags = flags,
    };
    return spec;
}

} // namespace quarvex::amortization
