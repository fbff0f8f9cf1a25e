#include "PageTestSupport.h"

namespace drawntest {

PageHostBed::PageHostBed(int width, int height) : window(width, height), host(new CGDIpMultiPageCtrl)
{
    host->Create(CRect(), &window, UINT(-1));
}

LoggedPage* PageHostBed::makePage()
{
    m_logs.push_back(std::make_unique<PageLog>());
    auto* page = new LoggedPage(*m_logs.back());
    page->Create(IDD_TEST_PAGE, host.get());
    return page;
}

LoggedPage* PageHostBed::addTabbedPage()
{
    LoggedPage* page = makePage();
    host->insertPage(L"page", newButton(), page);
    return page;
}

void PageHostBed::fill()
{
    CRect client;
    window.GetClientRect(&client);
    host->MoveWindow(&client);
}

CRect PageHostBed::pageRect(IMultiPageContent* page)
{
    return rectInParent(*wnd(page));
}

} // namespace drawntest
