#include <CPreviewDC.h>
#include <CRect.h>
#include <CString.h>
#include <CTime.h>

#include <gtest/gtest.h>

#include <climits>
#include <ctime>

TEST(WfxString, CutsClampOutOfRangePositions)
{
    CString s(L"Kestrel");
    EXPECT_EQ(L"str", s.Mid(2, 3));
    EXPECT_EQ(L"strel", s.Mid(2));
    EXPECT_EQ(L"Kestrel", s.Mid(-5, 8)); // from 0, the count cut to the text
    EXPECT_EQ(L"", s.Mid(20, 2));
    EXPECT_EQ(L"", s.Mid(2, -1));
    EXPECT_EQ(L"Kestrel", s.Left(99));
    EXPECT_EQ(L"", s.Left(-1));
    EXPECT_EQ(L"rel", s.Right(3));
    EXPECT_EQ(L"Kestrel", s.Right(50));
    EXPECT_EQ(L'\0', s.GetAt(7));
}

TEST(WfxString, FindReplaceTrimAndCompare)
{
    CString s(L"  a,b,,c  ");
    EXPECT_EQ(3, s.Find(L','));
    EXPECT_EQ(5, s.Find(L',', 4));
    EXPECT_EQ(-1, s.Find(L',', 40));
    EXPECT_EQ(5, s.Find(L",,"));
    EXPECT_EQ(-1, s.Find(L"x"));
    EXPECT_EQ(6, s.ReverseFind(L','));
    s.Trim();
    EXPECT_EQ(L"a,b,,c", s);
    EXPECT_EQ(3, s.Replace(L",", L";;"));
    EXPECT_EQ(L"a;;b;;;;c", s);
    EXPECT_EQ(0, s.Replace(L"", L"x"));
    CString t(L"xxabcxx");
    t.Trim(L"x");
    EXPECT_EQ(L"abc", t);
    EXPECT_TRUE(CString(L"abc") == L"abc");
    EXPECT_TRUE(CString(L"abc") < CString(L"abd"));
    EXPECT_EQ(0, CString(L"ABC").CompareNoCase(L"abc"));
    EXPECT_EQ(L"ab" + CString(L"cd") + L'e', CString(L"abcde"));
}

TEST(WfxString, FormatAndBuffers)
{
    CString s;
    s.Format(L"%s=%d, %.2f, %S", L"x", -12, 3.14159, "narrow");
    EXPECT_EQ(L"x=-12, 3.14, narrow", s);
    s.Format(L"%s", L"");
    EXPECT_TRUE(s.IsEmpty());
    // Strings as arguments give their text, not their object bytes.
    s.Format(L"%s and %s", CString(L"one"), std::wstring(L"two"));
    EXPECT_EQ(L"one and two", s);
    s.AppendFormat(L" (%d)", 3);
    EXPECT_EQ(L"one and two (3)", s);
    CString buffer;
    wcscpy(buffer.GetBuffer(20), L"filled");
    buffer.ReleaseBuffer();
    EXPECT_EQ(6, buffer.GetLength());
    buffer.GetBuffer(10)[2] = L'\0';
    buffer.ReleaseBuffer();
    EXPECT_EQ(L"fi", buffer);
    EXPECT_EQ(L"narrow text", CString("narrow text"));
}

TEST(WfxGeometry, RectArithmetic)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    r.OffsetRect(5, -5);
    EXPECT_EQ(CRect(15, 15, 115, 65), r);
    r.DeflateRect(5, 5);
    EXPECT_EQ(CRect(20, 20, 110, 60), r);
    EXPECT_EQ(CRect(50, 20, 110, 60), r & CRect(50, 0, 200, 100));
    EXPECT_TRUE((r & CRect(500, 500, 600, 600)).IsRectEmpty());
    CRect flipped(10, 10, 0, 0);
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(0, 0, 10, 10), flipped);
    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(CRect(0, 0, 110, 60), r);
    EXPECT_EQ(CPoint(-3, 4), CPoint(MAKELPARAM(-3, 4)));
}

TEST(WfxTime, FormatsDayMonthYear)
{
    EXPECT_EQ(L"29/02/2024", CTime(2024, 2, 29, 12, 0, 0).Format(L"%d/%m/%Y"));
    CTime t(2024, 12, 31, 23, 59, 58);
    EXPECT_EQ(2024, t.GetYear());
    EXPECT_EQ(12, t.GetMonth());
    EXPECT_EQ(58, t.GetSecond());
    __time64_t now = _time64(nullptr);
    __time64_t current = CTime::GetCurrentTime().GetTime();
    EXPECT_LE(now, current);
    EXPECT_LE(current - now, 2);
    EXPECT_TRUE(CTime(2024, 13, 40, 0, 0, 0).GetTime() == -1 ||
                CTime(2024, 13, 40, 0, 0, 0).GetMonth() != 13);
}

// The scaled extents of a print preview: exact beyond 64 bits, rounded to
// nearest, saturated on a zero divisor; doubling stops on a zero extent.
TEST(WfxPreviewDC, ScalesExtentsSafely)
{
    EXPECT_EQ(4, CPreviewDC::MultMultDivDiv(7, 1, 1, 2, 1));
    EXPECT_EQ(-4, CPreviewDC::MultMultDivDiv(-7, 1, 1, 2, 1));
    EXPECT_EQ(0x40000000, CPreviewDC::MultMultDivDiv(0x40000000, 0x10000, 0x10000, 0x10000, 0x10000));
    EXPECT_EQ(INT_MAX, CPreviewDC::MultMultDivDiv(5, 4, 3, 0, 300));
    EXPECT_EQ(INT_MIN, CPreviewDC::MultMultDivDiv(-5, 4, 3, 300, 0));
    EXPECT_EQ(INT_MAX, CPreviewDC::MultMultDivDiv(INT_MAX, INT_MAX, 2, 1, 1));
    LONG viewport = 1;
    LONG window = 3;
    CPreviewDC::DoubleExtents(viewport, window);
    EXPECT_EQ(window, 3 * viewport);
    EXPECT_GE(window, 0x4000);
    LONG zero = 0;
    window = 5;
    CPreviewDC::DoubleExtents(zero, window);
    EXPECT_EQ(0, zero);
    EXPECT_EQ(5, window);
}
