#pragma once

#include <cstddef>
#include <memory>
#include <utility>

#include "host/api/Types.hpp"

namespace GS {

// The host's counted reference: shared ownership of one object, with its count readable.
template <typename T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    explicit Ref(T* object) : object_(object) {}
    template <typename U>
    Ref(const Ref<U>& other) : object_(other.shared()) {}

    template <typename... Args>
    static Ref New(Args&&... args) {
        Ref ref;
        ref.object_ = std::make_shared<T>(std::forward<Args>(args)...);
        return ref;
    }

    T* operator->() const { return object_.get(); }
    T& operator*() const { return *object_; }
    T* Get() const { return object_.get(); }
    explicit operator bool() const { return object_ != nullptr; }
    bool IsNull() const { return object_ == nullptr; }
    bool operator==(std::nullptr_t) const { return object_ == nullptr; }
    bool operator!=(std::nullptr_t) const { return object_ != nullptr; }
    bool operator==(const Ref& other) const { return object_ == other.object_; }
    bool operator!=(const Ref& other) const { return object_ != other.object_; }

    // How many references hold the object (0 for an empty reference).
    UInt32 GetRefCount() const { return static_cast<UInt32>(object_.use_count()); }
    void Clear() { object_.reset(); }

    const std::shared_ptr<T>& shared() const { return object_; }

private:
    std::shared_ptr<T> object_;
};

}  // namespace GS
