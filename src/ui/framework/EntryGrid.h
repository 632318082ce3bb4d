#pragma once

#include "framework/settings/GridLayout.h"
#include "ui/framework/FieldEditor.h"

#include <QScrollArea>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace quarvex::ui {

// A scroll box of entry fields that a calculator generates at run time (a cash flow per
// date): each a caption and an entry field of one kind, in up to three columns filled row by
// row (framework::LayoutEntryGrid); the box scrolls when they do not fit. The sizes of the
// grid follow the fonts, never smaller than the classic 21-pixel rows and 57 + 5 + 103 pixel
// columns.
class EntryGrid : public QScrollArea {
    Q_OBJECT
public:
    // The rows the box shows before it scrolls.
    static constexpr int kVisibleRows = 8;

    EntryGrid(const EditorSpec& entry, UiContext& ui, QWidget* parent = nullptr);
    ~EntryGrid() override;

    std::size_t Count() const { return entries_.size(); }
    // Makes `count` entries anew, empty and without captions; the old ones go with their
    // values.
    void Rebuild(std::size_t count);
    void SetCaption(std::size_t entry, const QString& caption);
    void SetValue(std::size_t entry, const framework::FieldValue& value);
    framework::FieldValue Value(std::size_t entry) const;
    QLabel* Caption(std::size_t entry) const { return entries_.at(entry).label; }
    FieldEditor& Editor(std::size_t entry) const { return *entries_.at(entry).editor; }
    // Where each entry is: its row and column, and the rectangles of caption and field.
    const std::vector<framework::EntryPairPlace>& Places() const { return places_; }
    // Reads every entry's text into its value; on one that holds no value, focuses it and
    // returns the message that says what it takes.
    std::optional<std::string> Commit();

signals:
    // The user changed an entry.
    void EntryEdited(std::size_t entry, const quarvex::framework::FieldValue& value);

private:
    struct Entry {
        QLabel* label = nullptr;
        std::unique_ptr<FieldEditor> editor;
    };

    void Place();
    framework::EntryGridSpec SpecFor(int boxWidth) const;

    EditorSpec spec_;
    UiContext& ui_;
    QWidget* canvas_ = nullptr;
    std::vector<Entry> entries_;
    std::vector<framework::EntryPairPlace> places_;
    int rowHeight_ = 21;
    int labelWidth_ = 57;
    int pairWidth_ = 165;
};

} // namespace quarvex::ui
