#pragma once

#include "IGDIpGradientRectPack.h"
#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

#include <Pictrel.h>

#include <string>

// A check box drawn from two state images (or a plain check mark until
// images are given) with its caption, over the captured background. A
// click or Space toggles it and posts WM_COMMAND to the parent.
class PRAMBLEGDIP_API CImageCheckBox : public CButton,
                                       public ITransparentCtrl,
                                       public IOwnFontCtrl,
                                       public IGDIpGradientRectPack
{
    DECLARE_DYNAMIC(CImageCheckBox)

public:
    CImageCheckBox();
    ~CImageCheckBox() override;

    // The images belong to the caller and must outlive the check box.
    void setInternalImages(CExtImage* checked, CExtImage* unchecked);
    void SetWindowTextW(const wchar_t* text);
    // The program's folder followed by the skin sub-folder, computed once.
    static std::wstring getPath();
    const CString& caption() const { return m_caption; }
    // Where the caption is drawn, in client coordinates.
    CRect captionRect() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    static std::wstring m_sPath;
    static std::wstring m_sSkins;

    bool m_centerImage = true; // without a caption the image is centred
    bool m_noFocusFrame = true;
    COLORREF m_captionColor = 0;
    COLORREF m_disabledColor = 0x969696;
    bool m_hasFocus = false;

protected:
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    CExtImage m_checkedImage; // scaled copies of the sources
    CExtImage m_uncheckedImage;
    CExtImage* m_checkedSource = nullptr;
    CExtImage* m_uncheckedSource = nullptr;
    bool m_imagesSet = false;
    int m_imageX = 0;
    int m_imageY = 0;
    int m_imageSide = 0;
    CRect m_boxRect;
    CString m_caption;
    int m_captionWidth = 0;
    int m_captionHeight = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;

private:
    void layout();
    void measureCaption();
    void scaleImages();
    void placeImage(const CRect& client);
    void paint(CDC& dc);
    void drawBox(CDC& dc);
    void drawCaption(CDC& dc);
    void drawFocus(CDC& dc, const CRect& client);
    UINT captionFormat() const;
    void click();
    void toggle();
    void notifyParent();
    void repaintAround(bool now);
};
