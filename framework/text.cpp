#include "framework/text.h"
#include "framework/wnd.h"

#include <vector>

const char kErrorCaption[] = "ERROR";

namespace {

std::wstring ToWide(UINT codePage, const char* bytes, int length) {
    if (length == 0)
        return std::wstring();
    int size = ::MultiByteToWideChar(codePage, 0, bytes, length, nullptr, 0);
    std::wstring wide(size > 0 ? static_cast<std::size_t>(size) : 0, L'\0');
    if (size > 0)
        ::MultiByteToWideChar(codePage, 0, bytes, length, &wide[0], size);
    return wide;
}

} // namespace

std::wstring Widen(const std::string& utf8) {
    return ToWide(CP_UTF8, utf8.data(), static_cast<int>(utf8.size()));
}

std::string Narrow(const wchar_t* wide) {
    int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(size) - 1);
    return utf8;
}

std::wstring ProgramText(const char* cp932) {
    return FromCodePage(932, cp932);
}

std::wstring FromCodePage(UINT codePage, const std::string& bytes) {
    return ToWide(codePage, bytes.data(), static_cast<int>(bytes.size()));
}

bool ToCodePage(UINT codePage, const std::wstring& wide, std::string& out) {
    out.clear();
    if (wide.empty())
        return true;
    const int length = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    int size = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr,
                                     0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return false;
    out.assign(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, &out[0], size,
                          nullptr, &usedDefault);
    // Some code pages map a character without saying so; only a form that reads back
    // as the same text is the character's own.
    if (usedDefault || FromCodePage(codePage, out) != wide) {
        out.clear();
        return false;
    }
    return true;
}

std::wstring ShortPathIn(UINT codePage, const std::wstring& path) {
    DWORD size = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0)
        return std::wstring();
    std::vector<wchar_t> buffer(size + 1, L'\0');
    DWORD got = ::GetShortPathNameW(path.c_str(), buffer.data(), size + 1);
    std::wstring shortForm = got > 0 && got <= size ? std::wstring(buffer.data(), got) : L"";
    std::string bytes;
    return ToCodePage(codePage, shortForm, bytes) ? shortForm : std::wstring();
}

int ShowMessage(HWND owner, const char* cp932Text, const char* cp932Caption, UINT type) {
    PopupInsideWorkArea inside;
    return ::MessageBoxW(owner, ProgramText(cp932Text).c_str(), ProgramText(cp932Caption).c_str(),
                         type);
}
