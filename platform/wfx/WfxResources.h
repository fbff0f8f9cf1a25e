#pragma once

#include "CObject.h"

// Where resources are looked for: the resource handle (the program unless
// changed), then the modules of the asking object's class and its bases,
// then every module that defines run-time classes.
WFX_API HINSTANCE AfxGetInstanceHandle();
WFX_API HINSTANCE AfxGetResourceHandle();
WFX_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// The first module holding the resource, or null.
WFX_API HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType,
                                        const CRuntimeClass* pAskingClass = nullptr);
