#pragma once

#include <string>

namespace quarvex {

// What a save or open dialog is asked for. Filters use the "description|pattern|..." form.
struct FileDialogRequest {
    std::string filter;           // e.g. "FV Calculator (*.fv)" or "...|*.fv|All files (*.*)|*.*"
    std::string defaultExtension; // without the dot
    std::string initialFolder;
    std::string initialName; // e.g. "*.fv" for an open dialog
    int helpContext = 0;
};

// File choosers. Both return the chosen path, or an empty text when the user cancels.
// The save dialog asks before overwriting; the open dialog accepts existing files only.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::string ChooseSaveFile(const FileDialogRequest& request) = 0;
    virtual std::string ChooseOpenFile(const FileDialogRequest& request) = 0;
    // A folder chooser starting at `folder`; empty when cancelled.
    virtual std::string ChooseFolder(const std::string& folder) = 0;
};

} // namespace quarvex
