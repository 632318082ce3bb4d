#pragma once

#include "framework/buffer/FieldValue.h"

#include <QDialog>

#include <memory>
#include <string_view>

namespace quarvex::ui {

class FieldEditor;
struct UiContext;

// A modal dialog that asks for one value of a loan (the balloon period, the one-time fees,
// the initial interest-only periods): a line of explanation, a prompt and a masked entry
// field, OK and Help. It opens on the current value; OK keeps the value typed once it reads.
class AmortValueDialog : public QDialog {
    Q_OBJECT
public:
    struct Question {
        std::string_view caption;
        std::string_view text;   // the line of explanation
        std::string_view prompt; // beside the field
        framework::FieldType type = framework::FieldType::Int32;
        std::string_view picture;
        int helpContext = 0;
    };

    // The three questions of the calculator's menu.
    static const Question& BalloonPeriod();
    static const Question& OneTimeFees();
    static const Question& InterestOnlyPeriods();

    AmortValueDialog(const Question& question, const framework::FieldValue& value, UiContext& ui,
                     QWidget* parent = nullptr);
    ~AmortValueDialog() override;

    framework::FieldValue Value() const;
    FieldEditor& Editor() const { return *editor_; }

    void accept() override;

private:
    UiContext& ui_;
    std::unique_ptr<FieldEditor> editor_;
};

} // namespace quarvex::ui
