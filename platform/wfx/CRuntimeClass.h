#pragma once

#include "WfxApi.h"

class CObject;

// The run-time class record of a class derived from CObject. Each record
// lives in the module that defines its class and is reached only through the
// class's exported GetThisClass(), so pointer identity holds across modules.
struct WFX_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();
    HINSTANCE m_hModule; // the module that defines the class

    CRuntimeClass(LPCSTR name, int size, UINT schema, CObject* (*create)(), CRuntimeClass* (*base)(),
                  HINSTANCE module);

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
};

// Modules that define run-time classes, in load order: where resources are
// looked for after the resource handle.
WFX_API int WfxModuleCount();
WFX_API HINSTANCE WfxModuleAt(int index);
