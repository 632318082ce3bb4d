#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The root finder behind the internal rates of return.
//
// Every present value the rate solvers discount is an exponential sum
//     f(u) = sum of a_k * exp(-u * t_k)
// in the continuously compounded rate u = ln(1 + periodic rate): t_k is the time of flow k in
// periods (whole periods, days / 365, or periods after a fractional first one). With the flows
// taken in time order, the number of sign changes of their amounts bounds the number of roots
// (the rule of signs holds for such sums). No sign change means no root; more than one means the
// rate need not be unique. With exactly one, the flows fall into an earlier group E of one sign
// and a later group L of the other, and the root is the one rate at which both groups are worth
// the same. It is found as the root of
//     psi(u) = ln L(u) - ln E(u),
// L and E being the present values of the two groups' amounts taken positive. psi falls
// strictly as u grows (its slope is minus the difference of the groups' mean times) and is
// nearly straight, where f itself grows or shrinks exponentially: Newton's method with the exact
// derivative converges in a few steps from any start. The steps are kept inside a bracket of
// the root, which is halved whenever a step would leave it or shrinks it too slowly.
//
// There is no answer when the flows do not change sign exactly once, when the root lies outside
// the range searched, or when the search runs out of tries: the caller reports that it cannot
// derive the rate.
namespace quarvex::engine::cashflow {

class DiscountRoot {
public:
    // Flow k lies at time ticks[k] * scale. The ticks need not be sorted; flows at equal ticks
    // count as one. The spans are read during construction only.
    DiscountRoot(std::span<const double> ticks, std::span<const double> amounts, double scale);

    // The root u within [uMin, uMax], searched from uGuess; empty when there is none.
    std::optional<double> Solve(double uGuess, double uMin, double uMax) const;

    // Number of sign changes of the amounts in time order (zeros skipped, equal times merged).
    int SignChanges() const { return signChanges_; }

private:
    // psi(u) and its derivative. psi is +infinity when the later group's value is negligible
    // beside the earlier one's and -infinity in the opposite case; the slope is then not finite.
    void Evaluate(double u, double& psi, double& slope) const;

    static constexpr std::uint32_t kDirectGap = 0xFFFFFFFFu;
    static constexpr std::size_t kMaxDistinctGaps = 64;

    // One term per distinct time with a non-zero amount, in time order.
    std::vector<double> time_;
    std::vector<double> size_; // |amount|
    // Gap k (k >= 1) is time_[k] - time_[k - 1]. Schedules have few distinct gaps, whose
    // discount factors are computed once per evaluation; gapIndex_ points to them (kDirectGap:
    // a gap beyond the first few distinct ones, whose factor is computed on its own).
    std::vector<std::uint32_t> gapIndex_;
    std::vector<double> distinctGaps_;
    std::size_t split_ = 0; // first term of the later group
    int signChanges_ = 0;
    bool finite_ = true;
};

} // namespace quarvex::engine::cashflow
