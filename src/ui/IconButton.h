// A push button that draws itself flat, with an optional icon beside or above its caption, and a
// thin raised border while the pointer is over it (a sunken one while pressed). Bound to a button
// of a dialog template, it makes that button owner-drawn.
#pragma once

#include "framework/Controls.h"

class IconButton : public CButton {
public:
    IconButton();
    ~IconButton() override;

    // Loads the icon shown while hovering or pressed and the one shown otherwise (0: the same),
    // both `width` x `height` pixels, and redraws at once.
    void SetIcon(UINT hoverIconId, UINT idleIconId, int width, int height);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

    int align = 0;          // 0: icon left of the caption; 1: icon above it
    int showText = 1;       // 0: the caption is not drawn
    int drawBorder = 1;     // flat style: the thin border while hovering or pressed
    int flat = 1;           // 1: flat with the hover border; 0: classic 3-D button
    int drawFlatFocus = 0;  // flat style: draw the focus frame too
    HCURSOR cursor = nullptr;  // shown over the button; none means the default

protected:
    void PreSubclassWindow() override;
    void OnMouseMove(UINT flags, CPoint point);
    void OnCaptureChanged(HWND window);
    void OnKillFocus(HWND window);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);

    DECLARE_MESSAGE_MAP()

private:
    void drawBorders(HDC dc, RECT& area, bool pressed) const;
    void drawIcon(HDC dc, const RECT& item, RECT& textArea, bool hasText, bool pressed,
                  bool disabled) const;

    int mouseOn = 0;               // the pointer is over the button (flat style only)
    HICON iconIn = nullptr;        // shown while hovering or pressed
    HICON iconOut = nullptr;       // shown otherwise
    unsigned char iconWidth = 0;   // pixels
    unsigned char iconHeight = 0;
    COLORREF backIn, foreIn;       // background and text while hovering or pressed
    COLORREF backOut, foreOut;     // background and text otherwise
};
