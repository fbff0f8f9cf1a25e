#include "ShellBench.h"

#include "ShellIds.h"

#include <CLPGThreadManager.h>
#include <COpenFile.h>
#include <IGDIpHelper.h>
#include <UserInterface.h>
#include <Wfx.h>
#include <serialport.h>

#include <commctrl.h>

namespace kwtest {

namespace {

class CBenchApp : public CWinAppEx
{
};

CBenchApp& benchApp()
{
    static CBenchApp app;
    static bool once = [] {
        IGDIpHelper::startupGDIp();
        INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
        InitCommonControlsEx(&controls);
        app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(COrvoDoc),
                                                  RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(COrvoView)));
        static CMultiThread manager;
        g_pThreadManager = &manager;
        return true;
    }();
    (void)once;
    return app;
}

} // namespace

ShellBench::ShellBench(const kwsim::SimConfig& config, bool controller)
    : sim(std::make_shared<kwsim::SimController>(config)),
      link(kwsim::SimLink::create(sim, {1}, controller ? 1 : 0))
{
    setSerialTransportFactory([line = link] { return line->makeTransport(); });
    writeLastPortNr(1);
    auto record = [this](const std::wstring& text) {
        boxes.push_back(text);
        return boxAnswer;
    };
    setMessageBoxHook([record](const MessageBoxRequest& box) { return record(box.text); });
    WfxSetMessageBoxHook([record](HWND, LPCWSTR text, LPCWSTR, UINT) { return record(text); });
    COpenFile::setAnswerHook([this](const COpenFile&) { return openPath; });
    g_wasConnected = 1;
    g_reconnectCountdown = 10;
    g_firstTickDone = 1;
    benchApp().OnFileNew();
}

ShellBench::~ShellBench()
{
    if (g_pDocument && g_pDocument->m_pMainFrame)
        g_pDocument->m_pMainFrame->SendMessage(WM_CLOSE);
    pumpFor(50);
    setMessageBoxHook(nullptr);
    WfxSetMessageBoxHook(nullptr);
    COpenFile::setAnswerHook(nullptr);
    setSerialTransportFactory(nullptr);
}

CWnd* ShellBench::page(int templateId)
{
    struct Search
    {
        int id;
        HWND found;
    } search{templateId, nullptr};
    EnumChildWindows(
        frame().GetSafeHwnd(),
        [](HWND child, LPARAM out) {
            auto* s = reinterpret_cast<Search*>(out);
            if (GetDlgCtrlID(child) == s->id && CWnd::FromHandlePermanent(child))
                s->found = child;
            return s->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return CWnd::FromHandlePermanent(search.found);
}

void ShellBench::command(UINT id)
{
    frame().SendMessage(WM_COMMAND, id);
}

UINT ShellBench::menuState(UINT id)
{
    CMenu menu;
    menu.Attach(frame().m_hMenuDefault);
    UINT state = 0;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        CMenu* popup = menu.GetSubMenu(i);
        frame().SendMessage(WM_INITMENUPOPUP, WPARAM(popup->m_hMenu), i);
        if (popup->GetMenuState(id, MF_BYCOMMAND) != UINT(-1))
            state = popup->GetMenuState(id, MF_BYCOMMAND);
    }
    menu.Detach();
    return state;
}

void ShellBench::pumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

std::vector<int> ShellBench::selectors()
{
    std::vector<int> out;
    for (const kwsim::SimRequest& r : sim->requests())
        out.push_back(r.cmd == 2 ? r.selector : -1);
    return out;
}

std::vector<int> ShellBench::commands()
{
    std::vector<int> out;
    for (const kwsim::SimRequest& r : sim->requests())
        out.push_back(r.cmd);
    return out;
}

std::vector<kwsim::SimRequest> ShellBench::requestsButSamples()
{
    const int kLiveSample = 36;
    std::vector<kwsim::SimRequest> out;
    for (const kwsim::SimRequest& r : sim->requests())
        if (r.cmd != 2 || r.selector != kLiveSample)
            out.push_back(r);
    return out;
}

} // namespace kwtest
