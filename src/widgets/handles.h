#pragma once
// One owner for each GDI or USER handle: destroyed once, when its owner goes.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace brevant::widgets {

template <typename Handle, auto Destroy>
struct HandleDeleter {
    using pointer = Handle;
    void operator()(Handle handle) const
    {
        if (handle)
            Destroy(handle);
    }
};

template <typename Handle, auto Destroy>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDeleter<Handle, Destroy>>;

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }

using FontHandle = UniqueHandle<HFONT, DeleteGdiObject>;
using BitmapHandle = UniqueHandle<HBITMAP, DeleteGdiObject>;
using AcceleratorHandle = UniqueHandle<HACCEL, DestroyAcceleratorTable>;
using MenuHandle = UniqueHandle<HMENU, DestroyMenu>;
using IconHandle = UniqueHandle<HICON, DestroyIcon>;

}  // namespace brevant::widgets
