#pragma once

#include "IMultilangGUI.h"

#include <string>

// What the pages ask of the program around them: the document answers.
class IProgramShell : public IMultilangGUI
{
public:
    // The reading thread, stopped and started again with a recording path.
    virtual bool stopDiagThread() = 0;
    virtual bool startDiagThread(const std::wstring& path) = 0;
    // Every page but the lock, information, bottom and left pages follows the lock.
    virtual void enablePages(bool locked) = 0;
};

// Set while the document lives; pages without a document go without.
extern IProgramShell* g_pShell;
