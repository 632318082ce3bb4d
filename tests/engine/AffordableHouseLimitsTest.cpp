#include "engine/FinanceErrors.h"
#include "engine/coAffHse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quarvex::engine {
namespace {

// Income, cash, rate, periods, taxes, maintenance, percent; the text it is refused with.
struct Refusal {
    const char* what;
    double income;
    double cash;
    std::int16_t periods;
    const char* message;
};

TEST(coAffHseLimits, RefusesInputsInTheOrderThatTellsWhatIsMissing) {
    const Refusal cases[] = {
        {"blank form", 0, 0, 0, "Buyers Annual Income can't be Zero "},
        {"no income, negative term", 0, -5, -10, "Buyers Annual Income can't be Zero "},
        {"no term", 60000, 20000, 0, "Term can't be zero."},
        {"negative term", 60000, 20000, -360, "Term can't be negative."},
        {"negative cash", 60000, -20000, 360, "Cash Available can't be negative."},
        {"the largest debt", 60000, -1e308, 360, "Cash Available can't be negative."},
    };
    for (const Refusal& c : cases) {
        coAffHse house;
        try {
            house.Init(c.income, c.cash, 6, c.periods, 0, 0, 28);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), c.message) << c.what;
        }
    }
}

TEST(coAffHseLimits, NoFigureIsEverInfiniteOrNotANumber) {
    // A price that is nearly all cash: its share is 100 %, never inf.
    coAffHse cash;
    cash.Init(60000, 1e308, 6, 360, 0, 0, 28);
    cash.Calculate();
    EXPECT_TRUE(std::isfinite(cash.AffordableAmount));
    EXPECT_EQ(cash.Text, "Cash Available is 100.00% of House Price.");

    // Figures no double can hold are refused, and the last answer stays.
    constexpr double kMost = std::numeric_limits<double>::max();
    struct Case {
        const char* what;
        double income;
        double taxes;
        double maintenance;
        float percent;
    };
    for (const Case& c :
         {Case{"income", kMost, 0, 0, 99}, Case{"costs", 60000, -kMost, -kMost, 28}}) {
        coAffHse house;
        house.Init(60000, 20000, 6, 360, 0, 0, 28);
        house.Calculate();
        const double before = house.AffordableAmount;
        const std::string text = house.Text;
        house.Init(c.income, 20000, 6, 360, c.taxes, c.maintenance, c.percent);
        try {
            house.Calculate();
            ADD_FAILURE() << c.what << ": " << house.AffordableAmount << " was stored";
        } catch (const EFinance& error) {
            EXPECT_EQ(error.Code(), kFinOutOfRange) << c.what;
        }
        EXPECT_EQ(house.AffordableAmount, before) << c.what;
        EXPECT_EQ(house.Text, text) << c.what;
    }
}

} // namespace
} // namespace quarvex::engine
