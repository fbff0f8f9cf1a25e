#pragma once

#include <CGDIpStatic.h>

// A label on a white tile with a green frame.
class COrangeStatic : public CGDIpStatic
{
public:
    COrangeStatic();
    ~COrangeStatic() override;
};
