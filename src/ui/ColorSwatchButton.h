// A button that shows one solid colour inside a thin white frame: the swatch a colour dialog
// fills. The template gives the button the owner-draw style.
#pragma once

#include "framework/Controls.h"

class ColorSwatchButton : public CButton {
public:
    // Shows `colour` from the next drawing on; always succeeds.
    BOOL SetColor(COLORREF colour);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    COLORREF colour_ = 0x0000FF;  // red until the dialog sets it
};
