#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// Takes the dialog item `id` of `parent`, a static that marks where a
// control is to be made: its rectangle in the parent's client coordinates
// goes to `rect` and the static is destroyed. False, with nothing changed,
// when the parent has no such item.
PRAMBLE_API bool takePlaceholderStatic(UINT id, CWnd* parent, CRect& rect);
