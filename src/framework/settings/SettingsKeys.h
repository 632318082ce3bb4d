#pragma once

#include <string_view>

// Names under which the program keeps its application-wide values.
namespace quarvex::framework::settings_keys {

// The program's key below the user's root; every calculator has a sub key of it.
inline constexpr std::string_view kRootKey = "Software\\Kelvarn Software\\Quarvex!";
// The key above it, from which the program's key is deleted when its layout changes.
inline constexpr std::string_view kVendorKey = "Software\\Kelvarn Software";

// The layout stamp: stored settings of any other stamp are discarded at start-up.
inline constexpr std::string_view kVersionValue = "Version";
inline constexpr std::string_view kVersionStamp = "5.00a";
inline constexpr std::string_view kVersionAbsent = "-1";

inline constexpr std::string_view kPreparedByValue = "Prepared By:";
inline constexpr std::string_view kPreparedByHint = "{Options}{Preferences} 3rd Page to set.";
inline constexpr std::string_view kDataPathValue = "Data Path:";

// The folder a calculator last saved to or loaded from, in the calculator's key.
inline constexpr std::string_view kDataFolderValue = "Data";

inline constexpr std::size_t kPreparedByMaxLength = 40;
inline constexpr std::size_t kDataPathMaxLength = 255;

} // namespace quarvex::framework::settings_keys
