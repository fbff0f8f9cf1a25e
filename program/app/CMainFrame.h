#pragma once

#include <CGDIpCaptionBar.h>
#include <Wfx.h>

#include <string>
#include <vector>

class COrvoView;

// The program's only top-level window: over the whole work area, without a
// system caption, with the drawn caption bar that carries the menu. Its
// 100 ms timer drives every live display and watches the connection.
class CMainFrame : public CFrameWndEx
{
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

    // Timer 5001, armed while live data is read; every tick re-arms it only
    // while it is armed, so a stop inside a tick holds.
    void startWatchTimer();
    void stopWatchTimer();
    bool isWatchTimerArmed() const { return m_timerArmed; }
    // The bottom page's connection caption.
    void setConnectedState(bool connected);
    // The language pass: the pages' captions, the connection caption and
    // the translated menu.
    void buildMenu();
    // The menu's texts of the last language pass, group by group: the
    // top-level text first, then the entries.
    const std::vector<std::vector<std::wstring>>& menuTexts() const { return m_menuTexts; }

    CGDIpCaptionBar& captionBar() { return m_captionBar; }

    COrvoView* m_pView = nullptr;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnClose();
    afx_msg LRESULT OnOfferFirmware(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    void tick();
    // False when this tick saw the connection go and ends here.
    bool watchConnection();
    void rescan();
    void stopLiveData();

    void fitCaptionFont(int cx, int cy);

    LOGFONTW m_captionFont{};
    int m_captionFontSet = 0;
    CGDIpCaptionBar m_captionBar;
    bool m_timerArmed = false;
    bool m_inTick = false;
    std::vector<std::vector<std::wstring>> m_menuTexts;
};

// The connection watchdog, process-wide.
extern unsigned char g_wasConnected;
extern int g_reconnectCountdown;
extern unsigned char g_firstTickDone;
