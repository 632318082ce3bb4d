#pragma once

#include "engines/depreciation/calculator/TcbYearsDepreciation.h"
#include "engines/depreciation/coSumofYears.h"

namespace quarvex::engines {

// The sum-of-the-years'-digits depreciation calculator.
class TcbSumofYears : public TcbYearsDepreciation {
public:
    static const framework::CalculatorSpec& Definition();
    explicit TcbSumofYears(framework::BufferContext& context);
    void Calculate() override;

private:
    coSumofYears engine_;
};

} // namespace quarvex::engines
