#pragma once

#include "CMainFrame.h"
#include "COrvoDoc.h"
#include "COrvoView.h"
#include "SimController.h"
#include "SimLink.h"

#include <memory>
#include <string>
#include <vector>

namespace kwtest {

// The program's document, main frame and view made as the program makes
// them, in this process, against the simulated controller behind the port
// seam. Message boxes are recorded and answered, file dialogs answered from
// `openPath`; the frame is closed when the bench goes.
class ShellBench
{
public:
    // `controller` false: no port answers (the demo start).
    explicit ShellBench(const kwsim::SimConfig& config = kwsim::SimConfig(), bool controller = true);
    ~ShellBench();
    ShellBench(const ShellBench&) = delete;
    ShellBench& operator=(const ShellBench&) = delete;

    COrvoDoc& doc() { return *g_pDocument; }
    CLPGDevice& device() { return g_pDocument->m_device; }
    CMainFrame& frame() { return *g_pDocument->m_pMainFrame; }
    COrvoView& view() { return *frame().m_pView; }
    template <class F> auto with(F&& f) { return sim->with(std::forward<F>(f)); }

    // A page of the main window by its template id (null when none).
    CWnd* page(int templateId);
    // A command as the menu sends it, and the menu item's state after the
    // frame updated the menu (MF_GRAYED, MF_CHECKED).
    void command(UINT id);
    UINT menuState(UINT id);
    // Dispatches the thread's messages for `ms` (the frame's timer runs).
    void pumpFor(DWORD ms);
    // The selectors (-1 for commands other than 2) and commands received
    // since the last clear.
    std::vector<int> selectors();
    std::vector<int> commands();
    // Every request but the reading thread's live samples, which go on in
    // real time meanwhile.
    std::vector<kwsim::SimRequest> requestsButSamples();

    std::shared_ptr<kwsim::SimController> sim;
    std::shared_ptr<kwsim::SimLink> link;
    std::vector<std::wstring> boxes; // texts of the message boxes shown
    int boxAnswer = IDOK;
    std::wstring openPath; // the file dialogs' answer; empty: cancelled
};

} // namespace kwtest
