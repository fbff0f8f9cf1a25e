#include "TempDir.h"

#include <Pictrel.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

const CLSID kTiffEncoder = {0x557cf405, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Writes a 4 x 4 TIFF: columns 0 and 1 opaque red and green, columns 2 and 3
// half-transparent blue. Pixels are non-premultiplied ARGB.
bool writeTestTiff(const std::wstring& path)
{
    GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, nullptr) != Ok)
        return false;
    std::vector<std::uint32_t> pixels(16);
    for (int y = 0; y < 4; ++y) {
        pixels[y * 4 + 0] = 0xFFFF0000;
        pixels[y * 4 + 1] = 0xFF00FF00;
        pixels[y * 4 + 2] = 0x800000FF;
        pixels[y * 4 + 3] = 0x800000FF;
    }
    GpBitmap* bitmap = nullptr;
    bool ok = GdipCreateBitmapFromScan0(4, 4, 16, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()),
                                        &bitmap) == Ok &&
              GdipSaveImageToFile(bitmap, path.c_str(), &kTiffEncoder, nullptr) == Ok;
    if (bitmap)
        GdipDisposeImage(bitmap);
    return ok;
}

// A white 32-bit DIB to blend onto.
struct Canvas
{
    HDC dc = CreateCompatibleDC(nullptr);
    std::uint32_t* bits = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;

    Canvas(int w, int h)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* p = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<std::uint32_t*>(p);
        for (int i = 0; i < w * h; ++i)
            bits[i] = 0x00FFFFFF;
        old = SelectObject(dc, bitmap);
        width = w;
    }
    ~Canvas()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    std::uint32_t rgb(int x, int y) const
    {
        GdiFlush();
        return bits[y * width + x] & 0xFFFFFF;
    }
    int width = 0;
};

void expectRgbNear(std::uint32_t expected, std::uint32_t actual, int tolerance = 3)
{
    for (int shift = 0; shift < 24; shift += 8) {
        int e = (expected >> shift) & 0xFF, a = (actual >> shift) & 0xFF;
        EXPECT_LE(std::abs(e - a), tolerance) << std::hex << "expected " << expected << " got " << actual;
    }
}

class PictrelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.file(L"alpha.tif");
        ASSERT_TRUE(writeTestTiff(path));
    }
    kwtest::TempDir dir;
    std::wstring path;
};

} // namespace

TEST_F(PictrelTest, LoadsATiffWithAlphaAtItsNaturalSize)
{
    CExtImage image;
    EXPECT_FALSE(image.IsLoaded());
    ASSERT_NE(0, image.Load(path.c_str(), nullptr, -1, -1));
    EXPECT_TRUE(image.IsLoaded());
    EXPECT_EQ(4, image.GetWidth());
    EXPECT_EQ(4, image.GetHeight());

    Canvas canvas(8, 8);
    ASSERT_NE(0, image.alphaBlend(canvas.dc, 1, 1, 1, 1));
    expectRgbNear(0xFF0000, canvas.rgb(1, 1));   // opaque red
    expectRgbNear(0x00FF00, canvas.rgb(2, 2));   // opaque green
    expectRgbNear(0x7F7FFF, canvas.rgb(3, 3));   // half blue over white
    expectRgbNear(0xFFFFFF, canvas.rgb(5, 5));   // outside the image
}

TEST_F(PictrelTest, DownSamplingAveragesBlocksAndKeepsAlpha)
{
    CExtImage image;
    ASSERT_NE(0, image.Load(path.c_str(), nullptr, -1, -1));
    CExtImage copy(image);
    ASSERT_NE(0, image.downSampling(2, 2));
    EXPECT_EQ(2, image.GetWidth());
    EXPECT_EQ(2, image.GetHeight());
    EXPECT_EQ(4, copy.GetWidth()) << "a copy is independent of its source";

    Canvas canvas(4, 4);
    ASSERT_NE(0, image.alphaBlend(canvas.dc, 0, 0));
    expectRgbNear(0x808000, canvas.rgb(0, 0)); // red and green averaged
    expectRgbNear(0x7F7FFF, canvas.rgb(1, 1)); // half blue stays half
}

TEST_F(PictrelTest, FailuresLeaveTheImageAsItWas)
{
    CExtImage image;
    EXPECT_EQ(0, image.Load(dir.file(L"missing.tif").c_str()));
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_EQ(0, image.downSampling(2, 2));

    ASSERT_NE(0, image.Load(path.c_str()));
    EXPECT_EQ(0, image.downSampling(0, 2));
    EXPECT_EQ(4, image.GetWidth());
    EXPECT_NE(0, image.downSampling(1, 1));
    EXPECT_EQ(4, image.GetWidth());

    CExtImage assigned;
    assigned = image;
    EXPECT_TRUE(assigned.IsLoaded());
    assigned = CExtImage();
    EXPECT_FALSE(assigned.IsLoaded());
}
