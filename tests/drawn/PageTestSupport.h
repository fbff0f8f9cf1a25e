#pragma once

// Pages and tab buttons of the page-host tests that log what the host does
// to them.

#include "DrawnPageTestIds.h"
#include "DrawnTestSupport.h"

#include <memory>
#include <vector>

namespace drawntest {

struct PageLog
{
    int inits = 0;
    int activates = 0;
    int deactivates = 0;
    int deleted = 0;
    std::vector<WPARAM> commands;
};

// A page dialog on the test template (one edit control) that logs into
// `log`, which must outlive it.
class LoggedPage : public CGDIpMultiPageDialog
{
public:
    explicit LoggedPage(PageLog& log) : CGDIpMultiPageDialog(IDD_TEST_PAGE, nullptr), m_log(log) {}
    ~LoggedPage() override { ++m_log.deleted; }

    void v_init() override { ++m_log.inits; }
    void v_activate() override { ++m_log.activates; }
    void v_deactivate() override { ++m_log.deactivates; }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_log.commands.push_back(wParam);
        return CGDIpMultiPageDialog::OnCommand(wParam, lParam);
    }

    PageLog& m_log;
};

// A tab button that counts its deletion.
class LoggedButton : public CGDIpMultiPageGradientButton
{
public:
    explicit LoggedButton(int& deleted) : m_deleted(deleted) {}
    ~LoggedButton() override { ++m_deleted; }
    int& m_deleted;
};

// A host in a top-level window of the given client size, with pages made
// on demand; the logs live as long as the fixture.
class PageHostBed
{
public:
    explicit PageHostBed(int width = 1000, int height = 800);

    // A page window created in the host and inserted as a tabbed page.
    LoggedPage* addTabbedPage();
    // A page window created in the host and not yet inserted.
    LoggedPage* makePage();
    LoggedButton* newButton() { return new LoggedButton(m_buttonsDeleted); }
    PageLog& log(int i) { return *m_logs.at(size_t(i)); }
    int buttonsDeleted() const { return m_buttonsDeleted; }
    // Sizes the host over the whole window (a WM_SIZE, so a layout).
    void fill();
    CRect pageRect(IMultiPageContent* page);
    static CWnd* wnd(IMultiPageContent* page) { return dynamic_cast<CWnd*>(page); }

private:
    // Before the host: its pages and buttons log into them when it goes.
    std::vector<std::unique_ptr<PageLog>> m_logs;
    int m_buttonsDeleted = 0;

public:
    HostWindow window;
    std::unique_ptr<CGDIpMultiPageCtrl> host;
};

} // namespace drawntest
