#include "CMFCToolBarButton.h"

BOOL CMFCToolBarButton::m_bWrapText = TRUE;
