// The two HTML pages the program shows: the player page with the applet, and the
// initial page that asks for a file. Shift_JIS text, every line ending in CR LF.
#pragma once

#include <string>

#include "playback/probe.h"

// Escapes ' " & < > for an HTML attribute value; other bytes stay as they are.
std::string EscapeAttribute(const std::string& value);

std::string PlayerPageText(AnimationKind kind, int width, int height, bool scroll,
                           const std::string& appDir, const std::string& pchRelPath);

std::string InitialPageText();

// "file:///" and the path (UTF-8, forward slashes), every byte outside printable ASCII
// and every character that ends or escapes a URL's path written as %XX.
std::string FileUrl(const std::string& path);
