#include "engines/depreciation/calculator/TcbDepreciation.h"

#include "framework/buffer/FieldRange.h"
#include "framework/buffer/FieldStorage.h"
#include "framework/codec/CodecErrors.h"
#include "framework/codec/FileHeader.h"
#include "framework/codec/WholeFile.h"
#include "framework/dates/Calendar.h"
#include "framework/report/Format.h"
#include "framework/report/ResultPage.h"
#include "platform/Messages.h"
#include "platform/Printing.h"

namespace quarvex::engines {

namespace {

using framework::DataRecord;
using framework::FieldType;

constexpr const char* kHeading = "Depreciation Schedule";
constexpr const char* kYear = "Year";
constexpr const char* kDepreciation = "Depreciation";
constexpr const char* kAdjustedBasis = "Adjusted Basis";

// What a file may bring into a field: what any stored value must be (framework::FitsField), a
// placed-in-service day rather than none, and a number within the field's mask.
bool HoldableValue(const framework::FieldSpec& field, const framework::FieldValue& value) {
    if (!framework::FitsField(value, field.type, field.list)) {
        return false;
    }
    if (const auto* date = std::get_if<framework::Date>(&value)) {
        return date->day != dates::kNoDate;
    }
    return !framework::OutsideFieldRange(field, value);
}

} // namespace

TcbDepreciation::TcbDepreciation(const framework::CalculatorSpec& spec,
                                 framework::BufferContext& context, FileKind fileKind)
    : CalcBuffer(spec, context), fileKind_(std::move(fileKind)) {}

std::string TcbDepreciation::CopyText() const {
    const auto& conventions = Context().conventions;
    std::string text = CalcBuffer::CopyText();
    text += std::string("\r\n") + kHeading + "\r\n\r\n";
    text +=
        report::Format("%-10s %16s %16s\r\n", {kYear, kDepreciation, kAdjustedBasis}, conventions);
    text += "\r\n";
    for (const TDepreciationRow& row : schedule_) {
        text += report::Format("%-10s %16.2m %16.2m\r\n",
                               {row.YearLabel, row.Depreciation, row.AdjustedBasis}, conventions);
    }
    return text;
}

bool TcbDepreciation::Print() const {
    const auto& conventions = Context().conventions;
    std::vector<std::string> rows = PrintRows();
    rows.emplace_back();
    rows.push_back(std::string("\t") + kHeading + "\t");
    rows.emplace_back();
    rows.push_back(
        report::Format("\t%-10s\t%16s %16s", {kYear, kDepreciation, kAdjustedBasis}, conventions));
    for (const TDepreciationRow& row : schedule_) {
        rows.push_back(report::Format("\t%-10s\t%16.2m %16.2m",
                                      {row.YearLabel, row.Depreciation, row.AdjustedBasis},
                                      conventions));
    }
    return Context().printing.Print(Title(), Printing::Kind::ResultPage, [&](ReportCanvas& canvas) {
        report::PrintResultPage(canvas, Context().reportFont, Title(), rows);
    });
}

framework::OutputMembers TcbDepreciation::JsonMembers() const {
    framework::OutputValue::List rows;
    for (const TDepreciationRow& row : schedule_) {
        rows.emplace_back(framework::OutputValue::Members{{"Year", row.YearLabel},
                                                          {"Depreciation", row.Depreciation},
                                                          {"AdjustedBasis", row.AdjustedBasis}});
    }
    return {{"rows", std::move(rows)}};
}

std::string TcbDepreciation::OutputFlagText(std::string_view flag) const {
    if (flag != "csv") {
        return {};
    }
    std::string text = "Year,Depreciation,AdjustedBasis\r\n";
    for (const TDepreciationRow& row : schedule_) {
        text +=
            report::Format("%s,%.2f,%.2f\r\n", {row.YearLabel, row.Depreciation, row.AdjustedBasis},
                           Context().conventions);
    }
    return text;
}

std::span<const framework::OutputFlagSpec> TcbDepreciation::OutputFlags() {
    static const framework::OutputFlagSpec flags[] = {
        {"csv", "prints the schedule as CSV instead: Year, Depreciation, AdjustedBasis", true},
    };
    return flags;
}

void TcbDepreciation::WriteDataFile(const std::string& path) const {
    codec::WriteWholeFile(path, FileBytes());
}

bool TcbDepreciation::ReadDataFile(const std::string& path) {
    const auto record = ReadFile(codec::ReadWholeFile(path));
    if (!record) {
        Context().messages.Show("Version Mismatch", MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    Data().CopyValuesFrom(*record);
    return true;
}

std::optional<DataRecord> TcbDepreciation::ReadFile(std::span<const std::uint8_t> bytes) const {
    try {
        DataRecord record = ParseFile(bytes);
        if (Holdable(record)) {
            return record;
        }
    } catch (const Exception&) {
    }
    return std::nullopt;
}

void TcbDepreciation::ExpectFile(codec::RecordReader& reader, const std::string& signature,
                                 std::size_t size) {
    codec::ExpectFileHeader(reader, {signature, 1, 0});
    if (reader.Position() + reader.Remaining() != size) {
        throw codec::EDamagedFile();
    }
}

bool TcbDepreciation::Holdable(const DataRecord& record) const {
    for (std::size_t i = 0; i < record.Size(); ++i) {
        if (!HoldableValue(record.Spec(i), record.Value(i))) {
            return false;
        }
    }
    return true;
}

std::int32_t TcbDepreciation::PlacedInService(std::size_t field) const {
    const std::int32_t day = Data().Get<framework::Date>(field).day;
    if (!dates::IsValidDayNumber(day)) {
        throw framework::ECalculationDeclined("Enter the date the asset was placed in service.");
    }
    return day;
}

void TcbDepreciation::RequireAssetFits(std::size_t field, std::size_t capacity) const {
    if (Data().Get<std::string>(field).size() > capacity) {
        throw framework::EBadArgument("The asset's name takes at most " + std::to_string(capacity) +
                                      " characters.");
    }
}

framework::CalculatorSpec TcbDepreciation::SpecOf(const SpecParts& parts) {
    return {
        .stem = parts.stem,
        .name = parts.name,
        .maxInstances = 2,
        .helpTopic = parts.helpTopic,
        .fields = parts.fields,
        .localDefaults = parts.localDefaults,
        .globalDefaults = parts.globalDefaults,
        .rows = parts.rows,
        .needsOwnWindow = true,
        .outputFlags = OutputFlags(),
    };
}

} // namespace quarvex::engines
