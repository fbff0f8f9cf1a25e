#pragma once

#ifdef PRAMBLE_BUILD
#define PRAMBLE_API __declspec(dllexport)
#else
#define PRAMBLE_API __declspec(dllimport)
#endif
