#include "framework/store/RegKeyTree.h"

#include <utility>

namespace quarvex::framework {

namespace {

std::size_t CountValues(const RegKeyTree::Key& key) {
    std::size_t count = key.values.size();
    for (const auto& [folded, subKey] : key.subKeys) {
        count += CountValues(*subKey);
    }
    return count;
}

} // namespace

RegKeyTree::RegKeyTree() : root_(std::make_unique<Key>()) {}

const RegKeyTree::Key* RegKeyTree::Find(const RegKeyPath& path) const {
    return const_cast<RegKeyTree*>(this)->FindMutable(path);
}

RegKeyTree::Key* RegKeyTree::FindMutable(const RegKeyPath& path) {
    Key* key = root_.get();
    for (const auto& name : path) {
        auto found = key->subKeys.find(FoldCase(name));
        if (found == key->subKeys.end()) {
            return nullptr;
        }
        key = found->second.get();
    }
    return key;
}

RegKeyTree::Key& RegKeyTree::Obtain(const RegKeyPath& path) {
    Key* key = root_.get();
    for (const auto& name : path) {
        auto& slot = key->subKeys[FoldCase(name)];
        if (!slot) {
            slot = std::make_unique<Key>();
            slot->name = name;
        }
        key = slot.get();
    }
    return *key;
}

void RegKeyTree::Remove(const RegKeyPath& path) {
    if (path.empty()) {
        root_ = std::make_unique<Key>();
        return;
    }
    RegKeyPath parentPath(path.begin(), path.end() - 1);
    if (Key* parent = FindMutable(parentPath)) {
        parent->subKeys.erase(FoldCase(path.back()));
    }
}

void RegKeyTree::SetValue(const RegKeyPath& path, std::string_view name, RegValue value) {
    auto& values = Obtain(path).values;
    auto [slot, inserted] = values.try_emplace(FoldCase(name), NamedValue{std::string(name), {}});
    slot->second.value = std::move(value);
}

void RegKeyTree::RemoveValue(const RegKeyPath& path, std::string_view name) {
    if (Key* key = FindMutable(path)) {
        key->values.erase(FoldCase(name));
    }
}

const RegValue* RegKeyTree::FindValue(const RegKeyPath& path, std::string_view name) const {
    const Key* key = Find(path);
    if (key == nullptr) {
        return nullptr;
    }
    auto found = key->values.find(FoldCase(name));
    return found == key->values.end() ? nullptr : &found->second.value;
}

std::size_t RegKeyTree::ValueCount() const {
    return CountValues(*root_);
}

} // namespace quarvex::framework
