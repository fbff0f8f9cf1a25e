#pragma once

// The eight OBD mode-01 values relayed by the controller's OBD module.
class CObdDiagnostic
{
public:
    CObdDiagnostic();
    CObdDiagnostic(const CObdDiagnostic&) = delete;
    CObdDiagnostic& operator=(const CObdDiagnostic&) = delete;
    virtual ~CObdDiagnostic();
};
