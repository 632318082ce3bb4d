#include "ui/platform/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quarvex::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Quarvex! Help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    // One look for every page, so that the pages themselves hold only their text.
    browser_->document()->setDefaultStyleSheet("body { font-family: sans-serif; }"
                                               "h1 { font-size: x-large; }"
                                               "h2 { font-size: large; margin-top: 16px; }"
                                               "h3 { font-size: medium; margin-top: 12px; }");
    contentsButton_ = new QPushButton(tr("&Contents"), this);
    backButton_ = new QPushButton(tr("&Back"), this);
    forwardButton_ = new QPushButton(tr("&Forward"), this);
    auto* closeButton = new QPushButton(tr("Close"), this);
    backButton_->setEnabled(false);
    forwardButton_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton_);
    buttons->addWidget(backButton_);
    buttons->addWidget(forwardButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(contentsButton_, &QPushButton::clicked, this, [this] {
        if (contents_.isValid()) {
            browser_->setSource(contents_);
        }
    });
    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QPushButton::setEnabled);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    // A comfortable reading size that follows the font (and so the screen's scale).
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 90, metrics.height() * 36);
}

void HelpWindow::ShowPage(const QUrl& page) {
    browser_->setSource(page);
    Raise();
}

void HelpWindow::ShowNotice(const QString& text) {
    browser_->setPlainText(text);
    Raise();
}

QUrl HelpWindow::CurrentPage() const {
    return browser_->source();
}

void HelpWindow::Raise() {
    show();
    raise();
    activateWindow();
}

} // namespace quarvex::ui
