// Run from a folder of its own by the language tests: exits with 0 when the
// language files beside it were opened at start.
#include "translate.h"

int main()
{
    return translate(L"Yes") == L"Tak" ? 0 : 1;
}
