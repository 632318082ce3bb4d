#pragma once

#include <string>
#include <string_view>

// The rules of the calculators' save and open dialogs that do not need a window.
namespace quarvex::framework {

// The chosen save name with the calculator's extension: when the file-name part (after the
// last '/') has a '.', everything after its last '.' becomes the extension; otherwise '.' and
// the extension are appended. An empty name (the dialog was cancelled) stays empty.
std::string WithSaveExtension(std::string_view fileName, std::string_view extension);

// The open dialog's filter: the description, "|*.", the extension cut to three characters,
// then "|All files (*.*)|*.*".
std::string OpenDialogFilter(std::string_view description, std::string_view extension);

// The open dialog's initial file name: "*." and the extension cut to three characters.
std::string OpenDialogFileName(std::string_view extension);

// The folder part of a file name, up to and including its last '/'; empty when it has none.
std::string FolderPart(std::string_view fileName);

// The text without the first occurrence of the character; used with '&' to turn a prompt
// into a printable caption.
std::string StripFirstChar(char character, std::string_view text);

} // namespace quarvex::framework
