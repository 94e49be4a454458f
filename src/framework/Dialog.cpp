#include "framework/Dialog.h"

#include "framework/WinApp.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::~CDialog()
{
    DestroyWindow();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd == nullptr) {
        wnd = TakeObjectBeingCreated();
        if (wnd == nullptr)
            return FALSE;
        wnd->SubclassWindow(hwnd);
    }
    // Everything else reaches the object through its subclassed window procedure first; the
    // dialog procedure only answers WM_INITDIALOG, when the message map left it to default.
    if (message == WM_INITDIALOG)
        return static_cast<CDialog*>(wnd)->OnInitDialog();
    return FALSE;
}

HWND CDialog::ownerWindow(CWnd* parent) const
{
    if (parent != nullptr)
        return parent->m_hWnd;
    CWnd* const mainWnd = AfxGetMainWnd();
    return mainWnd != nullptr ? mainWnd->m_hWnd : nullptr;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    HookWindowCreate();
    const HWND hwnd = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(templateId),
                                           ownerWindow(parent), DialogProc, 0);
    UnhookWindowCreate();
    return hwnd != nullptr;
}

namespace {

// The system's modal loop never calls our PreTranslateMessage; it offers every message to the
// thread's message filter hook instead, which passes it on to the window it is for and that
// window's parents, up to the dialog, as the application's own loop does.
LRESULT CALLBACK dialogMessageFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
            CWnd* const wnd = CWnd::FromHandlePermanent(hwnd);
            if (wnd != nullptr && wnd->PreTranslateMessage(msg))
                return TRUE;
            if ((::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) == 0)
                break;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

INT_PTR CDialog::DoModal()
{
    const HHOOK filter =
        ::SetWindowsHookExA(WH_MSGFILTER, dialogMessageFilter, nullptr, ::GetCurrentThreadId());
    m_runningModal = true;
    HookWindowCreate();
    const INT_PTR result =
        ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                          ownerWindow(m_pParentWnd), DialogProc, 0);
    UnhookWindowCreate();
    m_runningModal = false;
    ::UnhookWindowsHookEx(filter);
    return result;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    const bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                       (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    // A modal dialog's own loop does the keyboard navigation itself.
    if (!input || m_hWnd == nullptr || m_runningModal)
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}
