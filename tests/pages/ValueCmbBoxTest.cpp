#include "CStrValueCmbBox.h"
#include "CValueCmbBox.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

using namespace uitest;

namespace {

template <class Box> struct BoxOnHost
{
    BoxOnHost()
    {
        box.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(0, 0, 100, 200), &host, 10);
    }
    std::wstring text(int i) const
    {
        CString s;
        box.GetLBText(i, s);
        return std::wstring(s);
    }
    HostWindow host;
    Box box;
};

} // namespace

TEST(ValueCmbBox, TextsShowTheRoundedValueAndSelectionMatchesIt)
{
    BoxOnHost<CValueCmbBox> list;
    CValueCmbBox& box = list.box;
    EXPECT_EQ(-1.0, box.getSelValue()); // empty box
    box.addValue(1, 0.30000000000000004);
    box.addValue(2, 1.995);
    box.addValue(3, -1.2346);
    box.addValue(0, 2.5);
    box.addValue(7, 12.75);
    EXPECT_EQ(L"0.3", list.text(0));
    EXPECT_EQ(L"2.00", list.text(1));
    EXPECT_EQ(L"-1.235", list.text(2));
    EXPECT_EQ(L"3", list.text(3));
    EXPECT_EQ(L"13", list.text(4));     // another precision: a whole number
    EXPECT_EQ(-1.0, box.getSelValue()); // nothing selected yet

    box.setSelValue(0.3);
    EXPECT_EQ(0, box.GetCurSel());
    EXPECT_EQ(0.3, box.getSelValue());
    box.setSelValue(2.0);
    EXPECT_EQ(1, box.GetCurSel());
    box.setSelValue(12.75); // unrounded for precision 7
    EXPECT_EQ(4, box.GetCurSel());
    EXPECT_EQ(12.75, box.getSelValue());
    box.setSelValue(13.0); // only its text says 13
    EXPECT_EQ(4, box.GetCurSel());
    box.setSelValue(99); // no match: the selection stays
    EXPECT_EQ(4, box.GetCurSel());

    // An item the map does not know reads as none.
    box.CComboBox::AddString(L"stray");
    box.CComboBox::SetCurSel(5);
    EXPECT_EQ(-1.0, box.getSelValue());

    box.resetContent();
    EXPECT_EQ(0, box.GetCount());
    box.addValue(0, 4);
    box.setSelValue(4);
    EXPECT_EQ(0, box.GetCurSel());
}

TEST(ValueCmbBox, SteppedListsShowNoAccumulatedError)
{
    BoxOnHost<CValueCmbBox> list;
    int count = 0;
    for (double v = 0.0; v <= 5.1 + 1e-9; v += 0.1, ++count)
        list.box.addValue(1, v);
    ASSERT_EQ(52, count);
    ASSERT_EQ(52, list.box.GetCount());
    EXPECT_EQ(L"0.3", list.text(3));
    EXPECT_EQ(L"5.1", list.text(51));
    for (int i = 0; i < count; ++i) {
        list.box.setSelValue(i / 10.0);
        EXPECT_EQ(i, list.box.GetCurSel());
        EXPECT_EQ(i / 10.0, list.box.getSelValue());
    }
}

TEST(StrValueCmbBox, ItemsMatchTheirStoredValueUnrounded)
{
    BoxOnHost<CStrValueCmbBox> list;
    CStrValueCmbBox& box = list.box;
    box.addValue(1, 0.30000000000000004, L"third");
    box.addValue(0, 2.4, L"two");
    EXPECT_EQ(L"third", list.text(0));
    box.setSelValue(0.3);
    EXPECT_EQ(CB_ERR, box.GetCurSel());
    EXPECT_EQ(-1.0, box.getSelValue());
    box.setSelValue(0.30000000000000004);
    EXPECT_EQ(0, box.GetCurSel());
    EXPECT_EQ(0.3, box.getSelValue()); // read back rounded
    box.setSelValue(2.4);
    EXPECT_EQ(2.0, box.getSelValue());

    // Emptied, the list numbers its items from 0 again.
    box.resetContent();
    EXPECT_EQ(-1.0, box.getSelValue());
    box.addValue(0, 7, L"seven");
    box.addValue(0, 8, L"eight");
    box.setSelValue(8);
    EXPECT_EQ(1, box.GetCurSel());
    EXPECT_EQ(L"eight", list.text(1));
}

TEST(ValueCmbBox, RunTimeClassesNameTheComboBoxAsBase)
{
    CValueCmbBox values;
    CStrValueCmbBox texts;
    EXPECT_STREQ("CValueCmbBox", values.GetRuntimeClass()->m_lpszClassName);
    EXPECT_STREQ("CStrValueCmbBox", texts.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(values.IsKindOf(RUNTIME_CLASS(CComboBox)));
    EXPECT_EQ(RUNTIME_CLASS(CComboBox), RUNTIME_CLASS(CStrValueCmbBox)->GetBaseClass());
}
