#pragma once

#include "calculators/CashFlowCalculator.h"
#include "engine/cashflow/coNetPV.h"

namespace quarvex::calculators {

// The net present value of an initial outflow and periodic cash flows at a discount rate.
class TcbNetPV : public TcbCashFlows {
public:
    enum Field : std::size_t { PV, DiscountRate, NumPmts, StartDate, PYR, NetPV };
    enum LocalDefault : std::size_t { DefaultPeriod, DefaultRate, WarnMessage, ExactDayMethod };

    static const framework::CalculatorSpec& Definition();
    explicit TcbNetPV(framework::BufferContext& context);
    void Calculate() override;

protected:
    void WriteHeaderFields(codec::RecordWriter& writer) const override;
    void ReadHeaderFields(codec::RecordReader& reader, framework::DataRecord& into) const override;

private:
    engine::coNetPV netPV_;
};

} // namespace quarvex::calculators
