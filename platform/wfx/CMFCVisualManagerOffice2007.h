#pragma once

#include "CMFCVisualManagerOffice2003.h"

// The gradient look in one of four colour schemes, chosen with SetStyle
// before the manager is installed.
class WFX_API CMFCVisualManagerOffice2007 : public CMFCVisualManagerOffice2003
{
    DECLARE_DYNCREATE(CMFCVisualManagerOffice2007)

public:
    enum Style
    {
        Office2007_LunaBlue,
        Office2007_ObsidianBlack,
        Office2007_Aqua,
        Office2007_Silver
    };

    CMFCVisualManagerOffice2007();

    // lpszPath (a folder of style resources) is not used: the schemes are built in.
    static BOOL SetStyle(Style style, LPCWSTR lpszPath = nullptr);
    static Style GetStyle();

    void OnUpdateSystemColors() override;

private:
    void setStyleColors();
};
