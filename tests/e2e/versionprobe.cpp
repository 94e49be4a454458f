// versionprobe FILE: prints what Windows shows of a program file in its properties: the numbers and
// strings of its version resource, one "name=value" line each, and the first icon group, which is
// the file's icon in Explorer.
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

const char* const kStringNames[] = {"CompanyName",      "FileDescription", "FileVersion",
                                    "InternalName",     "LegalCopyright",  "OriginalFilename",
                                    "ProductName",      "ProductVersion"};

BOOL CALLBACK printFirstIcon(HMODULE, LPCSTR, LPSTR name, LONG_PTR)
{
    if (IS_INTRESOURCE(name))
        std::printf("FirstIcon=%u\n", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
    else
        std::printf("FirstIcon=%s\n", name);
    return FALSE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: versionprobe FILE\n");
        return 2;
    }
    const char* file = argv[1];
    DWORD unused = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(file, &unused);
    std::vector<char> info(size);
    if (size == 0 || !::GetFileVersionInfoA(file, 0, size, info.data())) {
        std::fprintf(stderr, "%s has no version resource\n", file);
        return 1;
    }

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) {
        std::printf("FileVersionNumbers=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
                    LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                    LOWORD(fixed->dwFileVersionLS));
        std::printf("ProductVersionNumbers=%u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
                    LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
                    LOWORD(fixed->dwProductVersionLS));
    }

    // The strings are looked up under the file's first translation, as the properties page does.
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    if (::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                         reinterpret_cast<void**>(&translations), &length) &&
        length >= sizeof(Translation)) {
        for (const char* name : kStringNames) {
            char path[96];
            std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s",
                          translations->language, translations->codePage, name);
            char* value = nullptr;
            if (::VerQueryValueA(info.data(), path, reinterpret_cast<void**>(&value), &length))
                std::printf("%s=%s\n", name, value);
        }
    }

    HMODULE module = ::LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module != nullptr) {
        ::EnumResourceNamesA(module, RT_GROUP_ICON, printFirstIcon, 0);
        ::FreeLibrary(module);
    }
    return 0;
}
