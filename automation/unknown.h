// The root of every automation interface (reference counting and interface query) and Ref<T>,
// the owning pointer that holds one reference and releases it when it goes.
#pragma once

#include "automation/guid.h"
#include "automation/status.h"

#include <cstdint>
#include <utility>

namespace guheng::automation {

class IUnknown {
  public:
    static constexpr Guid iid{0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    // On success *object holds a counted pointer to the interface `iid` names (cast from void* to it);
    // E_NOINTERFACE and a null *object otherwise.
    virtual HRESULT QueryInterface(const Guid& iid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

  protected:
    ~IUnknown() = default;
};

template <typename T> class Ref {
  public:
    Ref() = default;
    // Takes over a reference the caller already owns.
    static Ref adopt(T* pointer) {
        Ref ref;
        ref.pointer_ = pointer;
        return ref;
    }

    Ref(const Ref& other) : pointer_(other.pointer_) {
        if (pointer_)
            pointer_->AddRef();
    }
    Ref(Ref&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    Ref& operator=(Ref other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~Ref() { reset(); }

    void reset() {
        if (T* old = std::exchange(pointer_, nullptr))
            old->Release();
    }

    T* get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    T& operator*() const { return *pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // Another interface of the same object; empty when the object lacks it.
    template <typename U> Ref<U> query() const {
        void* raw = nullptr;
        if (!pointer_ || failed(pointer_->QueryInterface(U::iid, &raw)))
            return {};
        return Ref<U>::adopt(static_cast<U*>(raw));
    }

  private:
    T* pointer_ = nullptr;
};

} // namespace guheng::automation
