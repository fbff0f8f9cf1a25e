#pragma once

#include <functional>

class CLPGDevice;
class CSettingsRecord;
class CWnd;

// What every settings handler of the pages repeats. A handler wraps its
// body in runSettingsHandler and changes the record through changeSetting:
//
//     void CMyPage::OnSelendokCmbDelay()
//     {
//         runSettingsHandler(this, L"CMyPage::OnSelendokCmbDelay", [&] {
//             changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
//                 return setIfChanged(r.m_base.m_switchDelay, m_delay.getSelValue());
//             });
//         });
//     }

using BlockWrite = bool (CLPGDevice::*)();

// The one gate of every settings change made from a page or a dialog.
//
// The controller a page may ask without changing its settings (reads, live
// readings, clearing its errors, the unlock itself): connected, and no
// procedure of the program pumping messages meanwhile. Null otherwise.
CLPGDevice* readableDevice();
// True while a connected controller is locked (a password, or a lock that
// could not be read): its settings are only shown.
bool settingsLocked();
// The controller whose settings a handler may change: readable and not
// locked. Null otherwise.
CLPGDevice* editableDevice();
// The record a handler may change also without a controller (the settings
// that say so): null without a controller object, while a procedure pumps
// messages and while a connected controller is locked.
CSettingsRecord* changeableRecord();
// While the settings are locked, every control of a dialog but its OK and
// Cancel buttons is disabled: the dialog only shows them.
void showReadOnlyWhileLocked(CWnd& dialog);

// Runs `body` with the wait cursor shown (unless `waitCursor` is false). An
// IError* thrown on the way is shown over `page` under the handler's name
// and deleted. While a procedure of the program pumps messages (the busy
// flag) the body does not run at all: a second action never starts inside
// the first one's wait.
void runSettingsHandler(CWnd* page, const wchar_t* handler, const std::function<void()>& body,
                        bool waitCursor = true);

// Writes one block of the connected controller; a failure shows "Can't
// write settings to device!" over `page`. The record keeps its change.
// Nothing is written while the settings are locked.
bool writeSettingsBlock(CWnd* page, BlockWrite write);

// The common change of one setting: when a controller may be changed,
// `change` edits its record and says whether anything changed; a change is
// then written with `write`. Without a controller nothing changes. True
// when a change was written.
bool changeSetting(CWnd* page, BlockWrite write, const std::function<bool(CSettingsRecord&)>& change);

// A change the record takes whether or not a controller is connected (the
// check boxes that say so): `change` edits the changeable record, and the
// block is written only when a controller may be changed.
void changeSettingAlways(CWnd* page, BlockWrite write, const std::function<void(CSettingsRecord&)>& change);

// The translated "Can't write settings to device!" over `page`, with the error icon.
void showCantWrite(CWnd* page);
// A translated text over `page`, captioned "Kestrelwave", with the error icon.
void showPageError(CWnd* page, const wchar_t* text);

// Stores `value` into `field` when it differs; true when it did.
template <class T, class V> bool setIfChanged(T& field, V value)
{
    if (field == static_cast<T>(value))
        return false;
    field = static_cast<T>(value);
    return true;
}

// Sets or clears `mask` in `flags`.
template <class T> void setFlag(T& flags, unsigned mask, bool on)
{
    flags = static_cast<T>(on ? flags | mask : flags & ~mask);
}
