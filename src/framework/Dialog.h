// CDialog: a dialog from a template, modal (DoModal) or modeless (Create). The dialog window is
// subclassed on its first message, so its messages pass through the message maps like any other
// window's and default processing is the system's dialog procedure.
#pragma once

#include "framework/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate)
    {
    }
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds the dialog's control `id` to the C++ object `control` (once: later calls do nothing).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent)
    {
    }
    ~CDialog() override;

    // Modeless: creates the dialog and returns at once.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Modal: runs the system's dialog loop and returns the value given to EndDialog. Messages in
    // that loop still pass PreTranslateMessage of the window they are for and its parents.
    virtual INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Gives keyboard navigation (Tab, Enter, Escape) to a modeless dialog.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_runningModal = false;  // inside DoModal

    DECLARE_MESSAGE_MAP()

private:
    HWND ownerWindow(CWnd* parent) const;
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
