#include "CGDIpGradientComboBox.h"

IMPLEMENT_DYNAMIC(CGDIpGradientComboBox, CComboBox)

CGDIpGradientComboBox::CGDIpGradientComboBox() : ITransparentCtrl(this), IGDIpGradientCtrl(this) {}

CGDIpGradientComboBox::~CGDIpGradientComboBox() = default;
