#pragma once

#include "ui/framework/CalculatorWindow.h"
#include "ui/framework/FieldEditor.h"

#include <memory>
#include <vector>

class QLabel;

namespace quarvex::ui {

// The window of a single-panel calculator, generated from its field table: a label per
// field (the record's prompt, with its accelerator), a masked entry field or drop-down list,
// results read-only, an asterisk beside each typed number that marks the field solved last
// (green while the values shown are those calculated, red once an input changes), and the
// calculator's note line; Calc, Close and Help beside the fields; Save and Load below for a
// calculator that keeps its inputs in files.
class TcalcBase : public CalculatorWindow {
    Q_OBJECT
public:
    TcalcBase(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
              QWidget* parent = nullptr);
    ~TcalcBase() override;

    static inline const QColor kMarkerGreen{0, 128, 0};
    static inline const QColor kMarkerRed{255, 0, 0};

    // The controls of field `field` of the data record.
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

private:
    struct FieldControls {
        QLabel* label = nullptr;
        std::unique_ptr<FieldEditor> editor;
        QLabel* marker = nullptr;
    };

    QWidget* BuildPanel();
    void OnEdited(std::size_t field, const framework::FieldValue& value);
    void ShowLinkedFields(std::size_t edited);

    std::vector<FieldControls> fields_;
    QLabel* note_ = nullptr;
};

} // namespace quarvex::ui
