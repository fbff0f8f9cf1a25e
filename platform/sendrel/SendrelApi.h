#pragma once

#ifdef SENDREL_BUILD
#define SENDREL_API __declspec(dllexport)
#else
#define SENDREL_API __declspec(dllimport)
#endif
