#include "ValueLists.h"

#include <cmath>

void addValueRange(CValueCmbBox& box, int precision, double first, double last, double step)
{
    const long count = std::lround((last - first) / step) + 1;
    for (long i = 0; i < count; ++i)
        box.addValue(precision, first + double(i) * step);
}
