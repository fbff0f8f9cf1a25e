#pragma once

#include "PrambleGDIpApi.h"

class IMultiPageCtrl;

// The tab button of a page of the multi-page host. The host creates its
// window and deletes it.
class PRAMBLEGDIP_API IMultiPageButton
{
public:
    IMultiPageButton() = default;
    IMultiPageButton(const IMultiPageButton&) = default;
    IMultiPageButton& operator=(const IMultiPageButton&) = default;
    virtual ~IMultiPageButton();

    // Marks the tab as the current one (drawn so on the next paint).
    virtual void selected(bool isSelected) = 0;
    virtual int showWindow(int nCmdShow) = 0;
    virtual CWnd* setFocus() = 0;
    virtual void invalidate(int erase) = 0;
    virtual void setWindowText(const wchar_t* text) = 0;
    virtual void moveWindow(const RECT* rect) = 0;
    virtual int create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, CFont* font,
                       UINT id) = 0;

    void setMPC(IMultiPageCtrl* host) { m_mpc = host; }
    IMultiPageCtrl* getMPC() const { return m_mpc; }
    // Asks the host to show this tab's page; nothing without a host.
    void activate();

    int m_width = 0;
    int m_height = 0;
    double m_rowPosition = 0; // fraction of the host's height where the tab row begins
    double m_vInset = 0;      // fraction of the tab cell's height left free, half above, half below
    double m_hInset = 0;      // fraction of the tab cell's width left free, half on each side
    bool m_hidden = false;    // left out of the tab row

protected:
    IMultiPageCtrl* m_mpc = nullptr;
};
