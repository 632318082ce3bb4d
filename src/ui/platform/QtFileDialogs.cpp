#include "ui/platform/QtFileDialogs.h"

#include "ui/platform/MessageOwner.h"

#include "ui/platform/FileFilter.h"
#include "ui/platform/QtText.h"

#include <QApplication>

namespace quarvex::ui {

QWidget* QtFileDialogs::Parent() const {
    // A calculator's Save and Load dialogs belong to its window.
    if (QWidget* owner = MessageOwner::Current()) {
        return owner;
    }
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

namespace {

void ConfigureCommon(QFileDialog& dialog, const FileDialogRequest& request) {
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (!request.initialFolder.empty()) {
        dialog.setDirectory(ToQString(request.initialFolder));
    }
    dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    // A wildcard name ("*.fv") only repeats the filter; a real name is offered as is.
    const QString name = ToQString(request.initialName);
    if (!name.isEmpty() && !name.contains('*') && !name.contains('?')) {
        dialog.selectFile(name);
    }
}

} // namespace

void ConfigureSaveDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    ConfigureCommon(dialog, request);
}

void ConfigureOpenDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    ConfigureCommon(dialog, request);
}

std::string QtFileDialogs::Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return ToStdString(dialog.selectedFiles().constFirst());
}

std::string QtFileDialogs::ChooseSaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(Parent());
    ConfigureSaveDialog(dialog, request);
    return Run(dialog);
}

std::string QtFileDialogs::ChooseOpenFile(const FileDialogRequest& request) {
    QFileDialog dialog(Parent());
    ConfigureOpenDialog(dialog, request);
    return Run(dialog);
}

std::string QtFileDialogs::ChooseFolder(const std::string& folder) {
    const QString chosen =
        QFileDialog::getExistingDirectory(Parent(), QString(), ToQString(folder));
    return ToStdString(chosen);
}

} // namespace quarvex::ui
