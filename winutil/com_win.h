// COM for the shell's objects (shortcuts, the folder picker): the apartment
// of this thread for as long as an action needs it, and an owner of one
// interface pointer that releases it exactly once.
#pragma once

#include <objbase.h>

#include <utility>

namespace brelvix {

class ComApartment {
  public:
    // S_FALSE (already initialised here) also needs its CoUninitialize.
    ComApartment()
        : ok_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (ok_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Ok() const { return ok_; }

  private:
    bool ok_;
};

template <typename T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return ptr_; }
    T* Get() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For the calls that hand out an interface: drops what is held first.
    void** Out() {
        Reset();
        return reinterpret_cast<void**>(&ptr_);
    }
    void Reset() {
        if (ptr_) {
            std::exchange(ptr_, nullptr)->Release();
        }
    }

  private:
    T* ptr_ = nullptr;
};

} // namespace brelvix
