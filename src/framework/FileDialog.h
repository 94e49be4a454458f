// CFileDialog: the system's dialog for choosing a file to open (or a name to save under), run
// modally. The filter takes MFC's form: "description|patterns|description|patterns|".
#pragma once

#include "framework/Wnd.h"

#include <commdlg.h>

#include <string>

class CFileDialog {
public:
    CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr,
                LPCSTR fileName = nullptr, DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                LPCSTR filter = nullptr, CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when a file was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    // The chosen file's full path.
    std::string GetPathName() const { return path.c_str(); }

    OPENFILENAMEA m_ofn{};

private:
    BOOL opening;
    std::string filterPairs;  // the filter with its bars turned into the system's null characters
    std::string defaultExtension;
    // Room for any path the dialog can give back, long ones included.
    std::string path = std::string(32768, '\0');
};

// The system's form of an MFC filter: every '|' becomes a null character, and the list ends with
// two of them.
std::string systemFilter(const char* mfcFilter);
