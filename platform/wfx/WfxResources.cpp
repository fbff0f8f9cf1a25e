#include "WfxResources.h"

#include "WfxInternal.h"

namespace {

HINSTANCE g_resourceHandle = nullptr;

bool holds(HINSTANCE module, LPCWSTR name, LPCWSTR type)
{
    return module && FindResourceW(module, name, type) != nullptr;
}

} // namespace

HINSTANCE wfxModule()
{
    return WFX_THIS_MODULE;
}

HINSTANCE AfxGetInstanceHandle()
{
    return GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceHandle ? g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_resourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType, const CRuntimeClass* pAskingClass)
{
    if (holds(AfxGetResourceHandle(), lpszName, lpszType))
        return AfxGetResourceHandle();
    for (const CRuntimeClass* c = pAskingClass; c; c = c->GetBaseClass())
        if (holds(c->m_hModule, lpszName, lpszType))
            return c->m_hModule;
    for (int i = 0; i < WfxModuleCount(); ++i)
        if (holds(WfxModuleAt(i), lpszName, lpszType))
            return WfxModuleAt(i);
    return holds(AfxGetInstanceHandle(), lpszName, lpszType) ? AfxGetInstanceHandle() : nullptr;
}
