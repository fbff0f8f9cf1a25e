#pragma once

#ifdef PICTREL_BUILD
#define PICTREL_API __declspec(dllexport)
#else
#define PICTREL_API __declspec(dllimport)
#endif
