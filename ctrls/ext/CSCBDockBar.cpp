#include "CSCBDockBar.h"

CSCBDockBar::CSCBDockBar() = default;

CSCBDockBar::~CSCBDockBar() = default;
