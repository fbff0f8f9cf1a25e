#pragma once

#include <CExtImage.h>

#include <vector>

class CImageCheckBox;

// The pages' check-box images "CheckBox_Selected_2.tif" and
// "CheckBox_Unselected_2.tif" from the program's skin folder, given to
// `boxes` only when both load; otherwise the boxes keep their own look.
void loadCheckBoxImages(CExtImage& selected, CExtImage& unselected,
                        const std::vector<CImageCheckBox*>& boxes);
