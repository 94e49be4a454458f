#include "framework/FileDialog.h"

std::string systemFilter(const char* mfcFilter)
{
    std::string pairs = mfcFilter != nullptr ? mfcFilter : "";
    for (char& c : pairs)
        if (c == '|')
            c = '\0';
    while (!pairs.empty() && pairs.back() == '\0')
        pairs.pop_back();
    return pairs + std::string(2, '\0');
}

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR extension, LPCSTR fileName, DWORD flags,
                         LPCSTR filter, CWnd* parent)
    : opening(openFileDialog), filterPairs(systemFilter(filter)),
      defaultExtension(extension != nullptr ? extension : "")
{
    if (fileName != nullptr)
        path.replace(0, std::char_traits<char>::length(fileName), fileName);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent != nullptr ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = filter != nullptr ? filterPairs.c_str() : nullptr;
    m_ofn.lpstrFile = path.data();
    m_ofn.nMaxFile = static_cast<DWORD>(path.size());
    m_ofn.lpstrDefExt = extension != nullptr ? defaultExtension.c_str() : nullptr;
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_NOCHANGEDIR;
}

INT_PTR CFileDialog::DoModal()
{
    const BOOL chosen = opening ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
