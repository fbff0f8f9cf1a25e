#include "PrambleTestSupport.h"

#include <Pramble.h>

#include <gtest/gtest.h>

#include <memory>

using namespace wfxtest;
using namespace prambletest;

namespace {

const UINT kEditStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL;
const UINT kComboStyle = WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST;

int childCount(CWnd& parent)
{
    int count = 0;
    for (HWND h = ::GetWindow(parent.m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        ++count;
    return count;
}

} // namespace

TEST(ItemEdit, CreatesItsWindowOnce)
{
    HostWindow host;
    CItemEdit editor(kEditStyle, CRect(5, 6, 105, 26), 77);
    EXPECT_EQ(nullptr, editor.getWindow().m_hWnd);
    editor.create(&host);
    editor.create(&host);
    EXPECT_EQ(1, childCount(host));
    EXPECT_EQ(77, editor.getEdit().GetDlgCtrlID());
    EXPECT_FALSE(editor.getWindow().IsWindowVisible());

    editor.move(CRect(20, 30, 60, 50));
    editor.show(true);
    EXPECT_TRUE(editor.getWindow().IsWindowVisible());
    EXPECT_EQ(CRect(20, 30, 60, 50), rectInParent(editor.getWindow()));
    editor.show(false);
    EXPECT_FALSE(editor.getWindow().IsWindowVisible());
}

TEST(ItemEdit, SetTextSelectsItAllAndTakesTheFocus)
{
    HostWindow host;
    CItemEdit editor(kEditStyle | WS_VISIBLE, CRect(0, 0, 100, 20), 5);
    editor.create(&host);
    editor.setText(L"1250");
    EXPECT_EQ(L"1250", editor.getText().str());
    int start = -1, end = -1;
    editor.getEdit().GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(4, end);
    EXPECT_EQ(editor.getEdit().m_hWnd, ::GetFocus());
}

TEST(ItemEdit, WrapsAnExistingEditOfAnyEditClass)
{
    HostWindow host;
    auto* intEdit = new CIntEdit;
    CItemEdit editor(intEdit);
    editor.create(&host);
    ASSERT_NE(nullptr, intEdit->m_hWnd);
    EXPECT_EQ(0, intEdit->GetDlgCtrlID());
    EXPECT_EQ(intEdit, &editor.getEdit());
    editor.move(CRect(0, 0, 100, 20));
    typeText(editor.getEdit(), L"4x2");
    EXPECT_EQ(L"42", editor.getText().str());
}

TEST(ItemEdit, OwnerDeletesTheEditorAndItsWindow)
{
    HostWindow host;
    std::unique_ptr<CItemCtrl> editor = std::make_unique<CItemEdit>(kEditStyle, CRect(0, 0, 50, 20), 3);
    editor->create(&host);
    HWND window = editor->getWindow().m_hWnd;
    ASSERT_TRUE(IsWindow(window));
    editor.reset();
    EXPECT_FALSE(IsWindow(window));
}

TEST(ItemEdit, CopyingHandsTheWindowOverOnce)
{
    HostWindow host;
    CItemEdit source(kEditStyle, CRect(0, 0, 50, 20), 3);
    source.create(&host);
    HWND window = source.getWindow().m_hWnd;

    CItemEdit first(source);
    EXPECT_EQ(window, first.getWindow().m_hWnd);
    EXPECT_FALSE(source.hasWindow());
    CItemEdit second(source);
    EXPECT_FALSE(second.hasWindow());
    EXPECT_EQ(window, first.getWindow().m_hWnd);

    CItemEdit third(kEditStyle, CRect(0, 0, 10, 10), 4);
    third = first;
    EXPECT_EQ(window, third.getWindow().m_hWnd);
    EXPECT_FALSE(first.hasWindow());
    third = third;
    EXPECT_EQ(window, third.getWindow().m_hWnd);
    EXPECT_EQ(1, childCount(host));
}

TEST(ItemEdit, EmptiedHolderIsHarmless)
{
    HostWindow host;
    CItemEdit source(kEditStyle, CRect(0, 0, 50, 20), 3);
    CItemEdit taker(source);
    source.create(&host);
    source.show(true);
    source.move(CRect(0, 0, 5, 5));
    source.setText(L"lost");
    EXPECT_TRUE(source.getText().IsEmpty());
    EXPECT_EQ(nullptr, source.getWindow().m_hWnd);
    EXPECT_EQ(nullptr, source.getEdit().m_hWnd);
    EXPECT_EQ(0, childCount(host));
    taker.create(&host);
    EXPECT_EQ(1, childCount(host));
}

TEST(ItemComboBox, TextIsTheSelectedItem)
{
    HostWindow host;
    CItemComboBox editor(kComboStyle | WS_VISIBLE, CRect(0, 0, 120, 200), 9);
    EXPECT_TRUE(editor.getText().IsEmpty());
    editor.create(&host);
    editor.create(&host);
    EXPECT_EQ(1, childCount(host));
    CComboBox& combo = editor.getComboBox();
    combo.AddString(L"Petrol");
    combo.AddString(L"Gas LPG");
    combo.AddString(L"Gas CNG");
    EXPECT_TRUE(editor.getText().IsEmpty());
    editor.setText(L"Gas");
    EXPECT_EQ(L"Gas LPG", editor.getText().str());
    editor.setText(L"Gas C");
    EXPECT_EQ(L"Gas CNG", editor.getText().str());
    editor.setText(L"Diesel");
    EXPECT_EQ(L"Gas CNG", editor.getText().str());
}

TEST(ItemComboBox, CopyingHandsTheWindowOver)
{
    HostWindow host;
    CItemComboBox source(new CComboBox);
    source.create(&host);
    CItemComboBox copy(source);
    EXPECT_TRUE(copy.hasWindow());
    EXPECT_FALSE(source.hasWindow());
    source.setText(L"x");
    EXPECT_TRUE(source.getText().IsEmpty());
    EXPECT_EQ(nullptr, source.getComboBox().m_hWnd);
}
