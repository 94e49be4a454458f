#include "ui/CustomBackgroundDialog.h"

#include "framework/FileDialog.h"
#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr char kPictureFilter[] = "(*.jpg;*.bmp;*.png)|*.jpg;*.bmp;*.png|";
constexpr char kDefaultInterval[] = "5";
// Nine digits: over thirty years, and no number atoi cannot hold.
constexpr int kIntervalDigits = 9;
constexpr int kPathColumnWidth = 430;
constexpr int kStateColumnWidth = 50;

}  // namespace

BEGIN_MESSAGE_MAP(CustomBackgroundDialog, MediaListDialog)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_IMAGE_ADD, OnAdd)
    ON_STN_CLICKED(IDC_IMAGE_ADD_TWIN, OnAdd)
    ON_BN_CLICKED(IDC_IMAGE_REMOVE, OnRemove)
    ON_STN_CLICKED(IDC_IMAGE_REMOVE_TWIN, OnRemove)
    ON_BN_CLICKED(IDC_IMAGE_REMOVE_ALL, OnRemoveAll)
    ON_STN_CLICKED(IDC_IMAGE_REMOVE_ALL_TWIN, OnRemoveAll)
    ON_STN_CLICKED(IDC_IMAGE_START_TWIN, OnStartShow)
    ON_STN_CLICKED(IDC_IMAGE_STOP_TWIN, OnStopShow)
    ON_BN_CLICKED(IDC_IMAGE_ON, OnOwnImage)
    ON_NOTIFY(NM_CLICK, IDC_IMAGE_LIST, OnListClick)
END_MESSAGE_MAP()

CustomBackgroundDialog::CustomBackgroundDialog(CursorHideCounter& cursor, CWnd* parent)
    : MediaListDialog(IDD_CUSTOM_BACKGROUND, MediaList::Pictures, IDC_IMAGE_ON, IDC_IMAGE_LIST,
                      cursor, parent)
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

BOOL CustomBackgroundDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    setUpControls();
    pictureList.InsertColumn(0, "Backgrounds Directory", LVCFMT_CENTER, kPathColumnWidth);
    pictureList.InsertColumn(1, "State", LVCFMT_CENTER, kStateColumnWidth);

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

void CustomBackgroundDialog::load()
{
    const MediaListState state = loadMediaList(IniFile(settingsIniPath()), MediaList::Pictures);
    onOffBox.SetCheck(state.enabled);
    ::SetDlgItemTextA(m_hWnd, IDC_IMAGE_INTERVAL,
                      state.interval.empty() ? kDefaultInterval : state.interval.c_str());
    for (const std::string& path : state.paths)
        addPicture(path, false);
    showMode(loadedMode(state));
    if (!state.paths.empty() && state.enabled)
        startShow();
    rememberSaved();
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
    onTick();
    CDialog::OnTimer(id);
}

void CustomBackgroundDialog::OnAdd()
{
    CFileDialog chooser(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kPictureFilter, this);
    if (chooser.DoModal() != IDOK)
        return;
    addPicture(chooser.GetPathName(), true);
    saveChanges();
}

void CustomBackgroundDialog::addShownState(MediaListState& state)
{
    state.interval = intervalText();
    state.paths.insert(state.paths.end(), unreadablePictures.begin(), unreadablePictures.end());
}

void CustomBackgroundDialog::addPicture(const std::string& path, bool picked)
{
    const int count = pictureList.GetItemCount();
    const int listed = count + static_cast<int>(unreadablePictures.size());
    if (listed >= kMaxPictures) {
        MessageBox(("The maximum number of background is: " + std::to_string(listed)).c_str());
        return;
    }
    const std::optional<PictureTexture> texture = LoadPictureTexture(path.c_str());
    if (!texture && !picked) {
        // Nobody asked for it just now: a message at start-up would stop the screen saver or
        // the start itself, and the pictures that can be read show as before.
        unreadablePictures.push_back(path);
        return;
    }
    if (!texture) {
        MessageBox(("(" + path + ")" + "image loading error.").c_str());
        stopShow();
        return;
    }
    textures.push_back(*texture);
    pictureShow.pictures.push_back(texture->name);
    const int item = pictureList.InsertItem(count, path.c_str());
    pictureList.SetItemText(item, 1, "OFF");
    if (pictureList.GetItemCount() == 1 && onOffBox.isChecked())
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
    saveChanges();
}

void CustomBackgroundDialog::OnRemoveAll()
{
    pictureList.DeleteAllItems();
    unreadablePictures.clear();
    for (const PictureTexture& texture : textures)
        glDeleteTextures(1, &texture.name);
    textures.clear();
    pictureShow.removeAll();
    saveChanges();
}

void CustomBackgroundDialog::OnOwnImage()
{
    if (onOffBox.isChecked())
        startShow();
    else if (pictureShow.isRunning())
        stopShow();
    saveChanges();
}

void CustomBackgroundDialog::stopShow()
{
    pictureShow.stop();
    markCurrentItem();
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
