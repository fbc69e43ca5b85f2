// Byte-string helpers that respect double-byte characters of the ANSI code page.
// They take the lead-byte test as a parameter: the Windows side passes the system's
// test, the unit tests pass the code page 932 table below.
#pragma once

#include <cstddef>
#include <string>

using LeadByteTest = bool (*)(unsigned char);

// Lead bytes of code page 932 (Shift_JIS): 0x81-0x9F and 0xE0-0xFC.
bool IsCp932LeadByte(unsigned char c);

// UTF-8 text, as the program holds names: no byte of a multibyte character is an ASCII
// byte, so the searches for ASCII text need no lead byte skipped.
bool NoLeadBytes(unsigned char c);

// Length in bytes of the character that starts at s[pos] (1 or 2; 1 at the end).
std::size_t MbCharLen(const std::string& s, std::size_t pos, LeadByteTest isLead);

// First occurrence of needle at a character boundary at or after from; npos if none.
std::size_t MbFind(const std::string& s, const std::string& needle, std::size_t from,
                   LeadByteTest isLead);

// Replaces every occurrence of from (non-overlapping, left to right) by to.
std::string MbReplaceAll(const std::string& s, const std::string& from, const std::string& to,
                         LeadByteTest isLead);

// The C runtime's atoi reading: white space, optional sign, decimal digits, then
// stop. No digits gives 0; values beyond the int range saturate.
int ParseDecimal(const char* text);

// Signed decimal text of a value, as "%d" writes it.
std::string FormatDecimal(int value);
