#pragma once

#include "ui/framework/CalculatorWindow.h"
#include "ui/framework/FieldEditor.h"

#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace quarvex::ui {

// The window of a single-panel calculator, generated from its field table: a label per
// field (the record's prompt, with its accelerator), a masked entry field or drop-down list,
// results read-only, an asterisk beside each typed number that marks the field solved last
// (green while the values shown are those calculated, red once an input changes), and the
// calculator's note line; Calc, Close and Help beside the fields; Save and Load below for a
// calculator that keeps its inputs in files.
//
// A result's label shows its prompt without the accelerator ("Amount &Financed:" reads
// "Amount Financed:"): the field is read-only and reached by the mouse only.
//
// A field without a prompt has no label of its own:
//   - after an input it is that input's companion (the weekday beside a date): it shares the
//     input's row, read-only, and focus entering it goes to the input;
//   - otherwise it is a line of text under the results (an order to place), shown only while
//     it says something.
class TcalcBase : public CalculatorWindow {
    Q_OBJECT
public:
    TcalcBase(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
              QWidget* parent = nullptr);
    ~TcalcBase() override;

    static inline const QColor kMarkerGreen{0, 128, 0};
    static inline const QColor kMarkerRed{255, 0, 0};

    std::size_t FieldCount() const { return fields_.size(); }
    // The controls of field `field` of the data record. A field without a prompt has no
    // label (null).
    QLabel* PromptLabel(std::size_t field) const { return fields_.at(field).label; }
    FieldEditor& Editor(std::size_t field) const { return *fields_.at(field).editor; }
    // The asterisk beside a field; null for a field that has none.
    QLabel* Marker(std::size_t field) const { return fields_.at(field).marker; }
    QLabel* NoteLabel() const { return note_; }

protected:
    void RefreshForm() override;
    void RefreshMarker() override;
    bool CommitForm() override;
    QWidget* FirstInput() const override;

    // The user changed field `field` and the controller has it (the linked fields are shown).
    virtual void AfterFieldEdited(std::size_t /*field*/) {}
    // Puts a part of the calculator's own under the fields (a scroll box of entries).
    void AddBelowFields(QWidget* part);
    // Shows the form's value in every field that shows another, but `except` (the field the
    // user is typing in, which keeps what is typed).
    void ShowChangedFields(std::optional<std::size_t> except = std::nullopt);

private:
    enum class Place { Row, Companion, TextLine };
    struct FieldControls {
        Place place = Place::Row;
        QLabel* label = nullptr;
        std::unique_ptr<FieldEditor> editor;
        QLabel* marker = nullptr;
    };

    QWidget* BuildPanel();
    Place PlaceOf(std::size_t field) const;
    QLabel* MakeMarker(QWidget* panel) const;
    void OnEdited(std::size_t field, const framework::FieldValue& value);
    void OnLeft(std::size_t field);
    void ShowValue(std::size_t field, const framework::FieldValue& value);

    std::vector<FieldControls> fields_;
    QLabel* note_ = nullptr;
    QVBoxLayout* fieldsColumn_ = nullptr;
};

} // namespace quarvex::ui
