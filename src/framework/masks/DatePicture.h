#pragma once

#include "framework/masks/MaskErrors.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::masks {

// A calendar date taken apart. The date fields leave turning it into a day number, and back,
// to the date arithmetic.
struct DateParts {
    int day = 0;
    int month = 0;
    int year = 0;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};

// Years 1600 to 3999, months 1 to 12, days 1 to the month's length.
bool IsValidDate(const DateParts& date);

// A two-digit year typed into a date field means a year from the epoch to 99 years later.
inline constexpr int kDefaultEpoch = 1980;

// A date picture: "mm", "dd" and "yyyy" or "yy" (either case) in any order, with separator
// characters between them: "mm/dd/yyyy", "mm/dd/yy", "dd.mm.yyyy", "yyyy-mm-dd".
class DatePicture {
public:
    // Throws EBadPicture for a picture without exactly one month, day and year, or with
    // letters of any other kind.
    explicit DatePicture(std::string_view picture, int epoch = kDefaultEpoch);

    const std::string& Text() const { return picture_; }

    // The date in the picture ("03/07/2025"); empty for no date or an invalid one.
    std::string Format(const std::optional<DateParts>& date) const;

    // The date typed: its day, month and year in the picture's order, with any of "/", "-",
    // ".", "," or blanks between them, or all digits run together ("03072025"). A year of
    // one or two digits is read in the epoch's century window (79 is 2079, 80 is 1980 with
    // the epoch 1980). Blank text is no date. Refused with a message naming the picture: a
    // date that does not exist or lies outside 1600 to 3999.
    Parsed<std::optional<DateParts>> Parse(std::string_view text) const;

    // Whether `text` is, or can still become, a date of this picture.
    bool AcceptsPartial(std::string_view text) const;

private:
    enum class Part { Day, Month, Year };
    struct Slot {
        Part part;
        int width;
    };

    std::optional<DateParts> FromGroups(const std::vector<std::string_view>& groups) const;
    bool PartialGroupsFit(const std::vector<std::string_view>& groups, bool lastClosed) const;
    std::string ErrorMessage() const;

    std::string picture_;
    int epoch_;
    std::vector<Slot> slots_;       // in the picture's order
    std::vector<std::string> glue_; // the characters before each slot and after the last
};

} // namespace quarvex::masks
