#pragma once

#include <CGDIpStatic.h>
#include <CGDIpTransparentCompCtrl.h>

#include <Pictrel.h>

#include <string>

// An injector's name and value with one of three state images beside the
// name; the owner sets m_state and calls Invalidate.
class PRAMBLEGDIP_API CGDIpInjectorStateDisplay : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpInjectorStateDisplay)

public:
    CGDIpInjectorStateDisplay();
    ~CGDIpInjectorStateDisplay() override;
    // Takes the looks, the state, the flags and the image pointers.
    CGDIpInjectorStateDisplay& operator=(const CGDIpInjectorStateDisplay& other);

    // The images of the states 0, 1 and 2; they belong to the caller and
    // must outlive the display.
    void setInternalImages(CExtImage* state0, CExtImage* state1, CExtImage* state2);
    // Takes the image of the current state and repaints it.
    void Invalidate(int);
    // The program's folder followed by the skin sub-folder, computed once.
    static std::wstring getPath();

    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;
    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& r) override;

    int m_state = 0; // 0, 1 or 2; another value keeps the image shown
    CGDIpStatic m_name;
    CGDIpStatic m_value;
    bool m_nameCreated = false;
    bool m_valueCreated = false;
    bool m_imagesSet = false;
    CExtImage* m_images[3] = {};
    CExtImage m_image; // the state's image, scaled to the name's height
    CRect m_imageRect;

    static std::wstring m_sPath;

protected:
    void v_createSizableCtrls() override;

private:
    void takeStateImage(int height);
};
