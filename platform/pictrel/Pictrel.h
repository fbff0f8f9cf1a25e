#pragma once

// Everything of the image library in one include.
#include "CExtImage.h"
#include "CImageObject.h"
