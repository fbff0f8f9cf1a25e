#include "CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

const WfxMsgMapEntry kNoEntries[] = {{0, 0, 0, 0, nullptr}};

bool matches(const WfxMsgMapEntry& e, UINT message, UINT code, UINT id)
{
    return e.message == message && e.code == code && id >= e.firstId && id <= e.lastId;
}

} // namespace

const WfxMsgMap* CCmdTarget::GetThisMessageMap()
{
    static const WfxMsgMap map = {nullptr, kNoEntries};
    return &map;
}

const WfxMsgMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const WfxMsgMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const
{
    for (const WfxMsgMap* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const WfxMsgMapEntry* e = map->entries; e->message; ++e)
            if (matches(*e, message, code, id))
                return e;
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo)
{
    UINT message = WM_COMMAND;
    UINT code = UINT(nCode);
    if (nCode == CN_NOTIFY) {
        message = WM_NOTIFY;
        code = static_cast<WfxNotifyInfo*>(pExtra)->hdr->code;
    }
    const WfxMsgMapEntry* entry = FindMessageEntry(message, code, nID);
    if (!entry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->target = this;
        pHandlerInfo->entry = entry;
        return TRUE;
    }
    WfxMsgCall call{message, 0, 0, 0, nID, pExtra};
    return entry->handler(this, call);
}
