#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

#include <memory>

// A tree with an image list of its own, sorted insertion, single-item
// redraw and a context menu (the menu resource named by m_nMenuId, its
// first sub-menu) on a right click over an item.
class PRAMBLE_API CExtTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNCREATE(CExtTreeCtrl)

public:
    CExtTreeCtrl() = default;
    ~CExtTreeCtrl() override;

    // Takes ownership; the tree draws with the new list before the old goes.
    void createImageList(CImageList* imageList);
    // FALSE (the current list kept) when the bitmap gives no list.
    BOOL createImageList(UINT bitmapId, int cx, int grow, COLORREF mask);
    CImageList* getImageList() const { return m_pImageList.get(); }

    virtual HTREEITEM insertItem(LPCWSTR text, HTREEITEM parent, int image, int selectedImage);
    // True when the user picked a command.
    virtual bool displayContextMenu(HTREEITEM item, CPoint clientPoint);
    virtual void reDrawItem(HTREEITEM item);
    virtual void setImageList();

protected:
    afx_msg void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);

    std::unique_ptr<CImageList> m_pImageList;
    int m_nMenuId = -1; // no context menu

    DECLARE_MESSAGE_MAP()

private:
    void replaceImageList(std::unique_ptr<CImageList> list);
};
