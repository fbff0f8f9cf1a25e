#pragma once

#include "CObject.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

// What a frame needs to make its view: handed through the frame's creation
// (CREATESTRUCT::lpCreateParams) and on to the view's.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
