#include "SampleLines.h"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <string_view>

namespace {

// CP932 bytes; the readable text stands in the comment beside each entry.
constexpr std::array<std::string_view, 12> kFamilyNames = {
    "\x8D\xB2\x93\xA1",  // 佐藤
    "\x97\xE9\x96\xD8",  // 鈴木
    "\x8D\x82\x8B\xB4",  // 高橋
    "\x93\x63\x92\x86",  // 田中
    "\x88\xC9\x93\xA1",  // 伊藤
    "\x93\x6E\x95\xD3",  // 渡辺
    "\x8E\x52\x96\x7B",  // 山本
    "\x92\x86\x91\xBA",  // 中村
    "\x8F\xAC\x97\xD1",  // 小林
    "\x89\xC1\x93\xA1",  // 加藤
    "\x8B\x67\x93\x63",  // 吉田
    "\x8E\x52\x8C\xFB",  // 山口
};

constexpr std::array<std::string_view, 12> kGivenNames = {
    "\x97\x7A\x8D\xD8",  // 陽菜
    "\x8C\x8B\x88\xDF",  // 結衣
    "\x98\x40",          // 蓮
    "\x91\xE5\xE3\xC4",  // 大翔
    "\x97\x49\x90\x5E",  // 悠真
    "\x88\xA8",          // 葵
    "\x96\xA9",          // 湊
    "\x99\x7A",          // 凛
    "\x94\xFC\x8D\xE7",  // 美咲
    "\xE9\x44\x91\xBE",  // 颯太
    "\x89\xE8\x88\xCB",  // 芽依
    "\x8E\xF7",          // 樹
};

constexpr std::array<std::string_view, 10> kSubjects = {
    "\x8D\x91\x8C\xEA",                          // 国語
    "\x90\x94\x8A\x77",                          // 数学
    "\x89\x70\x8C\xEA",                          // 英語
    "\x97\x9D\x89\xC8",                          // 理科
    "\x8E\xD0\x89\xEF",                          // 社会
    "\x89\xB9\x8A\x79",                          // 音楽
    "\x94\xFC\x8F\x70",                          // 美術
    "\x95\xDB\x8C\x92\x91\xCC\x88\xE7",          // 保健体育
    "\x8B\x5A\x8F\x70\x81\x45\x89\xC6\x92\xEB",  // 技術・家庭
    "\x93\xB9\x93\xBF",                          // 道徳
};

constexpr std::array<std::string_view, 8> kEvents = {
    "\x8E\x6E\x8B\xC6\x8E\xAE",          // 始業式
    "\x93\xFC\x8A\x77\x8E\xAE",          // 入学式
    "\x89\x93\x91\xAB",                  // 遠足
    "\x91\xCC\x88\xE7\x8D\xD5",          // 体育祭
    "\x95\xB6\x89\xBB\x8D\xD5",          // 文化祭
    "\x8F\x43\x8A\x77\x97\xB7\x8D\x73",  // 修学旅行
    "\x8D\x87\x8F\xA5\x8D\xD5",          // 合唱祭
    "\x8F\x49\x8B\xC6\x8E\xAE",          // 終業式
};

// 評定 and 時間割表 end in 0x5C.
constexpr std::array<std::string_view, 9> kLabels = {
    "\x8E\x81\x96\xBC",                  // 氏名
    "\x8A\x77\x94\x4E",                  // 学年
    "\x91\x67",                          // 組
    "\x8F\x6F\x90\xC8\x94\xD4\x8D\x86",  // 出席番号
    "\x8F\x6F\x8C\x87",                  // 出欠
    "\x95\x5D\x92\xE8",                  // 評定
    "\x8F\x8A\x8C\xA9",                  // 所見
    "\x8E\x9E\x8A\xD4\x8A\x84\x95\x5C",  // 時間割表
    "\x94\xF5\x8D\x6C",                  // 備考
};

constexpr std::array<std::string_view, 8> kRooms = {
    "\x95\x81\x92\xCA\x8B\xB3\x8E\xBA",  // 普通教室
    "\x97\x9D\x89\xC8\x8E\xBA",          // 理科室
    "\x89\xB9\x8A\x79\x8E\xBA",          // 音楽室
    "\x94\xFC\x8F\x70\x8E\xBA",          // 美術室
    "\x91\xCC\x88\xE7\x8A\xD9",          // 体育館
    "\x90\x7D\x8F\x91\x8E\xBA",          // 図書室
    "\x89\xC6\x92\xEB\x89\xC8\x8E\xBA",  // 家庭科室
    "\x8B\x5A\x8F\x70\x8E\xBA",          // 技術室
};

constexpr std::array<std::string_view, 5> kDays = {"MON", "TUE", "WED", "THU", "FRI"};

constexpr std::string_view kFullWidthSpace = "\x81\x40";  // 　

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& words, SampleRandom& random) {
    return words[random.Below(N)];
}

std::string Format(const char* format, auto... values) {
    char text[128];
    const int length = std::snprintf(text, sizeof text, format, values...);
    return std::string(text, static_cast<std::size_t>(length));
}

std::string PersonName(SampleRandom& random) {
    std::string name(Pick(kFamilyNames, random));
    name += kFullWidthSpace;
    name += Pick(kGivenNames, random);
    return name;
}

std::string RosterLine(std::uint64_t index, SampleRandom& random) {
    const auto grade = static_cast<unsigned>(index / 120 % 3 + 1);
    const auto group = static_cast<unsigned>(index / 30 % 4 + 1);
    const auto number = static_cast<unsigned>(index % 30 + 1);
    std::string line = Format("%06" PRIu64 ",%u,%u,%02u,", index + 1, grade, group, number);
    line += PersonName(random);
    // One draw per statement: the order of evaluating arguments is unspecified.
    const char sex = random.Below(2) == 0 ? 'M' : 'F';
    const auto month = static_cast<unsigned>(random.Below(12) + 1);
    const auto day = static_cast<unsigned>(random.Below(28) + 1);
    const auto rating = static_cast<unsigned>(random.Below(5) + 1);
    line += Format(",%c,%04u-%02u-%02u,%u", sex, 2014u - grade, month, day, rating);
    return line;
}

std::string TeacherLine(std::uint64_t index, SampleRandom& random) {
    std::string line = Format("T%04" PRIu64 ",", index + 1);
    line += PersonName(random);
    line += ',';
    line += Pick(kSubjects, random);
    const auto grade = static_cast<unsigned>(random.Below(3) + 1);
    const auto group = static_cast<unsigned>(random.Below(4) + 1);
    line += Format(",%u-%u", grade, group);
    return line;
}

std::string TimetableLine(std::uint64_t index, SampleRandom& random) {
    std::string line(kDays[index / 6 % kDays.size()]);
    line += Format(",%u,%u-%u,", static_cast<unsigned>(index % 6 + 1),
                   static_cast<unsigned>(index / 30 % 3 + 1),
                   static_cast<unsigned>(index / 90 % 4 + 1));
    line += Pick(kSubjects, random);
    line += ',';
    line += Pick(kRooms, random);
    line += Format(",T%04u", static_cast<unsigned>(random.Below(60) + 1));
    return line;
}

std::string CodeLine(std::uint64_t index, SampleRandom& random) {
    std::string line = Format("C%05llu,", static_cast<unsigned long long>(index));
    line += Pick(kLabels, random);
    line += ',';
    line += Pick(kRooms, random);
    line += Format(",%u", static_cast<unsigned>(random.Below(1000)));
    return line;
}

std::string EventLine(std::uint64_t index, SampleRandom& random) {
    const auto day = static_cast<unsigned>(random.Below(28) + 1);
    const auto hour = static_cast<unsigned>(random.Below(8) + 8);
    const auto minute = static_cast<unsigned>(random.Below(4) * 15);
    std::string line = Format("2026-%02u-%02u,%02u:%02u,", static_cast<unsigned>(index % 12 + 1),
                              day, hour, minute);
    line += Pick(kEvents, random);
    line += ',';
    line += Pick(kRooms, random);
    return line;
}

// Every 10th rule is a long one: a scale of 32 steps with a label each.
std::string RuleLine(std::uint64_t index, SampleRandom& random) {
    std::string line = Format("R%04llu,", static_cast<unsigned long long>(index));
    line += Pick(kSubjects, random);
    const unsigned steps = index % 10 == 9 ? 32 : 3;
    for (unsigned step = 0; step < steps; ++step) {
        line += Format(",%u:", static_cast<unsigned>(random.Below(100)));
        line += Pick(kLabels, random);
    }
    return line;
}

std::string LayoutLine(std::uint64_t index, SampleRandom& random) {
    const auto row = static_cast<unsigned>(random.Below(60) + 1);
    const auto column = static_cast<unsigned>(random.Below(80) + 1);
    const auto width = static_cast<unsigned>(random.Below(40) + 4);
    std::string line = Format("FIELD,%03llu,%u,%u,%u,", static_cast<unsigned long long>(index), row,
                              column, width);
    line += Pick(kLabels, random);
    return line;
}

}  // namespace

std::string SampleLine(LineKind kind, std::uint64_t index, SampleRandom& random) {
    switch (kind) {
        case LineKind::kRoster:
            return RosterLine(index, random);
        case LineKind::kTeacher:
            return TeacherLine(index, random);
        case LineKind::kTimetable:
            return TimetableLine(index, random);
        case LineKind::kCode:
            return CodeLine(index, random);
        case LineKind::kEvent:
            return EventLine(index, random);
        case LineKind::kRule:
            return RuleLine(index, random);
        case LineKind::kLayout:
            return LayoutLine(index, random);
    }
    return {};
}
