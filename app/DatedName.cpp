#include "app/DatedName.h"

#include <cstdio>

namespace {

std::string Digits(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

}  // namespace

std::string ExpandDate(std::string_view name, const std::tm& when) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '%' || i + 1 == name.size()) {
            out += name[i];
            continue;
        }
        switch (name[i + 1]) {
            case 'Y':
                out += Digits(when.tm_year + 1900, 4);
                break;
            case 'm':
                out += Digits(when.tm_mon + 1, 2);
                break;
            case 'd':
                out += Digits(when.tm_mday, 2);
                break;
            case 'H':
                out += Digits(when.tm_hour, 2);
                break;
            case 'M':
                out += Digits(when.tm_min, 2);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += name.substr(i, 2);
        }
        ++i;
    }
    return out;
}
