#include "IGradientCtrl.h"

IGradientCtrl::~IGradientCtrl() = default;
