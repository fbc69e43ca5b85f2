// Who this program is to other starts of it, in one place: the title its player windows
// begin with, the name of the mutex the first start holds, and the record a second start
// hands its file over in. (The window mark, a property named after the program file,
// is ProgramPaths::exeName.) Free of any window.
#pragma once

#include <cstddef>
#include <string>

extern const char kProgramTitle[];      // "Lumaplay": caption and hand-off title prefix
extern const char kInstanceMutexName[]; // "Lumaplay-Quenby-Application"

// A top-level window title that names a player window ("Lumaplay" and anything after).
bool IsPlayerWindowTitle(const char* title);

// The file name carried by a hand-off record: the bytes up to the first NUL, never
// reading past cbData bytes.
std::string ReadHandOffName(const void* data, std::size_t cbData);

// A hand-off record for a name the ANSI code page cannot hold: its dwData is this tag,
// and its data an ANSI stand-in (the short name, or nothing), a NUL, then the name in
// UTF-16 (little-endian) and a NUL of two bytes. A running window of a build that does
// not know the tag reads the stand-in, as it reads any record.
constexpr unsigned long kWideHandOffTag = 0x57494445; // "WIDE"
std::string BuildWideHandOffData(const std::string& ansiStandIn, const std::u16string& name);

// What a record carries: the UTF-16 name of a tagged record that is whole, otherwise
// the ANSI bytes up to the first NUL.
struct HandOffName {
    bool wide = false;
    std::string ansi;
    std::u16string utf16;
};
HandOffName ReadHandOffRecord(unsigned long tag, const void* data, std::size_t cbData);
