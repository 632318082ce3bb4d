#pragma once

#include <string>

namespace quarvex {

// The system clipboard, plain text only. Setting replaces what it held.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const std::string& text) = 0;
};

} // namespace quarvex
