#pragma once

#include "CObject.h"
#include "CRect.h"

class CBasePane;
class CBrush;
class CDC;
class CMFCButton;

// Draws the parts of panes, buttons and menus. One manager is installed
// for the process (SetDefaultManager, by run-time class); GetInstance makes
// the plain one when none was installed. A derived manager changes the
// look by overriding the drawing operations and may change the global
// colours (GetGlobalData) in its constructor; OnUpdateSystemColors, called
// once the manager is installed, takes the system's colours again unless
// overridden.
class WFX_API CMFCVisualManager : public CObject
{
    DECLARE_DYNCREATE(CMFCVisualManager)

public:
    enum AFX_BUTTON_STATE
    {
        ButtonsIsRegular,
        ButtonsIsPressed,
        ButtonsIsHighlighted
    };

    CMFCVisualManager();
    ~CMFCVisualManager() override;

    // Replaces the installed manager by a new object of pRTI's class and
    // redraws this thread's windows; a class that is no manager or cannot
    // be made changes nothing.
    static void SetDefaultManager(CRuntimeClass* pRTI);
    static CMFCVisualManager* GetInstance();
    static void RedrawAll();

    BOOL m_bMenuCheckFrame = TRUE; // a checked menu item gets a frame around its mark

    virtual void OnUpdateSystemColors();

    virtual void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                                     BOOL bNCArea = FALSE);
    virtual void OnDrawSeparator(CDC* pDC, CBasePane* pBar, CRect rect, BOOL bIsHoriz);
    virtual void OnDrawCaptionBarBorder(CDC* pDC, CBasePane* pBar, CRect rect, COLORREF clrBarBorder,
                                        BOOL bFlatBorder);

    virtual void OnFillButtonInterior(CDC* pDC, CMFCButton* pButton, CRect rect, AFX_BUTTON_STATE state);
    virtual void OnDrawButtonBorder(CDC* pDC, CMFCButton* pButton, CRect rect, AFX_BUTTON_STATE state);
    virtual COLORREF GetToolbarButtonTextColor(CMFCButton* pButton, AFX_BUTTON_STATE state);
    virtual void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CMFCButton* pButton);
    // A caption button's face and glyph for SC_MINIMIZE, SC_MAXIMIZE,
    // SC_RESTORE or SC_CLOSE.
    virtual void OnDrawCaptionButton(CDC* pDC, CRect rect, AFX_BUTTON_STATE state, UINT nSysCommand);

    // The hot item of a menu bar; may change the item's text colour.
    virtual void OnHighlightMenuItem(CDC* pDC, CRect rect, COLORREF& clrText);
    virtual void OnDrawMenuBorder(CDC* pDC, CRect rect);
    virtual void OnDrawMenuCheck(CDC* pDC, CRect rect, BOOL bHighlight, BOOL bIsRadio);

    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                   BOOL bIsHighlighted);
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted);
    virtual void OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                         COLORREF& clrText);
    virtual void OnDrawTask(CDC* pDC, CRect rect, BOOL bIsHighlighted, BOOL bIsSelected);
    virtual void OnFillTasksPaneBackground(CDC* pDC, CRect rect);
    virtual void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE);
    virtual void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                            BOOL bNoTitle = FALSE);
};
