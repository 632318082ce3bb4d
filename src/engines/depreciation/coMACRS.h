#pragma once

#include "engines/depreciation/DepreciationRow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarvex {
class Messages;
}

namespace quarvex::engines {

// The United States tax schedule: declining balance switching to straight line, or straight
// line, over the recovery period, the first year taken by the IRS convention's fraction.
class coMACRS : public TCalcDepreciation {
public:
    enum Convention : std::uint8_t { MidYear, MidQuarter, MidMonth };
    // Methods 0 to 3 decline at their percent; 4 and 5 are straight line.
    static constexpr std::uint8_t kFirstStraightLineMethod = 4;
    static constexpr std::uint8_t kMethodCount = 6;

    // Raises ERecoveryPeriod for a recovery period of 0 or less and EDepreciation for an
    // unknown method, before anything changes; then stores the inputs and empties the list.
    void Init(double bookValue, std::int32_t placedInService, float recoveryPeriod,
              double section179, std::int16_t businessUse, std::uint8_t method,
              std::uint8_t convention, TDepreciationList& list);
    void Calculate();

    // The part of a full year's depreciation the first year takes; 0.01 for an unknown
    // convention or month.
    static double FirstYearFraction(std::uint8_t convention, int month);
    // The declining-balance percent of a method: 150, 200, or 0 for straight line.
    static int MethodPercent(std::uint8_t method);

    // Fills output[1..n] with the yearly inclusion amounts of a leased automobile of
    // `fairMarketValue` at `businessUse` percent, from "auto.bin" beside the program, and
    // returns the table's year; 0 (after a warning) when the file cannot be read. A value
    // outside the table's brackets leaves the output as it is.
    static int LoadInclusionAmounts(int n, std::vector<double>& output, double fairMarketValue,
                                    double businessUse, Messages& messages);

    double Section179() const { return section179_; }
    std::int16_t BusinessUse() const { return businessUse_; }

private:
    void DecliningBalance(int years, int firstYear, double fraction);
    void StraightLine(int years, int firstYear, double fraction);

    double bookValue_ = 0;
    std::int32_t placedInService_ = 0;
    float recoveryPeriod_ = 0;
    double section179_ = 0;        // reported, not used
    std::int16_t businessUse_ = 0; // reported, not used
    std::uint8_t method_ = 0;
    std::uint8_t convention_ = 0;
    TDepreciationList* list_ = nullptr;
};

} // namespace quarvex::engines
