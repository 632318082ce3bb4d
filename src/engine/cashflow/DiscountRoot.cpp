#include "engine/cashflow/DiscountRoot.h"

#include "engine/EngineTypes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

namespace quarvex::engine::cashflow {

namespace {

// Newton stops when its step is below this many units of u (a continuously compounded rate);
// the rates shown carry at most a few decimals of a percent.
constexpr double kRelativeTolerance = 1e-13;
constexpr double kNewtonFinish = 1e-8;

// Weights below this leave no trace in a sum of money amounts whose first term has weight 1.
constexpr double kNegligibleWeight = 1e-250;

int SignOf(double value) {
    return (value > 0) - (value < 0);
}

} // namespace

DiscountRoot::DiscountRoot(std::span<const double> ticks, std::span<const double> amounts,
                           double scale) {
    const std::size_t count = std::min(ticks.size(), amounts.size());
    std::vector<std::size_t> order;
    const bool sorted = std::is_sorted(ticks.begin(), ticks.begin() + count);
    if (!sorted) {
        order.resize(count);
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return ticks[a] < ticks[b]; });
    }
    const auto at = [&](std::size_t position) {
        return sorted ? position : order[position];
    };

    time_.resize(count);
    size_.resize(count);
    gapIndex_.resize(count);
    std::size_t terms = 0;
    double previousTick = 0;
    double lastGap = std::numeric_limits<double>::quiet_NaN();
    std::uint32_t lastIndex = kDirectGap;
    int previousSign = 0;
    std::size_t position = 0;
    while (position < count) {
        const double tick = ticks[at(position)];
        double merged = 0;
        while (position < count && ticks[at(position)] == tick) {
            merged += amounts[at(position)];
            ++position;
        }
        if (!std::isfinite(tick) || !std::isfinite(merged)) {
            finite_ = false;
            break;
        }
        const int sign = SignOf(merged);
        if (sign == 0) {
            continue;
        }
        if (previousSign != 0 && sign != previousSign) {
            ++signChanges_;
            if (signChanges_ == 1) {
                split_ = terms;
            }
        }
        previousSign = sign;

        std::uint32_t gapIndex = kDirectGap;
        if (terms > 0) {
            // The gap in ticks keeps equal gaps bit-for-bit equal (whole days, whole periods).
            const double gap = (tick - previousTick) * scale;
            if (gap != lastGap) {
                const auto found = std::find(distinctGaps_.begin(), distinctGaps_.end(), gap);
                if (found != distinctGaps_.end()) {
                    lastIndex = static_cast<std::uint32_t>(found - distinctGaps_.begin());
                } else if (distinctGaps_.size() < kMaxDistinctGaps) {
                    lastIndex = static_cast<std::uint32_t>(distinctGaps_.size());
                    distinctGaps_.push_back(gap);
                } else {
                    lastIndex = kDirectGap;
                }
                lastGap = gap;
            }
            gapIndex = lastIndex;
        }
        time_[terms] = tick * scale;
        size_[terms] = std::fabs(merged);
        gapIndex_[terms] = gapIndex;
        ++terms;
        previousTick = tick;
    }
    time_.resize(terms);
    size_.resize(terms);
    gapIndex_.resize(terms);
}

void DiscountRoot::Evaluate(double u, double& psi, double& slope) const {
    // Every term is scaled by exp(u * t_ref), t_ref being the earliest time for u >= 0 and the
    // latest for u < 0, so that no weight exceeds 1 and no sum can overflow; the common factor
    // cancels in psi and its slope. The weights only shrink along the sum and the first term
    // carries an amount, so the sum stops once they are negligible, before they reach the (very
    // slow) subnormal numbers.
    std::array<double, kMaxDistinctGaps> factor{};
    const double decay = -std::fabs(u);
    for (std::size_t j = 0; j < distinctGaps_.size(); ++j) {
        factor[j] = std::exp(decay * distinctGaps_[j]);
    }
    const auto stepFactor = [&](std::size_t k) {
        const std::uint32_t index = gapIndex_[k];
        return index == kDirectGap ? std::exp(decay * (time_[k] - time_[k - 1])) : factor[index];
    };

    // Summed in two runs, one per group, each from the end that carries weight 1.
    double early = 0;
    double earlyMoment = 0;
    double late = 0;
    double lateMoment = 0;
    const auto addRange = [&](std::size_t from, std::size_t to, double& weight, double& sum,
                              double& moment) {
        for (std::size_t k = from; k < to && weight > kNegligibleWeight; ++k) {
            if (k > 0) {
                weight *= stepFactor(k);
            }
            const double value = size_[k] * weight;
            sum += value;
            moment += value * time_[k];
        }
    };
    const auto addRangeBackward = [&](std::size_t from, std::size_t to, double& weight, double& sum,
                                      double& moment) {
        const std::size_t count = size_.size();
        for (std::size_t k = to; k-- > from && weight > kNegligibleWeight;) {
            if (k + 1 < count) {
                weight *= stepFactor(k + 1);
            }
            const double value = size_[k] * weight;
            sum += value;
            moment += value * time_[k];
        }
    };
    double weight = 1;
    if (u >= 0) {
        addRange(0, split_, weight, early, earlyMoment);
        addRange(split_, size_.size(), weight, late, lateMoment);
    } else {
        addRangeBackward(split_, size_.size(), weight, late, lateMoment);
        addRangeBackward(0, split_, weight, early, earlyMoment);
    }
    if (early == 0 || late == 0) {
        psi = late == 0 ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
        slope = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    psi = std::log(late) - std::log(early);
    slope = earlyMoment / early - lateMoment / late;
}

std::optional<double> DiscountRoot::Solve(double uGuess, double uMin, double uMax) const {
    if (!finite_ || signChanges_ != 1 || !(uMin < uMax)) {
        return std::nullopt;
    }
    // psi > 0 below the root, psi < 0 above it.
    double psi = 0;
    double slope = 0;
    Evaluate(uMin, psi, slope);
    if (std::isnan(psi) || psi < 0) {
        return std::nullopt; // the root lies below the lowest rate searched
    }
    if (psi == 0) {
        return uMin;
    }
    Evaluate(uMax, psi, slope);
    if (std::isnan(psi) || psi > 0) {
        return std::nullopt; // the root lies above the highest rate searched
    }
    if (psi == 0) {
        return uMax;
    }

    double low = uMin;
    double high = uMax;
    double u = std::isfinite(uGuess) ? std::clamp(uGuess, low, high) : 0.5 * (low + high);
    double step = high - low;
    double previousStep = step;
    Evaluate(u, psi, slope);
    for (int tries = 0; tries < MaxTries; ++tries) {
        if (std::isnan(psi)) {
            return std::nullopt;
        }
        if (psi == 0) {
            return u;
        }
        if (psi > 0) {
            low = u;
        } else {
            high = u;
        }
        double next = u - psi / slope;
        const bool newtonUsable = std::isfinite(next) && next > low && next < high &&
                                  std::fabs(2 * psi) <= std::fabs(previousStep * slope);
        if (!newtonUsable) {
            next = 0.5 * (low + high);
        }
        previousStep = step;
        step = next - u;
        const double scale = std::max(1.0, std::fabs(next));
        // Newton converges quadratically and psi is nearly straight: after a Newton step this
        // small, the next one would be far below the tolerance.
        const bool converged = newtonUsable ? std::fabs(step) <= kNewtonFinish * scale
                                            : std::fabs(step) <= kRelativeTolerance * scale;
        if (converged || high - low <= kRelativeTolerance * scale) {
            return next;
        }
        u = next;
        Evaluate(u, psi, slope);
    }
    return std::nullopt;
}

} // namespace quarvex::engine::cashflow
