#include "framework/settings/GridLayout.h"

#include "framework/settings/EGlobal.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

// Expected places worked out by hand from the layout rule:
//   rows = max(1, (box height - 3) div (row height + 3)); columns = ceil(count / rows),
//   at most 3 (entries) or 2 (labels), then rows = ceil(count / columns);
//   gap = (box width - pair width * columns - 8) div (columns + 1)   (labels: without the 8);
//   top = row * row height + (row + 1) * 3; left = gap + (gap + pair width) * column.
struct EntryCase {
    const char* what;
    EntryGridSpec spec;
    std::size_t index;
    int row, column;
    GridRect label, field;
};

TEST(LayoutEntryGrid, PlacesPairsRowByRow) {
    const std::vector<EntryCase> cases = {
        // 197 div 24 = 8 rows fit; 4 pairs: one column; gap (400-150-8) div 2 = 121.
        {"one column, first",
         {4, 21, 60, 150, 400, 200},
         0,
         0,
         0,
         {121, 3, 60, 21},
         {186, 3, 85, 21}},
        {"one column, last",
         {4, 21, 60, 150, 400, 200},
         3,
         3,
         0,
         {121, 75, 60, 21},
         {186, 75, 85, 21}},
        // 10 pairs over 8 rows: 2 columns of 5 rows; gap (400-300-8) div 3 = 30.
        {"two columns, second",
         {10, 21, 60, 150, 400, 200},
         1,
         0,
         1,
         {210, 3, 60, 21},
         {275, 3, 85, 21}},
        {"two columns, last",
         {10, 21, 60, 150, 400, 200},
         9,
         4,
         1,
         {210, 99, 60, 21},
         {275, 99, 85, 21}},
        // 30 pairs: 4 columns wanted, 3 allowed, 10 rows; gap (500-450-8) div 4 = 10.
        {"capped at three columns",
         {30, 21, 60, 150, 500, 200},
         29,
         9,
         2,
         {330, 219, 60, 21},
         {395, 219, 85, 21}},
        // A box lower than one row still gets one row: 5 pairs in 3 columns, 2 rows.
        {"tiny box", {5, 21, 60, 150, 500, 10}, 4, 1, 1, {170, 27, 60, 21}, {235, 27, 85, 21}},
        // Too narrow for three columns: no negative gap.
        {"narrow box", {30, 21, 60, 150, 400, 200}, 2, 0, 2, {300, 3, 60, 21}, {365, 3, 85, 21}},
    };
    for (const auto& c : cases) {
        const auto places = LayoutEntryGrid(c.spec);
        ASSERT_EQ(places.size(), static_cast<std::size_t>(c.spec.count)) << c.what;
        const auto& place = places.at(c.index);
        EXPECT_EQ(place.row, c.row) << c.what;
        EXPECT_EQ(place.column, c.column) << c.what;
        EXPECT_EQ(place.label, c.label) << c.what;
        EXPECT_EQ(place.field, c.field) << c.what;
    }
}

TEST(LayoutEntryGrid, NoPairsIsAnError) {
    for (int count : {0, -1}) {
        try {
            LayoutEntryGrid({count, 21, 60, 150, 400, 200});
            FAIL() << "no error for count " << count;
        } catch (const EGlobal& error) {
            EXPECT_EQ(error.Message(), "Periods can' be zero.");
        }
    }
    EXPECT_THROW(LayoutLabelGrid({0, 20, 180, 40, 60, 400, 100}), EGlobal);
}

TEST(LayoutLabelGrid, PlacesRowsOfThreeLabelsInAtMostTwoColumns) {
    // 97 div 23 = 4 rows fit; 5 rows of labels: 2 columns, 3 rows; gap (400-360) div 3 = 13.
    const auto places = LayoutLabelGrid({5, 20, 180, 40, 60, 400, 100});
    ASSERT_EQ(places.size(), 5u);
    EXPECT_EQ(places[1].labels[0], (GridRect{206, 3, 40, 20}));
    EXPECT_EQ(places[4].row, 2);
    EXPECT_EQ(places[4].column, 0);
    EXPECT_EQ(places[4].labels[0], (GridRect{13, 49, 40, 20}));
    EXPECT_EQ(places[4].labels[1], (GridRect{58, 49, 60, 20}));
    EXPECT_EQ(places[4].labels[2], (GridRect{123, 49, 70, 20}));

    // Ten rows in a box for four: still two columns, now five rows.
    const auto many = LayoutLabelGrid({10, 20, 180, 40, 60, 400, 100});
    EXPECT_EQ(many.back().row, 4);
    EXPECT_EQ(many.back().column, 1);
}

} // namespace
} // namespace quarvex::framework
