#include "ui/shell/GuardedApplication.h"

#include "framework/buffer/ErrorText.h"
#include "ui/platform/QtMessages.h"

#include <QMessageBox>

#include <exception>

namespace quarvex::ui {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowUnexpectedError(QString::fromStdString(framework::ErrorText(error)));
    } catch (...) {
        ShowUnexpectedError(tr("An unexpected error occurred."));
    }
    return false;
}

void ShowUnexpectedError(const QString& text) {
    try {
        QtMessages messages(QApplication::activeWindow());
        messages.Show(text.toStdString(), MessageIcon::Error, MessageButtons::Ok);
    } catch (...) {
        qWarning("Quarvex!: %s", qPrintable(text));
    }
}

} // namespace quarvex::ui
