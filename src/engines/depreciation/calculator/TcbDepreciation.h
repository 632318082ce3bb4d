#pragma once

#include "engines/depreciation/DepreciationRow.h"
#include "framework/buffer/CalcBuffer.h"
#include "framework/codec/RecordReader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quarvex::engines {

// What the four depreciation calculators share: the schedule of the last calculation, shown,
// copied, printed and given to the command line after the inputs, and a data file of the
// calculator's own kind that is read whole and checked before any input changes.
class TcbDepreciation : public framework::CalcBuffer {
public:
    const TDepreciationList& Schedule() const { return schedule_; }

    std::string CopyText() const override;
    bool Print() const override;
    framework::OutputMembers JsonMembers() const override;
    std::string OutputFlagText(std::string_view flag) const override;

    std::optional<FileKind> DataFile() const override { return fileKind_; }
    void WriteDataFile(const std::string& path) const override;
    bool ReadDataFile(const std::string& path) override;

    // The file of the current inputs.
    virtual std::vector<std::uint8_t> FileBytes() const = 0;
    // The inputs a file holds; nothing when it is not a sound file of this calculator's kind.
    std::optional<framework::DataRecord> ReadFile(std::span<const std::uint8_t> bytes) const;

    // The command line's switches of the four calculators.
    static std::span<const framework::OutputFlagSpec> OutputFlags();

    // What tells one depreciation calculator from another; the rest of its definition is
    // common to the four (two windows each, a window of their own, the same switches).
    struct SpecParts {
        std::string_view stem;
        std::string_view name;
        int helpTopic;
        std::span<const framework::FieldSpec> fields;
        std::span<const framework::LocalDefaultSpec> localDefaults;
        std::span<const framework::GlobalDefaultSpec> globalDefaults;
        std::span<const framework::OutputRow> rows;
    };
    static framework::CalculatorSpec SpecOf(const SpecParts& parts);

protected:
    TcbDepreciation(const framework::CalculatorSpec& spec, framework::BufferContext& context,
                    FileKind fileKind);

    // The day placed in service, or ECalculationDeclined when there is none.
    std::int32_t PlacedInService(std::size_t field) const;
    // Refuses an asset name longer than its file keeps.
    void RequireAssetFits(std::size_t field, std::size_t capacity) const;
    // The inputs of a file, read into a copy of the record; raises quarvex::Exception for a
    // file of another kind or a damaged one.
    virtual framework::DataRecord ParseFile(std::span<const std::uint8_t> bytes) const = 0;
    // Checks the header and the size of a whole file, and leaves the reader after the header.
    static void ExpectFile(codec::RecordReader& reader, const std::string& signature,
                           std::size_t size);
    // Whether every input of `record` is one the calculator's fields can hold.
    bool Holdable(const framework::DataRecord& record) const;

    TDepreciationList schedule_;

private:
    FileKind fileKind_;
};

} // namespace quarvex::engines
