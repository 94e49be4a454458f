#include "ui/HyperlinkStatic.h"

#include <shellapi.h>

#include <cstdio>

BEGIN_MESSAGE_MAP(HyperlinkStatic, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace {

constexpr int kOpened = 32;  // results above this are successes
constexpr UINT kToolId = 1;
constexpr char kBrowser[] = "IEXPLORE";
constexpr char kWebPageClass[] = ".htm";
constexpr char kOpenCommand[] = "\\shell\\open\\command";

std::string registryDefault(HKEY root, const std::string& key)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return {};
    char value[MAX_PATH] = "";
    LONG size = sizeof value;
    const bool read = ::RegQueryValueA(opened, nullptr, value, &size) == ERROR_SUCCESS;
    ::RegCloseKey(opened);
    return read ? value : std::string();
}

class SystemLinkOpener : public LinkOpener {
public:
    int openAddress(const std::string& address) override
    {
        return result(::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr,
                                      SW_SHOWNORMAL));
    }
    int openWithProgram(const char* program, const std::string& quotedAddress) override
    {
        return result(::ShellExecuteA(nullptr, "open", program, quotedAddress.c_str(), nullptr,
                                      SW_SHOWMAXIMIZED));
    }
    bool webPageCommand(std::string& command) override
    {
        const std::string handler = registryDefault(HKEY_CLASSES_ROOT, kWebPageClass);
        if (handler.empty())
            return false;
        command = registryDefault(HKEY_CLASSES_ROOT, handler + kOpenCommand);
        return !command.empty();
    }
    int runCommand(const std::string& commandLine) override
    {
        return static_cast<int>(::WinExec(commandLine.c_str(), SW_SHOW));
    }

private:
    static int result(HINSTANCE instance)
    {
        return static_cast<int>(reinterpret_cast<INT_PTR>(instance));
    }
};

// The registered command up to where the file goes: before a quoted "%1", or before a bare one.
std::string commandWithoutFile(const std::string& command)
{
    const std::size_t quoted = command.find("\"%1\"");
    if (quoted != std::string::npos)
        return command.substr(0, quoted);
    const std::size_t bare = command.find("%1");
    return bare != std::string::npos ? command.substr(0, bare) : command;
}

}  // namespace

LinkOpener& systemLinkOpener()
{
    static SystemLinkOpener opener;
    return opener;
}

HyperlinkStatic::HyperlinkStatic(LinkOpener& linkOpener)
    : hoverColor(::GetSysColor(COLOR_HIGHLIGHT)), opener(linkOpener)
{
}

HyperlinkStatic::~HyperlinkStatic()
{
    if (tooltip.m_hWnd != nullptr)
        tooltip.DestroyWindow();
    if (font != nullptr)
        ::DeleteObject(font);
}

void HyperlinkStatic::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    const std::string text = GetWindowText();
    if (url.empty())
        url = text;
    if (text.empty())
        SetWindowText(url.c_str());

    LOGFONTA description{};
    ::GetObjectA(GetFont(), sizeof description, &description);
    description.lfUnderline = static_cast<BYTE>(underline);
    font = ::CreateFontIndirectA(&description);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);

    adjustToFit();
    // The system's hand: the design's help viewer, whose cursor it borrowed, is long gone.
    linkCursor = ::LoadCursorA(nullptr, IDC_HAND);

    RECT client;
    GetClientRect(&client);
    if (tooltip.Create(this))
        tooltip.AddTool(this, url.c_str(), client, kToolId);
}

void HyperlinkStatic::adjustToFit()
{
    if (adjustToFitText == 0)
        return;
    RECT bounds;
    GetWindowRect(&bounds);
    ::MapWindowPoints(nullptr, GetParent(), reinterpret_cast<POINT*>(&bounds), 2);
    const std::string text = GetWindowText();
    const HDC dc = ::GetDC(m_hWnd);
    const HGDIOBJ old = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);

    const DWORD style = GetStyle();
    const int height = bounds.bottom - bounds.top;
    const int width = bounds.right - bounds.left;
    if ((style & SS_CENTERIMAGE) != 0)
        bounds.top += (height - extent.cy) / 2;
    bounds.bottom = bounds.top + extent.cy;
    if ((style & SS_TYPEMASK) == SS_CENTER)
        bounds.left += (width - extent.cx) / 2;
    else if ((style & SS_TYPEMASK) == SS_RIGHT)
        bounds.left = bounds.right - extent.cx;
    bounds.right = bounds.left + extent.cx;
    ::SetWindowPos(m_hWnd, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

int HyperlinkStatic::open()
{
    // The address is never left to split into several arguments: a link with a quote of its
    // own is not opened at all.
    int result = 0;
    if (url.find('"') == std::string::npos) {
        const std::string quoted = "\"" + url + "\"";
        result = opener.openAddress(url);
        if (result <= kOpened)
            result = opener.openWithProgram(kBrowser, quoted);
        std::string command;
        if (result <= kOpened && opener.webPageCommand(command))
            result = opener.runCommand(commandWithoutFile(command) + " " + quoted);
    }
    SetVisited(result > kOpened);
    if (result <= kOpened) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        AfxMessageBox(("Unable to open hyperlink:\n\n" + errorText(result)).c_str(),
                      MB_ICONEXCLAMATION);
    }
    return result;
}

std::string HyperlinkStatic::errorText(int code)
{
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case SE_ERR_FNF:
        return "The specified file was not found.";
    case SE_ERR_PNF:
        return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED:
        return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM:
        return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE:
        return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE:
        return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL:
        return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return "The DDE transaction could not\nbe completed because other DDE transactions\n"
               "were being processed.";
    case SE_ERR_NOASSOC:
        return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND:
        return "The specified dynamic-link library was not found.";
    default: {
        char text[64];
        std::snprintf(text, sizeof text, "Unknown Error (%d) occurred.", code);
        return text;
    }
    }
}

void HyperlinkStatic::SetVisited(bool flag)
{
    visited = flag ? 1 : 0;
    if (m_hWnd != nullptr)
        Invalidate();
}

COLORREF HyperlinkStatic::textColor() const
{
    return over != 0 ? hoverColor : visited != 0 ? visitedColor : linkColor;
}

void HyperlinkStatic::OnClicked()
{
    open();
}

HBRUSH HyperlinkStatic::CtlColor(HDC dc, UINT)
{
    ::SetTextColor(dc, textColor());
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL HyperlinkStatic::OnSetCursor(HWND, UINT, UINT)
{
    if (linkCursor == nullptr)
        return FALSE;
    ::SetCursor(linkCursor);
    return TRUE;
}

void HyperlinkStatic::OnMouseMove(UINT flags, CPoint point)
{
    CStatic::OnMouseMove(flags, point);
    if (over == 0) {
        over = 1;
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        SetCapture();
        return;
    }
    RECT client;
    GetClientRect(&client);
    if (!::PtInRect(&client, point)) {
        over = 0;
        ::ReleaseCapture();
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}
