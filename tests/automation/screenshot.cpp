#include "automation/screenshot.h"

#include <fstream>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace uia {
namespace {

template <auto Release>
struct Releaser {
    template <typename Handle>
    void operator()(Handle handle) const { Release(handle); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, Releaser<DeleteDC>>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, Releaser<DeleteObject>>;

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

RECT AreaOf(HWND window)
{
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window && !GetWindowRect(window, &area))
        throw std::runtime_error("screenshot: no such window");
    return area;
}

}  // namespace

void SaveScreenshot(const std::filesystem::path& file, HWND window)
{
    const RECT area = AreaOf(window);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        throw std::runtime_error("screenshot: empty area");

    ScreenDc screen;
    MemoryDc memory(CreateCompatibleDC(screen.dc));
    Bitmap bitmap(CreateCompatibleBitmap(screen.dc, width, height));
    if (!memory || !bitmap)
        throw std::runtime_error("screenshot: out of GDI resources");
    const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    const bool copied = BitBlt(memory.get(), 0, 0, width, height, screen.dc, area.left, area.top, SRCCOPY);
    SelectObject(memory.get(), previous);
    if (!copied)
        throw std::runtime_error("screenshot: cannot copy the screen");

    // Bottom-up rows of blue, green, red, each padded to a multiple of 4 bytes.
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD rowSize = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    header.biSizeImage = rowSize * static_cast<DWORD>(height);
    std::vector<char> pixels(header.biSizeImage);
    if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) != height)
        throw std::runtime_error("screenshot: cannot read the pixels");

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    if (!out)
        throw std::runtime_error("screenshot: cannot write " + file.string());
}

}  // namespace uia
