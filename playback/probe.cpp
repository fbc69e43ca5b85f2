#include "playback/probe.h"

#include <cstring>

namespace {

const char kWidthKey[] = "image_width";   // 11 bytes
const char kHeightKey[] = "image_height"; // 12 bytes
constexpr std::size_t kWidthKeyLen = sizeof(kWidthKey) - 1;
constexpr std::size_t kHeightKeyLen = sizeof(kHeightKey) - 1;

// The text from `from` to `to` in s, empty for a negative span, cut at the end.
std::string Span(const std::string& s, std::size_t from, std::size_t to) {
    if (from == std::string::npos || to == std::string::npos || to <= from || from >= s.size())
        return std::string();
    return s.substr(from, to - from);
}

// Decimal value of the text after a key: up to the first NUL or the block's end, cut
// at the first line end (CR LF, or a bare LF), without "=" and blanks.
int ReadHeaderValue(const unsigned char* block, std::size_t size, std::size_t start) {
    std::string text;
    for (std::size_t i = start; i < size && block[i] != '\0'; ++i)
        text += static_cast<char>(block[i]);
    std::size_t end = text.find("\r\n");
    if (end == std::string::npos)
        end = text.find('\n');
    if (end == std::string::npos)
        return 0;
    text.resize(end);
    std::string value;
    for (char c : text)
        if (c != '=')
            value += c;
    std::string compact;
    for (char c : value)
        if (c != ' ')
            compact += c;
    return ParseDecimal(compact.c_str());
}

} // namespace

bool HasGzipMagic(const unsigned char* block, std::size_t size) {
    return size >= 2 && block[0] == 0x1F && block[1] == 0x8B;
}

bool ParseSizeTag(const std::string& path, CanvasSize& size) {
    std::string folded = ReplaceAll(path, "s", "S");
    folded = ReplaceAll(folded, "x", "X");
    folded = ReplaceAll(folded, "y", "Y");
    std::size_t open = folded.find("[SX");
    if (open == std::string::npos || folded.find("SY") == std::string::npos ||
        folded.find("]") == std::string::npos)
        return false;
    std::size_t a = open + 3;
    std::size_t b = folded.find("SY", a);
    std::size_t c = b == std::string::npos ? std::string::npos : b + 2;
    std::size_t d = c == std::string::npos ? std::string::npos : folded.find("]", c);
    size.width = ParseDecimal(Span(folded, a, b == std::string::npos ? a : b).c_str());
    size.height = ParseDecimal(Span(folded, c, d).c_str());
    return true;
}

ShiPainterHeader ScanShiPainterHeader(const unsigned char* block, std::size_t size) {
    ShiPainterHeader header;
    const std::size_t limit = kProbeBlockSize - kHeightKeyLen; // 288
    std::size_t p = 0;
    while (p < limit && !header.Complete()) {
        if (p + kWidthKeyLen <= size && std::memcmp(block + p, kWidthKey, kWidthKeyLen) == 0) {
            header.width = ReadHeaderValue(block, size, p + kWidthKeyLen);
            header.hasWidth = true;
            p += kWidthKeyLen + 1;
        } else if (p + kHeightKeyLen <= size &&
                   std::memcmp(block + p, kHeightKey, kHeightKeyLen) == 0) {
            header.height = ReadHeaderValue(block, size, p + kHeightKeyLen);
            header.hasHeight = true;
            p += kHeightKeyLen + 1;
        } else {
            ++p;
        }
    }
    return header;
}

ProbeOutcome ProbeBlock(const unsigned char* block, std::size_t size, const std::string& path) {
    ProbeOutcome outcome;
    if (size >= 3 && block[0] == 'N' && block[1] == 'E' && block[2] == 'O') {
        outcome.kind = AnimationKind::PaintBBSNeo;
        return outcome;
    }
    if (HasGzipMagic(block, size)) {
        outcome.kind = AnimationKind::PaintBBS;
        outcome.sizeKnown = ParseSizeTag(path, outcome.size);
        return outcome;
    }
    ShiPainterHeader header = ScanShiPainterHeader(block, size);
    if (header.Complete()) {
        outcome.kind = AnimationKind::ShiPainter;
        outcome.size.width = header.width;
        outcome.size.height = header.height;
        outcome.sizeKnown = true;
    }
    return outcome;
}
