#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

#include <string>

// A document base that keeps at most one open document (of any class derived
// from it) in single-instance mode, bringing the open one's frames forward
// instead of opening another. Multi-instance documents take no part.
class PRAMBLE_API CQuillbaseDoc : public CDocument
{
    DECLARE_DYNCREATE(CQuillbaseDoc)

public:
    ~CQuillbaseDoc() override;

    BOOL OnNewDocument() override;
    void OnCloseDocument() override;

protected:
    CQuillbaseDoc();
    CQuillbaseDoc(bool multi, std::wstring title, std::wstring templateKey);

    virtual int running();
    virtual void inc();
    virtual void dec();
    // Brings the frames of the open document of the template whose document
    // name is the template key to the top.
    void activate();

    static int m_running;

    bool m_multi = false;
    std::wstring m_title;
    std::wstring m_templateKey;

private:
    void uncount();

    bool m_counted = false; // this document is the one m_running counts
};
