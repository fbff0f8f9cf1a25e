#include "CRuntimeClass.h"

#include <mutex>
#include <vector>

namespace {

struct ModuleList
{
    std::mutex lock;
    std::vector<HINSTANCE> modules;
};

ModuleList& moduleList()
{
    static ModuleList list;
    return list;
}

void registerModule(HINSTANCE module)
{
    ModuleList& list = moduleList();
    std::lock_guard<std::mutex> guard(list.lock);
    for (HINSTANCE m : list.modules)
        if (m == module)
            return;
    list.modules.push_back(module);
}

} // namespace

int WfxModuleCount()
{
    ModuleList& list = moduleList();
    std::lock_guard<std::mutex> guard(list.lock);
    return int(list.modules.size());
}

HINSTANCE WfxModuleAt(int index)
{
    ModuleList& list = moduleList();
    std::lock_guard<std::mutex> guard(list.lock);
    return index >= 0 && index < int(list.modules.size()) ? list.modules[index] : nullptr;
}

CRuntimeClass::CRuntimeClass(LPCSTR name, int size, UINT schema, CObject* (*create)(),
                             CRuntimeClass* (*base)(), HINSTANCE module)
    : m_lpszClassName(name), m_nObjectSize(size), m_wSchema(schema), m_pfnCreateObject(create),
      m_pfnGetBaseClass(base), m_hModule(module)
{
    if (module)
        registerModule(module);
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* c = this; c; c = c->GetBaseClass())
        if (c == pBaseClass)
            return TRUE;
    return FALSE;
}
