#pragma once

#include "engines/depreciation/calculator/TcbDepreciation.h"

#include <array>

namespace quarvex::engines {

// The straight-line and sum-of-the-years calculators: the same inputs and the same file
// layout, a different schedule.
class TcbYearsDepreciation : public TcbDepreciation {
public:
    enum Field : std::size_t {
        Asset,
        BookValue,
        SalvageValue,
        RecoveryPeriod,
        BusinessUse,
        InService
    };
    static constexpr std::size_t kAssetCapacity = 40;
    // 19 bytes of header and the 3 139 bytes of the record.
    static constexpr std::size_t kFileSize = 3158;

    std::vector<std::uint8_t> FileBytes() const override;

protected:
    framework::DataRecord ParseFile(std::span<const std::uint8_t> bytes) const override;
    TcbYearsDepreciation(const framework::CalculatorSpec& spec, framework::BufferContext& context,
                         FileKind fileKind);
    // The fields checked, the day placed in service.
    std::int32_t CheckedInputs() const;

    // The table of either calculator, with its prompts.
    struct Prompts {
        std::string_view book;
        std::string_view salvage;
        std::string_view period;
    };
    static std::array<framework::FieldSpec, 6> FieldsWith(const Prompts& prompts);
    static framework::FieldSpec BusinessUseField();
    static std::span<const framework::OutputRow> Rows();
    static std::span<const framework::LocalDefaultSpec> LocalDefaults();
    static std::span<const framework::GlobalDefaultSpec> GlobalDefaults();
};

} // namespace quarvex::engines
