#include "ValueLists.h"

#include "translate.h"

#include <cmath>

void addValueRange(CValueCmbBox& box, int precision, double first, double last, double step)
{
    const long count = std::lround((last - first) / step) + 1;
    for (long i = 0; i < count; ++i)
        box.addValue(precision, first + double(i) * step);
}

void fillNamed(CStrValueCmbBox& list, const NamedValue* items, size_t count, bool translated)
{
    rebuildList(list, [&] {
        for (size_t i = 0; i < count; ++i)
            list.addValue(0, items[i].value, translated ? translate(items[i].text) : items[i].text);
    });
}
