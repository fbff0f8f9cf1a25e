#include "IMultiPageCtrl.h"

IMultiPageCtrl::~IMultiPageCtrl() = default;
