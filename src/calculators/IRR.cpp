#include "calculators/IRR.h"

#include "calculators/CashFlowFields.h"
#include "calculators/FieldKit.h"
#include "framework/codec/CodecErrors.h"
#include "framework/dates/Calendar.h"

namespace quarvex::calculators {

namespace {

namespace cf = cashflow_fields;

constexpr std::size_t kIrrHeaderSize = 48;

const TcbCashFlows::Layout kLayout = {
    .pv = TcbIRR::PV,
    .numPmts = TcbIRR::NumPmts,
    .startDate = TcbIRR::StartDate,
    .period = TcbIRR::PYR,
    .result = TcbIRR::IRR,
    .warnOption = TcbIRR::WarnMessage,
    .exactOption = TcbIRR::ExactDayMethod,
    .extension = "irr",
    .headerSize = kIrrHeaderSize,
    .saveDescription = "IRR (*.irr)",
    .openDescription = "IRR (*.irr)",
    .recordCopyValue = "%16.2f",
    .resultCopyFormat = "\r\n%-24s %16.4n\r\n",
    .resultPrintFormat = "\t%-24s\t%16.4n",
    .twoDigitYearLabels = true,
};

} // namespace

const framework::CalculatorSpec& TcbIRR::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        cf::InitialAmount("&Initial Investment?:"),
        cf::Periods(),
        cf::StartDate("Initial Investment &Date?:", 40),
        cf::Period("Periodic Cash &Flow?:"),
        [] {
            auto result = Real("oedIRR", "Internal Rate of Return (IRR) (%):", FieldType::Extended,
                               "###.###", MaskKind::None, 254, FieldRole::Result);
            result.storedResult = true;
            return result;
        }(),
    };
    static const framework::LocalDefaultSpec locals[] = {
        [] {
            auto period = DefaultPaymentPeriod(PYR);
            period.prompt = "Periodic Cash &Flow?:";
            return period;
        }(),
        cf::WarnOption(),
        cf::ExactDayOption(),
    };
    static const framework::GlobalDefaultSpec globals[] = {{GlobalSetting::PaymentPeriod, PYR}};
    static const framework::OutputRow rows[] = {
        MoneyRow(PV, 24),
        CountRow(NumPmts, 24),
        cf::DateRow(StartDate),
        cf::PeriodRow(PYR),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "irr",
        .name = "Internal Rate of Return Calculator",
        .helpTopic = 254,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbIRR::TcbIRR(framework::BufferContext& context) : TcbCashFlows(Definition(), context, kLayout) {}

void TcbIRR::Calculate() {
    PrepareFlows();
    const std::int32_t start = Data().Get<framework::Date>(StartDate).day;
    // Periods: the nominal annual rate; exact days: the effective annual rate.
    if (ExactDays()) {
        const auto flows = DatedFlows();
        irr_.Init(start, flows, PeriodsPerYear());
        irr_.Calculate();
    } else {
        const auto flows = PeriodicFlows();
        irr_.Init(start, flows, PeriodsPerYear());
        irr_.Calculate();
    }
    Data().Set(IRR, irr_.IRR);
}

void TcbIRR::WriteHeaderFields(codec::RecordWriter& writer) const {
    const framework::DataRecord& data = Data();
    writer.WriteZeros(1);
    writer.WriteDouble(data.Get<double>(PV));
    writer.WriteInt16(data.Get<std::int16_t>(NumPmts));
    writer.WriteZeros(2);
    writer.WriteDouble(static_cast<double>(data.Get<long double>(IRR)));
    writer.WriteInt32(data.Get<framework::Date>(StartDate).day);
    writer.WriteInt16(static_cast<std::int16_t>(data.Get<framework::Choice>(PYR).index));
    writer.WriteZeros(2);
}

void TcbIRR::ReadHeaderFields(codec::RecordReader& reader, framework::DataRecord& into) const {
    reader.Skip(1);
    const double amount = reader.ReadDouble();
    const std::int16_t count = reader.ReadInt16();
    reader.Skip(2);
    const double result = reader.ReadDouble();
    const std::int32_t start = reader.ReadInt32();
    const std::int16_t period = reader.ReadInt16();
    reader.Skip(2);
    if (period < 0 || period >= static_cast<int>(into.Spec(PYR).list.size()) ||
        !dates::IsValidDayNumber(start)) {
        throw codec::EDamagedFile();
    }
    into.Set(PV, amount);
    into.Set(NumPmts, count);
    into.Set(IRR, static_cast<long double>(result));
    into.Set(StartDate, framework::Date{start});
    into.Set(PYR, framework::Choice{period});
}

} // namespace quarvex::calculators
