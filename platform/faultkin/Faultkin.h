#pragma once

// Everything of the error library in one include.
#include "CRunTime.h"
#include "IError.h"
#include "ansi2unicode.h"
