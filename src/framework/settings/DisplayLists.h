#pragma once

#include "framework/settings/DisplayListId.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::framework {

// The items of one drop-down list, in code order. Buffers keep their own copies.
using DisplayList = std::vector<std::string>;

// Every display list of the program, built once when the program starts and never changed.
// A buffer that offers a list takes a copy with Copy().
class DisplayLists {
public:
    DisplayLists();

    // The lists as built from the program's tables; built on first use, shared, read-only.
    static const DisplayLists& Standard();

    const DisplayList& Get(DisplayListId id) const;
    DisplayList Copy(DisplayListId id) const { return Get(id); }

    // The code of an item text (exact match), or nullopt.
    std::optional<int> CodeOf(DisplayListId id, std::string_view item) const;
    // The item text of a code, or nullopt when the code is outside the list.
    std::optional<std::string> ItemOf(DisplayListId id, int code) const;
    bool IsCode(DisplayListId id, int code) const;

    // The list's name as the program's code knows it, "PaymentPeriodList" and so on.
    static std::string_view NameOf(DisplayListId id);

private:
    std::array<DisplayList, kDisplayListCount> lists_;
};

} // namespace quarvex::framework
