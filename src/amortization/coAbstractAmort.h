#pragma once

namespace quarvex::amortization {

// The shape every amortization engine shares: build the payment rows, finish the schedule,
// and the whole calculation that does both.
class coAbstractAmort {
public:
    virtual ~coAbstractAmort() = default;

    virtual void BuildPeriods() = 0;
    virtual void FinishSchedule() = 0;
    virtual void Calculate() = 0;

protected:
    coAbstractAmort() = default;
    coAbstractAmort(const coAbstractAmort&) = delete;
    coAbstractAmort& operator=(const coAbstractAmort&) = delete;
};

} // namespace quarvex::amortization
