// A check box that keeps its own checked state and draws itself: a pair of icons (checked and
// unchecked) or a round coloured indicator beside its caption, on a rounded highlight while the
// pointer is over it. A click flips the state and is then passed to the parent as a command.
#pragma once

#include "framework/Controls.h"

class IconCheckBox : public CButton {
public:
    ~IconCheckBox() override;

    void SetCheck(bool check, bool redraw = true);
    bool isChecked() const { return checked != 0; }
    // Loads the icon pair (the checked picture first); with either missing, the indicator shows.
    void SetIcons(UINT checkedIconId, UINT uncheckedIconId);
    void SetIndicatorColors(COLORREF on, COLORREF off);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    void PreSubclassWindow() override;
    LRESULT OnSetCheckMessage(WPARAM state, LPARAM);
    LRESULT OnGetCheckMessage(WPARAM, LPARAM);
    void OnClicked();
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseLeave(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    void dropIcons();
    void drawIndicator(HDC dc, RECT square) const;
    void drawCaption(HDC dc, RECT area) const;

    DWORD style = 0;       // the window style after subclassing: text side and alignment
    int hover = 0;         // the pointer is over the control
    int checked = 0;       // the check state, kept here
    int disabled = 0, focused = 0, pressed = 0;  // from the item state of the last drawing
    int indicatorSize = 15;          // diameter of the round indicator
    COLORREF onColor = 0x00FF00;     // the indicator's fill when checked
    COLORREF offColor = 0x007F00;    // its fill when unchecked, and the colour of its inner ring
    HICON checkedIcon = nullptr;
    HICON uncheckedIcon = nullptr;
    int checkedIconWidth = 0, checkedIconHeight = 0;
    int uncheckedIconWidth = 0, uncheckedIconHeight = 0;
};
