#include "CGdiObject.h"

#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"
#include "CRgn.h"
#include "WfxHandleMap.h"
#include "WfxInternal.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

CGdiObject* makeWrapper(HGDIOBJ hObject)
{
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    case OBJ_FONT:
        return new CFont;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_REGION:
        return new CRgn;
    default:
        return new CGdiObject;
    }
}

WfxHandleMap<HGDIOBJ, CGdiObject>& gdiMap()
{
    static WfxHandleMap<HGDIOBJ, CGdiObject> map(&CGdiObject::m_hObject, makeWrapper);
    return map;
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return gdiMap().fromHandle(hObject);
}

void CGdiObject::DeleteTempMap()
{
    gdiMap().deleteTemporary();
}

BOOL CGdiObject::adopt(HGDIOBJ made)
{
    return wfxAdopt(*this, made, ::DeleteObject);
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}
