// The class factory a server library hands out for one class T (default-constructible,
// born with one reference). Factories count as live objects, so the library stays loaded under them.
#pragma once

#include "automation/class_factory.h"
#include "automation/server_module.h"

#include <atomic>
#include <new>

namespace guheng::automation::server {

template <typename T> class ClassFactory final : public IClassFactory {
  public:
    ClassFactory() { objectCreated(); }
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    HRESULT QueryInterface(const Guid& iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IUnknown::iid || iid == IClassFactory::iid) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return ++references_; }
    std::uint32_t Release() override {
        std::uint32_t left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        T* instance = new (std::nothrow) T();
        if (!instance)
            return E_OUTOFMEMORY;
        HRESULT status = instance->QueryInterface(iid, object);
        instance->Release();
        return status;
    }

    HRESULT LockServer(bool lock) override {
        server::lockServer(lock);
        return S_OK;
    }

  private:
    ~ClassFactory() { objectDestroyed(); }

    std::atomic<std::uint32_t> references_{1};
};

// The body of DllGetClassObject for a library serving the one class T with class id `served`.
template <typename T>
HRESULT getClassObject(const Guid& served, const Guid* clsid, const Guid* iid, void** object) {
    if (!clsid || !iid || !object)
        return E_POINTER;
    *object = nullptr;
    if (!(*clsid == served))
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) ClassFactory<T>();
    if (!factory)
        return E_OUTOFMEMORY;
    HRESULT status = factory->QueryInterface(*iid, object);
    factory->Release();
    return status;
}

} // namespace guheng::automation::server
