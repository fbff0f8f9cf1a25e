#pragma once

// A window told that the display language changed: it sets its captions,
// labels and list texts again through translate.
class IMultilangGUI
{
public:
    virtual ~IMultilangGUI() = default;
    virtual void v_translate() {}
};
