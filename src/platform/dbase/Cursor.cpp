#include "platform/dbase/Cursor.h"

#include "framework/codec/Windows1252.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Table.h"
#include "platform/dbase/TagIndex.h"

namespace quarvex::dbase {

Cursor::Cursor(Table& table, std::string_view tag) : table_(&table) {
    SetTag(tag);
}

void Cursor::SetTag(std::string_view tag) {
    Table::ReadLock lock(*table_);
    const RecNo current = HasRecord() && CurrentPosition() ? record_ : 0;
    tag_ = tag.empty() ? nullptr : &table_->TagNamed(tag);
    tagName_ = tag_ != nullptr ? tag_->Name() : std::string();
    if (current == 0 || !GoTo(current)) {
        GoBeforeFirst();
    }
}

// Positions are indexes into the tag's entries, or record numbers in record order.

std::optional<std::size_t> Cursor::FirstPosition() {
    if (tag_ != nullptr) {
        return tag_->Size() > 0 ? std::optional<std::size_t>(0) : std::nullopt;
    }
    return After(0);
}

std::optional<std::size_t> Cursor::LastPosition() {
    if (tag_ != nullptr) {
        return tag_->Size() > 0 ? std::optional<std::size_t>(tag_->Size() - 1) : std::nullopt;
    }
    return Before(std::size_t{table_->header_.recordCount} + 1);
}

std::optional<std::size_t> Cursor::After(std::size_t position) {
    if (tag_ != nullptr) {
        return position + 1 < tag_->Size() ? std::optional<std::size_t>(position + 1)
                                           : std::nullopt;
    }
    for (std::size_t record = position + 1; record <= table_->header_.recordCount; ++record) {
        if (!table_->IsDeletedOnDisk(static_cast<RecNo>(record))) {
            return record;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> Cursor::Before(std::size_t position) {
    if (tag_ != nullptr) {
        return position > 0 ? std::optional<std::size_t>(position - 1) : std::nullopt;
    }
    for (std::size_t record = std::min<std::size_t>(position, table_->header_.recordCount + 1);
         record-- > 1;) {
        if (!table_->IsDeletedOnDisk(static_cast<RecNo>(record))) {
            return record;
        }
    }
    return std::nullopt;
}

// The position of the current record, found again when the table changed since it was
// taken; a record that is gone leaves the cursor on the one that followed it.
std::optional<std::size_t> Cursor::CurrentPosition() {
    if (!HasRecord()) {
        return std::nullopt;
    }
    if (generation_ != table_->generation_) {
        if (tag_ != nullptr) {
            const std::size_t position = tag_->Locate(key_, record_);
            if (position >= tag_->Size()) {
                GoAfterLast();
                return std::nullopt;
            }
            const bool gone = tag_->RecNoAt(position) != record_ || tag_->KeyAt(position) != key_;
            Place(position);
            onFollower_ = gone;
        } else if (record_ > table_->header_.recordCount) {
            GoAfterLast();
            return std::nullopt;
        } else {
            generation_ = table_->generation_;
        }
    }
    return position_;
}

void Cursor::Place(std::size_t position) {
    position_ = position;
    record_ = tag_ != nullptr ? tag_->RecNoAt(position) : static_cast<RecNo>(position);
    key_ = tag_ != nullptr ? std::string(tag_->KeyAt(position)) : std::string();
    generation_ = table_->generation_;
    eof_ = false;
    bof_ = false;
    onFollower_ = false;
}

bool Cursor::IsEmpty() {
    return !FirstPosition().has_value();
}

void Cursor::GoAfterLast() {
    onFollower_ = false;
    record_ = 0;
    key_.clear();
    eof_ = true;
    bof_ = IsEmpty();
}

void Cursor::GoBeforeFirst() {
    onFollower_ = false;
    record_ = 0;
    key_.clear();
    bof_ = true;
    eof_ = IsEmpty();
}

bool Cursor::First() {
    Table::ReadLock lock(*table_);
    if (const auto position = FirstPosition()) {
        Place(*position);
        return true;
    }
    GoAfterLast();
    return false;
}

bool Cursor::Last() {
    Table::ReadLock lock(*table_);
    if (const auto position = LastPosition()) {
        Place(*position);
        return true;
    }
    GoAfterLast();
    return false;
}

bool Cursor::Next() {
    Table::ReadLock lock(*table_);
    std::optional<std::size_t> position;
    if (HasRecord()) {
        const auto current = CurrentPosition();
        if (!current) {
            return false;
        }
        if (onFollower_) {
            onFollower_ = false;
            return true; // already on the record that follows the one that is gone
        }
        position = After(*current);
    } else if (bof_) {
        position = FirstPosition();
    }
    if (position) {
        Place(*position);
        return true;
    }
    GoAfterLast();
    return false;
}

bool Cursor::Prior() {
    Table::ReadLock lock(*table_);
    std::optional<std::size_t> position;
    if (HasRecord()) {
        const auto current = CurrentPosition();
        position = current ? Before(*current) : LastPosition();
    } else if (eof_) {
        position = LastPosition();
    }
    if (position) {
        Place(*position);
        return true;
    }
    GoBeforeFirst();
    return false;
}

bool Cursor::SeekAt(std::size_t position, bool found) {
    if (position < tag_->Size()) {
        Place(position);
        return found;
    }
    GoAfterLast();
    return false;
}

namespace {

const TagIndex& RequireTag(const TagIndex* tag, const Table& table) {
    if (tag == nullptr) {
        throw EInvalidRequest("A search by key in \"" + table.FileName() +
                              "\" needs an index tag; the cursor walks in record order.");
    }
    return *tag;
}

} // namespace

bool Cursor::Seek(std::string_view key) {
    Table::ReadLock lock(*table_);
    const TagIndex& tag = RequireTag(tag_, *table_);
    const std::string sought = tag.Expression().KeyOfText(key);
    const std::size_t position = tag.LowerBound(sought);
    return SeekAt(position, position < tag.Size() && tag.KeyAt(position) == sought);
}

bool Cursor::SoftSeek(std::string_view key) {
    Table::ReadLock lock(*table_);
    const TagIndex& tag = RequireTag(tag_, *table_);
    return SeekAt(tag.LowerBound(tag.Expression().KeyOfText(key)), true);
}

bool Cursor::SeekPrefix(std::string_view prefix) {
    Table::ReadLock lock(*table_);
    const TagIndex& tag = RequireTag(tag_, *table_);
    const std::string sought = tag.Expression().KeyOfText(prefix);
    const std::size_t position = tag.LowerBound(sought);
    return SeekAt(position, position < tag.Size() && tag.KeyAt(position).starts_with(sought));
}

bool Cursor::GoTo(RecNo record) {
    Table::ReadLock lock(*table_);
    if (record == 0 || record > table_->header_.recordCount || table_->IsDeletedOnDisk(record)) {
        return false;
    }
    if (tag_ == nullptr) {
        Place(record);
        return true;
    }
    std::vector<std::uint8_t> image(table_->header_.recordLength);
    table_->ReadImage(record, image);
    const std::size_t position = tag_->Locate(tag_->Expression().KeyOf(image), record);
    if (position >= tag_->Size() || tag_->RecNoAt(position) != record) {
        return false;
    }
    Place(position);
    return true;
}

Record Cursor::Current() {
    Table::ReadLock lock(*table_);
    if (!CurrentPosition()) {
        throw EInvalidRequest("No record of \"" + table_->FileName() + "\" is current.");
    }
    onFollower_ = false; // read, the follower is now the current record
    std::vector<std::uint8_t> image(table_->header_.recordLength);
    table_->ReadImage(record_, image);
    return Record(table_->layout_, record_, image);
}

std::string Cursor::Key() const {
    if (tag_ == nullptr || !HasRecord()) {
        throw EInvalidRequest("No key of \"" + table_->FileName() + "\" is current.");
    }
    return codec::Windows1252ToUtf8(key_);
}

std::optional<std::size_t> Cursor::Search(std::optional<std::size_t> from) {
    std::vector<std::uint8_t> image(table_->header_.recordLength);
    for (auto position = from; position; position = After(*position)) {
        const RecNo record =
            tag_ != nullptr ? tag_->RecNoAt(*position) : static_cast<RecNo>(*position);
        table_->ReadImage(record, image);
        if (query_->Matches(image, record)) {
            return position;
        }
    }
    return std::nullopt;
}

bool Cursor::Find(const Query& query) {
    Table::ReadLock lock(*table_);
    query_.emplace(query, table_->layout_);
    if (const auto position = Search(FirstPosition())) {
        Place(*position);
        return true;
    }
    return false;
}

bool Cursor::Continue() {
    Table::ReadLock lock(*table_);
    if (!query_) {
        throw EInvalidRequest("Continue needs a search made with Find.");
    }
    std::optional<std::size_t> from;
    if (const auto current = CurrentPosition()) {
        from = onFollower_ ? current : After(*current);
    } else if (bof_) {
        from = FirstPosition();
    }
    if (const auto position = Search(from)) {
        Place(*position);
        return true;
    }
    return false;
}

} // namespace quarvex::dbase
