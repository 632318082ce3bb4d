#pragma once

#include "platform/Exception.h"

// The refinance advisor's input errors. ETooManyUnknowns-style names recur in other modules,
// so these live in a namespace of their own.
namespace quarvex::engine::refinance {

class EOverMaxYrs : public Exception {
public:
    EOverMaxYrs() : Exception("Original mortgage over maximum number of years.") {}
};

class EOverMaxYrs2 : public Exception {
public:
    EOverMaxYrs2() : Exception("Possible mortgage over maximum number of years.") {}
};

class ESamePeriods : public Exception {
public:
    ESamePeriods() : Exception("Each loan must be for same periods per year.") {}
};

// One class per zero check, in the order the advisor makes them.
class ENoZero1 : public Exception {
public:
    ENoZero1() : Exception("No Zero Values allowed.") {}
};
class ENoZero2 : public Exception {
public:
    ENoZero2() : Exception("No Zero Values allowed.") {}
};
class ENoZero3 : public Exception {
public:
    ENoZero3() : Exception("No Zero Values allowed.") {}
};
class ENoZero4 : public Exception {
public:
    ENoZero4() : Exception("No Zero Values allowed.") {}
};
class ENoZero5 : public Exception {
public:
    ENoZero5() : Exception("No Zero Values allowed.") {}
};

} // namespace quarvex::engine::refinance
