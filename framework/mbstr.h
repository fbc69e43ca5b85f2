// Helpers for the program's byte strings: names in UTF-8, where no byte of a multibyte
// character is an ASCII byte, so ASCII text is found and replaced byte by byte; and
// the one Shift_JIS text that needs its double-byte characters respected.
#pragma once

#include <cstddef>
#include <string>

// Lead bytes of code page 932 (Shift_JIS): 0x81-0x9F and 0xE0-0xFC.
bool IsCp932LeadByte(unsigned char c);

// Replaces every occurrence of from (non-overlapping, left to right) by to.
std::string ReplaceAll(const std::string& s, const std::string& from, const std::string& to);

// The C runtime's atoi reading: white space, optional sign, decimal digits, then
// stop. No digits gives 0; values beyond the int range saturate.
int ParseDecimal(const char* text);

// Signed decimal text of a value, as "%d" writes it.
std::string FormatDecimal(int value);
