#pragma once

#include "amortization/calculator/AprDetail.h"
#include "framework/masks/NumberConventions.h"
#include "framework/masks/TMasks.h"
#include "platform/ReportCanvas.h"

#include <cstddef>
#include <string>

// The 26 figures of the APR Detail sheet as its window shows them and as its page prints them.
namespace quarvex::ui {

enum class AprFigureKind { Money, Date, Count, Fraction, Rate, Apr };

// The figure at `index` (the order of kAprDetailPrompts): its kind and its value (a date as its
// day number).
struct AprFigure {
    AprFigureKind kind = AprFigureKind::Money;
    double value = 0;
};
AprFigure AprDetailFigure(const amortization::AprDetail& detail, std::size_t index);

// The text of a read-only field: money in the money mask, dates in the date mask, counts
// "ii,iii", the fractional period and the quoted rate in the rate mask, the APR "####.####".
std::string AprFigureFieldText(const AprFigure& figure, const masks::TMasks& masks,
                               const masks::NumberConventions& conventions);

// The printed page: the caption bold and centred 1.5 inches from the top, then the figures two
// a line as the copied text pairs them (left labels at 0.75 inch with their values right-aligned
// at 4 inches, right labels at 4.5 inches with their values right-aligned at 7.75 inches),
// two empty lines and the two rates. Courier New 10.
void PrintAprDetailPage(ReportCanvas& canvas, const amortization::AprDetail& detail,
                        const masks::NumberConventions& conventions);

} // namespace quarvex::ui
