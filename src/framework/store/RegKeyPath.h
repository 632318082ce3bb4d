#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarvex::framework {

// A key path below the user's root, one key name per element ("Software", "Kelvarn Software",
// ...). The empty path is the root itself.
using RegKeyPath = std::vector<std::string>;

// Splits a backslash-separated path. Empty parts (doubled, leading or trailing backslashes)
// are dropped, so "Software\\Vendor\\" and "\\Software\\Vendor" name the same key.
RegKeyPath SplitKeyPath(std::string_view path);

// The backslash-separated spelling of a path.
std::string JoinKeyPath(const RegKeyPath& path);

// Key and value names compare without regard to ASCII case: this is the lookup form.
std::string FoldCase(std::string_view name);

bool SameName(std::string_view a, std::string_view b);

} // namespace quarvex::framework
