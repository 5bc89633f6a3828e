#pragma once
// COM for the thread that talks to a COM server, and one owner for each
// interface pointer and string it hands out: released once, when the owner goes.
#include "widgets/system_function.h"

#include <windows.h>
#include <oleauto.h>

#include <memory>
#include <string_view>
#include <utility>

namespace brevant {

// The functions of COM and its strings, from DLLs loaded when a task is first
// scheduled rather than at every start of the program.
struct ComFunctions {
    template <typename Function>
    static Function From(const char* dll, const char* name)
    {
        return widgets::SystemFunction<Function>(dll, name);
    }
    decltype(&CoInitializeEx) initialize = From<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    decltype(&CoUninitialize) uninitialize = From<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize");
    decltype(&CoCreateInstance) createInstance = From<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
    decltype(&SysAllocStringLen) allocString = From<decltype(&SysAllocStringLen)>("oleaut32.dll", "SysAllocStringLen");
    decltype(&SysFreeString) freeString = From<decltype(&SysFreeString)>("oleaut32.dll", "SysFreeString");
    decltype(&SysStringLen) stringLength = From<decltype(&SysStringLen)>("oleaut32.dll", "SysStringLen");
};

inline const ComFunctions& Com()
{
    static const ComFunctions functions;
    return functions;
}

// COM on this thread for as long as it lives. The program's windows live on a
// single-threaded apartment; a thread already in COM keeps its apartment.
class ComApartment {
public:
    ComApartment() : result_(Com().initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment()
    {
        // Every successful call, S_FALSE included, is matched by one CoUninitialize.
        if (SUCCEEDED(result_))
            Com().uninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        ComPtr(std::move(other)).Swap(*this);
        return *this;
    }
    ~ComPtr()
    {
        if (pointer_)
            pointer_->Release();
    }

    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // Where a call puts a new pointer; the one held before is released first.
    Interface** Out()
    {
        ComPtr().Swap(*this);
        return &pointer_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

private:
    void Swap(ComPtr& other) noexcept { std::swap(pointer_, other.pointer_); }
    Interface* pointer_ = nullptr;
};

struct BStringDeleter {
    using pointer = BSTR;
    void operator()(BSTR text) const { Com().freeString(text); }
};
using BString = std::unique_ptr<OLECHAR, BStringDeleter>;

inline BString MakeBString(std::wstring_view text)
{
    return BString(Com().allocString(text.data(), static_cast<UINT>(text.size())));
}

}  // namespace brevant
