#pragma once

#include "engines/depreciation/calculator/TcbDepreciation.h"
#include "engines/depreciation/coMACRS.h"

namespace quarvex::engines {

// The MACRS depreciation calculator.
class TcbMACRS : public TcbDepreciation {
public:
    enum Field : std::size_t {
        Asset,
        BusinessUse,
        BookValue,
        InService,
        RecoveryPeriod,
        Section179,
        Method,
        Convention
    };
    static constexpr std::size_t kAssetCapacity = 40;
    static constexpr std::size_t kFileSize = 92;

    static const framework::CalculatorSpec& Definition();
    explicit TcbMACRS(framework::BufferContext& context);
    // A recovery period of nothing declines the calculation with its message; the schedule
    // shown stays.
    void Calculate() override;

    std::vector<std::uint8_t> FileBytes() const override;

protected:
    framework::DataRecord ParseFile(std::span<const std::uint8_t> bytes) const override;

private:
    coMACRS engine_;
};

} // namespace quarvex::engines
