#pragma once

#include <QApplication>

namespace quarvex::ui {

// The program's application object. No exception may cross Qt's event loop: one that a
// window's handler let through is caught here, as the last resort, and its text shown in a
// message box; the program carries on.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The last-resort message: the error's text in a message box over the active window.
void ShowUnexpectedError(const QString& text);

} // namespace quarvex::ui
