#include "CObdDiagnostic.h"

CObdDiagnostic::CObdDiagnostic() = default;

CObdDiagnostic::~CObdDiagnostic() = default;
