#include "CheckBoxImages.h"

#include "SkinFile.h"

#include <CImageCheckBox.h>

#include <string>

void loadCheckBoxImages(CExtImage& selected, CExtImage& unselected, const std::vector<CImageCheckBox*>& boxes)
{
    if (!selected.Load(skinFile(L"CheckBox_Selected_2.tif").c_str(), nullptr, -1, -1))
        return;
    if (!unselected.Load(skinFile(L"CheckBox_Unselected_2.tif").c_str(), nullptr, -1, -1))
        return;
    for (CImageCheckBox* box : boxes)
        box->setInternalImages(&selected, &unselected);
}
