#include "ImageFit.h"

#include <algorithm>
#include <cmath>

CPoint fitImage(CExtImage& target, const CExtImage& source, const CRect& r, double shrink)
{
    target = source;
    if (!target.IsLoaded())
        return r.TopLeft();
    const int s = std::min(r.Width(), r.Height());
    if (s > 0) {
        const int m = std::min(target.GetWidth(), target.GetHeight());
        const int k = int(std::ceil(double(m) / s + s * shrink));
        if (k > 1)
            target.downSampling(k, k);
    }
    return CPoint((r.Width() - target.GetWidth()) / 2 + r.left,
                  (r.Height() - target.GetHeight()) / 2 + r.top);
}
