#pragma once

// A page of the program in a window of its own, its controller object
// talking to the in-process simulated controller. Message boxes are
// recorded by the bench (answered OK).

#include "SimBench.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pagetest {

using Bytes = std::vector<uint8_t>;

class PageBench
{
public:
    explicit PageBench(const kwsim::SimConfig& config = kwsim::SimConfig());

    // The controller found and read as the program's connection reads it,
    // then the requests cleared.
    void connect();
    // The page made in the host window, registered nowhere, shown the way
    // the host shows it (v_init, v_activate).
    template <class Page> std::unique_ptr<Page> makePage(UINT templateId)
    {
        auto page = std::make_unique<Page>(nullptr);
        page->Create(templateId, &host);
        page->MoveWindow(0, 0, kWidth, kHeight);
        page->v_init();
        page->ShowWindow(SW_SHOW);
        page->v_activate();
        return page;
    }

    CLPGDevice& device() { return *sim.device; }
    CSettingsRecord& record() { return sim.device->m_settings; }
    // "cmd/selector" of each request since the last clear, live samples left out.
    std::vector<std::string> traffic();
    // The command codes of the block writes since the last clear.
    std::vector<int> writes();
    // The payloads of the writes of `block` since the last clear, oldest first.
    std::vector<Bytes> writes(uint8_t block);
    // The newest of them (empty when none).
    Bytes lastWrite(uint8_t block);
    // The requests as commands, command-2 requests as 1000 + selector, a run
    // of live-data polls folded into one.
    std::vector<int> steps();
    // A live sample in `mode` pushed into the store, as the reading thread would.
    void liveMode(unsigned char mode);
    std::vector<std::wstring> messages() const { return sim.texts(); }

    static const int kWidth = 900;
    static const int kHeight = 640;

    kwtest::SimBench sim;
    uitest::HostWindow host;
};

// A bench connected and showing one page.
template <class Page> struct PageOnBench : PageBench
{
    PageOnBench(UINT templateId, const kwsim::SimConfig& config) : PageBench(config)
    {
        connect();
        page = makePage<Page>(templateId);
    }

    std::unique_ptr<Page> page;
};

// A choice in a list and what it sends: `bytes` at `offset` of block `block`.
struct ListChange
{
    int list;
    std::wstring item;
    uint8_t block;
    size_t offset;
    Bytes bytes;
};

// Makes the choice on `page`: a success when that block alone went out
// carrying those bytes.
testing::AssertionResult choiceWrites(PageBench& bench, CWnd& page, const ListChange& change);

// A click of the control `id` of `page`, as the control tells its parent.
void click(CWnd& page, int id);
// A check box of `page` ticked or unticked by a click, as the user would.
void toggle(CWnd& page, int id);
bool checked(CWnd& page, int id);
// Chooses item number `item` of the drop-down list `id`, as the user would.
void choose(CWnd& page, int id, int item);
// Chooses the item of the list `id` that shows `item`.
void chooseText(CWnd& page, int id, const std::wstring& item);
// The texts of the list's items, and of the selected one ("<none>" when none).
std::vector<std::wstring> listTexts(CWnd& page, int id);
std::wstring selectedText(CWnd& page, int id);
std::wstring text(CWnd& page, int id);
bool enabled(CWnd& page, int id);
// Every control of a dialog used once as a user would (buttons and check
// boxes clicked, each list's first items chosen, spins stepped both ways),
// its OK and Cancel buttons left alone; the ids of those found enabled.
std::vector<int> driveEveryControl(CWnd& dialog);
bool visible(CWnd& page, int id);

} // namespace pagetest
