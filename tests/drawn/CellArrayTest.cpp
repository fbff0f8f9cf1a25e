#include "DrawnTestIds.h"
#include "DrawnTestSupport.h"

#include <CCellArray.h>
#include <CCellArrayEdit.h>
#include <CItemEdit.h>

#include <memory>

using namespace drawntest;

namespace {

// A table of 4 columns by 3 rows laid out at 408 x 305: columns of 80 with
// the corner 83 wide, rows of 75, so body cell [c][r] spans
// (83 + 80c, 75 + 75r) to (163 + 80c, 150 + 75r).
struct Table
{
    HostWindow host{600, 400};
    CCellArray table;
    CCellArrayEdit* edit = new CCellArrayEdit;

    explicit Table(UINT editFlags)
    {
        EXPECT_TRUE(table.Create(0, CRect(0, 0, 408, 305), &host, 10));
        edit->Create(WS_CHILD | ES_CENTER, CRect(0, 0, 0, 0), &table, 138);
        std::vector<CString> columns{L"500", L"1000", L"1500", L"2000"};
        std::vector<CString> rows{L"2.0", L"3.0", L"4.0"};
        table.init(new CItemEdit(edit), L"ms", 25, 43, columns, 25, 43, rows, 0, RGB(245, 247, 255), 0,
                   RGB(255, 255, 255), RGB(160, 255, 160), RGB(210, 210, 210), nullptr, editFlags);
        table.SendMessage(WM_SIZE, 0, MAKELPARAM(408, 305));
    }

    CCell& body(int c, int r) { return *(*table.getTable())[c][r]; }
    CCell& column(int k) { return *(*table.getColHdrs())[k]; }
    CCell& row(int k) { return *(*table.getRowHdrs())[k]; }
    static CPoint centre(const CCell& cell) { return cell.getRect().CenterPoint(); }

    void click(CPoint p)
    {
        table.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        table.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    void doubleClick(CPoint p)
    {
        click(p);
        table.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        table.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    void key(UINT vk)
    {
        edit->SendMessage(WM_KEYDOWN, vk);
        edit->SendMessage(WM_KEYUP, vk);
    }
    int selectedCount()
    {
        int n = 0;
        for (auto& column : *table.getTable())
            for (CCell* cell : column)
                n += cell->isSel() ? 1 : 0;
        return n;
    }
    CString editText()
    {
        CString text;
        edit->GetWindowText(text);
        return text;
    }
};

} // namespace

TEST(CellArray, SizeSharesTheWidthAndGivesTheRemainderToTheCorner)
{
    Table t(0);
    EXPECT_EQ(CRect(0, 0, 83, 75), t.table.getFirstCell()->getRect());
    EXPECT_EQ(CRect(163, 0, 243, 75), t.column(1).getRect());
    EXPECT_EQ(CRect(0, 225, 83, 300), t.row(2).getRect());
    EXPECT_EQ(CRect(323, 225, 403, 300), t.body(3, 2).getRect());
    EXPECT_EQ(15, t.body(0, 0).getMarkSize()); // 10 x sqrt(80 x 75) / 53 = 14.6

    t.table.MoveWindow(0, 0, 33, 305); // (33 - 5) / 5 = 5, remainder 3
    EXPECT_EQ(8, t.table.getFirstCell()->getRect().Width());
    EXPECT_EQ(5, t.column(0).getRect().Width());
    EXPECT_EQ(CRect(23, 75, 28, 150), t.body(3, 0).getRect());

    t.table.MoveWindow(0, 0, 0, 305); // narrower than the margin: no mark, and no NaN
    EXPECT_EQ(0, t.body(0, 0).getMarkSize());

    // A table without columns keeps what it has.
    CCellArray empty;
    ASSERT_TRUE(empty.Create(0, CRect(0, 0, 100, 100), &t.host, 11));
    empty.MoveWindow(0, 0, 200, 200);
    EXPECT_EQ(CRect(0, 0, 0, 0), empty.getFirstCell()->getRect());
}

TEST(CellArray, ClicksToggleCellsAndDragsSelectABlock)
{
    Table t(0);
    t.click(Table::centre(t.body(1, 2)));
    EXPECT_TRUE(t.body(1, 2).isSel());
    EXPECT_EQ(1, t.table.getSelCell().col);
    EXPECT_EQ(2, t.table.getSelCell().row);
    t.click(Table::centre(t.body(1, 2)));
    EXPECT_FALSE(t.body(1, 2).isSel());
    EXPECT_EQ(-1, t.table.getSelCell().col);
    t.click(Table::centre(t.body(0, 0)));
    t.click(Table::centre(t.body(1, 1)));
    EXPECT_EQ(1, t.selectedCount());
    EXPECT_TRUE(t.body(1, 1).isSel());

    // Headers select nothing and leave the selection as it was.
    t.click(Table::centre(t.column(2)));
    t.click(Table::centre(t.row(0)));
    EXPECT_EQ(1, t.selectedCount());
    EXPECT_TRUE(t.body(1, 1).isSel());

    const CPoint from = Table::centre(t.body(0, 0)), to = Table::centre(t.body(2, 1));
    t.table.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    t.table.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    EXPECT_EQ(6, t.selectedCount());
    EXPECT_TRUE(t.body(2, 1).isSel());
    EXPECT_FALSE(t.body(3, 1).isSel());
    t.table.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(400, 290)); // button up: nothing changes
    EXPECT_EQ(6, t.selectedCount());

    // Up and to the left of the anchor there is no block.
    const CPoint anchor = Table::centre(t.body(2, 2));
    t.table.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(anchor.x, anchor.y));
    t.table.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 80));
    EXPECT_EQ(0, t.selectedCount());
}

TEST(CellArray, DoubleClickEditsWhatTheFlagsAllowAtItsPlace)
{
    {
        Table t(0);
        t.doubleClick(Table::centre(t.body(0, 0)));
        t.doubleClick(Table::centre(t.column(0)));
        EXPECT_FALSE(t.table.isEditing());
        EXPECT_FALSE(t.edit->IsWindowVisible());
    }
    Table t(CCellArray::EditColumnHeaders | CCellArray::EditRowHeaders);
    t.doubleClick(Table::centre(t.column(2)));
    ASSERT_TRUE(t.table.isEditing());
    EXPECT_TRUE(t.edit->IsWindowVisible());
    EXPECT_EQ(CRect(244, 1, 323, 75), rectInParent(*t.edit));
    EXPECT_EQ(2, t.table.getCtrlPos().col);
    EXPECT_EQ(-1, t.table.getCtrlPos().row);
    EXPECT_EQ(CString(L"1500"), t.editText());
    EXPECT_EQ(t.edit->m_hWnd, ::GetFocus());

    // Enter: the editor hands its focus to the table, which saves.
    t.edit->SetWindowText(L"1750");
    t.key(VK_RETURN);
    EXPECT_FALSE(t.table.isEditing());
    EXPECT_FALSE(t.edit->IsWindowVisible());
    EXPECT_EQ(CString(L"1750"), t.column(2).getTxt());
    EXPECT_EQ(CString(L""), t.editText());

    t.doubleClick(Table::centre(t.row(1)));
    EXPECT_EQ(CRect(1, 151, 83, 225), rectInParent(*t.edit));
    EXPECT_EQ(-1, t.table.getCtrlPos().col);
    EXPECT_EQ(1, t.table.getCtrlPos().row);
    // Esc: the cell keeps its text, the editor gets it back, and the focus
    // loss that follows saves nothing.
    t.edit->SetWindowText(L"9.9");
    t.key(VK_ESCAPE);
    EXPECT_FALSE(t.table.isEditing());
    EXPECT_EQ(CString(L"3.0"), t.row(1).getTxt());
    EXPECT_EQ(CString(L"3.0"), t.editText());
    t.table.SetFocus();
    EXPECT_EQ(CString(L"3.0"), t.row(1).getTxt());

    // Body cells are not editable under these flags.
    t.doubleClick(Table::centre(t.body(1, 1)));
    EXPECT_FALSE(t.table.isEditing());
}

TEST(CellArray, LeavingTheEditorSavesWhatWasTyped)
{
    Table t(CCellArray::EditBody | CCellArray::EditColumnHeaders);
    t.doubleClick(Table::centre(t.body(3, 0)));
    ASSERT_TRUE(t.table.isEditing());
    EXPECT_EQ(CRect(324, 76, 408, 155), rectInParent(*t.edit));
    EXPECT_EQ(3, t.table.getCtrlPos().col);
    EXPECT_EQ(0, t.table.getCtrlPos().row);
    t.edit->SetWindowText(L"12");
    t.table.SetFocus(); // clicking elsewhere
    EXPECT_FALSE(t.table.isEditing());
    EXPECT_EQ(CString(L"12"), t.body(3, 0).getTxt());
    EXPECT_EQ(t.table.m_hWnd, ::GetFocus());

    // A click that deselects the edited cell ends the edit with its text.
    t.doubleClick(Table::centre(t.body(0, 0)));
    ASSERT_TRUE(t.body(0, 0).isSel());
    ASSERT_TRUE(t.table.isEditing());
    t.edit->SetWindowText(L"42");
    t.click(Table::centre(t.body(2, 2)));
    EXPECT_FALSE(t.table.isEditing());
    EXPECT_EQ(CString(L"42"), t.body(0, 0).getTxt());
    EXPECT_FALSE(t.edit->IsWindowVisible());

    // A second edit opened over a first one keeps the first one's text.
    t.doubleClick(Table::centre(t.column(0)));
    t.edit->SetWindowText(L"600");
    t.table.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(Table::centre(t.column(1)).x, 10));
    EXPECT_EQ(CString(L"600"), t.column(0).getTxt());
    EXPECT_EQ(1, t.table.getCtrlPos().col);
    t.table.hideEditCtrl(false);
    t.table.hideEditCtrl(false); // nothing in progress: nothing happens
    EXPECT_EQ(CString(L"1000"), t.column(1).getTxt());
}

TEST(CellArray, AssignmentCopiesCellsAndHandsOverTheEditor)
{
    Table source(CCellArray::EditBody);
    source.body(1, 1).setTxt(L"7");
    CItemCtrl* editor = source.table.getEditor();
    auto target = std::make_unique<CCellArray>(); // no window yet: setters must not reach one
    std::vector<CString> titles{L"a"};
    target->init(nullptr, L"t", 10, 10, titles, 10, 10, titles, 0, 0, 0, 0, 0, 0, nullptr, 0);
    target->getFirstCell()->setTxt(L"x");
    *target = source.table;
    EXPECT_EQ(editor, target->getEditor());
    EXPECT_EQ(nullptr, source.table.getEditor());
    EXPECT_EQ(CString(L"7"), (*target->getTable())[1][1]->getTxt());
    EXPECT_NE(&source.body(1, 1), (*target->getTable())[1][1]);
    EXPECT_EQ(CString(L"ms"), target->getFirstCell()->getTxt());
    // The editor's window is a child of the source table: it goes with it.
    source.table.DestroyWindow();
    target.reset();
    EXPECT_EQ(CString(L"7"), source.body(1, 1).getTxt());
}

TEST(CellArray, RepaintsDrawColoursSelectionMarkAndFrames)
{
    Table t(0);
    t.body(0, 0).setTxt(L"-12");
    t.body(1, 0).setBkColor(RGB(255, 0, 0));
    t.body(2, 1).setCurrentCellColor(RGB(0, 0, 255));
    t.body(2, 1).setCurrent(true);
    t.click(Table::centre(t.body(3, 2)));
    repaintNow(t.host);
    for (int i = 0; i < 100; ++i)
        t.table.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(rgbNear(0xFF0000, clientPixel(t.table, 200, 140), 10));
    EXPECT_TRUE(rgbNear(0xA0FFA0, clientPixel(t.table, 380, 290), 10));                 // selected
    EXPECT_TRUE(rgbNear(0x0000FF, clientPixel(t.table, 243 + 5 + 7, 150 + 5 + 7), 30)); // the mark
    EXPECT_TRUE(rgbNear(0xD2D2D2, clientPixel(t.table, 163, 100), 10));                 // a frame

    // The mark moves: only the two cells repaint, the others keep their look.
    t.body(2, 1).setCurrent(false);
    t.body(0, 2).setCurrentCellColor(RGB(0, 0, 255));
    t.body(0, 2).setCurrent(true);
    t.table.UpdateWindow();
    EXPECT_TRUE(rgbNear(0x0000FF, clientPixel(t.table, 83 + 5 + 7, 225 + 5 + 7), 30));
    EXPECT_TRUE(rgbNear(0xFFFFFF, clientPixel(t.table, 243 + 5 + 7, 150 + 5 + 7), 10));
    EXPECT_TRUE(rgbNear(0xFF0000, clientPixel(t.table, 200, 140), 10));
    EXPECT_TRUE(rgbNear(0xD2D2D2, clientPixel(t.table, 243, 200), 10));
}

TEST(CellArray, EnterAndEscReachTheEditorOnADialog)
{
    CDialog dlg(IDD_PLACEHOLDERS);
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    dlg.ShowWindow(SW_SHOWNA);
    CCellArray table; // as the map page makes it
    ASSERT_TRUE(table.CreateFromStatic(0x10010001, &dlg, IDC_PLACEHOLDER));
    auto* edit = new CCellArrayEdit;
    edit->Create(WS_CHILD | ES_CENTER, CRect(0, 0, 0, 0), &table, 138);
    std::vector<CString> columns{L"500", L"1000"}, rows{L"2.0"};
    table.init(new CItemEdit(edit), L"ms", 25, 43, columns, 25, 43, rows, 0, RGB(245, 247, 255), 0,
               RGB(255, 255, 255), RGB(160, 255, 160), RGB(210, 210, 210), nullptr,
               CCellArray::EditColumnHeaders | CCellArray::EditRowHeaders);
    CRect client;
    table.GetClientRect(&client);
    table.SendMessage(WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
    auto typeAndPress = [&](const CCell& cell, LPCWSTR text, UINT vk) {
        const CPoint p = cell.getRect().CenterPoint();
        table.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        ASSERT_TRUE(table.isEditing());
        edit->SetWindowText(text);
        // Through the dialog's own message handling, as keys arrive.
        edit->PostMessage(WM_KEYDOWN, vk);
        edit->PostMessage(WM_KEYUP, vk);
        pumpPending();
    };
    typeAndPress(*(*table.getColHdrs())[1], L"1250", VK_RETURN);
    EXPECT_FALSE(table.isEditing());
    EXPECT_EQ(CString(L"1250"), (*table.getColHdrs())[1]->getTxt());
    typeAndPress(*(*table.getRowHdrs())[0], L"9", VK_ESCAPE);
    EXPECT_FALSE(table.isEditing());
    EXPECT_EQ(CString(L"2.0"), (*table.getRowHdrs())[0]->getTxt());
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd) && dlg.IsWindowVisible()); // neither key closed the dialog
    table.DestroyWindow();
    dlg.DestroyWindow();
}
