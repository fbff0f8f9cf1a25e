#pragma once

// In-process tests of the settings pages: a connected controller object
// talking to the simulated controller, published as the program's device,
// and a page made in a host window as the view makes it.

#include "SimBench.h"
#include "UiTestSupport.h"

#include <memory>
#include <vector>

namespace pagestest {

using Bytes = std::vector<uint8_t>;

// A connected controller read completely, as after a connection.
class ConnectedBench : public kwtest::SimBench
{
public:
    explicit ConnectedBench(const kwsim::SimConfig& config = kwsim::SimConfig());
    ~ConnectedBench();

    // Payloads of the block writes in the request log, oldest first.
    std::vector<Bytes> writes(uint8_t block);
    // The requests as commands, with command-2 requests as 1000 + selector
    // and live-data polls folded into one.
    std::vector<int> steps();
    // Pushes a live sample in `mode` as the reading thread would.
    void liveMode(unsigned char mode);
};

// A page of the view's kind: made hidden in a host window, then registered
// (v_init) and shown (v_activate) as the host does.
template <class Page> std::unique_ptr<Page> makePage(CWnd& host, UINT templateId)
{
    auto page = std::make_unique<Page>(nullptr);
    page->m_ownedByHost = false;
    page->Create(templateId, &host);
    page->v_init();
    page->v_activate();
    return page;
}

// Chooses the item of a value list by its index as the user would, with
// the notification the page hears.
void choose(CWnd& page, int id, int index);
// Chooses the item that shows `text`.
void chooseText(CWnd& page, int id, const std::wstring& text);
// The texts of a list's items and the selected one.
std::vector<std::wstring> listTexts(CWnd& page, int id);
std::wstring selectedText(CWnd& page, int id);
// Clicks a check box or button of the page.
void click(CWnd& page, int id);
bool checked(CWnd& page, int id);
std::wstring text(CWnd& page, int id);

} // namespace pagestest
