#pragma once

#include "CImageObject.h"

// An image that can be blended with its alpha channel and reduced in size.
class PICTREL_API CExtImage : public CImageObject
{
public:
    CExtImage();
    CExtImage(const CExtImage& other);
    CExtImage& operator=(const CExtImage& other);
    ~CExtImage() override;

    // Blends the image with its per-pixel alpha at (x, y), stretched by the
    // zoom factors. Nonzero on success.
    int alphaBlend(HDC dc, int x, int y, double zoomX = 1.0, double zoomY = 1.0) const;
    // Shrinks the image by the integer factors (box average of kx x ky
    // pixels). Nonzero on success; the image is unchanged on failure.
    int downSampling(int kx, int ky);
};
