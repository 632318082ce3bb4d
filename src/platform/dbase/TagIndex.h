#pragma once

#include "platform/dbase/Record.h"
#include "platform/dbase/TagExpression.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarvex::dbase {

// The entries of one index tag in key order: (key, record number) pairs sorted by key and,
// among equal keys, by record number, so records with the same key come back in the order
// they were written. Deleted records have no entry. Keys are kept NUL-padded to the field
// width side by side, which keeps the largest table's tags small and fast to search.
class TagIndex {
public:
    using Entry = std::pair<std::string, RecNo>;

    TagIndex(std::string name, TagExpression expression);

    const std::string& Name() const { return name_; }
    const TagExpression& Expression() const { return expression_; }

    std::size_t Size() const { return recnos_.size(); }
    RecNo RecNoAt(std::size_t position) const { return recnos_[position]; }
    std::string_view KeyAt(std::size_t position) const;

    // The first position whose key is not below `key`; Size() when there is none.
    std::size_t LowerBound(std::string_view key) const;
    // The first position whose key is above `key`.
    std::size_t UpperBound(std::string_view key) const;
    // The first position after `from` whose key does not begin with `prefix`.
    std::size_t PrefixEnd(std::size_t from, std::string_view prefix) const;
    // The first position at or after the entry (key, record).
    std::size_t Locate(std::string_view key, RecNo record) const;

    // Replaces the entries with those given, in any order.
    void Assign(std::vector<Entry> entries);
    // Takes entries already in order, as the index cache stores them.
    void AssignSorted(std::vector<RecNo> recnos, std::vector<char> keys);
    // Drops the entries of the records in `removed` (sorted) and adds `added`.
    void Apply(const std::vector<RecNo>& removed, std::vector<Entry> added);

    const std::vector<RecNo>& RecNos() const { return recnos_; }
    const std::vector<char>& PaddedKeys() const { return keys_; }

private:
    const char* KeyData(std::size_t position) const { return keys_.data() + position * width_; }
    void Append(std::vector<RecNo>& recnos, std::vector<char>& keys, std::string_view key,
                RecNo record) const;

    std::string name_;
    TagExpression expression_;
    std::size_t width_;
    std::vector<RecNo> recnos_;
    std::vector<char> keys_;
};

} // namespace quarvex::dbase
