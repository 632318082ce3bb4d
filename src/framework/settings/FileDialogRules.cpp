#include "framework/settings/FileDialogRules.h"

#include "framework/settings/TextLimits.h"

namespace quarvex::framework {

namespace {

constexpr std::size_t kOpenExtensionLength = 3;

} // namespace

std::string WithSaveExtension(std::string_view fileName, std::string_view extension) {
    if (fileName.empty()) {
        return {};
    }
    const std::size_t slash = fileName.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = fileName.rfind('.');
    std::string result(fileName);
    if (dot != std::string_view::npos && dot >= nameStart) {
        result.erase(dot + 1);
    } else {
        result += '.';
    }
    result += extension;
    return result;
}

std::string OpenDialogFilter(std::string_view description, std::string_view extension) {
    return std::string(description) + "|*." + CutToCharacters(extension, kOpenExtensionLength) +
           "|All files (*.*)|*.*";
}

std::string OpenDialogFileName(std::string_view extension) {
    return "*." + CutToCharacters(extension, kOpenExtensionLength);
}

std::string FolderPart(std::string_view fileName) {
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string_view::npos ? std::string()
                                           : std::string(fileName.substr(0, slash + 1));
}

std::string StripFirstChar(char character, std::string_view text) {
    std::string result(text);
    if (const std::size_t at = result.find(character); at != std::string::npos) {
        result.erase(at, 1);
    }
    return result;
}

} // namespace quarvex::framework
