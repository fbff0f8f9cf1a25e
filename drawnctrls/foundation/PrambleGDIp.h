#pragma once

// Everything of the drawn-control library in one include.
#include "CGDIpGradientComboBox.h"
#include "CGDIpGradientDialog.h"
#include "CGDIpTransparentCompCtrl.h"
#include "CPramble2012uApp.h"
#include "IGDIpGradientCtrl.h"
#include "IGDIpGradientDeepGraphitePack.h"
#include "IGDIpGradientRectGrayPack.h"
#include "IGDIpGradientRectPack.h"
#include "IGDIpHelper.h"
#include "IGradientCtrl.h"
#include "IOwnFontCtrl.h"
#include "ISizableCtrlsContainer.h"
#include "ITransparentCtrl.h"
