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

INT_PTR CDialog::DoModal()
{
    HookWindowCreate();
    const INT_PTR result =
        ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                          ownerWindow(m_pParentWnd), DialogProc, 0);
    UnhookWindowCreate();
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
    if (!input || m_hWnd == nullptr)
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}
