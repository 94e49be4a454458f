// What the two media dialogs share: a list of the user's files, in blue on sand, an on/off box,
// the three play modes (repeat one, repeat all, random) of which one is checked, and the rule that
// they are modeless and live as long as the view — closing only hides them — while whatever they
// show is written to their section of the settings file as soon as it changes.
#pragma once

#include "framework/Dialog.h"
#include "ui/CursorHideCounter.h"
#include "ui/IconCheckBox.h"
#include "ui/MediaListKeys.h"

class MediaListDialog : public CDialog {
protected:
    // Keeps resetting the view's `cursor` while shown.
    MediaListDialog(UINT templateId, MediaList list, int onOffBoxId, int listId,
                    CursorHideCounter& cursor, CWnd* parent);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override {}
    void OnCancel() override;
    void OnClose() { OnCancel(); }
    void OnModeBox(UINT id);

    // The list control, which each dialog draws its own way.
    virtual CListCtrl& fileList() = 0;
    // The play mode chosen (0 repeat one, 1 repeat all, 2 random) reaches the dialog's rules.
    virtual void modeChosen(int mode) = 0;
    // What the dialog shows beyond the boxes and the list's first column.
    virtual void addShownState(MediaListState&) {}

    // Styles the list and the boxes and checks "Repeat One", for OnInitDialog.
    void setUpControls();
    // Checks the box of `mode` and clears the other two.
    void showMode(int mode);
    // The mode a loaded state asks for: the first checked in the order random, repeat all,
    // repeat one; none means repeat one.
    static int loadedMode(const MediaListState& state);
    // Takes what the dialog shows as what the file holds.
    void rememberSaved() { savedState = shownState(); }
    // Writes the section when what the dialog shows differs from what was saved last. Written as
    // soon as anything changes, not only when the dialog closes: the program can end from its menu
    // while the dialog is open, and nothing the user chose may be lost then.
    void saveChanges();
    // A tick of the dialog's own timer: the pointer stays visible over the dialog, and changes
    // are saved.
    void onTick();

    IconCheckBox onOffBox, repeatOneBox, repeatAllBox, randomBox;

    DECLARE_MESSAGE_MAP()

private:
    MediaListState shownState();

    MediaList section;  // which section of the file the dialog writes
    int onOffBoxId;
    int listId;
    CursorHideCounter& cursorHideCounter;
    MediaListState savedState;  // what the file holds, to write only what changed
};
