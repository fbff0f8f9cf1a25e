#include "ExtListTestSupport.h"

#include <CExtListViewRearange.h>
#include <ExtListView.h>

#include <gtest/gtest.h>

using namespace wfxtest;
using namespace prambletest;
using namespace extlisttest;

namespace {

int childCount(CWnd& parent)
{
    int count = 0;
    for (HWND h = ::GetWindow(parent.m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        ++count;
    return count;
}

// A view made from its run-time class, as a document template makes it.
template <class View> View* makeView(CWnd& parent, const char* className)
{
    CRuntimeClass* type = RUNTIME_CLASS(View);
    EXPECT_STREQ(className, type->m_lpszClassName);
    auto* view = static_cast<View*>(type->CreateObject());
    view->m_bAutoDelete = TRUE;
    EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 1));
    return view;
}

} // namespace

TEST(ListView, CreatesItsListOnTheFirstInitialUpdateAndFillsTheClientArea)
{
    HostWindow host(400, 300);
    auto* view = makeView<ExtListView>(host, "ExtListView");
    ASSERT_NE(nullptr, view);
    view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200)); // before: nothing to fit
    EXPECT_EQ(nullptr, view->get()->m_hWnd);

    view->SendMessage(WM_INITIALUPDATE);
    CExtListCtrl& list = *view->get();
    ASSERT_NE(nullptr, list.m_hWnd);
    const HWND made = list.m_hWnd;
    view->SendMessage(WM_INITIALUPDATE); // a second one keeps the list
    EXPECT_EQ(made, list.m_hWnd);
    EXPECT_EQ(1, childCount(*view));
    EXPECT_EQ(DWORD(LVS_REPORT), list.GetStyle() & LVS_TYPEMASK);
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_TRUE(list.GetFullRowSel());
    EXPECT_EQ(CRect(0, 0, 300, 200), rectInParent(list));

    view->MoveWindow(0, 0, 250, 150);
    EXPECT_EQ(CRect(0, 0, 250, 150), rectInParent(list));

    // Filled through the container; rows drawn through the view.
    (*view)->InsertColumn(0, L"Name", LVCFMT_LEFT, 120);
    const char green = (*view)->AddColor(RGB(0, 160, 0));
    (*view)->InsertItem(0, CString(L"x"), green, 0);
    Rendering image(list);
    CRect row;
    list.GetItemRect(0, &row, LVIR_BOUNDS);
    EXPECT_EQ(RGB(0, 160, 0), image.at(100, row.CenterPoint().y));
    view->DestroyWindow();
}

TEST(ListView, RearangeableViewHostsTheRearangeableList)
{
    HostWindow host(400, 300);
    auto* view = makeView<CExtListViewRearange>(host, "CExtListViewRearange");
    ASSERT_NE(nullptr, view);
    view->SendMessage(WM_INITIALUPDATE);
    (*view)->InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
    (*view)->InsertColumn(1, L"Size", LVCFMT_LEFT, 60);
    EXPECT_EQ(1, (*view)->findColumn(std::wstring(L"Size")));
    ASSERT_NE(nullptr, (*view)->getHeaderCtrl());
    EXPECT_TRUE(view->IsKindOf(RUNTIME_CLASS(CCtrlContainerView)));
    view->DestroyWindow();
}
