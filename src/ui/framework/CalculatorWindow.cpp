#include "ui/framework/CalculatorWindow.h"

#include "platform/Help.h"
#include "platform/Messages.h"
#include "ui/framework/GuardedCall.h"
#include "ui/framework/HelpContext.h"
#include "ui/framework/OptionsPanel.h"
#include "ui/platform/MessageOwner.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quarvex::ui {

using framework::Button;
using framework::Panel;

namespace {

// The hints every calculator window's buttons carry.
const char* CommonHint(Button button) {
    switch (button) {
    case Button::Calc:
        return "Calculate [Alt][C]";
    case Button::Close:
        return "Close [Esc]";
    case Button::Help:
    case Button::Help2:
        return "Help [F1]";
    case Button::Print:
        return "Print";
    case Button::Copy:
        return "Copy to clipboard.";
    case Button::Reset:
        return "Set to application's defaults.";
    case Button::Undo:
        return "Undo changes since last calculation.";
    case Button::Save:
        return "Save";
    case Button::Load:
        return "Load";
    case Button::Options:
        break;
    }
    return "";
}

// How far a calculator's further window opens from one already in that place.
constexpr int kCascadeStep = 30;

constexpr std::array kAllButtons = {Button::Calc,  Button::Close, Button::Help, Button::Print,
                                    Button::Copy,  Button::Reset, Button::Undo, Button::Options,
                                    Button::Help2, Button::Save,  Button::Load};

} // namespace

CalculatorWindow::CalculatorWindow(std::unique_ptr<framework::CalculatorController> controller,
                                   UiContext& ui, QWidget* parent)
    : QDialog(parent), controller_(std::move(controller)), ui_(ui) {
    // A fixed-size window with a system menu and a minimize box.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(new QWidget(pages_)); // replaced by the calculator panel
    optionsPanel_ = new OptionsPanel(*controller_, ui_, pages_);
    pages_->addWidget(optionsPanel_);
    BuildButtons();

    auto* below = new QHBoxLayout;
    for (const Button button : {Button::Print, Button::Copy, Button::Reset, Button::Undo}) {
        below->addWidget(ButtonOf(button));
    }
    below->addStretch();
    below->addWidget(ButtonOf(Button::Options));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(below);
    // The size comes from the layout (so it follows fonts and screen scale) and the user
    // cannot change it.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { Guarded([this] { ShowHelpForFocus(); }); });
}

CalculatorWindow::~CalculatorWindow() = default;

QPushButton* CalculatorWindow::MakeButton(Button button) {
    auto* made = new QPushButton(ToQString(controller_->ButtonCaption(button)), this);
    made->setAutoDefault(false);
    buttons_[IndexOf(button)] = made;
    return made;
}

void CalculatorWindow::BuildButtons() {
    for (const Button button : {Button::Calc, Button::Close, Button::Help, Button::Print,
                                Button::Copy, Button::Reset, Button::Undo, Button::Options}) {
        MakeButton(button);
    }
    buttons_[IndexOf(Button::Help2)] = optionsPanel_->HelpButton();
    ButtonOf(Button::Calc)->setDefault(true);

    const auto on = [this](Button button, void (CalculatorWindow::*handler)()) {
        connect(ButtonOf(button), &QPushButton::clicked, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    on(Button::Calc, &CalculatorWindow::OnCalc);
    on(Button::Copy, &CalculatorWindow::OnCopy);
    on(Button::Print, &CalculatorWindow::OnPrint);
    on(Button::Undo, &CalculatorWindow::OnUndo);
    on(Button::Reset, &CalculatorWindow::OnReset);
    on(Button::Options, &CalculatorWindow::OnOptions);
    connect(ButtonOf(Button::Close), &QPushButton::clicked, this, &CalculatorWindow::RequestClose);
    connect(ButtonOf(Button::Help), &QPushButton::clicked, this,
            [this] { Guarded([this] { controller_->ShowHelp(false); }); });
    connect(ButtonOf(Button::Help2), &QPushButton::clicked, this,
            [this] { Guarded([this] { controller_->ShowHelp(true); }); });
}

void CalculatorWindow::AddSaveLoadButtons() {
    if (ButtonOf(Button::Save) != nullptr) {
        return;
    }
    auto* below = static_cast<QBoxLayout*>(layout()->itemAt(1)->layout());
    const int before = below->indexOf(ButtonOf(Button::Options)) - 1; // ahead of the stretch
    below->insertWidget(before, MakeButton(Button::Save));
    below->insertWidget(before + 1, MakeButton(Button::Load));
    connect(ButtonOf(Button::Save), &QPushButton::clicked, this,
            [this] { Guarded([this] { Save(); }); });
    connect(ButtonOf(Button::Load), &QPushButton::clicked, this,
            [this] { Guarded([this] { Load(); }); });
}

void CalculatorWindow::SetCalculatorPanel(QWidget* panel) {
    QWidget* placeholder = pages_->widget(0);
    pages_->removeWidget(placeholder);
    placeholder->deleteLater();
    pages_->insertWidget(0, panel);
    pages_->setCurrentIndex(0);
}

QPushButton* CalculatorWindow::ButtonOf(Button button) const {
    return buttons_[IndexOf(button)];
}

void CalculatorWindow::SetButtonHint(Button button, std::string hint) {
    hintOverrides_[IndexOf(button)] = std::move(hint);
    ApplyHints();
}

void CalculatorWindow::SetButtonHelpContext(Button button, int context) {
    helpContexts_[IndexOf(button)] = context;
    if (QPushButton* made = ButtonOf(button)) {
        SetHelpContext(made, context);
    }
}

QString CalculatorWindow::HintOf(Button button) const {
    const QPushButton* made = ButtonOf(button);
    return made != nullptr ? made->toolTip() : QString();
}

void CalculatorWindow::ApplyHints() {
    for (const Button button : kAllButtons) {
        QPushButton* made = ButtonOf(button);
        if (made == nullptr) {
            continue;
        }
        const auto& own = hintOverrides_[IndexOf(button)];
        made->setToolTip(hintsShown_ ? ToQString(own ? *own : CommonHint(button)) : QString());
        SetHelpContext(made, helpContexts_[IndexOf(button)]);
    }
}

void CalculatorWindow::ShowInstance(int instance) {
    Guarded([&] {
        controller_->ShowInstance(instance);
        setWindowTitle(ToQString(controller_->Caption()));
        controller_->Show();
        Refresh();
        // Hints follow "Show Button Hints" as it was when the window opened.
        hintsShown_ = ui_.windowOptions.showButtonHints;
        ApplyHints();
        PlaceOnOpening();
        show();
        if (QWidget* first = FirstInput()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    });
}

std::vector<QPoint> CalculatorWindow::SiblingPositions() const {
    std::vector<QPoint> taken;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const auto* other = qobject_cast<const CalculatorWindow*>(widget);
        if (other != nullptr && other != this && other->isVisible() &&
            other->controller_->Buffer().Spec().stem == controller_->Buffer().Spec().stem) {
            taken.push_back(ClientPosition(other));
        }
    }
    return taken;
}

void CalculatorWindow::PlaceOnOpening() {
    std::optional<QPoint> place;
    if (const auto stored = controller_->StoredPosition()) {
        place = QPoint(stored->left, stored->top);
    }
    const std::vector<QPoint> taken = SiblingPositions();
    if (!place && taken.empty()) {
        return; // the window manager places a calculator's only window
    }
    if (!place) {
        place = taken.front();
    }
    // A further window of the calculator does not hide the one already there.
    while (std::find(taken.begin(), taken.end(), *place) != taken.end()) {
        *place += QPoint(kCascadeStep, kCascadeStep);
    }
    PlaceWindow(this, *place);
}

void CalculatorWindow::Refresh() {
    setWindowTitle(ToQString(controller_->Caption()));
    const bool options = controller_->ShownPanel() == Panel::Options;
    const int shown = options ? 1 : 0;
    for (int page = 0; page < pages_->count(); ++page) {
        // The window takes the height of the panel shown (a short calculator has no blank
        // band under its fields, a short options panel none under its choices) and keeps one
        // width, so that the buttons below stay in place.
        pages_->widget(page)->setSizePolicy(
            QSizePolicy::Preferred, page == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        pages_->widget(page)->setEnabled(page == shown);
    }
    pages_->setCurrentIndex(shown);
    layout()->activate();
    for (const Button button : kAllButtons) {
        if (QPushButton* made = ButtonOf(button)) {
            made->setText(ToQString(controller_->ButtonCaption(button)));
            made->setEnabled(controller_->IsEnabled(button));
        }
    }
    RefreshForm();
    optionsPanel_->Refresh();
}

void CalculatorWindow::Guarded(const std::function<void()>& action) {
    const MessageOwner owner(this);
    RunGuarded(ui_.buffers.messages, action);
}

void CalculatorWindow::ShowError(const std::string& text) {
    const MessageOwner owner(this);
    ui_.buffers.messages.Show(text, MessageIcon::Error, MessageButtons::Ok);
}

void CalculatorWindow::ShowHelpForFocus() {
    QWidget* focus = QApplication::focusWidget();
    const int context = focus != nullptr && isAncestorOf(focus) ? HelpContextOf(focus) : 0;
    if (context != 0) {
        ui_.help.ShowContext(context);
    } else {
        controller_->ShowHelp(controller_->ShownPanel() == Panel::Options);
    }
}

void CalculatorWindow::OnCalc() {
    if (!CommitForm()) {
        return;
    }
    controller_->Calc();
    Refresh();
}

void CalculatorWindow::OnCopy() {
    if (CommitForm()) {
        controller_->Copy();
    }
}

void CalculatorWindow::OnPrint() {
    if (CommitForm()) {
        controller_->Print();
    }
}

void CalculatorWindow::Save() {
    if (CommitForm()) {
        controller_->SaveToFile(ui_.fileDialogs);
    }
}

void CalculatorWindow::Load() {
    if (controller_->LoadFromFile(ui_.fileDialogs)) {
        Refresh();
    }
}

void CalculatorWindow::OnUndo() {
    controller_->Undo();
    Refresh();
}

void CalculatorWindow::OnReset() {
    controller_->Reset();
    Refresh();
}

void CalculatorWindow::OnOptions() {
    if (controller_->ShownPanel() == Panel::Options) {
        if (const auto error = optionsPanel_->CommitLocalDefaults()) {
            ShowError(*error);
            return;
        }
    }
    controller_->ToggleOptions();
    Refresh();
    if (controller_->ShownPanel() == Panel::Calculator) {
        if (QWidget* first = FirstInput()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
}

void CalculatorWindow::CloseWindow() {
    if (closing_) {
        return;
    }
    closing_ = true;
    Guarded([this] {
        const QPoint client = ClientPosition(this);
        controller_->Close({client.x(), client.y()});
    });
    emit Closed(this);
    hide();
    deleteLater();
}

void CalculatorWindow::RequestClose() {
    bool ready = false;
    Guarded([this, &ready] { ready = closing_ || ReadyToClose(); });
    if (ready) {
        CloseWindow();
    }
}

void CalculatorWindow::reject() {
    RequestClose();
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    RequestClose();
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace quarvex::ui
