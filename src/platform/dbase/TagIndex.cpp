#include "platform/dbase/TagIndex.h"

#include <algorithm>
#include <cstring>

namespace quarvex::dbase {

namespace {

bool EntryLess(const TagIndex::Entry& left, const TagIndex::Entry& right) {
    const int order = std::string_view(left.first).compare(right.first);
    return order < 0 || (order == 0 && left.second < right.second);
}

} // namespace

TagIndex::TagIndex(std::string name, TagExpression expression)
    : name_(std::move(name)), expression_(std::move(expression)), width_(expression_.Width()) {}

std::string_view TagIndex::KeyAt(std::size_t position) const {
    const char* data = KeyData(position);
    return std::string_view(data, ::strnlen(data, width_));
}

std::size_t TagIndex::LowerBound(std::string_view key) const {
    std::size_t low = 0;
    std::size_t high = Size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (KeyAt(middle) < key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

std::size_t TagIndex::UpperBound(std::string_view key) const {
    std::size_t low = 0;
    std::size_t high = Size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (!(key < KeyAt(middle))) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

std::size_t TagIndex::PrefixEnd(std::size_t from, std::string_view prefix) const {
    std::size_t low = from;
    std::size_t high = Size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (KeyAt(middle).starts_with(prefix)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

std::size_t TagIndex::Locate(std::string_view key, RecNo record) const {
    std::size_t low = LowerBound(key);
    std::size_t high = UpperBound(key);
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (recnos_[middle] < record) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

void TagIndex::Append(std::vector<RecNo>& recnos, std::vector<char>& keys, std::string_view key,
                      RecNo record) const {
    recnos.push_back(record);
    const std::size_t at = keys.size();
    keys.resize(at + width_, '\0');
    std::memcpy(keys.data() + at, key.data(), std::min(key.size(), width_));
}

void TagIndex::Assign(std::vector<Entry> entries) {
    std::sort(entries.begin(), entries.end(), EntryLess);
    std::vector<RecNo> recnos;
    std::vector<char> keys;
    recnos.reserve(entries.size());
    keys.reserve(entries.size() * width_);
    for (const auto& [key, record] : entries) {
        Append(recnos, keys, key, record);
    }
    recnos_ = std::move(recnos);
    keys_ = std::move(keys);
}

void TagIndex::AssignSorted(std::vector<RecNo> recnos, std::vector<char> keys) {
    recnos_ = std::move(recnos);
    keys_ = std::move(keys);
}

void TagIndex::Apply(const std::vector<RecNo>& removed, std::vector<Entry> added) {
    std::sort(added.begin(), added.end(), EntryLess);
    std::vector<bool> isRemoved;
    if (!removed.empty()) {
        isRemoved.assign(static_cast<std::size_t>(removed.back()) + 1, false);
        for (const RecNo record : removed) {
            isRemoved[record] = true;
        }
    }
    const auto gone = [&](RecNo record) {
        return record < isRemoved.size() && isRemoved[record];
    };
    std::vector<RecNo> recnos;
    std::vector<char> keys;
    recnos.reserve(recnos_.size() + added.size());
    keys.reserve((recnos_.size() + added.size()) * width_);
    std::size_t old = 0;
    auto next = added.begin();
    while (old < Size() || next != added.end()) {
        if (old < Size() && gone(recnos_[old])) {
            ++old;
            continue;
        }
        const bool takeOld =
            old < Size() && (next == added.end() || KeyAt(old) < next->first ||
                             (KeyAt(old) == next->first && recnos_[old] < next->second));
        if (takeOld) {
            Append(recnos, keys, KeyAt(old), recnos_[old]);
            ++old;
        } else {
            Append(recnos, keys, next->first, next->second);
            ++next;
        }
    }
    recnos_ = std::move(recnos);
    keys_ = std::move(keys);
}

} // namespace quarvex::dbase
