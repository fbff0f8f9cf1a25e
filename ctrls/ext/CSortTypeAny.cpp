#include "CSortTypeAny.h"

CSortTypeAny::~CSortTypeAny() = default;

void* CSortTypeAny::getValue()
{
    return nullptr;
}

void CSortTypeAny::setValue(void*) {}

std::wstring CSortTypeAny::getStrValue()
{
    return std::wstring();
}

void CSortTypeAny::setStrValue(std::wstring) {}
