// Text at the edges of the program. Names (paths, window texts) are held as UTF-8 and
// reach the system through its wide functions, so any name Windows can open is taken
// as it is, whatever the system's ANSI code page. The program's own texts are stored
// as code page 932 (Shift_JIS) and converted from that code page explicitly, so they
// read as Japanese on every system.
#pragma once

#include <windows.h>

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const wchar_t* wide);
inline std::string Narrow(const std::wstring& wide) {
    return Narrow(wide.c_str());
}

// One of the program's own texts (code page 932 bytes), for the wide functions.
std::wstring ProgramText(const char* cp932);

// The text in a code page, only when every character has its own form there (no
// look-alike, no replacement character).
bool ToCodePage(UINT codePage, const std::wstring& wide, std::string& out);
std::wstring FromCodePage(UINT codePage, const std::string& bytes);

// The system's short (8.3) form of an existing path, empty when it has none or when
// that form too has a character without a form of its own in the code page.
std::wstring ShortPathIn(UINT codePage, const std::wstring& path);

extern const char kErrorCaption[]; // "ERROR": the caption of the program's error messages

// A modal message box with one of the program's own texts and captions.
int ShowMessage(HWND owner, const char* cp932Text, const char* cp932Caption, UINT type);
