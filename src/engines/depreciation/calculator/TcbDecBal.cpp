#include "engines/depreciation/calculator/TcbDecBal.h"

#include "calculators/FieldKit.h"
#include "engines/depreciation/calculator/DepreciationFields.h"
#include "engines/depreciation/calculator/RecordImage.h"
#include "framework/codec/FileHeader.h"

namespace quarvex::engines {

namespace {

constexpr int kWidth = 30;

framework::FieldSpec AccelerationField() {
    return fields::Percent("oedAcceleration", "Acceleration Percen&tage? (%):", 0, 0);
}

} // namespace

const framework::CalculatorSpec& TcbDecBal::Definition() {
    using calculators::kit::Money;
    using calculators::kit::MoneyRow;
    static const framework::FieldSpec table[] = {
        fields::Asset("&Asset?:", " "),
        Money("oedBookValue", "&Book Value?:", 0),
        Money("oedSalvageValue", "Salvage &Value?:", 0),
        fields::RecoveryPeriod("&Recovery Period?:", "##.#"),
        AccelerationField(),
        fields::InService("Placed &Into Service?:", 0),
    };
    static const framework::LocalDefaultSpec locals[] = {
        calculators::kit::DefaultOf(AccelerationField(), Acceleration)};
    static const framework::GlobalDefaultSpec globals[] = {
        {framework::GlobalSetting::AccelerationPercentage, Acceleration}};
    static const framework::OutputRow rows[] = {
        fields::AssetRow(Asset, kWidth, 16),      MoneyRow(BookValue, kWidth),
        MoneyRow(SalvageValue, kWidth),           fields::NumberRow(RecoveryPeriod, kWidth),
        fields::PercentRow(Acceleration, kWidth), fields::TextRow(InService, kWidth),
    };
    static const framework::CalculatorSpec spec = SpecOf(
        {"decbal", "Declining Balance Depreciation Calculator", 162, table, locals, globals, rows});
    return spec;
}

TcbDecBal::TcbDecBal(framework::BufferContext& context)
    : TcbDepreciation(Definition(), context,
                      {"Declining Balance (*.dec)", "Declining Balance (*.dec)", "dec"}) {}

void TcbDecBal::Calculate() {
    RequireAssetFits(Asset, kAssetCapacity);
    const std::int32_t day = PlacedInService(InService);
    const framework::DataRecord& data = Data();
    engine_.Init(data.Get<double>(BookValue), data.Get<double>(SalvageValue),
                 data.Get<float>(RecoveryPeriod), data.Get<std::int16_t>(Acceleration), day,
                 schedule_);
    engine_.Calculate();
}

std::vector<std::uint8_t> TcbDecBal::FileBytes() const {
    const framework::DataRecord& data = Data();
    codec::RecordWriter writer;
    codec::WriteFileHeader(writer, {"dec", 1, 0});
    for (std::size_t field = BookValue; field <= InService; ++field) {
        image::WritePrompt(writer, data.Prompt(field));
    }
    writer.WriteDouble(data.Get<double>(BookValue));
    writer.WriteDouble(data.Get<double>(SalvageValue));
    writer.WriteSingle(data.Get<float>(RecoveryPeriod));
    writer.WriteInt16(data.Get<std::int16_t>(Acceleration));
    writer.WriteInt32(data.Get<framework::Date>(InService).day);
    image::WriteHeadings(writer);
    image::WritePrompt(writer, data.Prompt(Asset));
    writer.WriteShortString(data.Get<std::string>(Asset), kAssetCapacity);
    return writer.Take();
}

framework::DataRecord TcbDecBal::ParseFile(std::span<const std::uint8_t> bytes) const {
    codec::RecordReader reader(bytes);
    ExpectFile(reader, "dec", kFileSize);
    for (std::size_t field = BookValue; field <= InService; ++field) {
        image::SkipPrompt(reader);
    }
    framework::DataRecord record = Data();
    record.Set(BookValue, reader.ReadDouble());
    record.Set(SalvageValue, reader.ReadDouble());
    record.Set(RecoveryPeriod, reader.ReadSingle());
    record.Set(Acceleration, reader.ReadInt16());
    record.Set(InService, framework::Date{reader.ReadInt32()});
    image::SkipHeadings(reader);
    image::SkipPrompt(reader);
    record.Set(Asset, reader.ReadShortString(kAssetCapacity));
    return record;
}

} // namespace quarvex::engines
