#include "WfxFrameSupport.h"

namespace wfxtest {

IMPLEMENT_DYNCREATE(CBlankView, CView)

CFrameWnd* makeViewFrame(const CRect& place)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CBlankView);
    auto* frame = new CFrameWnd;
    frame->m_bAutoDelete = TRUE;
    if (!frame->Create(nullptr, L"frame", WS_POPUP, place, nullptr, nullptr, 0, &context))
        return nullptr;
    frame->ShowWindow(SW_SHOWNA);
    return frame;
}

CRect placeIn(const CWnd& parent, HWND child)
{
    CRect rect;
    ::GetWindowRect(child, &rect);
    parent.ScreenToClient(&rect);
    return rect;
}

CRect viewPlace(const CWnd& frame)
{
    return placeIn(frame, ::GetDlgItem(frame.m_hWnd, AFX_IDW_PANE_FIRST));
}

} // namespace wfxtest
