#include "calculators/NetPV.h"

#include "calculators/CashFlowFields.h"
#include "calculators/FieldKit.h"
#include "framework/codec/CodecErrors.h"
#include "framework/dates/Calendar.h"

namespace quarvex::calculators {

namespace {

namespace cf = cashflow_fields;

constexpr std::size_t kNetPVHeaderSize = 52;

const TcbCashFlows::Layout kLayout = {
    .pv = TcbNetPV::PV,
    .numPmts = TcbNetPV::NumPmts,
    .startDate = TcbNetPV::StartDate,
    .period = TcbNetPV::PYR,
    .result = TcbNetPV::NetPV,
    .warnOption = TcbNetPV::WarnMessage,
    .exactOption = TcbNetPV::ExactDayMethod,
    .extension = "npv",
    .headerSize = kNetPVHeaderSize,
    .saveDescription = "Net Present (*.npv)",
    .openDescription = "Net Present Value (*.npv)",
    .recordCopyValue = "%16.2m",
    .resultCopyFormat = "\r\n%-24s %16.2m\r\n",
    .resultPrintFormat = "\t%-24s\t%16.2m",
    .twoDigitYearLabels = false,
};

} // namespace

const framework::CalculatorSpec& TcbNetPV::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        cf::InitialAmount("&Initial Amount?:"),
        kit::Rate("oedDiscountRate", "Discount &Rate? (%):", 84),
        cf::Periods(),
        cf::StartDate("Initial &Date?:", 41),
        cf::Period("Payme&nt Period?:"),
        [] {
            auto result = Real("oedNetPV", "Net Present Value:", FieldType::Extended,
                               "###,###,###.##", MaskKind::Money, 0, FieldRole::Result);
            result.storedResult = true;
            return result;
        }(),
    };
    static const framework::LocalDefaultSpec locals[] = {
        [] {
            auto period = DefaultPaymentPeriod(PYR);
            period.prompt = "P&eriodic Cash Flow?:";
            return period;
        }(),
        [] {
            auto rate = kit::DefaultRate(DiscountRate, "Discount &Rate? (%):");
            rate.helpContext = 84;
            return rate;
        }(),
        cf::WarnOption(),
        cf::ExactDayOption(),
    };
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::PaymentPeriod, PYR},
        {GlobalSetting::AnnualRate, DiscountRate},
    };
    static const framework::OutputRow rows[] = {
        MoneyRow(PV, 24),      Row(DiscountRate, 24, "%16.3n", "%16.3n"),
        CountRow(NumPmts, 24), cf::DateRow(StartDate),
        cf::PeriodRow(PYR),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "netpv",
        .name = "Net Present Value Calculator",
        .helpTopic = 304,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbNetPV::TcbNetPV(framework::BufferContext& context)
    : TcbCashFlows(Definition(), context, kLayout) {}

void TcbNetPV::Calculate() {
    PrepareFlows();
    const framework::DataRecord& data = Data();
    const auto start = data.Get<framework::Date>(StartDate).day;
    const float rate = data.Get<float>(DiscountRate);
    // The engine takes the annual rate in both modes: by periods it discounts at rate / p a
    // period, by exact days at the annual rate over the days between the flows.
    if (ExactDays()) {
        const auto flows = DatedFlows();
        netPV_.Init(start, PeriodsPerYear(), flows, rate);
        netPV_.Calculate();
    } else {
        const auto flows = PeriodicFlows();
        netPV_.Init(start, PeriodsPerYear(), flows, rate);
        netPV_.Calculate();
    }
    Data().Set(NetPV, static_cast<long double>(netPV_.NPV));
}

void TcbNetPV::WriteHeaderFields(codec::RecordWriter& writer) const {
    const framework::DataRecord& data = Data();
    writer.WriteZeros(1);
    writer.WriteInt16(static_cast<std::int16_t>(data.Get<framework::Choice>(PYR).index));
    writer.WriteZeros(2);
    writer.WriteInt32(data.Get<framework::Date>(StartDate).day);
    writer.WriteInt16(data.Get<std::int16_t>(NumPmts));
    writer.WriteZeros(2);
    writer.WriteSingle(data.Get<float>(DiscountRate));
    writer.WriteDouble(data.Get<double>(PV));
    writer.WriteDouble(static_cast<double>(data.Get<long double>(NetPV)));
}

void TcbNetPV::ReadHeaderFields(codec::RecordReader& reader, framework::DataRecord& into) const {
    reader.Skip(1);
    const std::int16_t period = reader.ReadInt16();
    reader.Skip(2);
    const std::int32_t start = reader.ReadInt32();
    const std::int16_t count = reader.ReadInt16();
    reader.Skip(2);
    const float rate = reader.ReadSingle();
    const double amount = reader.ReadDouble();
    const double result = reader.ReadDouble();
    if (period < 0 || period >= static_cast<int>(into.Spec(PYR).list.size()) ||
        !dates::IsValidDayNumber(start)) {
        throw codec::EDamagedFile();
    }
    into.Set(PYR, framework::Choice{period});
    into.Set(StartDate, framework::Date{start});
    into.Set(NumPmts, count);
    into.Set(DiscountRate, rate);
    into.Set(PV, amount);
    into.Set(NetPV, static_cast<long double>(result));
}

} // namespace quarvex::calculators
