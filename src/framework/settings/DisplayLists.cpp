#include "framework/settings/DisplayLists.h"

#include "engine/EngineTypes.h"
#include "framework/settings/DisplayListItems.h"

#include <algorithm>
#include <stdexcept>

namespace quarvex::framework {

namespace {

template <std::size_t N> DisplayList MakeList(const std::array<std::string_view, N>& items) {
    return DisplayList(items.begin(), items.end());
}

constexpr std::array<std::string_view, kDisplayListCount> kListNames = {"PaymentPeriodList",
                                                                        "CompoundingList",
                                                                        "RateBasisList",
                                                                        "PaymentTimingList",
                                                                        "AmortMethodList",
                                                                        "DaysList365First",
                                                                        "DaysList360First",
                                                                        "BooleanList",
                                                                        "NoYesList",
                                                                        "StartingDateList",
                                                                        "DepreciationMethodList",
                                                                        "IrsConventionList",
                                                                        "FirstAmortizeLastList",
                                                                        "PrepaidAmortizedList",
                                                                        "DeductibleList",
                                                                        "AccelerationList",
                                                                        "PointsAreList",
                                                                        "WithFirstAmortizedList",
                                                                        "OddDaysPaidList",
                                                                        "OddDaysCalcList",
                                                                        "ShortPeriodPaidList",
                                                                        "ShortPeriodCalcList",
                                                                        "PaymentTypeList",
                                                                        "TaxEffectList",
                                                                        "DaysPerYearList",
                                                                        "CouponFrequencyList",
                                                                        "LastPaymentAdjustList",
                                                                        "IgnoreAdjustList",
                                                                        "TwiceMonthlyList",
                                                                        "WeekendAdjustList",
                                                                        "AccountSortList",
                                                                        "LoanSortList"};

std::size_t IndexOf(DisplayListId id) {
    const auto index = static_cast<std::size_t>(id);
    if (id == DisplayListId::None || index >= kDisplayListCount) {
        throw std::out_of_range("no such display list");
    }
    return index;
}

} // namespace

DisplayLists::DisplayLists() {
    using Id = DisplayListId;
    namespace items = list_items;
    auto set = [this](Id id, DisplayList list) {
        lists_[IndexOf(id)] = std::move(list);
    };
    // The engine's choices: the list codes are the engine enumerations.
    set(Id::PaymentPeriod, MakeList(engine::kPaymentFrequencyNames));
    set(Id::Compounding, MakeList(engine::kCompoundingNames));
    set(Id::RateBasis, MakeList(engine::kInterestBasisNames));
    set(Id::PaymentTiming, MakeList(engine::kPaymentTimingNames));
    set(Id::AmortMethod, MakeList(engine::kAmortMethodNames));
    set(Id::DaysList365First, MakeList(engine::kYearBasis365First));
    set(Id::DaysList360First, MakeList(engine::kYearBasis360First));
    // The program's own lists.
    set(Id::Boolean, MakeList(items::kBoolean));
    set(Id::NoYes, MakeList(items::kNoYes));
    set(Id::StartingDate, MakeList(items::kStartingDate));
    set(Id::DepreciationMethod, MakeList(items::kDepreciationMethod));
    set(Id::IrsConvention, MakeList(items::kIrsConvention));
    set(Id::FirstAmortizeLast, MakeList(items::kFirstAmortizeLast));
    set(Id::PrepaidAmortized, MakeList(items::kPrepaidAmortized));
    set(Id::Deductible, MakeList(items::kDeductible));
    set(Id::Acceleration, MakeList(items::kAcceleration));
    set(Id::PointsAre, MakeList(items::kPointsAre));
    set(Id::WithFirstAmortized, MakeList(items::kWithFirstAmortized));
    set(Id::OddDaysPaid, MakeList(items::kOddDaysPaid));
    set(Id::OddDaysCalc, MakeList(items::kOddDaysCalc));
    set(Id::ShortPeriodPaid, MakeList(items::kShortPeriodPaid));
    set(Id::ShortPeriodCalc, MakeList(items::kShortPeriodCalc));
    set(Id::PaymentType, MakeList(items::kPaymentType));
    set(Id::TaxEffect, MakeList(items::kTaxEffect));
    set(Id::DaysPerYear, MakeList(items::kDaysPerYear));
    set(Id::CouponFrequency, MakeList(items::kCouponFrequency));
    set(Id::LastPaymentAdjust, MakeList(items::kLastPaymentAdjust));
    set(Id::IgnoreAdjust, MakeList(items::kIgnoreAdjust));
    set(Id::TwiceMonthly, MakeList(items::kTwiceMonthly));
    set(Id::WeekendAdjust, MakeList(items::kWeekendAdjust));
    set(Id::AccountSort, MakeList(items::kAccountSort));
    set(Id::LoanSort, MakeList(items::kLoanSort));
}

const DisplayLists& DisplayLists::Standard() {
    static const DisplayLists lists;
    return lists;
}

const DisplayList& DisplayLists::Get(DisplayListId id) const {
    return lists_[IndexOf(id)];
}

std::optional<int> DisplayLists::CodeOf(DisplayListId id, std::string_view item) const {
    const DisplayList& list = Get(id);
    auto found = std::find(list.begin(), list.end(), item);
    if (found == list.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - list.begin());
}

std::optional<std::string> DisplayLists::ItemOf(DisplayListId id, int code) const {
    if (!IsCode(id, code)) {
        return std::nullopt;
    }
    return Get(id)[static_cast<std::size_t>(code)];
}

bool DisplayLists::IsCode(DisplayListId id, int code) const {
    return code >= 0 && static_cast<std::size_t>(code) < Get(id).size();
}

std::string_view DisplayLists::NameOf(DisplayListId id) {
    return kListNames[IndexOf(id)];
}

} // namespace quarvex::framework
