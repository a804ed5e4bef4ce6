#include "res/StringTable.h"

#include <array>

#include "res/Resource.h"

namespace {

struct StringResource {
    int id;
    std::string_view text;
};

constexpr std::array kStrings{
    StringResource{IDS_ABOUTBOX, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},
};

}  // namespace

std::string_view LoadResourceString(int id) {
    for (const StringResource& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}
