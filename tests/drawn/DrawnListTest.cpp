#include "ControlTestSupport.h"
#include "DrawnDisplayTestIds.h"

#include <iterator>

using namespace drawntest;

namespace {

const int kListWidth = 402;

// The selected rows' dark to bright red.
bool isReddish(std::uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) > 80 && ((rgb >> 8) & 0xFF) < 40 && (rgb & 0xFF) < 40;
}
const int kListHeight = 200;

// A page with a drawn list made over its placeholder, which hears the
// list's clicks through its message map as the program's pages do.
class CListPage : public CDialog
{
public:
    CListPage() : CDialog(IDD_DISPLAYS)
    {
        LOGFONTW lf{};
        lf.lfHeight = -16; // 12 points at 96 dots per inch
        wcscpy(lf.lfFaceName, L"Arial");
        m_font.CreateFontIndirect(&lf);
    }

    struct Notice
    {
        UINT code;
        UINT_PTR idFrom;
        HWND from;
    };
    CGDIpListCtrl m_list;
    CFont m_font;
    std::vector<Notice> m_notices;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_list.m_font = &m_font;
        m_list.CreateFromStatic(0, this, IDC_D_LIST);
        m_list.MoveWindow(0, 0, kListWidth, kListHeight);
        return TRUE;
    }
    afx_msg void OnListClick(NMHDR* hdr, LRESULT*)
    {
        m_notices.push_back({UINT(NM_CLICK), hdr->idFrom, hdr->hwndFrom});
    }
    afx_msg void OnListDblClk(NMHDR* hdr, LRESULT*)
    {
        m_notices.push_back({UINT(NM_DBLCLK), hdr->idFrom, hdr->hwndFrom});
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListPage, CDialog)
ON_NOTIFY(NM_CLICK, IDC_D_LIST, &CListPage::OnListClick)
ON_NOTIFY(NM_DBLCLK, IDC_D_LIST, &CListPage::OnListDblClk)
END_MESSAGE_MAP()

class DrawnList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(page.Create(IDD_DISPLAYS));
        page.ShowWindow(SW_SHOWNA);
    }
    void TearDown() override { page.DestroyWindow(); }

    CGDIpListCtrl& list() { return page.m_list; }
    CGDIpListCtrlHeaderItem* addColumn(const wchar_t* text, int width, double ratio = 0)
    {
        auto* item = new CGDIpListCtrlHeaderItem;
        item->m_text = text;
        item->m_width = width;
        item->m_widthRatio = ratio;
        EXPECT_TRUE(list().insertHeaderColumn(item));
        return item;
    }
    // The owner's way of adding a row: one cell per column.
    CGDIpListCtrlRow* addRow(const wchar_t* text)
    {
        auto* row = new CGDIpListCtrlRow;
        row->m_owner = &list();
        row->m_header = &list().getHeader();
        CListCtrlRowItemColorPack pack;
        for (size_t k = 0; k < list().getHeader().size(); ++k) {
            auto* item = new CGDIpListCtrlRowItem;
            item->setColors(&pack);
            item->m_owner = &list();
            item->m_row = row;
            item->m_text = text;
            row->m_items.push_back(item);
        }
        list().getRows().push_back(row);
        return row;
    }
    void twoColumnsAndRows(int rows)
    {
        addColumn(L"Error", 100, 0.5);
        addColumn(L"Description", 100);
        for (int i = 0; i < rows; ++i)
            addRow(L"P0100");
        list().invalidate();
    }
    CGDIpListCtrlRow* row(int n) { return *std::next(list().getRows().begin(), n); }
    void press(int x, int y, UINT keys = 0)
    {
        list().SendMessage(WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(x, y));
        list().SendMessage(WM_LBUTTONUP, keys, MAKELPARAM(x, y));
    }
    void moveTo(int x, int y) { list().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    void vscroll(UINT code, UINT pos = 0) { list().SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0); }
    void hscroll(UINT code, UINT pos = 0) { list().SendMessage(WM_HSCROLL, MAKEWPARAM(code, pos), 0); }
    void wheel(int delta, UINT keys = 0) { list().SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), 0); }
    // The middle of row n's first cell (displayed rows only).
    CPoint inRow(int n)
    {
        const CRect r = row(n)->getRect();
        return CPoint(r.left + 20, (r.top + r.bottom) / 2);
    }

    CListPage page;
};

} // namespace

TEST_F(DrawnList, GeometryFollowsTheFontAndTheWidth)
{
    twoColumnsAndRows(3);
    // 12 points: 21 pixels, rows 26 high, the header 31; margins 2 and 1.
    EXPECT_EQ(7u, list().m_rowsPerPage); // 200 / 26
    EXPECT_EQ(2, list().m_marginX);
    EXPECT_EQ(1, list().m_marginY);
    const auto& header = list().getHeader();
    EXPECT_EQ(197, header[0]->m_width); // (402 - 2) x 0.5 - 3
    EXPECT_EQ(CRect(2, 1, 199, 32), header[0]->getRect());
    EXPECT_EQ(CRect(202, 1, 302, 32), header[1]->getRect());
    EXPECT_EQ(302, list().m_headerRight);
    EXPECT_EQ(2, list().m_columnCount);

    EXPECT_EQ(CRect(2, 35, 302, 61), row(0)->getRect());
    EXPECT_EQ(CRect(2, 64, 302, 90), row(1)->getRect());
    EXPECT_EQ(CRect(202, 64, 302, 90), row(1)->m_items[1]->getRect());
    EXPECT_FALSE(row(0)->m_alternate);
    EXPECT_TRUE(row(1)->m_alternate);
    EXPECT_FALSE(row(2)->m_alternate);
    list().m_alternateRows = false;
    list().invalidate();
    EXPECT_FALSE(row(1)->m_alternate);

    EXPECT_EQ(3, list().m_vScroll.max);
    EXPECT_EQ(7, list().m_vScroll.page);
    EXPECT_EQ(302, list().m_hScroll.max);
}

TEST_F(DrawnList, OnlyAPageLessOneRowIsLaidOutAndTheBarFollows)
{
    twoColumnsAndRows(10);
    CRect client;
    list().GetClientRect(&client);
    const unsigned perPage = unsigned(client.Height() / 26);
    EXPECT_EQ(perPage, list().m_rowsPerPage);
    EXPECT_FALSE(row(int(perPage) - 2)->getRect().IsRectNull());
    EXPECT_TRUE(row(int(perPage) - 1)->getRect().IsRectNull()); // never displayed
    EXPECT_EQ(10, list().m_vScroll.max);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(list().GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(10, info.nMax);
    EXPECT_EQ(perPage, info.nPage);
}

TEST_F(DrawnList, FontsWithoutACharacterHeight)
{
    twoColumnsAndRows(2);
    LOGFONTW lf{};
    lf.lfHeight = 16; // a cell height: taken by its size
    wcscpy(lf.lfFaceName, L"Arial");
    CFont cellFont;
    cellFont.CreateFontIndirect(&lf);
    list().m_font = &cellFont;
    list().invalidate();
    EXPECT_EQ(7u, list().m_rowsPerPage);

    lf.lfHeight = 0; // no height: no layout, the old one stays
    CFont noHeight;
    noHeight.CreateFontIndirect(&lf);
    list().m_font = &noHeight;
    list().m_rowsPerPage = 3;
    list().invalidate();
    EXPECT_EQ(3u, list().m_rowsPerPage);
    repaintNow(page);
    list().m_font = nullptr;
    list().invalidate();
    repaintNow(page);
    list().m_font = &page.m_font;
}

TEST_F(DrawnList, ClicksSelectRowsAndReachTheParentWithTheRow)
{
    twoColumnsAndRows(3);
    press(inRow(0).x, inRow(0).y);
    EXPECT_TRUE(row(0)->isSelected());
    EXPECT_EQ(row(0), list().m_clickedRow);
    ASSERT_EQ(1u, page.m_notices.size());
    EXPECT_EQ(UINT_PTR(row(0)), page.m_notices[0].idFrom);
    EXPECT_EQ(list().m_hWnd, page.m_notices[0].from);
    const CListCtrlRowItemColorPack pack;
    EXPECT_EQ(pack.m_selectedColors[0], row(0)->m_items[1]->m_gradientStart);

    press(inRow(1).x, inRow(1).y); // another row: the first is left
    EXPECT_FALSE(row(0)->isSelected());
    EXPECT_TRUE(row(1)->isSelected());
    EXPECT_EQ(pack.m_normalColors[0], row(0)->m_items[1]->m_gradientStart);
    press(inRow(0).x, inRow(0).y, MK_CONTROL); // with Ctrl: added
    EXPECT_TRUE(row(0)->isSelected());
    EXPECT_TRUE(row(1)->isSelected());
    press(inRow(0).x, inRow(0).y, MK_CONTROL); // with Ctrl: only that row toggles
    EXPECT_FALSE(row(0)->isSelected());
    EXPECT_TRUE(row(1)->isSelected());
    press(inRow(1).x, inRow(1).y); // a selected row without Ctrl: all clear
    EXPECT_FALSE(row(1)->isSelected());

    press(300, 180); // below the rows: no row
    EXPECT_EQ(nullptr, list().m_clickedRow);
    EXPECT_EQ(0u, page.m_notices.back().idFrom);

    press(inRow(2).x, inRow(2).y);
    list().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(inRow(2).x, inRow(2).y));
    EXPECT_EQ(UINT(NM_DBLCLK), page.m_notices.back().code);
    EXPECT_EQ(UINT_PTR(row(2)), page.m_notices.back().idFrom);

    list().m_noRowSelection = true;
    press(inRow(0).x, inRow(0).y);
    EXPECT_FALSE(row(0)->isSelected());
}

TEST_F(DrawnList, AHeaderPressShowsThePressedLookAndSelectsNoRow)
{
    twoColumnsAndRows(2);
    press(inRow(0).x, inRow(0).y);
    CGDIpListCtrlHeaderItem* cell = list().getHeader()[0];
    cell->m_gradientStart = 0xFFBEBEBE; // the owner's colours, set after construction
    cell->m_gradientEnd = 0xFFBEBEBE;

    list().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
    EXPECT_EQ(cell->m_selectedColors[0], cell->m_gradientStart);
    EXPECT_TRUE(row(0)->isSelected()); // rows untouched
    EXPECT_EQ(0u, page.m_notices.back().idFrom);
    EXPECT_EQ(UINT(NM_CLICK), page.m_notices.back().code);
    list().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
    EXPECT_EQ(0xFFBEBEBEu, cell->m_gradientStart);
    EXPECT_EQ(0xFFBEBEBEu, cell->m_gradientEnd);

    moveTo(50, 15); // hover: white caption
    EXPECT_TRUE(cell->m_hover);
    EXPECT_EQ(0x00FFFFFFu, cell->m_textColor);
    moveTo(50, 100);
    EXPECT_FALSE(cell->m_hover);
    EXPECT_EQ(0x000000FFu, cell->m_textColor);
}

TEST_F(DrawnList, DraggingAColumnBorder)
{
    twoColumnsAndRows(2);
    CGDIpListCtrlHeaderItem* fixed = list().getHeader()[1]; // from 202 to 302
    const Gdiplus::ARGB own = fixed->m_gradientStart;
    list().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(304, 15));
    EXPECT_EQ(1, list().m_trackedColumn);
    EXPECT_EQ(fixed->m_trackColors[0], fixed->m_gradientStart);
    EXPECT_EQ(int(Gdiplus::LinearGradientModeHorizontal), fixed->m_gradientMode);
    moveTo(334, 15);
    EXPECT_EQ(130, fixed->m_width);
    EXPECT_EQ(332, list().m_headerRight);
    moveTo(100, 15); // past the column's start
    EXPECT_EQ(5, fixed->m_width);
    moveTo(304 - 98, 15);
    EXPECT_EQ(2, fixed->m_width);
    list().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(206, 15));
    EXPECT_EQ(-1, list().m_trackedColumn);
    EXPECT_EQ(own, fixed->m_gradientStart);
    EXPECT_EQ(int(Gdiplus::LinearGradientModeVertical), fixed->m_gradientMode);

    fixed->m_width = 100;
    fixed->m_fixedWidth = true;
    list().invalidate();
    list().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(304, 15));
    moveTo(350, 15);
    EXPECT_EQ(100, fixed->m_width);
    list().SendMessage(WM_MOUSELEAVE, 0, 0); // leaving ends the drag
    EXPECT_EQ(-1, list().m_trackedColumn);
    EXPECT_EQ(own, fixed->m_gradientStart);

    list().m_headerLocked = true;
    list().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(304, 15));
    EXPECT_EQ(-1, list().m_trackedColumn);
    list().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(304, 15));
}

TEST_F(DrawnList, ScrollingStaysWithinTheRows)
{
    twoColumnsAndRows(10);
    wheel(-120); // at the first row: no wrap round
    EXPECT_EQ(0u, list().m_firstRow);
    vscroll(SB_LINEUP);
    EXPECT_EQ(0u, list().m_firstRow);
    vscroll(SB_PAGEUP);
    EXPECT_EQ(0u, list().m_firstRow);
    wheel(240);
    EXPECT_EQ(2u, list().m_firstRow);
    EXPECT_FALSE(row(2)->m_alternate); // rows keep their parity
    EXPECT_TRUE(row(3)->m_alternate);
    vscroll(SB_PAGEDOWN);
    vscroll(SB_PAGEDOWN);
    EXPECT_EQ(9u, list().m_firstRow);
    vscroll(SB_LINEDOWN);
    EXPECT_EQ(9u, list().m_firstRow);
    vscroll(SB_THUMBTRACK, 0);
    EXPECT_EQ(0u, list().m_firstRow);
    vscroll(SB_THUMBTRACK, 1);
    EXPECT_EQ(2u, list().m_firstRow);
    vscroll(SB_THUMBTRACK, 50);
    EXPECT_EQ(9u, list().m_firstRow);
    vscroll(SB_ENDSCROLL); // ignored
    EXPECT_EQ(9u, list().m_firstRow);
    EXPECT_EQ(9, list().m_vScroll.pos);

    // The narrow header: page steps stay at 0.
    hscroll(SB_PAGERIGHT);
    EXPECT_EQ(0, list().m_hOffset);
    hscroll(SB_PAGELEFT);
    EXPECT_EQ(0, list().m_hOffset);
    hscroll(SB_LINELEFT);
    EXPECT_EQ(0, list().m_hOffset);
    // A header wider than the list scrolls by the Ctrl wheel and the bar.
    list().getHeader()[1]->m_width = 600;
    list().invalidate();
    wheel(120, MK_CONTROL);
    EXPECT_EQ(2, list().m_hOffset);
    EXPECT_EQ(list().m_marginX - 2, list().getHeader()[0]->m_left);
    hscroll(SB_LINERIGHT);
    EXPECT_EQ(3, list().m_hOffset);
    hscroll(SB_THUMBTRACK, 40);
    EXPECT_EQ(41, list().m_hOffset);
    wheel(-120 * 30, MK_CONTROL);
    EXPECT_EQ(0, list().m_hOffset);
}

TEST_F(DrawnList, AnEmptyListScrollsNowhere)
{
    addColumn(L"Error", 100);
    list().invalidate();
    wheel(-120);
    vscroll(SB_LINEDOWN);
    vscroll(SB_THUMBTRACK, 3);
    EXPECT_EQ(0u, list().m_firstRow);
    EXPECT_EQ(0, list().m_vScroll.max);
}

TEST_F(DrawnList, ColumnsOnlyBeforeRows)
{
    twoColumnsAndRows(1);
    CListCtrlRowItemColorPack pack;
    pack.m_gradientStart = 0xFF102030;
    CGDIpListCtrlHeaderItem refused;
    EXPECT_FALSE(list().insertHeaderColumn(&refused));
    EXPECT_FALSE(list().insertHeaderColumn(&refused, &pack)); // the looks are taken all the same
    EXPECT_EQ(0xFF102030u, list().m_colorPack.m_gradientStart);
    EXPECT_EQ(0xFF102030u, refused.m_gradientStart);
    EXPECT_EQ(2u, list().getHeader().size());

    list().deleteItems();
    EXPECT_TRUE(list().getRows().empty());
    EXPECT_EQ(nullptr, list().m_clickedRow);
    addColumn(L"Third", 50);
    EXPECT_EQ(3u, list().getHeader().size());
}

TEST_F(DrawnList, RowsWithMoreCellsThanColumnsOrNoHeader)
{
    twoColumnsAndRows(1);
    auto* extra = new CGDIpListCtrlRowItem;
    extra->m_text = L"extra";
    row(0)->m_items.push_back(extra);   // a third cell for two columns
    auto* loose = new CGDIpListCtrlRow; // no header given
    loose->m_items.push_back(new CGDIpListCtrlRowItem);
    list().getRows().push_back(loose);
    list().invalidate();
    EXPECT_TRUE(extra->getRect().IsRectNull());
    EXPECT_TRUE(loose->m_items[0]->getRect().IsRectNull());
    repaintNow(page);
}

TEST_F(DrawnList, PaintedManyTimesItStillPaintsTheSelection)
{
    twoColumnsAndRows(3);
    list().m_firstColumnIsRowHeader = true;
    press(inRow(0).x, inRow(0).y);
    const CPoint secondCell(row(0)->m_items[1]->getRect().CenterPoint().x + 30, inRow(0).y);
    for (int i = 0; i < 200; ++i)
        repaintNow(page);
    EXPECT_TRUE(isReddish(clientPixel(list(), secondCell.x, secondCell.y)));
    // The first cell heads the row: the header's look whatever the selection.
    EXPECT_FALSE(isReddish(clientPixel(list(), inRow(0).x + 40, inRow(0).y)));
}

TEST_F(DrawnList, PaintingLeavesNoClipOnTheContext)
{
    twoColumnsAndRows(2);
    Canvas canvas(kListWidth, kListHeight);
    list().v_draw(canvas.dc());
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(canvas.dc().m_hDC, clip));
    ::DeleteObject(clip);
}
