#pragma once

#include "PrambleGDIpApi.h"

#include <CExtImage.h>

// Makes `target` a copy of `source` reduced by the whole factor
// ceil(m / s + s * shrink), m being the image's and s the rectangle's
// smaller side, and returns the place that centres it in r. A rectangle
// with no area leaves the copy at its size: nothing fits, and nothing is
// divided by zero. An image that failed to load stays empty.
CPoint fitImage(CExtImage& target, const CExtImage& source, const CRect& r, double shrink = 0);
