#include "framework/settings/GridLayout.h"

#include "framework/settings/EGlobal.h"

#include <algorithm>
#include <stdexcept>

namespace quarvex::framework {

namespace {

constexpr int kRowSpacing = 3;
constexpr int kFieldSpacing = 5;

struct GridShape {
    int rows = 1;
    int columns = 1;
    int gap = 0;
};

// Rows that fit the box (never fewer than one, so a tiny box still gets a column), then
// columns as needed up to maxColumns, then rows again for that many columns.
GridShape ShapeFor(int count, int rowHeight, int boxHeight, int maxColumns) {
    if (count <= 0) {
        throw EGlobal("Periods can' be zero.");
    }
    if (rowHeight <= 0) {
        throw std::invalid_argument("grid layout: the row height must be positive");
    }
    GridShape shape;
    shape.rows = std::max(1, (boxHeight - kRowSpacing) / (rowHeight + kRowSpacing));
    if (count > shape.rows) {
        shape.columns = std::min((count + shape.rows - 1) / shape.rows, maxColumns);
        shape.rows = (count + shape.columns - 1) / shape.columns;
    }
    return shape;
}

// A box narrower than its columns gets no gap rather than a negative one, which would push
// the first column out of sight.
int GapFor(int spareWidth, int columns) {
    return std::max(0, spareWidth / (columns + 1));
}

int TopOf(int row, int rowHeight) {
    return row * rowHeight + (row + 1) * kRowSpacing;
}

} // namespace

std::vector<EntryPairPlace> LayoutEntryGrid(const EntryGridSpec& spec) {
    GridShape shape = ShapeFor(spec.count, spec.rowHeight, spec.boxHeight, 3);
    shape.gap = GapFor(spec.boxWidth - spec.pairWidth * shape.columns - 8, shape.columns);
    std::vector<EntryPairPlace> places;
    places.reserve(static_cast<std::size_t>(spec.count));
    for (int i = 0; i < spec.count; ++i) {
        EntryPairPlace place;
        place.row = i / shape.columns;
        place.column = i % shape.columns;
        const int top = TopOf(place.row, spec.rowHeight);
        const int left = shape.gap + (shape.gap + spec.pairWidth) * place.column;
        place.label = {left, top, spec.labelWidth, spec.rowHeight};
        place.field = {left + spec.labelWidth + kFieldSpacing, top,
                       spec.pairWidth - spec.labelWidth - kFieldSpacing, spec.rowHeight};
        places.push_back(place);
    }
    return places;
}

std::vector<LabelRowPlace> LayoutLabelGrid(const LabelGridSpec& spec) {
    GridShape shape = ShapeFor(spec.count, spec.rowHeight, spec.boxHeight, 2);
    shape.gap = GapFor(spec.boxWidth - spec.itemWidth * shape.columns, shape.columns);
    std::vector<LabelRowPlace> places;
    places.reserve(static_cast<std::size_t>(spec.count));
    for (int i = 0; i < spec.count; ++i) {
        LabelRowPlace place;
        place.row = i / shape.columns;
        place.column = i % shape.columns;
        const int top = TopOf(place.row, spec.rowHeight);
        const int left = shape.gap + (shape.gap + spec.itemWidth) * place.column;
        const int secondLeft = left + spec.firstWidth + kFieldSpacing;
        const int thirdLeft = secondLeft + spec.secondWidth + kFieldSpacing;
        place.labels = {
            GridRect{left, top, spec.firstWidth, spec.rowHeight},
            GridRect{secondLeft, top, spec.secondWidth, spec.rowHeight},
            GridRect{thirdLeft, top,
                     spec.itemWidth - spec.firstWidth - spec.secondWidth - 2 * kFieldSpacing,
                     spec.rowHeight}};
        places.push_back(place);
    }
    return places;
}

} // namespace quarvex::framework
