#pragma once

#include <CGDIpDescribedDisplay.h>

// The program's value tile: white with a green frame, the value in a white
// green-framed tile of its own, black texts.
class COrvoDescribedDisplay : public CGDIpDescribedDisplay
{
public:
    COrvoDescribedDisplay();
    ~COrvoDescribedDisplay() override;
};
