#include "framework/Wnd.h"

#include "framework/Menu.h"
#include "framework/WinApp.h"

#include <unordered_map>

namespace {

// Every window the framework knows, by handle. One user-interface thread owns all of them.
std::unordered_map<HWND, CWnd*>& handleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The object whose window is being created: the shared window procedure binds it to the first
// message of an unknown window, which arrives before CreateWindowEx returns.
thread_local CWnd* objectBeingCreated = nullptr;

// The message being handled, for Default().
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local CurrentMessage currentMessage{};

bool isCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Hands an owner-drawn item of the tracked popup menu to its CMenu object.
template <typename Handle>
bool toTrackedMenu(Handle handle, LRESULT* pResult)
{
    CMenu* const menu = CMenu::TrackedMenu();
    if (menu == nullptr)
        return false;
    handle(*menu);
    *pResult = TRUE;
    return true;
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd == nullptr) {
        wnd = CWnd::TakeObjectBeingCreated();
        if (wnd == nullptr)
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        wnd->Attach(hwnd);
    }

    const CurrentMessage outerMessage = currentMessage;
    currentMessage = {message, wParam, lParam};
    ++wnd->m_dispatchDepth;
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    --wnd->m_dispatchDepth;
    currentMessage = outerMessage;

    if (message == WM_NCDESTROY) {
        // Hand the window back to its own procedure only if nobody subclassed it after us.
        if (wnd->m_superWndProc != nullptr &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) == AfxWndProc)
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_superWndProc));
        handleMap().erase(hwnd);
        wnd->m_destroyed = true;
    }
    // A window destroyed from inside one of its own handlers keeps its handle until the outermost
    // message returns, so that code after the destroying call still sees a consistent object.
    if (wnd->m_destroyed && wnd->m_dispatchDepth == 0)
        wnd->OnFinalRelease();
    return result;
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr)
        handleMap().erase(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    const auto found = handleMap().find(hwnd);
    return found == handleMap().end() ? nullptr : found->second;
}

void CWnd::HookWindowCreate()
{
    objectBeingCreated = this;
}

void CWnd::UnhookWindowCreate()
{
    if (objectBeingCreated == this)
        objectBeingCreated = nullptr;
}

CWnd* CWnd::TakeObjectBeingCreated()
{
    CWnd* const wnd = objectBeingCreated;
    objectBeingCreated = nullptr;
    return wnd;
}

void CWnd::Attach(HWND hwnd)
{
    m_hWnd = hwnd;
    m_destroyed = false;
    handleMap()[hwnd] = this;
}

void CWnd::OnFinalRelease()
{
    m_hWnd = nullptr;
    m_superWndProc = nullptr;
    m_destroyed = false;
    PostNcDestroy();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, LPVOID param)
{
    CREATESTRUCTA cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    HookWindowCreate();
    const HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                        static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                        cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    UnhookWindowCreate();

    // A class that is not ours never called our procedure: bind the object by subclassing.
    if (hwnd != nullptr && m_hWnd == nullptr)
        SubclassWindow(hwnd);
    return hwnd != nullptr;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id)
{
    return CreateEx(0, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent != nullptr ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (m_hWnd != nullptr || hwnd == nullptr || FromHandlePermanent(hwnd) != nullptr)
        return FALSE;
    Attach(hwnd);
    PreSubclassWindow();
    m_superWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    const HWND hwnd = m_hWnd;
    if (hwnd == nullptr || m_superWndProc == nullptr)
        return nullptr;
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superWndProc));
    handleMap().erase(hwnd);
    m_hWnd = nullptr;
    m_superWndProc = nullptr;
    return hwnd;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superWndProc != nullptr)
        return ::CallWindowProcA(m_superWndProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(currentMessage.message, currentMessage.wParam, currentMessage.lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            return false;
        *pResult = 0;
        return true;
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, pResult) != FALSE;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return toTrackedMenu([item](CMenu& menu) { menu.DrawItem(item); }, pResult);
        if (ReflectToChild(item->hwndItem, message, wParam, lParam, pResult))
            return true;
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return toTrackedMenu([item](CMenu& menu) { menu.MeasureItem(item); }, pResult);
        if (ReflectToChild(::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)), message, wParam,
                           lParam, pResult))
            return true;
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, pResult))
            return true;
        break;
    default:
        if (isCtlColor(message) &&
            ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, pResult))
            return true;
        break;
    }
    return OnMessageMap(message, wParam, lParam, pResult);
}

bool CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (child == nullptr || child == m_hWnd)
        return false;
    CWnd* const control = FromHandlePermanent(child);
    return control != nullptr && control->OnChildNotify(message, wParam, lParam, pResult);
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return OnMessageMap(WM_REFLECT_BASE + message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    LRESULT ignored = 0;
    if (lParam != 0 &&
        ReflectToChild(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam, &ignored))
        return TRUE;
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    return OnMessageMap(WM_NOTIFY, wParam, lParam, pResult);
}

BOOL CWnd::OnCmdMsg(UINT id, int code)
{
    LRESULT ignored = 0;
    return OnMessageMap(WM_COMMAND, MAKEWPARAM(id, code), 0, &ignored);
}

bool CWnd::OnMessageMap(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

std::string CWnd::GetWindowText() const
{
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(m_hWnd, text.data(),
                                                          static_cast<int>(text.size()))));
    return text;
}

void CWnd::CenterWindow(HWND alternateOwner)
{
    HWND owner = alternateOwner != nullptr ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area{};
    if (owner != nullptr)
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ::SetWindowPos(m_hWnd, nullptr, (area.left + area.right - width) / 2,
                   (area.top + area.bottom - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static BOOL modifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    const DWORD old = static_cast<DWORD>(::GetWindowLongA(hwnd, index));
    const DWORD updated = (old & ~remove) | add;
    if (old == updated)
        return FALSE;
    ::SetWindowLongA(hwnd, index, static_cast<LONG>(updated));
    if (swpFlags != 0)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return modifyLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return modifyLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) const
{
    const CWinApp* const app = AfxGetApp();
    if (caption == nullptr && app != nullptr)
        caption = app->m_pszAppName.c_str();
    return ::MessageBoxA(m_hWnd, text, caption, type);
}
