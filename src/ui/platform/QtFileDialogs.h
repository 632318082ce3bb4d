#pragma once

#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QPointer>

namespace quarvex::ui {

// Sets a dialog up for a request: name filters, start folder and name, default suffix. A
// save dialog asks before overwriting; an open dialog takes existing files only.
void ConfigureSaveDialog(QFileDialog& dialog, const FileDialogRequest& request);
void ConfigureOpenDialog(QFileDialog& dialog, const FileDialogRequest& request);

// File and folder choosers of the desktop program.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    std::string ChooseSaveFile(const FileDialogRequest& request) override;
    std::string ChooseOpenFile(const FileDialogRequest& request) override;
    std::string ChooseFolder(const std::string& folder) override;

private:
    QWidget* Parent() const;

    std::string Run(QFileDialog& dialog);

    QPointer<QWidget> parent_;
};

} // namespace quarvex::ui
