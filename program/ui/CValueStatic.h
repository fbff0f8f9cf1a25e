#pragma once

#include <CGDIpStatic.h>

// A shown value: black text in a green frame over the parent's background.
class CValueStatic : public CGDIpStatic
{
public:
    CValueStatic();
    ~CValueStatic() override;
};
