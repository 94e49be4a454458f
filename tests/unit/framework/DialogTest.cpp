// Dialogs from templates, modal and modeless, with their controls bound to C++ objects.
#include "TestWindows.h"

#include "framework/Dialog.h"
#include "framework/FileDialog.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTemplate = 9001;
constexpr int kEditId = 101;

class EditControl : public CWnd {};

class TestDialog : public CDialog {
public:
    explicit TestDialog(bool endAtOnce) : CDialog(kTemplate), endAtOnce_(endAtOnce) {}

    EditControl edit;
    int loads = 0;               // exchanges that fill the controls
    int saves = 0;               // exchanges that read the controls back
    bool editBoundOnOk = false;  // the edit control's object held its window in OnOK
    LRESULT defaultDefId = 0;    // what default processing answered to DM_GETDEFID

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kEditId, edit);
        ++(pDX->m_bSaveAndValidate ? saves : loads);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        UpdateData(FALSE);  // a second exchange must not bind the control again
        defaultDefId = SendMessage(DM_GETDEFID);
        if (endAtOnce_)
            ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        else
            ::PostMessageA(edit.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        return TRUE;
    }
    void OnOK() override
    {
        editBoundOnOk = edit.m_hWnd != nullptr && ::GetDlgCtrlID(edit.m_hWnd) == kEditId;
        CDialog::OnOK();
    }
    LRESULT OnGetDefId(WPARAM, LPARAM) { return Default(); }

    DECLARE_MESSAGE_MAP()

private:
    bool endAtOnce_;
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_MESSAGE(DM_GETDEFID, OnGetDefId)
END_MESSAGE_MAP()

TEST(Dialog, ModalDialogBindsControlsAndEndsWithOk)
{
    TestDialog dialog(true);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.editBoundOnOk);
    EXPECT_EQ(dialog.loads, 2);
    EXPECT_EQ(dialog.saves, 1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.edit.m_hWnd, nullptr) << "the control's object forgets the destroyed control";
}

TEST(Dialog, DefaultProcessingInsideAHandlerIsTheSystemDialogs)
{
    TestDialog dialog(true);
    dialog.DoModal();
    EXPECT_EQ(LOWORD(dialog.defaultDefId), IDOK);
    EXPECT_EQ(HIWORD(dialog.defaultDefId), DC_HASDEFID);
}

TEST(Dialog, EscapeInAModalDialogCancels)
{
    TestDialog dialog(false);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.saves, 0);
}

TEST(Dialog, ModelessDialogTakesOnlyInputMeantForItself)
{
    CWnd owner;
    ASSERT_TRUE(createTopLevel(owner));
    TestDialog dialog(true);
    ASSERT_TRUE(dialog.Create(kTemplate, &owner));
    ASSERT_NE(dialog.m_hWnd, nullptr);
    EXPECT_NE(dialog.edit.m_hWnd, nullptr);

    MSG forEdit{dialog.edit.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(dialog.PreTranslateMessage(&forEdit));
    MSG forOwner{owner.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_FALSE(dialog.PreTranslateMessage(&forOwner));
    MSG notInput{dialog.edit.m_hWnd, WM_TIMER, 1, 0, 0, {0, 0}};
    EXPECT_FALSE(dialog.PreTranslateMessage(&notInput));

    pumpMessages();  // the posted IDOK ends nothing for a modeless dialog but must not crash
    const HWND hwnd = dialog.m_hWnd;
    owner.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
}

// A modal dialog that takes the key A for itself before the dialog's own keyboard handling.
class KeyTakingDialog : public CDialog {
public:
    KeyTakingDialog() : CDialog(kTemplate) {}
    EditControl edit;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && msg->wParam == 'A') {
            EndDialog(kTookTheKey);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }
    static constexpr int kTookTheKey = 42;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kEditId, edit); }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ::PostMessageA(edit.m_hWnd, WM_KEYDOWN, 'A', 0);
        return TRUE;
    }
};

TEST(Dialog, KeysInAModalDialogPassItsPreTranslateMessageFirst)
{
    KeyTakingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), KeyTakingDialog::kTookTheKey);
}

}  // namespace

TEST(FileDialogFilter, BarsBecomeNullsAndTheListEndsInTwo)
{
    using namespace std::string_literals;
    const struct {
        const char* mfc;
        std::string system;
    } cases[] = {
        {"(*.jpg;*.png)|*.jpg;*.png|", "(*.jpg;*.png)\0*.jpg;*.png\0\0"s},
        {"(*.wav)|*.wav", "(*.wav)\0*.wav\0\0"s},
        {"A|*.a|B|*.b||", "A\0*.a\0B\0*.b\0\0"s},
        {"", "\0\0"s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(systemFilter(c.mfc), c.system) << c.mfc;
}
