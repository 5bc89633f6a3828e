// The bitmaps, icons and cursor that brevant.exe ships, loaded from the built
// exe itself and checked for the size, colour depth and transparency that its
// windows rely on.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "resources/resource_ids.h"

namespace brevant {
namespace {

template <typename Handle, auto Release>
struct Releaser {
    void operator()(Handle handle) const { Release(handle); }
};
template <typename Handle, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<Handle, Release>>;

using OwnedModule = Owned<HMODULE, FreeLibrary>;
using OwnedBitmap = Owned<HBITMAP, DeleteObject>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedCursor = Owned<HCURSOR, DestroyCursor>;

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};
void PrintTo(const Rgb& colour, std::ostream* out) {
    *out << "RGB(" << colour.red << "," << colour.green << "," << colour.blue << ")";
}
constexpr Rgb kOlive{128, 128, 0};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
// In a transparency mask, black marks a drawn pixel and white a see-through one.
constexpr Rgb kDrawn = kBlack;
constexpr Rgb kSeeThrough = kWhite;

// The test exe is built in a folder below the one that holds brevant.exe.
std::filesystem::path FindBrevantExe() {
    char buffer[MAX_PATH];
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    for (auto folder = std::filesystem::path(buffer).parent_path();;
         folder = folder.parent_path()) {
        if (std::filesystem::exists(folder / "brevant.exe")) return folder / "brevant.exe";
        if (folder == folder.parent_path()) return {};
    }
}

// Every pixel of a bitmap, read as 32-bit colour, top row first.
class Pixels {
public:
    explicit Pixels(HBITMAP bitmap) {
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        width_ = info.bmWidth;
        height_ = info.bmHeight;
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = width_;
        format.bmiHeader.biHeight = -height_;  // top row first
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        values_.resize(static_cast<size_t>(width_) * height_);
        HDC screen = GetDC(nullptr);
        lines_ = GetDIBits(screen, bitmap, 0, height_, values_.data(), &format, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int LinesRead() const { return lines_; }
    Rgb At(int x, int y) const {
        uint32_t value = values_[static_cast<size_t>(y) * width_ + x];
        return {static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF),
                static_cast<int>(value & 0xFF)};
    }

private:
    int width_ = 0, height_ = 0, lines_ = 0;
    std::vector<uint32_t> values_;
};

bool IsGreyedColour(Rgb colour) {
    return colour == kOlive || colour == kGrey || colour == kWhite;
}

bool IsColourful(Rgb colour) {
    return colour != kOlive && !(colour.red == colour.green && colour.green == colour.blue);
}

// The image that an icon or cursor group offers for a size: a BITMAPINFOHEADER
// and what follows, or a PNG file.
const BYTE* GroupImage(HMODULE module, int id, bool icon, int size) {
    HRSRC group =
        FindResourceA(module, MAKEINTRESOURCEA(id), icon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
    if (group == nullptr) return nullptr;
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    int imageId = LookupIconIdFromDirectoryEx(directory, icon, size, size,
                                              icon ? LR_DEFAULTCOLOR : LR_MONOCHROME);
    HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(imageId), icon ? RT_ICON : RT_CURSOR);
    if (image == nullptr) return nullptr;
    auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, image)));
    // A cursor image starts with its hotspot, two 16-bit values.
    return icon ? bytes : bytes + 4;
}

// The sizes an icon group lists, smallest first.
std::vector<int> GroupIconSizes(HMODULE module, int id) {
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    if (group == nullptr) return {};
    auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    std::vector<int> sizes;
    // A 6-byte header ending in the count, then 14 bytes an image; width 0 means 256.
    for (int i = 0; i < (directory[4] | directory[5] << 8); ++i) {
        sizes.push_back(directory[6 + 14 * i] == 0 ? 256 : directory[6 + 14 * i]);
    }
    std::ranges::sort(sizes);
    return sizes;
}

class ShippedResources : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::path exe = FindBrevantExe();
        ASSERT_FALSE(exe.empty()) << "brevant.exe not found above the test exe";
        module_.reset(LoadLibraryExA(exe.string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_NE(module_, nullptr) << exe.string() << ": error " << GetLastError();
    }
    HMODULE Module() const { return module_.get(); }
    OwnedBitmap LoadGlyph(int id) const {
        return OwnedBitmap(static_cast<HBITMAP>(LoadImageA(
            Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }

private:
    OwnedModule module_;
};

struct GlyphCase {
    int id;
    const char* name;
    int side;    // of one square image at 100 %
    int images;  // 2 with a greyed image
};

constexpr GlyphCase kGlyphs[] = {
    {IDB_GLYPH_OK, "OK", 18, 2},
    {IDB_GLYPH_CANCEL, "Cancel", 18, 2},
    {IDB_GLYPH_HELP, "Help", 18, 2},
    {IDB_GLYPH_PREVIEW, "Preview", 20, 1},
    {IDB_GLYPH_SAVE, "Save", 20, 2},
    {IDB_GLYPH_LOAD, "Load", 14, 1},
};

constexpr int kGlyphDpis[] = {BREVANT_GLYPH_DPIS};

// Calls check(glyph, bitmap id, side of its images) for each glyph at each display scale step.
template <typename Check>
void ForEachGlyphStep(Check check) {
    for (const GlyphCase& glyph : kGlyphs) {
        for (int step = 0; step < static_cast<int>(std::size(kGlyphDpis)); ++step) {
            const int dpi = kGlyphDpis[step];
            SCOPED_TRACE(std::string(glyph.name) + " at " + std::to_string(dpi) + " dpi");
            check(glyph, glyph.id + IDB_GLYPH_SCALE_STEP * step, MulDiv(glyph.side, dpi, 96));
        }
    }
}

TEST_F(ShippedResources, GlyphsAre16ColourBitmapsWithAnOliveLowerLeftPixel) {
    ForEachGlyphStep([&](const GlyphCase& glyph, int id, int side) {
        OwnedBitmap bitmap = LoadGlyph(id);
        ASSERT_NE(bitmap, nullptr);
        DIBSECTION section{};
        ASSERT_EQ(GetObjectA(bitmap.get(), sizeof section, &section), int{sizeof section});
        EXPECT_EQ(section.dsBmih.biWidth, glyph.images * side);
        EXPECT_EQ(section.dsBmih.biHeight, side);
        EXPECT_EQ(section.dsBmih.biBitCount, 4);

        Pixels pixels(bitmap.get());
        ASSERT_EQ(pixels.LinesRead(), side);
        EXPECT_EQ(pixels.At(0, side - 1), kOlive);
    });
}

// A strip holds the normal image, then the greyed one for the disabled state.
// Larger steps are drawn with hard edges: no colour that the 100 % image lacks.
TEST_F(ShippedResources, GlyphStripsHoldAColouredThenAGreyedImage) {
    ForEachGlyphStep([&](const GlyphCase& glyph, int id, int size) {
        OwnedBitmap bitmap = LoadGlyph(id), unscaled = LoadGlyph(glyph.id);
        ASSERT_TRUE(bitmap && unscaled);
        Pixels pixels(bitmap.get()), unscaledPixels(unscaled.get());
        ASSERT_EQ(pixels.LinesRead(), size);
        std::vector<Rgb> unscaledColours;
        for (int y = 0; y < glyph.side; ++y) {
            for (int x = 0; x < glyph.side; ++x) unscaledColours.push_back(unscaledPixels.At(x, y));
        }
        const bool hasGreyedImage = glyph.images == 2;
        bool normalHasColour = false, normalKeepsColours = true;
        bool greyedHasShape = false, greyedIsGrey = true;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                normalHasColour = normalHasColour || IsColourful(pixels.At(x, y));
                normalKeepsColours = normalKeepsColours && std::ranges::find(unscaledColours,
                                                              pixels.At(x, y)) != unscaledColours.end();
                if (hasGreyedImage) {
                    Rgb greyed = pixels.At(size + x, y);
                    greyedIsGrey = greyedIsGrey && IsGreyedColour(greyed);
                    greyedHasShape = greyedHasShape || greyed == kGrey;
                }
            }
        }
        EXPECT_TRUE(normalHasColour);
        EXPECT_TRUE(normalKeepsColours);
        if (hasGreyedImage) {
            EXPECT_TRUE(greyedIsGrey);
            EXPECT_TRUE(greyedHasShape);
        }
    });
}

struct IconCase {
    int id;
    const char* name;
    std::vector<int> sizes;
};

// The sizes the shell and the windows ask for at the usual display scales.
const std::vector<int> kMessageIconSizes{16, 20, 24, 32, 40, 48, 56, 64, 80, 96};
const std::vector<int> kProgramIconSizes{16, 20, 24, 32, 40, 48, 64, 96, 128, 256};
// Images this large are PNG files, which keeps the exe small.
constexpr int kPngIconSize = 256;

const IconCase kIcons[] = {
    {IDI_MESSAGE_ERROR, "error", kMessageIconSizes},
    {IDI_MESSAGE_WARNING, "warning", kMessageIconSizes},
    {IDI_MESSAGE_INFORMATION, "information", kMessageIconSizes},
    {IDI_MESSAGE_QUESTION, "question", kMessageIconSizes},
    {IDI_BREVANT, "program", kProgramIconSizes},
};

TEST_F(ShippedResources, IconsOffer16ColourImagesOfEachSize) {
    for (const IconCase& icon : kIcons) {
        EXPECT_EQ(GroupIconSizes(Module(), icon.id), icon.sizes) << icon.name;
        for (int size : icon.sizes) {
            SCOPED_TRACE(std::string(icon.name) + " " + std::to_string(size));
            const BYTE* image = GroupImage(Module(), icon.id, true, size);
            ASSERT_NE(image, nullptr);
            if (size >= kPngIconSize) {
                EXPECT_EQ(std::memcmp(image, "\x89PNG", 4), 0);
                continue;
            }
            auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image);
            EXPECT_EQ(header->biWidth, size);
            EXPECT_EQ(header->biHeight, 2 * size);  // picture and mask
            EXPECT_EQ(header->biBitCount, 4);
        }
    }
}

// Corners are see-through, the middle is drawn.
TEST_F(ShippedResources, IconsLoadWithATransparencyMask) {
    for (const IconCase& icon : kIcons) {
        for (int size : icon.sizes) {
            SCOPED_TRACE(std::string(icon.name) + " " + std::to_string(size));
            OwnedIcon handle(static_cast<HICON>(
                LoadImageA(Module(), MAKEINTRESOURCEA(icon.id), IMAGE_ICON, size, size, 0)));
            ASSERT_NE(handle, nullptr);
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(handle.get(), &info));
            OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);
            EXPECT_TRUE(info.fIcon);
            ASSERT_NE(colour, nullptr);
            Pixels picture(colour.get()), transparency(mask.get());
            EXPECT_EQ(picture.Width(), size);
            EXPECT_EQ(picture.Height(), size);
            ASSERT_EQ(transparency.LinesRead(), size);
            EXPECT_EQ(transparency.At(0, 0), kSeeThrough);
            EXPECT_EQ(transparency.At(size - 1, 0), kSeeThrough);
            EXPECT_EQ(transparency.At(size / 2, size / 2), kDrawn);
        }
    }
}

TEST_F(ShippedResources, HandPointerIsAMonochromeCursorWithItsHotspotAtTheFingertip) {
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(
        GroupImage(Module(), IDC_HAND_POINTER, false, 32));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64);
    EXPECT_EQ(header->biBitCount, 1);

    OwnedCursor cursor(static_cast<HCURSOR>(
        LoadImageA(Module(), MAKEINTRESOURCEA(IDC_HAND_POINTER), IMAGE_CURSOR, 32, 32, 0)));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);
    EXPECT_FALSE(info.fIcon);
    // A monochrome cursor keeps its AND mask above its XOR image in one bitmap.
    EXPECT_EQ(colour, nullptr);
    Pixels bits(mask.get());
    ASSERT_EQ(bits.Width(), 32);
    ASSERT_EQ(bits.Height(), 64);
    ASSERT_EQ(bits.LinesRead(), 64);

    // The fingertip is the hand's topmost point: the hotspot is drawn, on the
    // first row that holds anything drawn.
    const int x = static_cast<int>(info.xHotspot), y = static_cast<int>(info.yHotspot);
    ASSERT_LT(x, 32);
    ASSERT_LT(y, 32);
    EXPECT_EQ(bits.At(x, y), kDrawn);
    int topmostDrawnRow = 0;
    auto rowIsEmpty = [&](int row) {
        for (int column = 0; column < 32; ++column) {
            if (bits.At(column, row) == kDrawn) return false;
        }
        return true;
    };
    while (topmostDrawnRow < 32 && rowIsEmpty(topmostDrawnRow)) ++topmostDrawnRow;
    EXPECT_EQ(y, topmostDrawnRow);
}

}  // namespace
}  // namespace brevant
