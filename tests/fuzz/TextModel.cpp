#include "TextModel.h"

std::string ReadTextMode(std::string_view bytes) {
    const std::string_view data = bytes.substr(0, bytes.find('\x1A'));
    std::string text;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') {
            continue;  // the LF that follows stands for the pair
        }
        text += data[i];
    }
    return text;
}

std::string WriteTextMode(std::string_view text) {
    std::string bytes;
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

std::vector<std::string> PhysicalLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Pieces(std::string_view text, std::size_t limitBytes) {
    std::vector<std::string> pieces;
    std::string piece;
    for (const char c : text) {
        piece += c;
        if (c == '\n' || piece.size() == limitBytes) {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) {
        pieces.push_back(piece);
    }
    return pieces;
}

std::string ShiftJisPrefix(std::string_view text, std::size_t maxBytes) {
    std::string prefix;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        const std::size_t width = doubleByte && i + 1 < text.size() ? 2 : 1;
        if (prefix.size() + width > maxBytes) {
            break;
        }
        prefix += text.substr(i, width);
        i += width;
    }
    return prefix;
}

bool HasNoLoneLf(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            return false;
        }
    }
    return true;
}
