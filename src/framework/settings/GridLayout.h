#pragma once

#include <array>
#include <string_view>
#include <vector>

// Where the generated rows of the calculators with a variable number of inputs or outputs go
// inside their scroll box, in pixels. The window code creates the controls at these places.
namespace quarvex::framework {

struct GridRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const GridRect&) const = default;
};

// Labelled numeric entry fields, up to three pairs side by side.
struct EntryGridSpec {
    int count = 0; // pairs to place
    int rowHeight = 0;
    int labelWidth = 0;
    int pairWidth = 0; // label, 5 pixels, field
    int boxWidth = 0;
    int boxHeight = 0;
};

struct EntryPairPlace {
    int row = 0;
    int column = 0;
    GridRect label; // caption "Label" until the calculator names it
    GridRect field;
};

// Read-only rows of three labels, up to two rows side by side.
struct LabelGridSpec {
    int count = 0;
    int rowHeight = 0;
    int itemWidth = 0; // the three labels with 5 pixels between them
    int firstWidth = 0;
    int secondWidth = 0; // the third label takes the rest
    int boxWidth = 0;
    int boxHeight = 0;
};

struct LabelRowPlace {
    int row = 0;
    int column = 0;
    std::array<GridRect, 3> labels; // captions "Label1", "Label2", "Label3"
};

inline constexpr std::string_view kEntryGridLabelCaption = "Label";
inline constexpr std::array<std::string_view, 3> kLabelGridCaptions = {"Label1", "Label2",
                                                                       "Label3"};

// As many rows as fit the box's height (at least one); when the pairs do not fit one column
// they spread over up to three columns, filled row by row, left to right, with equal gaps.
// Raises EGlobal "Periods can' be zero." when count <= 0. The result has count places.
std::vector<EntryPairPlace> LayoutEntryGrid(const EntryGridSpec& spec);

// The same for rows of three labels, with at most two columns.
std::vector<LabelRowPlace> LayoutLabelGrid(const LabelGridSpec& spec);

} // namespace quarvex::framework
