#include "CGDIpMenu.h"

#include "CGDIpVisualManager.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CGDIpMenu, CMenu)

CGDIpMenu::CGDIpMenu() = default;

// The sub-menus go with the menu that holds them.
CGDIpMenu::~CGDIpMenu()
{
    for (auto& sub : m_subMenus)
        sub->Detach();
    m_subMenus.clear();
    DestroyMenu();
}

void CGDIpMenu::toOwnerDraw(CGDIpMenu* menu)
{
    if (!menu || !menu->m_hMenu)
        return;
    const int count = menu->GetMenuItemCount();
    for (int pos = 0; pos < count; ++pos) {
        wchar_t text[1025] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 1024;
        if (!menu->GetMenuItemInfo(UINT(pos), &info, TRUE))
            continue;
        auto record = std::make_unique<ItemRecord>();
        record->separator = (info.fType & MFT_SEPARATOR) ? 1 : 0;
        if (!record->separator)
            record->text = text;
        // Only the type and the data change: ids, states and sub-menus stay.
        MENUITEMINFOW owner{};
        owner.cbSize = sizeof(owner);
        owner.fMask = MIIM_FTYPE | MIIM_DATA;
        owner.fType = info.fType | MFT_OWNERDRAW;
        owner.dwItemData = ULONG_PTR(record.get());
        menu->SetMenuItemInfo(UINT(pos), &owner, TRUE);
        m_items.push_back(std::move(record));
        if (info.hSubMenu) {
            auto sub = std::make_unique<CGDIpMenu>();
            sub->Attach(info.hSubMenu);
            toOwnerDraw(sub.get());
            m_subMenus.push_back(std::move(sub));
        }
    }
}

void CGDIpMenu::MeasureItem(LPMEASUREITEMSTRUCT mis)
{
    if (!mis->itemData)
        return;
    const auto* item = reinterpret_cast<const ItemRecord*>(mis->itemData);
    const int imageWidth = CMenuImages::Size().cx;
    mis->itemWidth = UINT(2 * imageWidth);
    if (item->separator) {
        mis->itemHeight = 5;
        return;
    }
    CDC display;
    display.Attach(::CreateICW(L"DISPLAY", nullptr, nullptr, nullptr));
    CFont* old = display.SelectObject(&GetGlobalData()->fontRegular);
    const CSize extent = display.GetTextExtent(item->text);
    display.SelectObject(old);
    ::DeleteDC(display.Detach());
    LOGFONTW font{};
    GetGlobalData()->fontRegular.GetLogFont(&font);
    mis->itemWidth = UINT(extent.cx + 2 * imageWidth);
    mis->itemHeight = UINT(1.75 * std::abs(font.lfHeight));
}

void CGDIpMenu::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (!dis->itemData)
        return;
    const auto* item = reinterpret_cast<const ItemRecord*>(dis->itemData);
    CDC* dc = CDC::FromHandle(dis->hDC);
    const CRect r(dis->rcItem);
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const bool disabled = (dis->itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    auto* manager = DYNAMIC_DOWNCAST(CGDIpVisualManager, CMFCVisualManager::GetInstance());
    // Under another manager the item is drawn in the system's menu colours.
    if (!manager) {
        dc->FillSolidRect(&r, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
        if (!item->separator)
            drawText(*dc, *item, r, disabled);
        return;
    }
    if (item->separator) {
        manager->drawPopUpMenuSeparator(dc, r);
        return;
    }
    if ((dis->itemAction & ODA_DRAWENTIRE) || ((dis->itemAction & ODA_SELECT) && !selected))
        manager->drawMenuBackground(dc, r);
    if (selected)
        manager->drawMenuFocusRect(dc, r);
    if (dis->itemState & ODS_CHECKED) {
        const CSize image = CMenuImages::Size();
        const CRect column(r.left + image.cx / 2, r.top, r.left + image.cx / 2 + image.cx, r.bottom);
        CMenuImages::Draw(dc, m_checkStyle ? CMenuImages::IdCheck : CMenuImages::IdRadio, column,
                          CMenuImages::ImageWhite);
    }
    drawText(*dc, *item, r, disabled);
}

void CGDIpMenu::drawText(CDC& dc, const ItemRecord& item, CRect r, bool disabled) const
{
    const int imageWidth = CMenuImages::Size().cx;
    r.DeflateRect(2 * imageWidth, 0);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColor =
        dc.SetTextColor(disabled ? GetGlobalData()->clrBtnShadow : GetGlobalData()->clrBarText);
    CFont* oldFont = dc.SelectObject(&GetGlobalData()->fontRegular);
    dc.DrawText(item.text, &r, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(oldFont);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
}
