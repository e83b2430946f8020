#pragma once

#include <functional>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/api/Types.hpp"

namespace GS {

// The host's hash table. Two rules of the host that callers rely on: Add of a key that is already
// there leaves the stored value as it was (and reports false), while Put replaces it; and iteration
// visits the entries in the order in which their keys were first added.
template <typename Key, typename Value, typename Hash = std::hash<Key>>
class HashTable {
public:
    struct Entry {
        Key key;
        Value value;
    };
    using const_iterator = typename std::vector<Entry>::const_iterator;
    using iterator = typename std::vector<Entry>::iterator;

    bool Add(const Key& key, const Value& value) {
        if (index_.count(key) != 0) {
            return false;
        }
        index_.emplace(key, entries_.size());
        entries_.push_back(Entry{key, value});
        return true;
    }

    void Put(const Key& key, const Value& value) {
        const auto it = index_.find(key);
        if (it != index_.end()) {
            entries_[it->second].value = value;
            return;
        }
        Add(key, value);
    }

    bool ContainsKey(const Key& key) const { return index_.count(key) != 0; }

    // The value under `key`; the key must be there.
    Value& Get(const Key& key) { return entries_.at(at(key)).value; }
    const Value& Get(const Key& key) const { return entries_.at(at(key)).value; }
    Value& operator[](const Key& key) { return Get(key); }
    const Value& operator[](const Key& key) const { return Get(key); }

    // Copies the value into `value` when the key is there.
    bool Get(const Key& key, Value* value) const {
        const auto it = index_.find(key);
        if (it == index_.end()) {
            return false;
        }
        *value = entries_[it->second].value;
        return true;
    }

    Value* GetPtr(const Key& key) {
        const auto it = index_.find(key);
        return it == index_.end() ? nullptr : &entries_[it->second].value;
    }
    const Value* GetPtr(const Key& key) const {
        const auto it = index_.find(key);
        return it == index_.end() ? nullptr : &entries_[it->second].value;
    }

    bool Delete(const Key& key) {
        const auto it = index_.find(key);
        if (it == index_.end()) {
            return false;
        }
        const std::size_t removed = it->second;
        index_.erase(it);
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(removed));
        for (auto& slot : index_) {
            if (slot.second > removed) {
                --slot.second;
            }
        }
        return true;
    }

    void Clear() {
        index_.clear();
        entries_.clear();
    }

    UInt32 GetSize() const { return static_cast<UInt32>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }

    // Calls `f(key, value)` for every entry in insertion order.
    template <typename F>
    void EnumeratePairs(F&& f) const {
        for (const Entry& entry : entries_) {
            f(entry.key, entry.value);
        }
    }

    std::vector<Key> Keys() const {
        std::vector<Key> keys;
        for (const Entry& entry : entries_) {
            keys.push_back(entry.key);
        }
        return keys;
    }

    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }
    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }

private:
    std::size_t at(const Key& key) const {
        const auto it = index_.find(key);
        if (it == index_.end()) {
            throw std::out_of_range("GS::HashTable: no such key");
        }
        return it->second;
    }

    std::unordered_map<Key, std::size_t, Hash> index_;
    std::vector<Entry> entries_;
};

}  // namespace GS
