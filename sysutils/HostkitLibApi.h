#pragma once

#ifdef HOSTKIT_BUILD
#define HOSTKIT_API __declspec(dllexport)
#else
#define HOSTKIT_API __declspec(dllimport)
#endif
