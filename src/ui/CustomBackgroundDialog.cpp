#include "ui/CustomBackgroundDialog.h"

#include "framework/FileDialog.h"
#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "ui/CursorHideCounter.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr char kPictureFilter[] = "(*.jpg;*.bmp;*.png)|*.jpg;*.bmp;*.png|";
constexpr char kDefaultInterval[] = "5";
// Nine digits: over thirty years, and no number atoi cannot hold.
constexpr int kIntervalDigits = 9;
constexpr DWORD kListStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
constexpr COLORREF kListBackground = 8566991;
constexpr COLORREF kListText = 0xFF0000;
constexpr int kPathColumnWidth = 430;
constexpr int kStateColumnWidth = 50;
constexpr COLORREF kModeOnColour = 0x00FF00;
constexpr COLORREF kModeOffColour = 0;

}  // namespace

BEGIN_MESSAGE_MAP(CustomBackgroundDialog, CDialog)
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_BN_CLICKED(IDC_IMAGE_ADD, OnAdd)
    ON_STN_CLICKED(IDC_IMAGE_ADD_TWIN, OnAdd)
    ON_BN_CLICKED(IDC_IMAGE_REMOVE, OnRemove)
    ON_STN_CLICKED(IDC_IMAGE_REMOVE_TWIN, OnRemove)
    ON_BN_CLICKED(IDC_IMAGE_REMOVE_ALL, OnRemoveAll)
    ON_STN_CLICKED(IDC_IMAGE_REMOVE_ALL_TWIN, OnRemoveAll)
    ON_STN_CLICKED(IDC_IMAGE_START_TWIN, OnStartShow)
    ON_STN_CLICKED(IDC_IMAGE_STOP_TWIN, OnStopShow)
    ON_BN_CLICKED(IDC_IMAGE_ON, OnOwnImage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_REPEAT_ONE, IDC_RANDOM_ORDER, OnModeBox)
    ON_NOTIFY(NM_CLICK, IDC_IMAGE_LIST, OnListClick)
END_MESSAGE_MAP()

CustomBackgroundDialog::CustomBackgroundDialog(CWnd* parent)
    : CDialog(IDD_CUSTOM_BACKGROUND, parent)
{
}

CustomBackgroundDialog::~CustomBackgroundDialog()
{
    // The textures go with the dialog only while the rendering context they belong to is still
    // current; once it is gone, they went with it.
    if (::wglGetCurrentContext() != nullptr)
        for (const PictureTexture& texture : textures)
            glDeleteTextures(1, &texture.name);
}

void CustomBackgroundDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IMAGE_ON, ownImageBox);
    DDX_Control(pDX, IDC_REPEAT_ONE, repeatOneBox);
    DDX_Control(pDX, IDC_REPEAT_ALL, repeatAllBox);
    DDX_Control(pDX, IDC_RANDOM_ORDER, randomBox);
    DDX_Control(pDX, IDC_IMAGE_LIST, pictureList);
}

BOOL CustomBackgroundDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    pictureList.SetExtendedStyle(kListStyle);
    pictureList.SetBkColor(kListBackground);
    pictureList.SetTextBkColor(kListBackground);
    pictureList.SetTextColor(kListText);
    pictureList.InsertColumn(0, "Backgrounds Directory", LVCFMT_CENTER, kPathColumnWidth);
    pictureList.InsertColumn(1, "State", LVCFMT_CENTER, kStateColumnWidth);

    ownImageBox.SetIcons(IDI_CHECK_ON, IDI_CHECK_OFF);
    ownImageBox.SetCheck(false);
    for (IconCheckBox* box : {&repeatOneBox, &repeatAllBox, &randomBox})
        box->SetIndicatorColors(kModeOnColour, kModeOffColour);
    applyMode(ShowOnePicture);
    ::SendDlgItemMessageA(m_hWnd, IDC_IMAGE_INTERVAL, EM_LIMITTEXT, kIntervalDigits, 0);
    ::SetDlgItemTextA(m_hWnd, IDC_IMAGE_INTERVAL, kDefaultInterval);

    load();
    SetTimer(kShowTimer, kShowTickMilliseconds);
    return TRUE;
}

PictureTexture CustomBackgroundDialog::pictureOnShow() const
{
    if (!pictureShow.isRunning())
        return {};
    for (const PictureTexture& texture : textures)
        if (texture.name == pictureShow.currentPicture)
            return texture;
    return {};
}

void CustomBackgroundDialog::applyMode(int mode)
{
    pictureShow.pictureMode = mode;
    repeatOneBox.SetCheck(mode == ShowOnePicture);
    repeatAllBox.SetCheck(mode == ShowAllPictures);
    randomBox.SetCheck(mode == ShowRandomPicture);
}

void CustomBackgroundDialog::load()
{
    const MediaListState state = loadMediaList(IniFile(settingsIniPath()), MediaList::Pictures);
    ownImageBox.SetCheck(state.enabled);
    ::SetDlgItemTextA(m_hWnd, IDC_IMAGE_INTERVAL,
                      state.interval.empty() ? kDefaultInterval : state.interval.c_str());
    for (const std::string& path : state.paths)
        addPicture(path);
    // The first checked mode in the order random, repeat all, repeat one wins; none means
    // repeat one.
    applyMode(state.randomOrder ? ShowRandomPicture
              : state.repeatAll ? ShowAllPictures
                                : ShowOnePicture);
    if (!state.paths.empty() && state.enabled)
        startShow();
    savedState = shownState();
}

MediaListState CustomBackgroundDialog::shownState()
{
    MediaListState state;
    state.randomOrder = randomBox.isChecked();
    state.repeatAll = repeatAllBox.isChecked();
    state.repeatOne = repeatOneBox.isChecked();
    state.enabled = ownImageBox.isChecked();
    state.interval = intervalText();
    for (int item = 0; item < pictureList.GetItemCount(); ++item)
        state.paths.push_back(pictureList.GetItemText(item, 0));
    return state;
}

void CustomBackgroundDialog::save()
{
    // Written as soon as anything changes, not only when the dialog closes: the program can end
    // from its menu while the dialog is open, and nothing the user chose may be lost then.
    const MediaListState state = shownState();
    if (state == savedState)
        return;
    saveMediaList(IniFile(settingsIniPath()), MediaList::Pictures, state);
    savedState = state;
}

std::string CustomBackgroundDialog::intervalText() const
{
    char text[kIntervalDigits + 1] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_IMAGE_INTERVAL, text, sizeof text);
    return text;
}

int CustomBackgroundDialog::interval() const
{
    return std::atoi(intervalText().c_str());
}

void CustomBackgroundDialog::OnTimer(UINT_PTR id)
{
    if (pictureShow.tick(interval()))
        markCurrentItem();
    if (IsWindowVisible())
        cursorHideCounter = 0;
    save();
    CDialog::OnTimer(id);
}

void CustomBackgroundDialog::OnCancel()
{
    ShowWindow(SW_HIDE);
    save();
}

void CustomBackgroundDialog::OnClose()
{
    OnCancel();
}

void CustomBackgroundDialog::OnAdd()
{
    CFileDialog chooser(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kPictureFilter, this);
    if (chooser.DoModal() != IDOK)
        return;
    addPicture(chooser.GetPathName());
    save();
}

void CustomBackgroundDialog::addPicture(const std::string& path)
{
    const int count = pictureList.GetItemCount();
    if (count >= kMaxPictures) {
        MessageBox(("The maximum number of background is: " + std::to_string(count)).c_str());
        return;
    }
    const std::optional<PictureTexture> texture = LoadPictureTexture(path.c_str());
    if (!texture) {
        MessageBox(("(" + path + ")" + "image loading error.").c_str());
        stopShow();
        return;
    }
    textures.push_back(*texture);
    pictureShow.pictures.push_back(texture->name);
    const int item = pictureList.InsertItem(count, path.c_str());
    pictureList.SetItemText(item, 1, "OFF");
    if (pictureList.GetItemCount() == 1 && ownImageBox.isChecked())
        startShow();
}

void CustomBackgroundDialog::OnRemove()
{
    const int selected = pictureList.GetFirstSelected();
    if (selected >= 0) {
        pictureList.DeleteItem(selected);
        // The picture's texture goes with it: pictures added and removed over hours would
        // otherwise pile up in memory.
        glDeleteTextures(1, &textures[static_cast<size_t>(selected)].name);
        textures.erase(textures.begin() + selected);
        pictureShow.removeAt(selected);
    }
    if (pictureList.GetItemCount() > 0)
        showItem(0);
    save();
}

void CustomBackgroundDialog::OnRemoveAll()
{
    pictureList.DeleteAllItems();
    for (const PictureTexture& texture : textures)
        glDeleteTextures(1, &texture.name);
    textures.clear();
    pictureShow.removeAll();
    save();
}

void CustomBackgroundDialog::OnOwnImage()
{
    if (ownImageBox.isChecked())
        startShow();
    else if (pictureShow.isRunning())
        stopShow();
    save();
}

void CustomBackgroundDialog::stopShow()
{
    pictureShow.stop();
    markCurrentItem();
}

void CustomBackgroundDialog::OnModeBox(UINT id)
{
    applyMode(static_cast<int>(id) - IDC_REPEAT_ONE);
    save();
}

void CustomBackgroundDialog::OnListClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    showItem(pictureList.GetFirstSelected());
}

void CustomBackgroundDialog::showItem(int index)
{
    if (!pictureShow.isRunning() || index < 0 || index >= static_cast<int>(textures.size()))
        return;
    pictureShow.currentPicture = textures[static_cast<size_t>(index)].name;
    markCurrentItem();
}

void CustomBackgroundDialog::markCurrentItem()
{
    for (int item = 0; item < pictureList.GetItemCount(); ++item) {
        const bool current = pictureShow.isRunning() &&
                             textures[static_cast<size_t>(item)].name == pictureShow.currentPicture;
        pictureList.SetItemText(item, 1, current ? "ON" : "OFF");
    }
}
