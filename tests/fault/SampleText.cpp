#include "SampleText.h"

std::string CrLfText(const std::string& seed, std::size_t bytes) {
    std::string text;
    for (std::size_t line = 1; text.size() < bytes; ++line) {
        text +=
            seed + " line " + std::to_string(line) + " abcdefghijklmnopqrstuvwxyz0123456789\r\n";
    }
    return text;
}

std::string BaseFileText(const std::string& title) {
    std::string text;
    for (int line = 1; line <= 26; ++line) {
        text += line == 23 ? title : "base line " + std::to_string(line);
        text += "\r\n";
    }
    return text;
}
