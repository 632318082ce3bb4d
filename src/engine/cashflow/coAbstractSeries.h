#pragma once

// The common shape of the engines that work row by row over a dated schedule: build the rows
// from the stored inputs, then calculate them. The present-value series, the future-value
// schedule and the annuity payout derive from these.
namespace quarvex::engine {

class coAbstractPV {
public:
    virtual ~coAbstractPV() = default;
    virtual void BuildSchedule() = 0;
    virtual void Calculate() = 0;
};

class coAbstractFV {
public:
    virtual ~coAbstractFV() = default;
    virtual void BuildSchedule() = 0;
    virtual void Calculate() = 0;
};

class coAbstractAnnuity {
public:
    virtual ~coAbstractAnnuity() = default;
    virtual void BuildSchedule() = 0;
    virtual void Calculate() = 0;
};

} // namespace quarvex::engine
