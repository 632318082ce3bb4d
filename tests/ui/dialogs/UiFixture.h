#pragma once

#include "framework/buffer/CalculatorController.h"
#include "framework/masks/TMasks.h"
#include "platform/FileDialogs.h"
#include "support/BufferFixture.h"
#include "ui/platform/UiContext.h"

#include <string>
#include <vector>

namespace quarvex::testing {

// File dialogs that answer with preset names and remember what they were asked.
class RecordingFileDialogs : public FileDialogs {
public:
    std::string folderAnswer;
    std::vector<std::string> foldersAsked;

    std::string ChooseSaveFile(const FileDialogRequest&) override { return {}; }
    std::string ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::string ChooseFolder(const std::string& folder) override {
        foldersAsked.push_back(folder);
        return folderAnswer;
    }
};

// What a window of the desktop program reaches, with recording services and a settings file
// in a fresh folder.
struct UiFixture : BufferFixture {
    RecordingFileDialogs fileDialogs;
    framework::WindowOptions windowOptions;
    masks::TMasks masks;
    ui::UiContext ui{context, help, fileDialogs, windowOptions, masks};
};

} // namespace quarvex::testing
