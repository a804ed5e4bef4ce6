// The resources fileutility.exe carries, read back by Windows from a test
// program linked with the same resource object: the version information with
// its Japanese product name, every size of the icon under the identifier the
// program loads, and the manifest's effects on the process
// (common controls 6, per-monitor DPI awareness).
#include "res/Resource.h"
#include "res/win32/Version.h"

// After Resource.h, whose standard command identifiers Windows' headers
// define as macros.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// Returns this program's version information block; empty when it has none.
std::vector<unsigned char> OwnVersionInfo() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<unsigned char> info(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, info.data())) {
        return {};
    }
    return info;
}

// Returns the string value under the Japanese Unicode block; empty when absent.
std::wstring VersionString(std::vector<unsigned char>& info, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(Resources, VersionInformationNamesTheProductInJapanese) {
    std::vector<unsigned char> info = OwnVersionInfo();
    ASSERT_FALSE(info.empty());

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::array<DWORD, 4> expected = {FU_VERSION_NUMBERS};
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(expected[1], expected[0]));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(expected[3], expected[2]));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4U);
    EXPECT_EQ(translation[0], 0x0411);  // Japanese
    EXPECT_EQ(translation[1], 1200);    // UTF-16

    EXPECT_EQ(VersionString(info, L"ProductName"), L"ファイルユーティリティ");
    EXPECT_EQ(VersionString(info, L"FileDescription"), L"ファイルユーティリティ");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), L"" FU_VERSION_TEXT);
    EXPECT_EQ(VersionString(info, L"LegalCopyright"),
              L"Copyright (C) 2026 ファイルユーティリティ開発チーム (MIT License)");
}

// The icon group lists every size Windows asks for from 100 % to 200 %
// scaling and Explorer's 256, the 16 and 32 pixel images in 16 colours, the
// others in 32 bits with alpha; Windows loads each size as it stands.
TEST(Resources, IconHoldsEverySizeTheSixteenAndThirtyTwoInSixteenColours) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* group =
        static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(group, nullptr);
    const std::array<int, 8> sizes = {16, 20, 24, 32, 40, 48, 64, 256};
    // GRPICONDIR: reserved, type, count; then 14-byte entries (a size of 256
    // is written as 0).
    ASSERT_EQ(group[4], sizes.size());
    constexpr int kEntries = 6;
    constexpr int kEntryBytes = 14;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const unsigned char* entry = group + kEntries + i * kEntryBytes;
        const bool sixteenColours = sizes[i] == 16 || sizes[i] == 32;
        EXPECT_EQ(entry[0], sizes[i] % 256) << sizes[i];
        EXPECT_EQ(entry[1], sizes[i] % 256) << sizes[i];
        EXPECT_EQ(entry[2], sixteenColours ? 16 : 0) << sizes[i];
        EXPECT_EQ(entry[6], sixteenColours ? 4 : 32) << sizes[i];
    }
    for (int size : sizes) {
        auto* icon = static_cast<HICON>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << size;
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// Windows loads the common controls 6 from their side-by-side assembly only
// for a program whose manifest asks for them (Wine's copy reports 5.81 as its
// version, so the folder tells, not the version). Wine knows no second version
// of per-monitor awareness: the awareness, not the context, is compared.
TEST(Resources, ManifestBringsCommonControlsSixAndPerMonitorScaling) {
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    std::array<wchar_t, MAX_PATH> path{};
    ASSERT_NE(GetModuleFileNameW(comctl, path.data(), MAX_PATH), 0U);
    std::wstring folder(path.data());
    CharLowerW(folder.data());
    EXPECT_NE(folder.find(L"_microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << "comctl32 loaded from " << std::string(folder.begin(), folder.end());

    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
