#pragma once

#include "framework/store/RegKeyPath.h"
#include "framework/store/RegValue.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace quarvex::framework {

// The keys and values of one user's settings in memory. Names are looked up by their
// case-folded form and keep the spelling they were first given.
class RegKeyTree {
public:
    struct NamedValue {
        std::string name;
        RegValue value;
    };

    struct Key {
        std::string name;
        std::map<std::string, NamedValue> values;            // by folded name
        std::map<std::string, std::unique_ptr<Key>> subKeys; // by folded name
    };

    RegKeyTree();

    const Key& Root() const { return *root_; }

    // The key at the path, or nullptr when it does not exist.
    const Key* Find(const RegKeyPath& path) const;

    // The key at the path, created with every missing key above it.
    Key& Obtain(const RegKeyPath& path);

    // Removes the key with everything below it; removing the root empties the tree.
    void Remove(const RegKeyPath& path);

    void SetValue(const RegKeyPath& path, std::string_view name, RegValue value);
    void RemoveValue(const RegKeyPath& path, std::string_view name);

    // The value, or nullptr when the key or the value does not exist.
    const RegValue* FindValue(const RegKeyPath& path, std::string_view name) const;

    std::size_t ValueCount() const;

private:
    Key* FindMutable(const RegKeyPath& path);

    std::unique_ptr<Key> root_;
};

} // namespace quarvex::framework
