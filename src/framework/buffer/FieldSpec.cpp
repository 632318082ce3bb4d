#include "framework/buffer/FieldSpec.h"

#include "framework/settings/FileDialogRules.h"

namespace quarvex::framework {

std::string_view FieldSpec::Name() const {
    std::size_t start = 0;
    while (start < control.size() && control[start] >= 'a' && control[start] <= 'z') {
        ++start;
    }
    return start < control.size() ? control.substr(start) : control;
}

std::string Caption(std::string_view prompt) {
    return StripFirstChar('&', prompt);
}

} // namespace quarvex::framework
