#pragma once

namespace quarvex {

// Opens the help page of a context number; a number with no page opens the contents.
class Help {
public:
    virtual ~Help() = default;
    virtual void ShowContext(int context) = 0;
};

} // namespace quarvex
