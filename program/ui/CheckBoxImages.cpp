#include "CheckBoxImages.h"

#include <CImageCheckBox.h>

#include <string>

void loadCheckBoxImages(CExtImage& selected, CExtImage& unselected, const std::vector<CImageCheckBox*>& boxes)
{
    const std::wstring folder = CImageCheckBox::getPath() + L"Kestrelwave\\";
    if (!selected.Load((folder + L"CheckBox_Selected_2.tif").c_str(), nullptr, -1, -1))
        return;
    if (!unselected.Load((folder + L"CheckBox_Unselected_2.tif").c_str(), nullptr, -1, -1))
        return;
    for (CImageCheckBox* box : boxes)
        box->setInternalImages(&selected, &unselected);
}
