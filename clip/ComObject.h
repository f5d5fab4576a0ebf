// The one owner of a COM interface pointer: released exactly once, never copied.
#pragma once

#include <windows.h>

namespace rolva {

template <typename Interface>
class ComObject {
public:
    ComObject() = default;
    ~ComObject() { Reset(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // For calls that hand out a new reference: releases what is held first.
    Interface** Receive()
    {
        Reset();
        return &object_;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    void Reset()
    {
        if (object_)
            object_->Release();
        object_ = nullptr;
    }

private:
    Interface* object_ = nullptr;
};

// COM on this thread for one scope; a thread already set up otherwise keeps its setting.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

}  // namespace rolva
