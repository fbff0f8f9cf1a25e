#pragma once

#include "CObject.h"

class CCmdTarget;

// One message on its way through a handler table: what the handler reads and
// what it answers (result). For commands and notifications `id` is the
// control or command id and `extra` points at a CCmdUI or a WfxNotifyInfo.
struct WfxMsgCall
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
    UINT id;
    void* extra;
};

// Calls the handler of one entry; FALSE when the handler declined (the _EX
// forms), so the message goes on to the next target.
using WfxMsgHandler = BOOL (*)(CCmdTarget* target, WfxMsgCall& call);

struct WfxMsgMapEntry
{
    UINT message; // 0 ends a table
    UINT code;    // notification code of command and notification entries
    UINT firstId;
    UINT lastId;
    WfxMsgHandler handler;
};

// A class's handler table, chained to its base class's table.
struct WfxMsgMap
{
    const WfxMsgMap* (*pfnGetBaseMap)();
    const WfxMsgMapEntry* entries;
};

// Codes of OnCmdMsg besides the control notification codes (0..0xFFFF).
enum : int
{
    CN_COMMAND = 0,
    CN_UPDATE_COMMAND_UI = -1,
    CN_NOTIFY = -2 // pExtra is a WfxNotifyInfo
};

struct WfxNotifyInfo
{
    NMHDR* hdr;
    LRESULT* result;
};

// Filled instead of calling the handler, to ask whether one exists.
struct WfxCmdHandlerInfo
{
    CCmdTarget* target;
    const WfxMsgMapEntry* entry;
};

class WFX_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;

    // Routes a command, an update-UI request or a notification to this
    // object's handler tables. Targets that pass commands on to others
    // (frames, views) override it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo);

    virtual const WfxMsgMap* GetMessageMap() const;
    static const WfxMsgMap* GetThisMessageMap();

    // The first entry for message/code/id, searching the most derived
    // class's table first and then the bases'.
    const WfxMsgMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;
};
