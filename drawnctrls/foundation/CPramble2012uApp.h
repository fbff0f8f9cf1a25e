#pragma once

#include "PrambleGDIpApi.h"

// The library's module object, made when the library is loaded. It is not
// the program's application object.
class PRAMBLEGDIP_API CPramble2012uApp : public CWinApp
{
public:
    CPramble2012uApp();
};
