#pragma once

#include <CGDIpStatic.h>

// A unit beside a value, drawn as the labels are.
class CUnitsStatic : public CGDIpStatic
{
public:
    CUnitsStatic();
    ~CUnitsStatic() override;
};
