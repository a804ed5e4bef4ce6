// Writes the Windows Installer package of ファイルユーティリティ from an
// installed tree (cmake --install), through Windows Installer's own database
// API: run under Wine, whose msi.dll stores the Japanese folder and shortcut
// names in code page 932 (Debian's msitools cannot write them).
//   msi-builder <installed folder> <package.msi>
// For all users: the program folder ファイルユーティリティ under Program Files, the
// Start-menu folder ファイルユーティリティ with the program and the guide, the
// program started in ENVDIR (default: the installation folder), remembered for
// the next version, which replaces this one (same UpgradeCode).
#include <windows.h>
#include <wtypes.h>

#include <fci.h>
#include <fcntl.h>
#include <io.h>
#include <msi.h>
#include <msidefs.h>
#include <msiquery.h>
#include <rpc.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace fs = std::filesystem;

namespace {

const wchar_t kProduct[] = L"ファイルユーティリティ";
const wchar_t kGuide[] = L"ファイルユーティリティの使い方";
const wchar_t kUpgradeCode[] = L"{28C29925-2B56-4A46-AD92-6C76F1E69C46}";
const wchar_t kRegistryKey[] = L"Software\\FileUtility";
const wchar_t kCabinet[] = L"fileutility.cab";
const int kCodePage = 932;
const int kJapanese = 1041;

// One component per folder of the installed tree; a folder keeps its GUID
// from version to version, so a new folder needs one here.
const std::map<std::wstring, std::wstring> kComponentIds = {
    {L"", L"{C224C88D-ACBE-4CA5-9935-00D3A044DF5F}"},
    {L"guide", L"{397D25E2-1792-441C-AF87-99C8288FE687}"},
    {L"images", L"{8FD17522-9D89-4A03-8FDF-28788C4ECD24}"},
};

using Value = std::variant<std::monostate, int, std::wstring>;
using Row = std::vector<Value>;
const Value null;

// A column's type as in an exported table: s, l (localizable) strings, i
// integers, with their size; upper case allows null.
struct Column {
    const wchar_t* name;
    const wchar_t* type;
};

struct Table {
    const wchar_t* name;
    std::vector<Column> columns;
    size_t keys;
    std::vector<Row> rows;
};

std::string narrow(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    result.pop_back();
    return result;
}

std::wstring widen(const char* text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring result(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), size);
    result.pop_back();
    return result;
}

void check(UINT result, const std::wstring& what) {
    if (result != ERROR_SUCCESS) {
        throw std::runtime_error(narrow(what) + " failed: error " + std::to_string(result));
    }
}

struct Handle {
    MSIHANDLE h = 0;
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (h != 0)
            MsiCloseHandle(h);
    }
};

void execute(MSIHANDLE db, const std::wstring& sql, MSIHANDLE record = 0) {
    Handle view;
    check(MsiDatabaseOpenViewW(db, sql.c_str(), &view.h), sql);
    check(MsiViewExecute(view.h, record), sql);
    check(MsiViewClose(view.h), sql);
}

std::wstring quoted(const wchar_t* name) {
    return L"`" + std::wstring(name) + L"`";
}

std::wstring columnSql(const Column& column) {
    wchar_t kind = column.type[0];
    int size = _wtoi(column.type + 1);
    std::wstring sql = quoted(column.name) + L" ";
    if (std::wcschr(L"sSlL", kind) != nullptr) {
        sql += size == 0 ? L"LONGCHAR" : L"CHAR(" + std::to_wstring(size) + L")";
    } else {
        sql += size == 2 ? L"SHORT" : L"LONG";
    }
    if (std::iswlower(kind))
        sql += L" NOT NULL";
    if (kind == L'l' || kind == L'L')
        sql += L" LOCALIZABLE";
    return sql;
}

void writeTable(MSIHANDLE db, const Table& table) {
    std::wstring create = L"CREATE TABLE " + quoted(table.name) + L" (";
    std::wstring names, markers;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const wchar_t* separator = i == 0 ? L"" : L", ";
        create += separator + columnSql(table.columns[i]);
        names += separator + quoted(table.columns[i].name);
        markers += separator + std::wstring(L"?");
    }
    create += L" PRIMARY KEY ";
    for (size_t i = 0; i < table.keys; ++i) {
        create += (i == 0 ? L"" : L", ") + quoted(table.columns[i].name);
    }
    execute(db, create + L")");

    std::wstring insert =
        L"INSERT INTO " + quoted(table.name) + L" (" + names + L") VALUES (" + markers + L")";
    for (const Row& row : table.rows) {
        if (row.size() != table.columns.size()) {
            throw std::runtime_error("a row of " + narrow(table.name) + " has the wrong size");
        }
        Handle record;
        record.h = MsiCreateRecord(static_cast<UINT>(row.size()));
        for (size_t i = 0; i < row.size(); ++i) {
            UINT field = static_cast<UINT>(i + 1);
            if (const auto* text = std::get_if<std::wstring>(&row[i])) {
                check(MsiRecordSetStringW(record.h, field, text->c_str()), L"MsiRecordSetString");
            } else if (const auto* number = std::get_if<int>(&row[i])) {
                check(MsiRecordSetInteger(record.h, field, *number), L"MsiRecordSetInteger");
            }
        }
        execute(db, insert, record.h);
    }
}

// The cabinet inside the package, written by cabinet.dll's FCI. FCI passes
// file names as bytes: they are UTF-8 here.
void* DIAMONDAPI cabAlloc(ULONG size) {
    return std::malloc(size);
}
void DIAMONDAPI cabFree(void* memory) {
    std::free(memory);
}
INT_PTR DIAMONDAPI cabOpen(char* name, int flags, int mode, int* err, void*) {
    int fd = _wopen(widen(name).c_str(), flags, mode);
    if (fd == -1)
        *err = errno;
    return fd;
}
UINT DIAMONDAPI cabRead(INT_PTR fd, void* memory, UINT size, int* err, void*) {
    int n = _read(static_cast<int>(fd), memory, size);
    if (n == -1)
        *err = errno;
    return static_cast<UINT>(n);
}
UINT DIAMONDAPI cabWrite(INT_PTR fd, void* memory, UINT size, int* err, void*) {
    int n = _write(static_cast<int>(fd), memory, size);
    if (n == -1)
        *err = errno;
    return static_cast<UINT>(n);
}
int DIAMONDAPI cabClose(INT_PTR fd, int* err, void*) {
    int result = _close(static_cast<int>(fd));
    if (result == -1)
        *err = errno;
    return result;
}
__LONG32 DIAMONDAPI cabSeek(INT_PTR fd, __LONG32 distance, int origin, int* err, void*) {
    __LONG32 result = _lseek(static_cast<int>(fd), distance, origin);
    if (result == -1)
        *err = errno;
    return result;
}
int DIAMONDAPI cabDelete(char* name, int* err, void*) {
    int result = _wremove(widen(name).c_str());
    if (result == -1)
        *err = errno;
    return result;
}
BOOL DIAMONDAPI cabTempFile(char* result, int size, void*) {
    wchar_t folder[MAX_PATH], name[MAX_PATH];
    if (GetTempPathW(MAX_PATH, folder) == 0 || GetTempFileNameW(folder, L"cab", 0, name) == 0) {
        return FALSE;
    }
    DeleteFileW(name);
    std::string bytes = narrow(name);
    if (bytes.size() >= static_cast<size_t>(size))
        return FALSE;
    std::strcpy(result, bytes.c_str());
    return TRUE;
}
int DIAMONDAPI cabFilePlaced(PCCAB, char*, __LONG32, BOOL, void*) {
    return 0;
}
BOOL DIAMONDAPI cabNextCabinet(PCCAB, ULONG, void*) {
    return FALSE;
}
__LONG32 DIAMONDAPI cabStatus(UINT type, ULONG, ULONG size, void*) {
    return type == statusCabinet ? static_cast<__LONG32>(size) : 0;
}
INT_PTR DIAMONDAPI cabOpenInfo(char* name, USHORT* date, USHORT* time, USHORT* attributes, int* err,
                               void*) {
    int fd = _wopen(widen(name).c_str(), _O_RDONLY | _O_BINARY);
    if (fd == -1) {
        *err = errno;
        return -1;
    }
    BY_HANDLE_FILE_INFORMATION info;
    HANDLE file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (!GetFileInformationByHandle(file, &info) ||
        !FileTimeToDosDateTime(&info.ftLastWriteTime, date, time)) {
        *err = EIO;
        _close(fd);
        return -1;
    }
    *attributes = 0;
    return fd;
}

struct File {
    fs::path source;
    std::wstring folder;  // relative to the installation folder, "" at its top
    std::wstring name;
    std::wstring key;
};

void makeCabinet(const std::vector<File>& files, const fs::path& cabinet) {
    CCAB ccab{};
    ccab.cb = CB_MAX_DISK;
    ccab.cbFolderThresh = CB_MAX_DISK;
    ccab.iCab = 1;
    std::string folder = narrow(cabinet.parent_path().wstring() + L"\\");
    std::string name = narrow(cabinet.filename().wstring());
    if (folder.size() >= sizeof ccab.szCabPath || name.size() >= sizeof ccab.szCab) {
        throw std::runtime_error("the cabinet's path is too long");
    }
    std::strcpy(ccab.szCabPath, folder.c_str());
    std::strcpy(ccab.szCab, name.c_str());
    ERF erf{};
    HFCI fci = FCICreate(&erf, cabFilePlaced, cabAlloc, cabFree, cabOpen, cabRead, cabWrite,
                         cabClose, cabSeek, cabDelete, cabTempFile, &ccab, nullptr);
    if (fci == nullptr)
        throw std::runtime_error("FCICreate failed");
    bool ok = true;
    for (const File& file : files) {
        std::string source = narrow(file.source.wstring());
        std::string stored = narrow(file.key);
        ok = ok && FCIAddFile(fci, source.data(), stored.data(), FALSE, cabNextCabinet, cabStatus,
                              cabOpenInfo, tcompTYPE_MSZIP);
    }
    ok = ok && FCIFlushCabinet(fci, FALSE, cabNextCabinet, cabStatus);
    FCIDestroy(fci);
    if (!ok) {
        throw std::runtime_error("writing the cabinet failed: FCI error " +
                                 std::to_string(erf.erfOper));
    }
}

bool isAsciiAlnum(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9');
}

std::wstring upperAlnum(const std::wstring& text, size_t most) {
    std::wstring result;
    for (wchar_t c : text) {
        if (isAsciiAlnum(c) && result.size() < most)
            result += static_cast<wchar_t>(std::towupper(c));
    }
    return result;
}

// A name as a DefaultDir or FileName column holds it: the name itself when it
// is a short (8.3) name, otherwise a short name of its own and the long one.
std::wstring shortAndLong(const std::wstring& name, int& counter) {
    size_t dot = name.rfind(L'.');
    std::wstring base = name.substr(0, dot);
    std::wstring extension = dot == std::wstring::npos ? L"" : name.substr(dot + 1);
    bool plain = std::all_of(name.begin(), name.end(),
                             [](wchar_t c) { return isAsciiAlnum(c) || c == L'_' || c == L'.'; });
    if (plain && !base.empty() && base.size() <= 8 && extension.size() <= 3 &&
        base.find(L'.') == std::wstring::npos) {
        return name;
    }
    std::wstring tail = L"~" + std::to_wstring(++counter);
    std::wstring shortName = upperAlnum(base, 8 - tail.size());
    if (shortName.empty())
        shortName = L"F";
    shortName += tail;
    std::wstring shortExtension = upperAlnum(extension, 3);
    if (!shortExtension.empty())
        shortName += L"." + shortExtension;
    return shortName + L"|" + name;
}

// An identifier for a relative path: File and Directory keys.
std::wstring identifier(const std::wstring& path) {
    std::wstring key = path;
    for (wchar_t& c : key) {
        if (!isAsciiAlnum(c) && c != L'.')
            c = L'_';
    }
    if (key.empty() || !(isAsciiAlnum(key[0]) && !(key[0] >= L'0' && key[0] <= L'9'))) {
        key.insert(0, L"_");
    }
    return key;
}

std::wstring directoryKey(const std::wstring& folder) {
    return folder.empty() ? L"INSTALLDIR" : L"dir_" + identifier(folder);
}

std::wstring componentKey(const std::wstring& folder) {
    return folder.empty() ? L"Program" : L"Files_" + identifier(folder);
}

std::wstring newGuid() {
    UUID uuid;
    RPC_WSTR text = nullptr;
    if (UuidCreate(&uuid) != RPC_S_OK || UuidToStringW(&uuid, &text) != RPC_S_OK) {
        throw std::runtime_error("UuidCreate failed");
    }
    std::wstring guid = L"{" + std::wstring(reinterpret_cast<wchar_t*>(text)) + L"}";
    RpcStringFreeW(&text);
    for (wchar_t& c : guid)
        c = static_cast<wchar_t>(std::towupper(c));
    return guid;
}

std::vector<File> listFiles(const fs::path& root) {
    std::vector<File> files;
    std::set<std::wstring> keys;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        fs::path relative = entry.path().lexically_relative(root);
        File file{entry.path(), relative.parent_path().generic_wstring(),
                  relative.filename().wstring(), identifier(relative.generic_wstring())};
        if (!kComponentIds.count(file.folder)) {
            throw std::runtime_error("no component GUID for the folder " + narrow(file.folder));
        }
        if (!keys.insert(file.key).second) {
            throw std::runtime_error("two files have the key " + narrow(file.key));
        }
        files.push_back(file);
    }
    std::sort(files.begin(), files.end(), [](const File& a, const File& b) {
        return std::tie(a.folder, a.name) < std::tie(b.folder, b.name);
    });
    return files;
}

std::vector<Table> tables(const std::vector<File>& files, const std::wstring& productCode) {
    const std::wstring version = L"" FILEUTILITY_VERSION;
    Table property{L"Property", {{L"Property", L"s72"}, {L"Value", L"l0"}}, 1, {}};
    for (const auto& [name, value] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"ProductCode", productCode},
             {L"ProductName", kProduct},
             {L"ProductVersion", version},
             {L"ProductLanguage", std::to_wstring(kJapanese)},
             {L"Manufacturer", L"" FILEUTILITY_VENDOR},
             {L"UpgradeCode", kUpgradeCode},
             {L"ALLUSERS", L"1"},
             {L"ARPNOMODIFY", L"1"},
             {L"ARPNOREPAIR", L"1"},
             {L"SecureCustomProperties", L"ENVDIR;SAVEDENVDIR;OLDERFOUND;NEWERFOUND"},
         }) {
        property.rows.push_back({name, value});
    }

    // ENVDIR is a folder of its own, the installation folder unless the
    // command line or the earlier installation names another.
    Table directory{
        L"Directory",
        {{L"Directory", L"s72"}, {L"Directory_Parent", L"S72"}, {L"DefaultDir", L"l255"}},
        1,
        {{L"TARGETDIR", null, L"SourceDir"},
         {L"ProgramFiles64Folder", L"TARGETDIR", L"."},
         {L"INSTALLDIR", L"ProgramFiles64Folder", L"FILEUTIL|" + std::wstring(kProduct)},
         {L"ENVDIR", L"INSTALLDIR", L"."},
         {L"ProgramMenuFolder", L"TARGETDIR", L"."},
         {L"MENUDIR", L"ProgramMenuFolder", L"FILEUTIL|" + std::wstring(kProduct)}}};
    Table component{L"Component",
                    {{L"Component", L"s72"},
                     {L"ComponentId", L"S38"},
                     {L"Directory_", L"s72"},
                     {L"Attributes", L"i2"},
                     {L"Condition", L"S255"},
                     {L"KeyPath", L"S72"}},
                    1,
                    {}};
    Table featureComponents{
        L"FeatureComponents", {{L"Feature_", L"s38"}, {L"Component_", L"s72"}}, 2, {}};
    Table file{L"File",
               {{L"File", L"s72"},
                {L"Component_", L"s72"},
                {L"FileName", L"l255"},
                {L"FileSize", L"i4"},
                {L"Version", L"S72"},
                {L"Language", L"S20"},
                {L"Attributes", L"I2"},
                {L"Sequence", L"i2"}},
               1,
               {}};
    std::map<std::wstring, int> shortNames;  // per folder
    int sequence = 0;
    for (const File& f : files) {
        if (!std::any_of(component.rows.begin(), component.rows.end(), [&](const Row& row) {
                return std::get<std::wstring>(row[0]) == componentKey(f.folder);
            })) {
            if (!f.folder.empty()) {
                fs::path folder(f.folder);
                directory.rows.push_back(
                    {directoryKey(f.folder), directoryKey(folder.parent_path().generic_wstring()),
                     shortAndLong(folder.filename().wstring(),
                                  shortNames[folder.parent_path().generic_wstring()])});
            }
            component.rows.push_back({componentKey(f.folder), kComponentIds.at(f.folder),
                                      directoryKey(f.folder), msidbComponentAttributes64bit, null,
                                      f.key});
            featureComponents.rows.push_back({L"Complete", componentKey(f.folder)});
        }
        uintmax_t size = fs::file_size(f.source);
        if (size > 0x7fffffff)
            throw std::runtime_error("too large: " + narrow(f.name));
        wchar_t fileVersion[72], language[20];
        DWORD versionSize = 72, languageSize = 20;
        bool versioned = MsiGetFileVersionW(f.source.c_str(), fileVersion, &versionSize, language,
                                            &languageSize) == ERROR_SUCCESS;
        file.rows.push_back(
            {f.key, componentKey(f.folder), shortAndLong(f.name, shortNames[f.folder]),
             static_cast<int>(size), versioned ? Value(fileVersion) : null,
             versioned ? Value(language) : null, msidbFileAttributesVital, ++sequence});
    }

    auto keyOf = [&](const std::wstring& path) {
        std::wstring key = identifier(path);
        if (!std::any_of(files.begin(), files.end(), [&](const File& f) { return f.key == key; })) {
            throw std::runtime_error("not in the installed tree: " + narrow(path));
        }
        return L"[#" + key + L"]";
    };
    Table shortcut{
        L"Shortcut",
        {{L"Shortcut", L"s72"},
         {L"Directory_", L"s72"},
         {L"Name", L"l128"},
         {L"Component_", L"s72"},
         {L"Target", L"s72"},
         {L"Arguments", L"S255"},
         {L"Description", L"L255"},
         {L"Hotkey", L"I2"},
         {L"Icon_", L"S72"},
         {L"IconIndex", L"I2"},
         {L"ShowCmd", L"I2"},
         {L"WkDir", L"S72"}},
        1,
        {{L"ProgramShortcut", L"MENUDIR", L"PROGRAM|" + std::wstring(kProduct), L"Program",
          keyOf(L"fileutility.exe"), null, null, null, null, null, null, L"ENVDIR"},
         {L"GuideShortcut", L"MENUDIR", L"GUIDE|" + std::wstring(kGuide), L"Program",
          keyOf(L"guide/index.html"), null, null, null, null, null, null, L"INSTALLDIR"}}};
    // The Start-menu folder goes with its entries.
    Table removeFile{
        L"RemoveFile",
        {{L"FileKey", L"s72"},
         {L"Component_", L"s72"},
         {L"FileName", L"L255"},
         {L"DirProperty", L"s72"},
         {L"InstallMode", L"i2"}},
        1,
        {{L"MenuFolder", L"Program", null, L"MENUDIR", msidbRemoveFileInstallModeOnRemove}}};
    Table registry{L"Registry",
                   {{L"Registry", L"s72"},
                    {L"Root", L"i2"},
                    {L"Key", L"l255"},
                    {L"Name", L"L255"},
                    {L"Value", L"L0"},
                    {L"Component_", L"s72"}},
                   1,
                   {{L"EnvDir", msidbRegistryRootLocalMachine, kRegistryKey, L"EnvDir", L"[ENVDIR]",
                     L"Program"}}};
    Table appSearch{L"AppSearch",
                    {{L"Property", L"s72"}, {L"Signature_", L"s72"}},
                    2,
                    {{L"SAVEDENVDIR", L"EnvDir"}}};
    Table regLocator{L"RegLocator",
                     {{L"Signature_", L"s72"},
                      {L"Root", L"i2"},
                      {L"Key", L"s255"},
                      {L"Name", L"S255"},
                      {L"Type", L"I2"}},
                     1,
                     {{L"EnvDir", msidbRegistryRootLocalMachine, kRegistryKey, L"EnvDir",
                       msidbLocatorTypeRawValue | msidbLocatorType64bit}}};
    Table customAction{
        L"CustomAction",
        {{L"Action", L"s72"}, {L"Type", L"i2"}, {L"Source", L"S72"}, {L"Target", L"S255"}},
        1,
        {{L"RestoreEnvDir", msidbCustomActionTypeProperty | msidbCustomActionTypeTextData,
          L"ENVDIR", L"[SAVEDENVDIR]"}}};
    // Any earlier version and the same one are replaced; a newer one stops
    // the installation.
    Table upgrade{L"Upgrade",
                  {{L"UpgradeCode", L"s38"},
                   {L"VersionMin", L"S20"},
                   {L"VersionMax", L"S20"},
                   {L"Language", L"S255"},
                   {L"Attributes", L"i4"},
                   {L"Remove", L"S255"},
                   {L"ActionProperty", L"s72"}},
                  5,
                  {{kUpgradeCode, null, version, null, msidbUpgradeAttributesVersionMaxInclusive,
                    null, L"OLDERFOUND"},
                   {kUpgradeCode, version, null, null, msidbUpgradeAttributesOnlyDetect, null,
                    L"NEWERFOUND"}}};
    Table launchCondition{L"LaunchCondition",
                          {{L"Condition", L"s255"}, {L"Description", L"l255"}},
                          1,
                          {{L"NOT NEWERFOUND", L"より新しい版の" + std::wstring(kProduct) +
                                                   L"がインストールされています。"}}};
    Table feature{L"Feature",
                  {{L"Feature", L"s38"},
                   {L"Feature_Parent", L"S38"},
                   {L"Title", L"L64"},
                   {L"Description", L"L255"},
                   {L"Display", L"I2"},
                   {L"Level", L"i2"},
                   {L"Directory_", L"S72"},
                   {L"Attributes", L"i2"}},
                  1,
                  {{L"Complete", null, kProduct, null, 1, 1, L"INSTALLDIR", 0}}};
    Table media{L"Media",
                {{L"DiskId", L"i2"},
                 {L"LastSequence", L"i2"},
                 {L"DiskPrompt", L"L64"},
                 {L"Cabinet", L"S255"},
                 {L"VolumeLabel", L"S32"},
                 {L"Source", L"S72"}},
                1,
                {{1, sequence, null, L"#" + std::wstring(kCabinet), null, null}}};

    const std::vector<Column> sequenceColumns = {
        {L"Action", L"s72"}, {L"Condition", L"S255"}, {L"Sequence", L"I2"}};
    const std::vector<Row> search = {{L"FindRelatedProducts", null, 25},
                                     {L"AppSearch", null, 50},
                                     {L"RestoreEnvDir", L"NOT ENVDIR AND SAVEDENVDIR", 51},
                                     {L"LaunchConditions", null, 100},
                                     {L"CostInitialize", null, 800},
                                     {L"FileCost", null, 900},
                                     {L"CostFinalize", null, 1000},
                                     {L"MigrateFeatureStates", null, 1200}};
    Table uiSequence{L"InstallUISequence", sequenceColumns, 1, search};
    uiSequence.rows.push_back({L"ExecuteAction", null, 1300});
    Table executeSequence{L"InstallExecuteSequence", sequenceColumns, 1, search};
    for (const auto& [action, number] : std::vector<std::pair<const wchar_t*, int>>{
             {L"InstallValidate", 1400},
             // Before anything is installed: the old version leaves entirely.
             {L"RemoveExistingProducts", 1401},
             {L"InstallInitialize", 1500},
             {L"ProcessComponents", 1600},
             {L"UnpublishFeatures", 1800},
             {L"RemoveRegistryValues", 2600},
             {L"RemoveShortcuts", 3200},
             {L"RemoveFiles", 3500},
             {L"RemoveFolders", 3600},
             {L"CreateFolders", 3700},
             {L"InstallFiles", 4000},
             {L"CreateShortcuts", 4500},
             {L"WriteRegistryValues", 5000},
             {L"RegisterUser", 6000},
             {L"RegisterProduct", 6100},
             {L"PublishFeatures", 6300},
             {L"PublishProduct", 6400},
             {L"InstallFinalize", 6600},
         }) {
        executeSequence.rows.push_back({action, null, number});
    }
    return {property,        directory, component, featureComponents, file,           shortcut,
            removeFile,      registry,  appSearch, regLocator,        customAction,   upgrade,
            launchCondition, feature,   media,     uiSequence,        executeSequence};
}

// The summary's strings are written in the process's code page, not the
// tables' one.
void setSummary(MSIHANDLE db) {
    if (GetACP() != kCodePage) {
        throw std::runtime_error("run in a Japanese locale: the code page is " +
                                 std::to_string(GetACP()) + ", not 932");
    }
    Handle info;
    check(MsiGetSummaryInformationW(db, nullptr, 20, &info.h), L"MsiGetSummaryInformation");
    auto text = [&](UINT id, const std::wstring& value) {
        check(MsiSummaryInfoSetPropertyW(info.h, id, VT_LPSTR, 0, nullptr, value.c_str()),
              L"summary property " + std::to_wstring(id));
    };
    auto number = [&](UINT id, UINT type, int value) {
        check(MsiSummaryInfoSetPropertyW(info.h, id, type, value, nullptr, nullptr),
              L"summary property " + std::to_wstring(id));
    };
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    number(PID_CODEPAGE, VT_I2, kCodePage);
    text(PID_TITLE, L"Installation Database");
    text(PID_SUBJECT, kProduct);
    text(PID_AUTHOR, L"" FILEUTILITY_VENDOR);
    text(PID_KEYWORDS, L"Installer");
    text(PID_TEMPLATE, L"x64;" + std::to_wstring(kJapanese));
    text(PID_REVNUMBER, newGuid());
    check(MsiSummaryInfoSetPropertyW(info.h, PID_CREATE_DTM, VT_FILETIME, 0, &now, nullptr),
          L"summary creation time");
    check(MsiSummaryInfoSetPropertyW(info.h, PID_LASTSAVE_DTM, VT_FILETIME, 0, &now, nullptr),
          L"summary save time");
    number(PID_PAGECOUNT, VT_I4, 200);  // Windows Installer 2.0, the first with x64
    number(PID_WORDCOUNT, VT_I4, 2);    // long names, files in the package's cabinet
    number(PID_SECURITY, VT_I4, 2);
    text(PID_APPNAME, L"msi-builder");
    check(MsiSummaryInfoPersist(info.h), L"MsiSummaryInfoPersist");
}

void build(const fs::path& root, const fs::path& package) {
    std::vector<File> files = listFiles(root);
    fs::path folder = package.parent_path();
    fs::path cabinet = package;
    cabinet += L".cab";
    makeCabinet(files, cabinet);

    fs::remove(package);
    Handle db;
    check(MsiOpenDatabaseW(package.c_str(), reinterpret_cast<LPCWSTR>(MSIDBOPEN_CREATE), &db.h),
          L"MsiOpenDatabase");
    // The strings' code page, which only an imported table can set.
    fs::path codepage = folder / L"_ForceCodepage.idt";
    std::ofstream(codepage, std::ios::binary) << "\r\n\r\n" << kCodePage << "\t_ForceCodepage\r\n";
    UINT imported = MsiDatabaseImportW(db.h, folder.c_str(), L"_ForceCodepage.idt");
    fs::remove(codepage);
    check(imported, L"MsiDatabaseImport of _ForceCodepage");

    for (const Table& table : tables(files, newGuid()))
        writeTable(db.h, table);

    {
        Handle stream;
        stream.h = MsiCreateRecord(2);
        check(MsiRecordSetStringW(stream.h, 1, kCabinet), L"MsiRecordSetString");
        check(MsiRecordSetStreamW(stream.h, 2, cabinet.c_str()), L"MsiRecordSetStream");
        execute(db.h, L"INSERT INTO `_Streams` (`Name`, `Data`) VALUES (?, ?)", stream.h);
    }
    setSummary(db.h);
    check(MsiDatabaseCommit(db.h), L"MsiDatabaseCommit");
    fs::remove(cabinet);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: msi-builder <installed folder> <package.msi>\n", stderr);
        return 64;
    }
    try {
        build(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "msi-builder: %s\n", e.what());
        return 1;
    }
    return 0;
}
