#include "IMultiPageButton.h"

#include "IMultiPageCtrl.h"

IMultiPageButton::~IMultiPageButton() = default;

void IMultiPageButton::activate()
{
    if (m_mpc)
        m_mpc->activatePage(this);
}
