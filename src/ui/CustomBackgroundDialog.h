// The custom background dialog: a list of up to ten of the user's own pictures, the order in which
// they follow one another and the interval, and the switch that starts the show. Modeless and
// created hidden with the view, it lives as long as the view; hiding it keeps the list, the
// textures and the running show. Each picture becomes a texture as it is added.
#pragma once

#include "media/TextureLoader.h"
#include "ui/MediaListDialog.h"
#include "ui/PictureShow.h"

#include <string>
#include <vector>

class CustomBackgroundDialog : public MediaListDialog {
public:
    explicit CustomBackgroundDialog(CursorHideCounter& cursor, CWnd* parent = nullptr);
    ~CustomBackgroundDialog() override;

    // The picture the show has on the backdrop now; none (name 0) while the show is stopped.
    PictureTexture pictureOnShow() const;
    const PictureShow& show() const { return pictureShow; }

protected:
    BOOL OnInitDialog() override;
    CListCtrl& fileList() override { return pictureList; }
    void modeChosen(int mode) override { pictureShow.pictureMode = mode; }
    void addShownState(MediaListState& state) override;

    void OnTimer(UINT_PTR id);
    void OnAdd();
    void OnRemove();
    void OnRemoveAll();
    void OnOwnImage();
    void OnStartShow() { startShow(); }
    void OnStopShow() { stopShow(); }
    void OnListClick(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void load();

    // Adds the picture at `path` as the list's last; a failure or a full list says so.
    // Adds a picture to the list and the show. One the user has just `picked` that cannot be
    // read gets a message and stops the show; a stored one is passed over and kept.
    void addPicture(const std::string& path, bool picked);
    void startShow() { pictureShow.start(); }
    void stopShow();
    // Makes the list's item `index` the show's current picture while the show runs.
    void showItem(int index);
    // Writes "ON" beside the current picture and "OFF" beside all others.
    void markCurrentItem();
    int interval() const;
    std::string intervalText() const;

    CListCtrl pictureList;
    PictureShow pictureShow;
    std::vector<PictureTexture> textures;  // one per list item, in list order
    // Stored pictures that could not be read at start-up (deleted, or on a drive not there now):
    // not shown, but kept at the end of the saved list for a start when they are back.
    std::vector<std::string> unreadablePictures;
};
