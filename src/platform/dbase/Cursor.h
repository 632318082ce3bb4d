#pragma once

#include "platform/dbase/Query.h"
#include "platform/dbase/Record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quarvex::dbase {

class Table;
class TagIndex;

// A position in a table, walking it in the order of an index tag or, without a tag, in
// record order; deleted records are skipped. A table can have any number of cursors (the
// views of the program: accounts by name, the links of an account, ...); the table must
// outlive them.
//
// Positions: before the first record, on a record, or after the last. A new cursor stands
// before the first record. Next from the last record goes after the last (Eof() true, no
// current record); Prior from the first goes before the first (Bof() true); Next from before
// the first goes to the first, Prior from after the last to the last. On an empty table both
// Eof() and Bof() are true after any move. A loop reads:
//     for (bool more = cursor.First(); more; more = cursor.Next()) { ... cursor.Current() ... }
//
// Keys compare as the tag's expression gives them (UPPER tags in capitals, the sought text is
// put in capitals too), exactly, with trailing blanks ignored: Seek("1") never finds "10";
// SeekPrefix is the explicit test of a key's beginning.
//
// When the table changed (a commit here or in another program), the cursor finds its record
// again at its next move or read; if that record is gone it stands on the one that followed
// it in its order. After Pack, which renumbers the records, position cursors anew.
class Cursor {
public:
    explicit Cursor(Table& table, std::string_view tag = {});

    Table& Source() const { return *table_; }
    // Switches the order; the current record stays current when the new order has it.
    void SetTag(std::string_view tag);
    const std::string& TagName() const { return tagName_; }

    bool First();
    bool Last();
    bool Next();
    bool Prior();

    // The first record whose key is exactly `key`. When there is none the cursor goes to the
    // first record with a greater key (soft seek), or after the last, and false is returned.
    bool Seek(std::string_view key);
    // The first record whose key is not below `key`; false (after the last) when none is.
    bool SoftSeek(std::string_view key);
    // The first record whose key begins with `prefix`; otherwise as Seek.
    bool SeekPrefix(std::string_view prefix);
    // Goes to a record by number; false, not moving, for a deleted or missing record.
    bool GoTo(RecNo record);

    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool HasRecord() const { return record_ != 0; }
    RecNo Number() const { return record_; }
    // The current record; EInvalidRequest when there is none.
    Record Current();
    // The current record's key in the active tag (UTF-8).
    std::string Key() const;

    // The first record in the cursor's order that satisfies the query; false, not moving,
    // when none does. Continue finds the next one after the current record.
    bool Find(const Query& query);
    bool Continue();

private:
    std::optional<std::size_t> FirstPosition();
    std::optional<std::size_t> LastPosition();
    std::optional<std::size_t> After(std::size_t position);
    std::optional<std::size_t> Before(std::size_t position);
    std::optional<std::size_t> CurrentPosition();
    void Place(std::size_t position);
    void GoAfterLast();
    void GoBeforeFirst();
    bool SeekAt(std::size_t position, bool found);
    std::optional<std::size_t> Search(std::optional<std::size_t> from);
    bool IsEmpty();

    Table* table_;
    const TagIndex* tag_ = nullptr;
    std::string tagName_;
    RecNo record_ = 0;
    std::string key_; // the current record's key in the tag, as stored (Windows-1252)
    std::size_t position_ = 0;
    std::uint64_t generation_ = 0;
    bool eof_ = false;
    bool bof_ = true;
    bool onFollower_ = false; // the record was gone; Next stays on the one that followed it
    std::optional<BoundQuery> query_;
};

} // namespace quarvex::dbase
