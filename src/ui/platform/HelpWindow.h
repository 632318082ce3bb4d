#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace quarvex::ui {

// The help window: one page of the help folder at a time, with links between pages, the
// contents, and back and forward through the pages seen.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a page (a local file URL, possibly with an anchor) and brings the window up.
    void ShowPage(const QUrl& page);
    // Shows a short explanation instead of a page (the help pages are missing).
    void ShowNotice(const QString& text);
    void SetContents(const QUrl& contents) { contents_ = contents; }

    QUrl CurrentPage() const;
    QTextBrowser& Browser() const { return *browser_; }

private:
    void Raise();

    QTextBrowser* browser_ = nullptr;
    QPushButton* contentsButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* forwardButton_ = nullptr;
    QUrl contents_;
};

} // namespace quarvex::ui
