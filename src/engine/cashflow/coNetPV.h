#pragma once

#include "engine/cashflow/CashFlowLists.h"
#include "engine/cashflow/TCalcNPV.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <span>

namespace quarvex::engine {

// The net present value of the Net Present Value calculator: Init, then Calculate, then read NPV.
//
// The rate is always the annual discount rate the user entered, in percent. Periodic flows are
// discounted by whole periods at Rate / PYR per period; dated flows ("exact day" mode) by the
// actual days at Rate a year, since a day-based present value reads an annual rate.
//
// Failures are not hidden: dates out of order raise EDateSequenceError "Ending date is earlier
// than starting date.", a rate that cannot discount raises EFinance, and NPV keeps its value
// (0 after Init), so the calculator can show the message and keep its previous result.
class coNetPV {
public:
    long double Rate = 0; // annual, percent
    dates::DayNumber StartDate = 0;
    std::uint16_t PYR = 0;
    double NPV = 0;
    std::uint8_t Dated = 0;

    // The list is the caller's and must outlive Calculate.
    void Init(dates::DayNumber StartDate, std::uint16_t PYR,
              std::span<const TPeriodicCashFlow> Flows, long double Rate);
    void Init(dates::DayNumber StartDate, std::uint16_t PYR, std::span<const TDatedCashFlow> Flows,
              long double Rate);

    // Raises EInternalError for periodic flows with PYR 0.
    void Calculate();

private:
    TCalcNPV npv_;
    std::span<const TPeriodicCashFlow> periodicFlows_;
    std::span<const TDatedCashFlow> datedFlows_;
};

} // namespace quarvex::engine
