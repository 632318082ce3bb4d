#include "engines/depreciation/calculator/TcbYearsDepreciation.h"

#include "calculators/FieldKit.h"
#include "engines/depreciation/calculator/DepreciationFields.h"
#include "engines/depreciation/calculator/RecordImage.h"
#include "framework/codec/FileHeader.h"

namespace quarvex::engines {

namespace {

constexpr int kWidth = 24;

} // namespace

TcbYearsDepreciation::TcbYearsDepreciation(const framework::CalculatorSpec& spec,
                                           framework::BufferContext& context, FileKind fileKind)
    : TcbDepreciation(spec, context, std::move(fileKind)) {}

std::array<framework::FieldSpec, 6> TcbYearsDepreciation::FieldsWith(const Prompts& prompts) {
    return {
        fields::Asset("&Asset?:", ""),
        calculators::kit::Money("oedBookValue", prompts.book, 0),
        calculators::kit::Money("oedSalvageValue", prompts.salvage, 0),
        fields::RecoveryPeriod(prompts.period, "##.#"),
        BusinessUseField(),
        fields::InService("Placed &Into Service?:", 0),
    };
}

framework::FieldSpec TcbYearsDepreciation::BusinessUseField() {
    return fields::Percent("oedBusinessUse", "&Business Use? (%):", 0, 0);
}

std::span<const framework::OutputRow> TcbYearsDepreciation::Rows() {
    using namespace fields;
    static const framework::OutputRow rows[] = {
        AssetRow(Asset, kWidth, 10),
        calculators::kit::MoneyRow(BookValue, kWidth),
        calculators::kit::MoneyRow(SalvageValue, kWidth),
        NumberRow(RecoveryPeriod, kWidth),
        PercentRow(BusinessUse, kWidth),
        TextRow(InService, kWidth),
    };
    return rows;
}

std::span<const framework::LocalDefaultSpec> TcbYearsDepreciation::LocalDefaults() {
    static const framework::LocalDefaultSpec locals[] = {
        calculators::kit::DefaultOf(BusinessUseField(), BusinessUse)};
    return locals;
}

std::span<const framework::GlobalDefaultSpec> TcbYearsDepreciation::GlobalDefaults() {
    static const framework::GlobalDefaultSpec globals[] = {
        {framework::GlobalSetting::BusinessUse, BusinessUse}};
    return globals;
}

std::int32_t TcbYearsDepreciation::CheckedInputs() const {
    RequireAssetFits(Asset, kAssetCapacity);
    return PlacedInService(InService);
}

std::vector<std::uint8_t> TcbYearsDepreciation::FileBytes() const {
    const framework::DataRecord& data = Data();
    codec::RecordWriter writer;
    codec::WriteFileHeader(writer, {DataFile()->extension, 1, 0});
    for (std::size_t field = Asset; field <= InService; ++field) {
        image::WritePrompt(writer, data.Prompt(field));
    }
    image::WriteHeadings(writer);
    writer.WriteShortString(data.Get<std::string>(Asset), kAssetCapacity);
    writer.WriteDouble(data.Get<double>(BookValue));
    writer.WriteDouble(data.Get<double>(SalvageValue));
    writer.WriteSingle(data.Get<float>(RecoveryPeriod));
    writer.WriteInt16(data.Get<std::int16_t>(BusinessUse));
    writer.WriteInt32(data.Get<framework::Date>(InService).day);
    return writer.Take();
}

framework::DataRecord TcbYearsDepreciation::ParseFile(std::span<const std::uint8_t> bytes) const {
    codec::RecordReader reader(bytes);
    ExpectFile(reader, DataFile()->extension, kFileSize);
    for (std::size_t field = Asset; field <= InService; ++field) {
        image::SkipPrompt(reader);
    }
    image::SkipHeadings(reader);
    framework::DataRecord record = Data();
    record.Set(Asset, reader.ReadShortString(kAssetCapacity));
    record.Set(BookValue, reader.ReadDouble());
    record.Set(SalvageValue, reader.ReadDouble());
    record.Set(RecoveryPeriod, reader.ReadSingle());
    record.Set(BusinessUse, reader.ReadInt16());
    record.Set(InService, framework::Date{reader.ReadInt32()});
    return record;
}

} // namespace quarvex::engines
