#pragma once

#include "PrambleGDIpApi.h"

class IMultiPageButton;

// The page host as its pages and tab buttons see it.
class PRAMBLEGDIP_API IMultiPageCtrl
{
public:
    virtual ~IMultiPageCtrl();
    // Shows the page whose tab `button` is.
    virtual void activatePage(const IMultiPageButton* button) = 0;
    // Sees a page's message before the page translates it.
    virtual void checkMsg(MSG* pMsg) = 0;
};
