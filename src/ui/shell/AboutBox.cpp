#include "ui/shell/AboutBox.h"

#include "shell/ShellTexts.h"
#include "ui/platform/QtText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarvex::ui {

namespace texts = shell::texts;

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(tr("About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setObjectName("ProgramIcon");
    const int side = fontMetrics().height() * 3;
    icon->setPixmap(QApplication::windowIcon().pixmap(side, side));

    auto* product = new QLabel(ToQString(texts::kProductTitle), this);
    product->setObjectName("ProductName");
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    auto* version = new QLabel(tr("Version %1").arg(ToQString(texts::kVersion)), this);
    version->setObjectName("Version");
    auto* copyright = new QLabel(ToQString(texts::kCopyright), this);
    copyright->setObjectName("Copyright");
    auto* comments = new QLabel(ToQString(texts::kComments), this);
    comments->setObjectName("Comments");
    comments->setWordWrap(true);
    auto* web = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>")
                               .arg(ToQString(texts::kProductHomePage).toHtmlEscaped()),
                           this);
    web->setObjectName("WebAddress");
    web->setOpenExternalLinks(true);

    auto* titles = new QVBoxLayout;
    titles->addWidget(product);
    titles->addWidget(version);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(titles, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(copyright);
    layout->addWidget(comments);
    layout->addWidget(web);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quarvex::ui
