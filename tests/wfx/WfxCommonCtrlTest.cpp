#include "WfxTestSupport.h"

#include <TempDir.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace wfxtest;

namespace {

const UINT kTreeId = 40;

class CTreeParent : public HostWindow
{
public:
    std::vector<HTREEITEM> m_selected;

protected:
    afx_msg void OnSelChanged(NMHDR* hdr, LRESULT* result)
    {
        m_selected.push_back(reinterpret_cast<NMTREEVIEWW*>(hdr)->itemNew.hItem);
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTreeParent, HostWindow)
ON_NOTIFY(TVN_SELCHANGED, kTreeId, &CTreeParent::OnSelChanged)
END_MESSAGE_MAP()

// Appends a line in a colour the way a calibration log does.
void addLine(CRichEditCtrl& edit, LPCWSTR text, COLORREF color)
{
    CHARFORMATW format{};
    edit.GetDefaultCharFormat(format);
    format.dwMask = CFM_COLOR;
    format.dwEffects &= ~CFE_AUTOCOLOR;
    format.crTextColor = color;
    long length = edit.GetTextLength();
    long lines = edit.GetLineCount();
    edit.SetSel(length, length);
    edit.ReplaceSel((CString(text) + L"\n").GetString());
    edit.SetSel(length - lines + 1, edit.GetTextLength());
    edit.SetSelectionCharFormat(format);
    edit.SetSel(-1, -1);
}

COLORREF colorAt(CRichEditCtrl& edit, long position)
{
    edit.SetSel(position, position + 1);
    CHARFORMATW format{};
    edit.GetSelectionCharFormat(format);
    return format.crTextColor;
}

// A bitmap of `count` square images side by side on magenta, with one black
// pixel at the top left of image `marked`.
void makeStrip(CBitmap& strip, int side, int count, int marked)
{
    Canvas canvas(side * count, side);
    canvas.dc().FillSolidRect(0, 0, side * count, side, RGB(255, 0, 255));
    canvas.dc().SetPixel(side * marked, 0, RGB(0, 0, 0));
    CClientDC screen(nullptr);
    strip.CreateCompatibleBitmap(&screen, side * count, side);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&strip);
    dc.BitBlt(0, 0, side * count, side, &canvas.dc(), 0, 0, SRCCOPY);
    dc.SelectObject(old);
}

// A 2 x 2 bitmap file of 24-bit pixels (rows bottom-up, padded to 4 bytes).
std::string twoByTwoBmp()
{
    std::string pixels = std::string("\x00\x00\xFF\x00\xFF\x00", 6) + std::string(2, '\0')    // red, green
                         + std::string("\xFF\x00\x00\xFF\xFF\xFF", 6) + std::string(2, '\0'); // blue, white
    BITMAPFILEHEADER file{0x4D42, DWORD(14 + 40 + pixels.size()), 0, 0, 14 + 40};
    BITMAPINFOHEADER info{40, 2, 2, 1, 24, BI_RGB, DWORD(pixels.size()), 0, 0, 0, 0};
    return std::string(reinterpret_cast<char*>(&file), 14) + std::string(reinterpret_cast<char*>(&info), 40) +
           pixels;
}

std::set<std::wstring> listed(LPCWSTR pattern, std::set<std::wstring>* folders = nullptr)
{
    std::set<std::wstring> names;
    CFileFind finder;
    BOOL more = finder.FindFile(pattern);
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        names.insert(finder.GetFileName().str());
        if (folders && finder.IsDirectory())
            folders->insert(finder.GetFileName().str());
    }
    return names;
}

// Removes the file dialog hook at the end of a test.
struct FileDialogAnswer
{
    explicit FileDialogAnswer(WfxFileDialogHook hook) { WfxSetFileDialogHook(std::move(hook)); }
    ~FileDialogAnswer() { WfxSetFileDialogHook(nullptr); }
};

} // namespace

TEST(WfxCommonControls, TreeHoldsItemsWithDataAndTellsItsParentOfSelections)
{
    CTreeParent parent;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 200), &parent, kTreeId));
    HTREEITEM base = tree.InsertItem(TVIF_TEXT | TVIF_STATE | TVIF_PARAM, L"Base Settings", 0, 0, TVIS_BOLD,
                                     TVIS_BOLD, 100, TVI_ROOT, TVI_LAST);
    HTREEITEM petrol = tree.InsertItem(L"Petrol Change Settings", base);
    HTREEITEM sensors = tree.InsertItem(L"Sensors", 0, 0, base);
    HTREEITEM info = tree.InsertItem(L"ECU Info");
    tree.SetItemData(sensors, 10);
    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_EQ(base, tree.GetRootItem());
    EXPECT_EQ(info, tree.GetNextSiblingItem(base));
    EXPECT_EQ(petrol, tree.GetChildItem(base));
    EXPECT_EQ(sensors, tree.GetNextSiblingItem(petrol));
    EXPECT_EQ(base, tree.GetParentItem(sensors));
    EXPECT_TRUE(tree.ItemHasChildren(base));
    EXPECT_EQ(100u, tree.GetItemData(base));
    EXPECT_EQ(10u, tree.GetItemData(sensors));
    EXPECT_EQ(UINT(TVIS_BOLD), tree.GetItemState(base, TVIS_BOLD));
    EXPECT_EQ(L"Sensors", tree.GetItemText(sensors).str());
    std::wstring longName(700, L'x');
    EXPECT_TRUE(tree.SetItemText(info, longName.c_str()));
    EXPECT_EQ(longName, tree.GetItemText(info).str());

    EXPECT_TRUE(tree.Expand(base, TVE_EXPAND));
    EXPECT_TRUE(tree.GetItemState(base, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(tree.SelectItem(sensors));
    EXPECT_EQ(sensors, tree.GetSelectedItem());
    EXPECT_EQ((std::vector<HTREEITEM>{sensors}), parent.m_selected);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    EXPECT_EQ(nullptr, tree.SetImageList(&images, TVSIL_NORMAL));
    EXPECT_EQ(images.m_hImageList, tree.GetImageList(TVSIL_NORMAL)->m_hImageList);
    tree.SetImageList(nullptr, TVSIL_NORMAL);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
}

TEST(WfxCommonControls, RichEditKeepsColouredLines)
{
    HostWindow host;
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &host, 41));
    edit.SetBackgroundColor(FALSE, RGB(230, 230, 230));
    addLine(edit, L"abc", RGB(255, 0, 0));
    addLine(edit, L"de", RGB(0, 0, 255));
    EXPECT_EQ(3, edit.GetLineCount());
    CString text;
    edit.GetWindowText(text);
    text.Remove(L'\r');
    text.Remove(L'\n');
    EXPECT_EQ(L"abcde", text.str());
    EXPECT_EQ(RGB(255, 0, 0), colorAt(edit, 0));
    EXPECT_EQ(RGB(255, 0, 0), colorAt(edit, 2));
    EXPECT_EQ(RGB(0, 0, 255), colorAt(edit, 4));
    long start = -1;
    long end = -1;
    edit.SetSel(1, 3);
    edit.GetSel(start, end);
    EXPECT_EQ(1, start);
    EXPECT_EQ(3, end);
}

TEST(WfxCommonControls, ImageListCutsAStripAndDrawsMagentaTransparent)
{
    CBitmap strip;
    makeStrip(strip, 12, 12, 3);
    CImageList list;
    ASSERT_TRUE(list.Create(12, 12, ILC_COLOR24 | ILC_MASK, 0, 1));
    EXPECT_EQ(0, list.Add(&strip, RGB(255, 0, 255)));
    EXPECT_EQ(12, list.GetImageCount());
    EXPECT_EQ(&list, CImageList::FromHandle(list.m_hImageList));

    Canvas canvas(20, 20);
    canvas.dc().FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    EXPECT_TRUE(list.Draw(&canvas.dc(), 3, CPoint(4, 4), ILD_TRANSPARENT));
    EXPECT_EQ(0x000000u, canvas.rgb(4, 4));
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(8, 8)); // magenta left the white alone
    CImageList owner;
    EXPECT_TRUE(owner.Attach(list.Detach()));
    EXPECT_EQ(nullptr, list.m_hImageList);
    EXPECT_EQ(12, owner.GetImageCount());
}

TEST(WfxCommonControls, ImageIsADibSectionWithPixelAccess)
{
    CImage image;
    EXPECT_TRUE(image.IsNull());
    ASSERT_TRUE(image.Create(4, 3, 24));
    EXPECT_EQ(4, image.GetWidth());
    EXPECT_EQ(3, image.GetHeight());
    EXPECT_EQ(24, image.GetBPP());
    EXPECT_EQ(-12, image.GetPitch()); // bottom-up rows of 4 x 3 bytes
    image.SetPixel(1, 0, RGB(10, 20, 30));
    const BYTE* top = static_cast<const BYTE*>(image.GetBits());
    EXPECT_EQ(30, top[3]); // blue, green, red
    EXPECT_EQ(10, top[5]);
    static_cast<BYTE*>(image.GetBits())[image.GetPitch() * 2 + 2] = 200; // red of the bottom left pixel
    EXPECT_EQ(RGB(200, 0, 0), image.GetPixel(0, 2));

    Canvas canvas(10, 10);
    EXPECT_TRUE(image.Draw(canvas.dc().GetSafeHdc(), 5, 5));
    EXPECT_EQ(0x0A141Eu, canvas.rgb(6, 5));
    EXPECT_TRUE(image.Draw(canvas.dc().GetSafeHdc(), CRect(0, 0, 8, 6))); // stretched twice
    EXPECT_EQ(0x0A141Eu, canvas.rgb(3, 1));

    ASSERT_TRUE(image.Create(2, -2, 32, CImage::createAlphaChannel));
    EXPECT_EQ(8, image.GetPitch());                       // top-down
    static_cast<DWORD*>(image.GetBits())[0] = 0x80000080; // half-transparent blue, premultiplied
    canvas.dc().FillSolidRect(0, 0, 10, 10, RGB(0, 0, 0));
    EXPECT_TRUE(image.Draw(canvas.dc().GetSafeHdc(), 0, 0));
    EXPECT_EQ(0x000080u, canvas.rgb(0, 0));
}

TEST(WfxCommonControls, ImageLoadsAFileOrStaysEmpty)
{
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"square.bmp");
    ASSERT_TRUE(kwtest::writeFileBytes(path, twoByTwoBmp()));
    CImage image;
    ASSERT_EQ(S_OK, image.Load(path.c_str()));
    EXPECT_EQ(2, image.GetWidth());
    EXPECT_EQ(2, image.GetHeight());
    EXPECT_EQ(RGB(255, 0, 0), image.GetPixel(0, 1)); // the file's first row is the bottom one
    EXPECT_EQ(RGB(0, 0, 255), image.GetPixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), image.GetPixel(1, 0));

    EXPECT_EQ(E_FAIL, image.Load(dir.file(L"missing.bmp").c_str()));
    EXPECT_TRUE(image.IsNull());
    ASSERT_TRUE(kwtest::writeFileBytes(dir.file(L"broken.bmp"), twoByTwoBmp().substr(0, 20)));
    EXPECT_EQ(E_FAIL, image.Load(dir.file(L"broken.bmp").c_str()));
    EXPECT_TRUE(image.IsNull());
}

TEST(WfxCommonControls, FileFindListsAFolder)
{
    kwtest::TempDir dir;
    ASSERT_TRUE(kwtest::writeFileBytes(dir.file(L"a.afm"), "12345"));
    ASSERT_TRUE(kwtest::writeFileBytes(dir.file(L"b.txt"), ""));
    ASSERT_TRUE(CreateDirectoryW(dir.file(L"sub").c_str(), nullptr));
    std::set<std::wstring> folders;
    EXPECT_EQ((std::set<std::wstring>{L"a.afm", L"b.txt", L"sub"}),
              listed(dir.file(L"*.*").c_str(), &folders));
    EXPECT_EQ((std::set<std::wstring>{L"sub"}), folders);

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(dir.file(L"*.afm").c_str()));
    EXPECT_FALSE(finder.FindNextFile()); // the only match is also the last
    EXPECT_EQ(dir.file(L"a.afm"), finder.GetFilePath().str());
    EXPECT_EQ(dir.path() + L"\\", finder.GetRoot().str());
    EXPECT_EQ(L"a", finder.GetFileTitle().str());
    EXPECT_EQ(5u, finder.GetLength());
    EXPECT_FALSE(finder.IsDirectory());
    EXPECT_FALSE(finder.FindNextFile());

    EXPECT_FALSE(finder.FindFile(dir.file(L"missing\\*.*").c_str()));
    EXPECT_TRUE(GetLastError() == ERROR_PATH_NOT_FOUND || GetLastError() == ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(finder.FindNextFile());
}

TEST(WfxCommonControls, FileDialogIsAnsweredThroughTheHook)
{
    std::wstring filter;
    std::wstring title;
    DWORD flags = 0;
    BOOL openKind = FALSE;
    FileDialogAnswer answer([&](OPENFILENAMEW& ofn, BOOL bOpen) {
        for (LPCWSTR p = ofn.lpstrFilter; *p; p += wcslen(p) + 1)
            filter += std::wstring(p) + L"|";
        title = ofn.lpstrTitle;
        flags = ofn.Flags;
        openKind = bOpen;
        wcsncpy(ofn.lpstrFile, L"C:\\settings\\car one.settings", ofn.nMaxFile);
        return TRUE;
    });
    CFileDialog dialog(TRUE, L"settings", nullptr, OFN_HIDEREADONLY,
                       L"Settings file (*.settings)|*.settings|");
    dialog.m_ofn.lpstrTitle = L"OPEN";
    dialog.m_ofn.lpstrInitialDir = L"C:\\settings";
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(L"Settings file (*.settings)|*.settings|", filter);
    EXPECT_EQ(L"OPEN", title);
    EXPECT_EQ(DWORD(OFN_HIDEREADONLY | OFN_EXPLORER), flags);
    EXPECT_TRUE(openKind);
    EXPECT_STREQ(L"settings", dialog.m_ofn.lpstrDefExt);
    EXPECT_EQ(L"C:\\settings\\car one.settings", dialog.GetPathName().str());
    EXPECT_EQ(L"car one.settings", dialog.GetFileName().str());
    EXPECT_EQ(L"settings", dialog.GetFileExt().str());
    EXPECT_EQ(L"car one", dialog.GetFileTitle().str());
    EXPECT_EQ(L"C:\\settings", dialog.GetFolderPath().str());
}

TEST(WfxCommonControls, CancelledOrOverfilledFileDialogLeavesASafePath)
{
    {
        FileDialogAnswer cancel([](OPENFILENAMEW& ofn, BOOL) {
            wcsncpy(ofn.lpstrFile, L"C:\\half typed", ofn.nMaxFile);
            return FALSE;
        });
        CFileDialog dialog(FALSE, L"osc", L"C:\\start.osc");
        EXPECT_EQ(L"C:\\start.osc", dialog.GetPathName().str());
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(L"", dialog.GetPathName().str());
    }
    FileDialogAnswer overfill([](OPENFILENAMEW& ofn, BOOL) {
        std::fill(ofn.lpstrFile, ofn.lpstrFile + ofn.nMaxFile, L'x'); // no terminator
        return TRUE;
    });
    CFileDialog dialog(FALSE);
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(int(dialog.m_ofn.nMaxFile) - 1, dialog.GetPathName().GetLength());
}
