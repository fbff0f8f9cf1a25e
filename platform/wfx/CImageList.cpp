#include "CImageList.h"

#include "CBitmap.h"
#include "CDC.h"
#include "WfxHandleMap.h"
#include "WfxInternal.h"
#include "WfxResources.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

WfxHandleMap<HIMAGELIST, CImageList>& imageListMap()
{
    static WfxHandleMap<HIMAGELIST, CImageList> map(&CImageList::m_hImageList);
    return map;
}

HBITMAP handleOf(CBitmap* bitmap)
{
    return bitmap ? static_cast<HBITMAP>(bitmap->GetSafeHandle()) : nullptr;
}

} // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return imageListMap().fromHandle(hImageList);
}

void CImageList::DeleteTempMap()
{
    imageListMap().deleteTemporary();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    return imageListMap().attach(this, hImageList);
}

HIMAGELIST CImageList::Detach()
{
    return imageListMap().detach(this);
}

BOOL CImageList::adopt(HIMAGELIST made)
{
    return wfxAdopt(*this, made, ImageList_Destroy);
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    wfxInitCommonControls();
    return adopt(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    LPCWSTR name = MAKEINTRESOURCEW(nBitmapID);
    HINSTANCE module = AfxFindResourceHandle(name, RT_BITMAP, GetRuntimeClass());
    wfxInitCommonControls();
    return module &&
           adopt(ImageList_LoadImageW(module, name, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::DeleteImageList()
{
    return m_hImageList ? ImageList_Destroy(Detach()) : FALSE;
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, handleOf(pbmImage), handleOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, handleOf(pbmImage), crMask);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ImageList_DrawEx(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg,
                            nStyle);
}
