#include "gdi_test_support.h"

namespace pellory::test {
namespace {

using DeviceContextTest = GdiTest;

HBITMAP newBitmap(LONG width = 2, LONG height = 2)
{
    const BITMAPINFO info = dibInfo(width, height);
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
}

HGDIOBJ bogusHandle() { return reinterpret_cast<HGDIOBJ>(uintptr_t{0xDEAD0}); }

TEST_F(DeviceContextTest, MemoryDcStartsWithTheSharedStockBitmap)
{
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(first);
    HBITMAP a = newBitmap();
    HBITMAP b = newBitmap();
    const HGDIOBJ stockOfFirst = SelectObject(first, a);
    const HGDIOBJ stockOfSecond = SelectObject(second, b);
    EXPECT_NE(stockOfFirst, nullptr);
    EXPECT_EQ(stockOfFirst, stockOfSecond);
    EXPECT_NE(stockOfFirst, a);
    EXPECT_EQ(SelectObject(first, stockOfFirst), a);
    EXPECT_EQ(SelectObject(second, stockOfSecond), b);
    for (HGDIOBJ object : {HGDIOBJ(a), HGDIOBJ(b), HGDIOBJ(first), HGDIOBJ(second)})
        EXPECT_TRUE(DeleteObject(object));
}

TEST_F(DeviceContextTest, SelectObjectReturnsTheReplacedBitmap)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP a = newBitmap();
    HBITMAP b = newBitmap();
    const HGDIOBJ stock = SelectObject(dc, a);
    EXPECT_EQ(SelectObject(dc, b), a);
    EXPECT_EQ(SelectObject(dc, b), b) << "reselecting the current bitmap returns it";
    EXPECT_EQ(SelectObject(dc, stock), b);
    DeleteObject(a);
    DeleteObject(b);
    DeleteDC(dc);
}

TEST_F(DeviceContextTest, BitmapIsSelectedIntoOneDcAtATime)
{
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = newBitmap();
    const HGDIOBJ stock = SelectObject(first, bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    SelectObject(first, stock);
    EXPECT_EQ(SelectObject(second, bitmap), stock) << "free again once the first DC let go";
    DeleteDC(second);
    DeleteDC(first);
    DeleteObject(bitmap);
}

TEST_F(DeviceContextTest, SelectObjectRefusesWhatIsNotAMemoryDcAndABitmap)
{
    WindowSurface window(2, 2);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = newBitmap();
    EXPECT_EQ(SelectObject(window.dc, bitmap), nullptr) << "window DC";
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(bogusHandle()), bitmap), nullptr) << "bogus DC";
    EXPECT_EQ(SelectObject(nullptr, bitmap), nullptr) << "null DC";
    EXPECT_EQ(SelectObject(dc, bogusHandle()), nullptr) << "bogus object";
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr) << "null object";
    EXPECT_EQ(SelectObject(dc, window.dc), nullptr) << "a DC is not selectable";
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(bitmap), bitmap), nullptr) << "bitmap as DC";
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(DeviceContextTest, CreateCompatibleDcAcceptsNullAndDcsOnly)
{
    WindowSurface window(4, 4);
    HDC fromNull = CreateCompatibleDC(nullptr);
    HDC fromWindow = CreateCompatibleDC(window.dc);
    EXPECT_NE(fromNull, nullptr);
    EXPECT_NE(fromWindow, nullptr);
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(bogusHandle())), nullptr);
    HBITMAP bitmap = newBitmap();
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(bitmap)), nullptr);
    DeleteObject(bitmap);
    DeleteObject(fromNull); // DeleteObject frees DCs too
    DeleteDC(fromWindow);
}

TEST_F(DeviceContextTest, EachObjectCountsWhileAliveAndDeletesOnce)
{
    const int before = SysLiveGdiObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = newBitmap();
    EXPECT_EQ(SysLiveGdiObjectCount(), before + 2);
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(bitmap))) << "DeleteDC takes DCs only";
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap)) << "stale bitmap handle";
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc)) << "stale DC handle";
    EXPECT_FALSE(DeleteObject(dc)) << "stale DC handle through DeleteObject";
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteObject(bogusHandle()));
    EXPECT_EQ(SysLiveGdiObjectCount(), before);
}

TEST_F(DeviceContextTest, StockBitmapSurvivesDeleteObject)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = newBitmap();
    const HGDIOBJ stock = SelectObject(dc, bitmap);
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(SelectObject(dc, stock), bitmap) << "the stock bitmap is still selectable";
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// Deleting a bitmap that a DC still holds keeps its pixels alive until the DC
// lets go of it, so drawing through the DC never reaches freed memory.
TEST_F(DeviceContextTest, BitmapDeletedWhileSelectedLivesUntilReleased)
{
    const int before = SysLiveGdiObjectCount();
    WindowSurface window(2, 2, 0x5A);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = newBitmap();
    const HGDIOBJ stock = SelectObject(dc, bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(SysLiveGdiObjectCount(), before + 2 + 1);
    EXPECT_TRUE(BitBlt(dc, 0, 0, 2, 2, window.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(SelectObject(dc, stock), bitmap);
    EXPECT_EQ(SysLiveGdiObjectCount(), before + 2);
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr) << "the deleted bitmap is gone now";
    DeleteDC(dc);
}

TEST_F(DeviceContextTest, DeletingTheDcAlsoFreesABitmapDeletedWhileSelected)
{
    const int before = SysLiveGdiObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = newBitmap();
    SelectObject(dc, bitmap);
    DeleteObject(bitmap);
    DeleteObject(dc);
    EXPECT_EQ(SysLiveGdiObjectCount(), before);
}

TEST_F(DeviceContextTest, WindowDcGeometryIsChecked)
{
    BYTE pixels[64] = {};
    EXPECT_EQ(SysCreateWindowDC(nullptr, pixels, 4, 4, 15, nullptr, nullptr), nullptr)
        << "line shorter than 4 bytes a pixel";
    EXPECT_EQ(SysCreateWindowDC(nullptr, nullptr, 4, 4, 16, nullptr, nullptr), nullptr);
    EXPECT_EQ(SysCreateWindowDC(nullptr, pixels, -1, 4, 16, nullptr, nullptr), nullptr);
    HDC empty = SysCreateWindowDC(nullptr, nullptr, 0, 0, 0, nullptr, nullptr);
    EXPECT_NE(empty, nullptr) << "a window with no client area yet";
    EXPECT_FALSE(SysRebindWindowDC(empty, pixels, 4, 4, 8));
    EXPECT_TRUE(SysRebindWindowDC(empty, pixels, 4, 4, 16));
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(SysRebindWindowDC(memory, pixels, 4, 4, 16)) << "memory DCs have no window";
    DeleteDC(memory);
    DeleteObject(empty);
    EXPECT_FALSE(SysRebindWindowDC(empty, pixels, 4, 4, 16)) << "stale window DC";
}

TEST_F(DeviceContextTest, ArmedFailuresHitOnlyTheChosenKindsAndRunOut)
{
    BYTE pixels[16] = {};
    const BITMAPINFO info = dibInfo(1, 1);
    const int before = SysLiveGdiObjectCount();
    SysFailNextCreations(SYS_RESOURCE_DC, 2);
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    EXPECT_NE(bitmap, nullptr) << "DIB sections are not armed";
    EXPECT_EQ(CreateCompatibleDC(nullptr), nullptr) << "first armed failure";
    EXPECT_EQ(SysCreateWindowDC(nullptr, pixels, 1, 1, 4, nullptr, nullptr), nullptr)
        << "second armed failure";
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_NE(dc, nullptr) << "failures used up";
    SysFailNextCreations(SYS_RESOURCE_DIB_SECTION | SYS_RESOURCE_HEAP, 1);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
    void *block = HeapAlloc(GetProcessHeap(), 0, 8);
    EXPECT_NE(block, nullptr) << "the one failure was used by the DIB section";
    HeapFree(GetProcessHeap(), 0, block);
    SysFailNextCreations(SYS_RESOURCE_DC, 5);
    SysFailNextCreations(0, 0);
    HDC afterClear = CreateCompatibleDC(nullptr);
    EXPECT_NE(afterClear, nullptr) << "0 clears the armed failures";
    DeleteDC(afterClear);
    DeleteDC(dc);
    DeleteObject(bitmap);
    EXPECT_EQ(SysLiveGdiObjectCount(), before);
}

} // namespace
} // namespace pellory::test
