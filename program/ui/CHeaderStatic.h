#pragma once

#include <CTransparentStatic.h>

// A heading: red text straight on the parent's background.
class CHeaderStatic : public CTransparentStatic
{
public:
    CHeaderStatic();
    ~CHeaderStatic() override;
};
