#pragma once

#include "engines/depreciation/calculator/TcbYearsDepreciation.h"
#include "engines/depreciation/coSlDep.h"

namespace quarvex::engines {

// The straight-line depreciation calculator.
class TcbSlDep : public TcbYearsDepreciation {
public:
    static const framework::CalculatorSpec& Definition();
    explicit TcbSlDep(framework::BufferContext& context);
    void Calculate() override;

private:
    coSlDep engine_;
};

} // namespace quarvex::engines
