#pragma once

#include "engines/depreciation/calculator/TcbDepreciation.h"
#include "engines/depreciation/coDecBal.h"

namespace quarvex::engines {

// The declining-balance depreciation calculator.
class TcbDecBal : public TcbDepreciation {
public:
    enum Field : std::size_t {
        Asset,
        BookValue,
        SalvageValue,
        RecoveryPeriod,
        Acceleration,
        InService
    };
    static constexpr std::size_t kAssetCapacity = 15;
    // 19 bytes of header and the 3 114 bytes of the record.
    static constexpr std::size_t kFileSize = 3133;

    static const framework::CalculatorSpec& Definition();
    explicit TcbDecBal(framework::BufferContext& context);
    void Calculate() override;

    std::vector<std::uint8_t> FileBytes() const override;

protected:
    framework::DataRecord ParseFile(std::span<const std::uint8_t> bytes) const override;

private:
    coDecBal engine_;
};

} // namespace quarvex::engines
