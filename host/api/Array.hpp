#pragma once

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "host/api/Types.hpp"

namespace GS {

// The host's dynamic array: indices from 0, Push appends.
template <typename T>
class Array {
public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    Array() = default;
    Array(std::initializer_list<T> items) : items_(items) {}

    void Push(const T& item) { items_.push_back(item); }
    void Push(T&& item) { items_.push_back(std::move(item)); }
    void Append(const Array& other) { items_.insert(items_.end(), other.items_.begin(), other.items_.end()); }
    void Insert(UInt32 index, const T& item) { items_.insert(items_.begin() + index, item); }
    void Delete(UInt32 index) { items_.erase(items_.begin() + index); }
    void DeleteLast() { items_.pop_back(); }
    void Clear() { items_.clear(); }
    void SetSize(UInt32 size) { items_.resize(size); }

    UInt32 GetSize() const { return static_cast<UInt32>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }

    T& operator[](UInt32 index) { return items_.at(index); }
    const T& operator[](UInt32 index) const { return items_.at(index); }
    T& Get(UInt32 index) { return items_.at(index); }
    const T& Get(UInt32 index) const { return items_.at(index); }
    T& GetFirst() { return items_.front(); }
    const T& GetFirst() const { return items_.front(); }
    T& GetLast() { return items_.back(); }
    const T& GetLast() const { return items_.back(); }

    bool Contains(const T& item) const {
        return std::find(items_.begin(), items_.end(), item) != items_.end();
    }
    // Index of the first equal item, or MaxUIndex.
    UInt32 FindFirst(const T& item) const {
        const auto it = std::find(items_.begin(), items_.end(), item);
        return it == items_.end() ? MaxUIndex : static_cast<UInt32>(it - items_.begin());
    }

    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

    bool operator==(const Array& other) const { return items_ == other.items_; }
    bool operator!=(const Array& other) const { return items_ != other.items_; }

    static constexpr UInt32 MaxUIndex = 0xFFFFFFFF;

private:
    std::vector<T> items_;
};

}  // namespace GS
