#pragma once

// The older control library: composite control base, filtered and masked
// edits, in-place cell editors and the sortable header.

#include "CColorStatic.h"
#include "CCompCtrl.h"
#include "CDateEditEx.h"
#include "CEditEx.h"
#include "CExtEdit.h"
#include "CFloatEdit.h"
#include "CIntEdit.h"
#include "CItemComboBox.h"
#include "CItemCtrl.h"
#include "CItemEdit.h"
#include "CItemWnd.h"
#include "CSortHeaderCtrl.h"
#include "PlaceholderStatic.h"
#include "SRange.h"
#include "SSection.h"

// Extended dialogs: file dialog, property sheet and tabs, rectangle tracker,
// self-contained dialog.
#include "CExtPropSheet.h"
#include "CExtPropertyPage.h"
#include "CExtTabCtrl.h"
#include "CFileDial.h"
#include "CFileFilter.h"
#include "CFilePath.h"
#include "CNoAfxDlg.h"
#include "CRectTrackerEx.h"
#include "CTabCtrlEx.h"
