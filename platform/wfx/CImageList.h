#pragma once

#include "CObject.h"

#include <commctrl.h>

class CBitmap;
class CDC;

// Owns an image list (destroyed with the object unless detached).
// FromHandle gives a temporary, non-owning wrapper until the next idle time.
class WFX_API CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)

public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    static CImageList* FromHandle(HIMAGELIST hImageList);
    static void DeleteTempMap();

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();

    // nFlags: ILC_COLOR* with ILC_MASK for transparent images.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // From a bitmap resource cut into images cx wide; crMask is transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();

    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    // The bitmap may hold several images side by side. -1 on failure.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    COLORREF SetBkColor(COLORREF cr);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    // With a size, a background (CLR_NONE: none) and a blend colour for ILD_BLEND*;
    // nStyle may carry an overlay (INDEXTOOVERLAYMASK).
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);

private:
    // Takes what a Create function just made (see wfxAdopt).
    BOOL adopt(HIMAGELIST made);
};
