#include "widgets/clipboard.h"

#include "text/error.h"

#include <cstring>
#include <memory>

namespace brevant::widgets {

namespace {

struct GlobalDeleter {
    using pointer = HGLOBAL;
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};

// Closes the clipboard this thread has opened.
struct OpenClipboardScope {
    OpenClipboardScope() = default;
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope() { CloseClipboard(); }
};

}  // namespace

void CopyToClipboard(HWND owner, std::wstring_view text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    std::unique_ptr<void, GlobalDeleter> memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        throw Error(L"Not enough memory to copy the text");
    auto* const copy = static_cast<wchar_t*>(GlobalLock(memory.get()));
    std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
    copy[text.size()] = L'\0';
    GlobalUnlock(memory.get());

    if (!OpenClipboard(owner))
        throw Error(L"The clipboard is in use by another program: the text was not copied");
    const OpenClipboardScope open;
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    if (SetClipboardData(CF_UNICODETEXT, memory.get()))
        memory.release();
    else
        throw Error(L"The text could not be put on the clipboard");
}

}  // namespace brevant::widgets
