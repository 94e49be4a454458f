// Message maps in MFC's spelling. BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP expands into one virtual
// function, OnMessageMap, made of an if-chain: each entry that matches calls its handler, stores the
// result and reports the message handled; a message no entry takes falls through to the base class's
// map. Whether a message was handled is kept apart from its result, because 0 is a valid result.
#pragma once

#include "framework/Afx.h"

// Messages reflected from a parent to the control they are about arrive at the control's map
// offset by this base, so that a control tells its own notifications from messages sent to it.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

#define DECLARE_MESSAGE_MAP()                                                                 \
protected:                                                                                    \
    bool OnMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                 \
    bool theClass::OnMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)  \
    {                                                                                          \
        using ThisBase = baseClass;                                                            \
        (void)wParam;                                                                          \
        (void)lParam;

#define END_MESSAGE_MAP()                                                                      \
        return ThisBase::OnMessageMap(message, wParam, lParam, pResult);                      \
    }

#define AFX_MSG_ENTRY(msg, call)                                                               \
    if (message == (msg)) {                                                                    \
        call;                                                                                  \
        return true;                                                                           \
    }

// Window messages sent to the window itself.
#define ON_WM_CREATE()                                                                         \
    AFX_MSG_ENTRY(WM_CREATE, *pResult = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, OnDestroy(); *pResult = 0)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, OnClose(); *pResult = 0)
#define ON_WM_SIZE()                                                                           \
    AFX_MSG_ENTRY(WM_SIZE, OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), \
                                  static_cast<short>(HIWORD(lParam)));                        \
                  *pResult = 0)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, OnPaint(); *pResult = 0)
#define ON_WM_ERASEBKGND()                                                                     \
    AFX_MSG_ENTRY(WM_ERASEBKGND, *pResult = OnEraseBkgnd(reinterpret_cast<HDC>(wParam)))
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, OnTimer(static_cast<UINT_PTR>(wParam)); *pResult = 0)
#define ON_WM_SETFOCUS()                                                                       \
    AFX_MSG_ENTRY(WM_SETFOCUS, OnSetFocus(reinterpret_cast<HWND>(wParam)); *pResult = 0)
#define ON_WM_ACTIVATE()                                                                       \
    AFX_MSG_ENTRY(WM_ACTIVATE, OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam),      \
                                          HIWORD(wParam) != 0);                               \
                  *pResult = 0)
#define AFX_MOUSE_ENTRY(msg, handler)                                                          \
    AFX_MSG_ENTRY(msg, handler(static_cast<UINT>(wParam),                                      \
                               CPoint(static_cast<short>(LOWORD(lParam)),                      \
                                      static_cast<short>(HIWORD(lParam))));                    \
                  *pResult = 0)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_KILLFOCUS()                                                                      \
    AFX_MSG_ENTRY(WM_KILLFOCUS, OnKillFocus(reinterpret_cast<HWND>(wParam)); *pResult = 0)
#define ON_WM_CAPTURECHANGED()                                                                 \
    AFX_MSG_ENTRY(WM_CAPTURECHANGED, OnCaptureChanged(reinterpret_cast<HWND>(lParam)); *pResult = 0)
#define AFX_SCROLL_ENTRY(msg, handler)                                                         \
    AFX_MSG_ENTRY(msg, handler(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); \
                  *pResult = 0)
#define ON_WM_HSCROLL() AFX_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() AFX_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)
// The parent's own answer to every WM_CTLCOLOR* that no control took for itself.
#define ON_WM_CTLCOLOR()                                                                       \
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {                        \
        *pResult = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam),          \
                                                        reinterpret_cast<HWND>(lParam), message)); \
        return true;                                                                           \
    }
#define ON_WM_SETCURSOR()                                                                      \
    AFX_MSG_ENTRY(WM_SETCURSOR, *pResult = OnSetCursor(reinterpret_cast<HWND>(wParam),         \
                                                       LOWORD(lParam), HIWORD(lParam)))

// Any message, with a handler of the form LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(msg, handler) AFX_MSG_ENTRY(msg, *pResult = handler(wParam, lParam))

// Commands and control notifications that reach the parent (routed through OnCmdMsg).
#define ON_CONTROL(code, id, handler)                                                          \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) {         \
        handler();                                                                             \
        *pResult = 0;                                                                          \
        return true;                                                                           \
    }
#define ON_COMMAND(id, handler) ON_CONTROL(0, id, handler)
#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
// A notification from any control of an id range; the handler takes the control's id.
#define ON_CONTROL_RANGE(code, firstId, lastId, handler)                                       \
    if (message == WM_COMMAND && LOWORD(wParam) >= (firstId) && LOWORD(wParam) <= (lastId) &&  \
        HIWORD(wParam) == (code)) {                                                            \
        handler(LOWORD(wParam));                                                               \
        *pResult = 0;                                                                          \
        return true;                                                                           \
    }
#define ON_STN_CLICKED(id, handler) ON_CONTROL(STN_CLICKED, id, handler)
#define ON_NOTIFY(notifyCode, id, handler)                                                     \
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->idFrom == (id) &&            \
        reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode)) {             \
        handler(reinterpret_cast<NMHDR*>(lParam), pResult);                                    \
        return true;                                                                           \
    }

// Notifications reflected back to the control object they are about.
#define ON_CONTROL_REFLECT(code, handler)                                                      \
    if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (code)) {                 \
        handler();                                                                             \
        *pResult = 0;                                                                          \
        return true;                                                                           \
    }
#define ON_NOTIFY_REFLECT(notifyCode, handler)                                                 \
    if (message == WM_REFLECT_BASE + WM_NOTIFY &&                                              \
        reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode)) {             \
        handler(reinterpret_cast<NMHDR*>(lParam), pResult);                                    \
        return true;                                                                           \
    }
#define ON_WM_DRAWITEM_REFLECT()                                                               \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM,                                               \
                  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));                        \
                  *pResult = TRUE)
#define ON_WM_MEASUREITEM_REFLECT()                                                            \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM,                                            \
                  MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));                  \
                  *pResult = TRUE)
#define ON_WM_HSCROLL_REFLECT()                                                                \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL,                                                \
                  HScroll(LOWORD(wParam), HIWORD(wParam));                                     \
                  *pResult = 0)
// All WM_CTLCOLOR* messages reflect as one; the handler's null brush means "not handled".
#define ON_WM_CTLCOLOR_REFLECT()                                                               \
    if (message == WM_REFLECT_BASE + WM_CTLCOLORSTATIC || message == WM_REFLECT_BASE + WM_CTLCOLORBTN || \
        message == WM_REFLECT_BASE + WM_CTLCOLOREDIT || message == WM_REFLECT_BASE + WM_CTLCOLORLISTBOX || \
        message == WM_REFLECT_BASE + WM_CTLCOLORDLG || message == WM_REFLECT_BASE + WM_CTLCOLORSCROLLBAR) { \
        HBRUSH reflectedBrush = CtlColor(reinterpret_cast<HDC>(wParam), message - WM_REFLECT_BASE); \
        if (reflectedBrush != nullptr) {                                                       \
            *pResult = reinterpret_cast<LRESULT>(reflectedBrush);                              \
            return true;                                                                       \
        }                                                                                      \
    }
