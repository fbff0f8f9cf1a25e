#include "ExtListTestSupport.h"
#include "PointerKept.h"
#include "PrambleTestIds.h"

#include <CExtTreeCtrl.h>
#include <CListCtrlEx.h>
#include <Pramble.h>

#include <gtest/gtest.h>

using namespace wfxtest;
using namespace prambletest;
using namespace extlisttest;

namespace {

// An edit editor that counts how often it was created and deleted.
class CountedEditor : public CItemEdit
{
public:
    CountedEditor() : CItemEdit(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), 0) {}
    ~CountedEditor() override { ++s_deleted; }
    void create(CWnd* parent) override
    {
        ++s_created;
        CItemEdit::create(parent);
    }

    static int s_created;
    static int s_deleted;
};

int CountedEditor::s_created = 0;
int CountedEditor::s_deleted = 0;

class CellEditorList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CountedEditor::s_created = CountedEditor::s_deleted = 0;
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 380, 200), &host, kListId));
        addColumns(list, {L"A", L"B", L"C"});
        for (const wchar_t* name : {L"a", L"b", L"c"}) {
            const int row = list.InsertItem(list.GetItemCount(), name);
            list.SetItemText(row, 1, (std::wstring(name) + L"1").c_str());
        }
    }

    void doubleClick(int row, int col)
    {
        const CPoint p = cellPoint(list, row, col);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }

    CountedEditor* editorAt(int row, int col)
    {
        auto* editor = new CountedEditor;
        list.setCtrl(row, col, editor);
        return editor;
    }

    HostWindow host{400, 260};
    CListCtrlEx list;
};

} // namespace

TEST_F(CellEditorList, StoresEditorsOnlyInsideTheList)
{
    list.setCtrl(3, 0, new CountedEditor); // no such row
    list.setCtrl(0, 3, new CountedEditor); // no such column
    list.setCtrl(-1, 0, new CountedEditor);
    EXPECT_EQ(0, CountedEditor::s_created);
    EXPECT_EQ(3, CountedEditor::s_deleted); // refused editors do not leak
    EXPECT_FALSE(list.inRange(0, 0));

    CountedEditor* editor = editorAt(2, 1);
    EXPECT_EQ(1, CountedEditor::s_created);
    EXPECT_EQ(editor, list.getCtrl(2, 1));
    EXPECT_EQ(nullptr, list.getCtrl(2, 0));
    EXPECT_EQ(nullptr, list.getCtrl(1, 1));
    EXPECT_TRUE(list.inRange(2, 1));
    EXPECT_FALSE(list.inRange(2, 2));

    editorAt(2, 1); // replaces and deletes the first
    EXPECT_EQ(4, CountedEditor::s_deleted);
    list.setCtrl(2, 1, list.getCtrl(2, 1)); // the same editor again stays
    EXPECT_EQ(4, CountedEditor::s_deleted);
}

TEST_F(CellEditorList, DoubleClickEditsTheCellInPlace)
{
    CountedEditor* editor = editorAt(1, 1);
    doubleClick(1, 1);
    EXPECT_TRUE(editor->getWindow().IsWindowVisible());
    EXPECT_EQ(L"b1", textOf(editor->getWindow()));
    CRect label;
    list.GetSubItemRect(1, 1, LVIR_LABEL, label);
    EXPECT_EQ(label, rectInParent(editor->getWindow()));

    editor->getWindow().SetWindowText(L"edited");
    leftClick(list, cellPoint(list, 0, 2)); // outside the editor: written back
    EXPECT_FALSE(editor->getWindow().IsWindowVisible());
    EXPECT_EQ(L"edited", list.GetItemText(1, 1).str());
    EXPECT_EQ(-1, list.getActive().row);

    doubleClick(0, 2); // no editor there: the cell only becomes active
    EXPECT_EQ(0, list.getActive().row);
    EXPECT_EQ(2, list.getActive().col);
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(-1, list.getActive().row);
}

TEST_F(CellEditorList, EditorsMoveWithTheirRows)
{
    CountedEditor* editor = editorAt(2, 1);
    doubleClick(2, 1);
    list.DeleteItem(0);
    EXPECT_EQ(editor, list.getCtrl(1, 1));
    EXPECT_EQ(1, list.getActive().row); // the open editor stays with its row
    list.InsertItem(0, L"new");
    EXPECT_EQ(editor, list.getCtrl(2, 1));
    EXPECT_EQ(2, list.getActive().row);
    editor->getWindow().SetWindowText(L"c-edited");
    list.showActive(false);
    EXPECT_EQ(
        (std::vector<std::wstring>{L"new1", L"b1", L"c-edited"}),
        (std::vector<std::wstring>{L"new1", list.GetItemText(1, 1).str(), list.GetItemText(2, 1).str()}));
}

TEST_F(CellEditorList, DeletingTheActiveRowClosesItsEditorWithoutWriting)
{
    CountedEditor* keep = editorAt(2, 1);
    editorAt(1, 1);
    doubleClick(1, 1);
    list.DeleteItem(1);
    EXPECT_EQ(1, CountedEditor::s_deleted); // the row's editor went with it
    EXPECT_EQ(-1, list.getActive().row);
    EXPECT_EQ(keep, list.getCtrl(1, 1));
    list.showActive(false);
    EXPECT_EQ((std::vector<std::wstring>{L"a1", L"c1"}), column(list, 1));

    list.DeleteAllItems();
    EXPECT_EQ(2, CountedEditor::s_deleted);
    EXPECT_FALSE(list.inRange(0, 1));
}

// One editor for a whole column: owned once, deleted once, when its last
// cell goes.
TEST_F(CellEditorList, OneEditorSharedByCellsIsOwnedOnce)
{
    CountedEditor* shared = editorAt(0, 1);
    list.setCtrl(1, 1, shared);
    list.setCtrl(2, 1, shared);
    list.setCtrl(5, 1, shared); // no such row: refused, but still used above
    EXPECT_EQ(1, CountedEditor::s_created);
    EXPECT_EQ(0, CountedEditor::s_deleted);

    list.DeleteItem(0);
    editorAt(0, 1); // b's cell takes another one
    EXPECT_EQ(0, CountedEditor::s_deleted);
    EXPECT_EQ(shared, list.getCtrl(1, 1));
    doubleClick(1, 1);
    EXPECT_EQ(L"c1", textOf(shared->getWindow()));
    shared->getWindow().SetWindowText(L"c-edited");
    list.showActive(false);
    EXPECT_EQ((std::vector<std::wstring>{L"b1", L"c-edited"}), column(list, 1));

    list.DeleteAllItems();
    EXPECT_EQ(2, CountedEditor::s_deleted);
}

namespace {

// A tree that answers its context menu: counts it and cancels it.
class MenuTree : public CExtTreeCtrl
{
public:
    using CExtTreeCtrl::m_nMenuId;
    int m_menusShown = 0;

protected:
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        if (wParam == MSGF_MENU && ++m_menusShown)
            PostMessage(WM_CANCELMODE);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuTree, CExtTreeCtrl)
ON_MESSAGE(WM_ENTERIDLE, &MenuTree::OnEnterIdle)
END_MESSAGE_MAP()

std::vector<std::wstring> children(CTreeCtrl& tree, HTREEITEM parent)
{
    std::vector<std::wstring> names;
    for (HTREEITEM i = tree.GetChildItem(parent); i; i = tree.GetNextSiblingItem(i))
        names.push_back(tree.GetItemText(i).str());
    return names;
}

CImageList* imageList(int count)
{
    auto* list = new CImageList;
    list->Create(16, 16, ILC_COLOR32, count, 0);
    for (int i = 0; i < count; ++i)
        list->Add(LoadIconW(nullptr, IDI_APPLICATION));
    return list;
}

void sendRightClick(CWnd& parent, CTreeCtrl& tree, CPoint client)
{
    tree.ClientToScreen(&client);
    SetCursorPos(client.x, client.y);
    NMHDR hdr{tree.m_hWnd, UINT_PTR(tree.GetDlgCtrlID()), UINT(NM_RCLICK)};
    parent.SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

} // namespace

TEST(ExtTree, InsertsSortedAndOwnsItsImageList)
{
    HostWindow host;
    CExtTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 200, 200), &host, 7));
    HTREEITEM engine = tree.insertItem(L"Engine", TVI_ROOT, 0, 1);
    tree.insertItem(L"Wheels", TVI_ROOT, 0, 1);
    tree.insertItem(L"Brakes", TVI_ROOT, 0, 1);
    tree.insertItem(L"valves", engine, 2, 2);
    tree.insertItem(L"Injectors", engine, 2, 2);
    EXPECT_EQ((std::vector<std::wstring>{L"Brakes", L"Engine", L"Wheels"}), children(tree, TVI_ROOT));
    EXPECT_EQ((std::vector<std::wstring>{L"Injectors", L"valves"}), children(tree, engine));
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = engine;
    tree.GetItem(&item);
    EXPECT_EQ(0, item.iImage);
    EXPECT_EQ(1, item.iSelectedImage);

    CImageList* first = imageList(3);
    tree.createImageList(first);
    tree.setImageList();
    EXPECT_EQ(first->GetSafeHandle(), tree.GetImageList(TVSIL_NORMAL)->GetSafeHandle());
    CImageList* second = imageList(2);
    tree.createImageList(second); // the tree never draws with a deleted list
    EXPECT_EQ(second->GetSafeHandle(), tree.GetImageList(TVSIL_NORMAL)->GetSafeHandle());
    EXPECT_FALSE(tree.createImageList(4711, 16, 0, RGB(255, 0, 255)));
    EXPECT_EQ(second, tree.getImageList());
    tree.reDrawItem(engine);
    tree.reDrawItem(nullptr);
    repaintNow(tree);
}

TEST(ExtTree, ContextMenuOnlyOverAnItem)
{
    PointerKept pointer;
    HostWindow host;
    MenuTree tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &host, 7));
    HTREEITEM first = tree.insertItem(L"First", TVI_ROOT, 0, 0);
    HTREEITEM second = tree.insertItem(L"Second", TVI_ROOT, 0, 0);
    EXPECT_FALSE(tree.displayContextMenu(first, CPoint(5, 5))); // no menu id: no resource
    tree.m_nMenuId = IDR_COMP_MENU;
    EXPECT_FALSE(tree.displayContextMenu(nullptr, CPoint(5, 5)));
    EXPECT_EQ(0, tree.m_menusShown);

    CRect label;
    tree.GetItemRect(second, &label, TRUE);
    sendRightClick(host, tree, label.CenterPoint());
    pumpPending();
    EXPECT_EQ(1, tree.m_menusShown);
    EXPECT_EQ(second, tree.GetSelectedItem());

    sendRightClick(host, tree, CPoint(150, 180)); // empty space: no item, no menu
    pumpPending();
    EXPECT_EQ(1, tree.m_menusShown);
    tree.m_nMenuId = 4711; // a menu that does not exist
    sendRightClick(host, tree, label.CenterPoint());
    EXPECT_EQ(1, tree.m_menusShown);
}
