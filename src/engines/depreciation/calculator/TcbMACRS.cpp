#include "engines/depreciation/calculator/TcbMACRS.h"

#include "calculators/FieldKit.h"
#include "engines/depreciation/DepreciationErrors.h"
#include "engines/depreciation/calculator/DepreciationFields.h"
#include "framework/codec/FileHeader.h"
#include "framework/settings/DisplayListItems.h"

namespace quarvex::engines {

namespace {

constexpr int kWidth = 24;
constexpr const char* kSignature = "MACRS";

using framework::Choice;

framework::FieldSpec BusinessUseField() {
    return fields::Percent("oedBusinessUse", "Bus&iness Use? (%):", 0, 100);
}

framework::FieldSpec MethodField() {
    return calculators::kit::List(
        "cbxMethod", "&Depreciation Method?:", framework::list_items::kDepreciationMethod, 0, 3);
}

framework::FieldSpec ConventionField() {
    return calculators::kit::List("cbxConvention",
                                  "IRS Con&vention?:", framework::list_items::kIrsConvention, 0, 0);
}

std::int16_t StoredIndex(const framework::DataRecord& data, std::size_t field) {
    return static_cast<std::int16_t>(data.Get<Choice>(field).index);
}

} // namespace

const framework::CalculatorSpec& TcbMACRS::Definition() {
    using calculators::kit::DefaultOf;
    using calculators::kit::Money;
    using calculators::kit::MoneyRow;
    static const framework::FieldSpec table[] = {
        fields::Asset("&Asset?:", "Business Car #1"),
        BusinessUseField(),
        Money("oedBookValue", "&Book Value?:", 0),
        fields::InService("Placed I&nto Service?:", 0),
        fields::RecoveryPeriod("&Recovery Period? (Yrs):", "###.#"),
        calculators::kit::Real("oedSection179", "&179 Deduction?:", framework::FieldType::Double,
                               "$##,###.##", framework::MaskKind::Money, 0),
        MethodField(),
        ConventionField(),
    };
    static const framework::LocalDefaultSpec locals[] = {
        [] {
            auto local = DefaultOf(BusinessUseField(), BusinessUse);
            local.initial = std::int16_t{0};
            return local;
        }(),
        DefaultOf(MethodField(), Method),
        DefaultOf(ConventionField(), Convention),
    };
    static const framework::GlobalDefaultSpec globals[] = {
        {framework::GlobalSetting::DepreciationMethod, Method},
        {framework::GlobalSetting::BusinessUse, BusinessUse},
        {framework::GlobalSetting::IrsConvention, Convention},
    };
    static const framework::OutputRow rows[] = {
        fields::AssetRow(Asset, kWidth, 10),   MoneyRow(BookValue, kWidth),
        fields::TextRow(InService, kWidth),    fields::NumberRow(RecoveryPeriod, kWidth),
        fields::NumberRow(Section179, kWidth), fields::TextRow(Method, kWidth),
        fields::TextRow(Convention, kWidth),   fields::PercentRow(BusinessUse, kWidth),
    };
    static const framework::CalculatorSpec spec =
        SpecOf({"macrs", "MACRS Depreciation Calculator", 163, table, locals, globals, rows});
    return spec;
}

TcbMACRS::TcbMACRS(framework::BufferContext& context)
    : TcbDepreciation(Definition(), context, {"MACRS (*.mac)", "MACRS (*.mac)", "mac"}) {}

void TcbMACRS::Calculate() {
    RequireAssetFits(Asset, kAssetCapacity);
    const std::int32_t day = PlacedInService(InService);
    const framework::DataRecord& data = Data();
    try {
        engine_.Init(data.Get<double>(BookValue), day, data.Get<float>(RecoveryPeriod),
                     data.Get<double>(Section179), data.Get<std::int16_t>(BusinessUse),
                     static_cast<std::uint8_t>(data.Get<Choice>(Method).index),
                     static_cast<std::uint8_t>(data.Get<Choice>(Convention).index), schedule_);
    } catch (const ERecoveryPeriod& error) {
        throw framework::ECalculationDeclined(error.Message());
    }
    engine_.Calculate();
}

std::vector<std::uint8_t> TcbMACRS::FileBytes() const {
    const framework::DataRecord& data = Data();
    codec::RecordWriter writer;
    codec::WriteFileHeader(writer, {kSignature, 1, 0});
    writer.WriteShortString(data.Get<std::string>(Asset), kAssetCapacity);
    writer.WriteInt16(data.Get<std::int16_t>(BusinessUse));
    writer.WriteZeros(2);
    writer.WriteDouble(data.Get<double>(BookValue));
    writer.WriteInt32(data.Get<framework::Date>(InService).day);
    writer.WriteSingle(data.Get<float>(RecoveryPeriod));
    writer.WriteDouble(data.Get<double>(Section179));
    writer.WriteInt16(StoredIndex(data, Method));
    writer.WriteInt16(StoredIndex(data, Convention));
    return writer.Take();
}

framework::DataRecord TcbMACRS::ParseFile(std::span<const std::uint8_t> bytes) const {
    codec::RecordReader reader(bytes);
    ExpectFile(reader, kSignature, kFileSize);
    framework::DataRecord record = Data();
    record.Set(Asset, reader.ReadShortString(kAssetCapacity));
    record.Set(BusinessUse, reader.ReadInt16());
    reader.Skip(2);
    record.Set(BookValue, reader.ReadDouble());
    record.Set(InService, framework::Date{reader.ReadInt32()});
    record.Set(RecoveryPeriod, reader.ReadSingle());
    record.Set(Section179, reader.ReadDouble());
    record.Set(Method, Choice{reader.ReadInt16()});
    record.Set(Convention, Choice{reader.ReadInt16()});
    return record;
}

} // namespace quarvex::engines
