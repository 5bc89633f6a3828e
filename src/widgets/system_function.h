#pragma once
// A function of a system DLL the program needs only now and then (the file
// dialogs, the shell): the DLL is loaded on first use rather than at start-up,
// which keeps the start short.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace brevant::widgets {

template <typename Function>
Function SystemFunction(const char* dll, const char* name)
{
    // DLL and function names are ASCII: the ANSI call loses nothing.
    HMODULE module = LoadLibraryA(dll);  // stays loaded for the life of the process
    auto function = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                           : nullptr;
    if (!function)
        throw std::runtime_error(std::string("Cannot load ") + name + " from " + dll);
    return function;
}

// A function that only newer versions of an already loaded system DLL have
// (user32's DPI functions): nullptr where the platform lacks it.
template <typename Function>
Function NewerSystemFunction(const char* loadedDll, const char* name)
{
    HMODULE module = GetModuleHandleA(loadedDll);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace brevant::widgets
