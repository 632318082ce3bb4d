#pragma once

#include "platform/Exception.h"

// Errors of the single-formula computations that have no finance error code of their own.
namespace quarvex::engine {

// An economic-order-quantity input that must be positive (unit lot size, price, rate) is not,
// or a count that must not be negative (annual units, cost of an order) is.
class ENotPositive : public Exception {
public:
    ENotPositive() : Exception("Field value(s) should be greater than Zero") {}
};

// An amount invested and an amount returned of opposite signs: no rate turns one into the
// other, since growth at any rate keeps the sign of the amount.
class EOppositeSigns : public Exception {
public:
    EOppositeSigns() : Exception("Amount invested and amount returned must have the same sign.") {}
};

} // namespace quarvex::engine
