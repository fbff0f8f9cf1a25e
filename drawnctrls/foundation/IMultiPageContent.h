#pragma once

#include "PrambleGDIpApi.h"

#include <vector>

class IMultiPageCtrl;

// A page of the multi-page host. The host registers it (host, its page
// vector and the page's slot in it) and, while the owned flag is set,
// deletes it with itself.
class PRAMBLEGDIP_API IMultiPageContent
{
public:
    explicit IMultiPageContent(CWnd* parent);
    // A copy is a page of its own: it starts unregistered, so that its end
    // does not clear the original's slot.
    IMultiPageContent(const IMultiPageContent& other);
    IMultiPageContent& operator=(const IMultiPageContent& other);
    // A registered page clears its slot so that the host does not delete
    // it again.
    virtual ~IMultiPageContent();

    virtual int v_show(int nCmdShow) = 0;
    virtual void v_invalidate(int erase) = 0;
    virtual int v_isVisible() = 0;
    virtual void v_move(CRect rect, int repaint) = 0;
    virtual void v_content2AppSize() {}
    // Once, when the host registers the page.
    virtual void v_init() {}
    virtual void v_activate() {}
    virtual void v_deactivate() {}

    void setImpc(IMultiPageCtrl* host) { m_impc = host; }
    IMultiPageCtrl* getImpc() const { return m_impc; }
    // Called by the host: the vector holding the page and its slot there
    // (null to detach the page from a host that goes away).
    void registerIn(std::vector<IMultiPageContent*>* pages, int index);
    bool isRegistered() const { return m_pages != nullptr; }
    int getOwnIndex() const { return m_ownIndex; }

    CWnd* m_parentWnd;
    CWnd* m_parentFrame = nullptr;
    bool m_ownedByHost = true; // the host deletes the page when it goes

protected:
    IMultiPageCtrl* m_impc = nullptr;
    std::vector<IMultiPageContent*>* m_pages = nullptr;
    int m_ownIndex = -1;
};
