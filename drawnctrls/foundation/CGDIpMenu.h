#pragma once

#include "PrambleGDIpApi.h"

#include <memory>
#include <vector>

// A menu whose items are drawn by the caption bar's visual manager, so
// that popups match the dark caption bar. The converted menu must not
// outlive this object, which holds the items' records.
class PRAMBLEGDIP_API CGDIpMenu : public CMenu
{
    DECLARE_DYNAMIC(CGDIpMenu)

public:
    // The data of an owner-drawn item.
    struct ItemRecord
    {
        BYTE separator = 0;
        CString text;
    };

    CGDIpMenu();
    CGDIpMenu(const CGDIpMenu&) = delete;
    CGDIpMenu& operator=(const CGDIpMenu&) = delete;
    ~CGDIpMenu() override;

    // Makes every item of `menu` and of its sub-menus owner-drawn; ids,
    // states and sub-menus stay as they are.
    void toOwnerDraw(CGDIpMenu* menu);

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    int m_checkStyle = 1; // 1: check marks, 0: radio marks

private:
    void drawText(CDC& dc, const ItemRecord& item, CRect r, bool disabled) const;

    std::vector<std::unique_ptr<CGDIpMenu>> m_subMenus;
    std::vector<std::unique_ptr<ItemRecord>> m_items;
};
