#pragma once

#include "calculators/CashFlowCalculator.h"
#include "engine/cashflow/coIRR.h"

namespace quarvex::calculators {

// The internal rate of return of an initial investment and the periodic cash flows after it.
class TcbIRR : public TcbCashFlows {
public:
    enum Field : std::size_t { PV, NumPmts, StartDate, PYR, IRR };
    enum LocalDefault : std::size_t { DefaultPeriod, WarnMessage, ExactDayMethod };

    static const framework::CalculatorSpec& Definition();
    explicit TcbIRR(framework::BufferContext& context);
    void Calculate() override;

protected:
    void WriteHeaderFields(codec::RecordWriter& writer) const override;
    void ReadHeaderFields(codec::RecordReader& reader, framework::DataRecord& into) const override;

private:
    engine::coIRR irr_;
};

} // namespace quarvex::calculators
