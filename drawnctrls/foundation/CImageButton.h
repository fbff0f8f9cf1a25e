#pragma once

#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

#include <CExtImage.h>

#include <string>

// An owner-drawn button made of three images from the skin folder: active,
// selected (pressed) and inactive (disabled), each scaled to fit.
class PRAMBLEGDIP_API CImageButton : public CButton, public ITransparentCtrl, public IOwnFontCtrl
{
    DECLARE_DYNAMIC(CImageButton)

public:
    CImageButton();
    ~CImageButton() override;

    // The skin folder beside the program, ending in a backslash.
    static std::wstring getPath();
    // Loads <skin folder><folder>\<name>_active.tif, _inactive.tif and
    // _selected.tif; true only when all three loaded.
    bool loadImages(std::wstring folder, std::wstring name);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual void v_draw(CDC& dc, LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void v_recalcData();

    static std::wstring m_sPath;
    static std::wstring m_sSkins;

protected:
    void PreSubclassWindow() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    std::wstring m_name;
    CPoint m_activePos;
    CPoint m_selectedPos;
    CPoint m_inactivePos;
    CExtImage m_active;
    CExtImage m_selected;
    CExtImage m_inactive;
    CExtImage m_activeScaled;
    CExtImage m_selectedScaled;
    CExtImage m_inactiveScaled;
    CRect m_client;
};
