#include "SampleFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/FileSystem.h"

namespace fs = std::filesystem;

// Paths are the engine's texts (UTF-8 on Windows), hence PathOf and TextOf.
ScratchFolder::ScratchFolder() : m_path(m_folder.text().substr(0, m_folder.text().size() - 1)) {}

std::string ScratchFolder::Child(const std::string& name) const {
    return m_path + "/" + name;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(PathOf(path), ignored));
}

void MakeDir(const std::string& path) {
    fs::create_directories(PathOf(path));
}

std::map<std::string, std::string> FolderContents(const std::string& folder) {
    std::map<std::string, std::string> contents;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(PathOf(folder), error)) {
        if (entry.is_regular_file()) {
            contents[TextOf(entry.path().filename())] = ReadBytes(TextOf(entry.path()));
        }
    }
    return contents;
}

const std::string kSeparator(1, kPathSeparators.front());

// "２０１９年度　本校データ"
const std::string kSampleTitleSjis =
    "\x82\x51\x82\x4f\x82\x50\x82\x58\x94\x4e\x93\x78\x81\x40\x96\x7b\x8d\x5a\x83\x66\x81\x5b"
    "\x83\x5e";

std::string SampleBaseFile(const std::string& titleSjis) {
    std::string content;
    for (int line = 1; line <= 26; ++line) {
        content += line == 23 ? titleSjis : "BASE" + std::to_string(line) + ",0,1,2";
        content += "\r\n";
    }
    return content;
}

const std::map<std::string, std::string>& SampleCatalogueFiles() {
    static const std::map<std::string, std::string> files{
        {"ZELCODB0.DAT", "0001,\x8d\x91\x8c\xea\r\n0002,\x90\x94\x8a\x77\r\n"},  // 国語, 数学
        {"ZELTEAB0.DAT", "T01,YAMADA\nT02,SATO\n"},
        {"ZELPIEB0.DAT", "PIE,1\r\n"},
        {"ZELPRN1-004.DAT", "LAYOUT1 SHEET4\r\n"},
        {"ZELPRN2-003.DAT", "LAYOUT2 SHEET3\n"},
        {"ZELPRN-SEL-01.DAT", "SEL,01\r\n"},
        {"CLASS1.ZEL", "1-A\r\n1-B\r\n"},
        {"FORM.SP1", "SP1\r\n"},
    };
    return files;
}

void MakeDataFolder(const std::string& folder, const std::string& titleSjis) {
    MakeDir(folder);
    WriteBytes(folder + "/ZELBAS00.DAT", SampleBaseFile(titleSjis));
    for (const auto& [name, content] : SampleCatalogueFiles()) {
        WriteBytes(folder + "/" + name, content);
    }
    WriteBytes(folder + "/NOTES.TXT", "not a data file\r\n");
}

std::string WithCrLf(const std::string& content) {
    std::string out;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n' && (i == 0 || content[i - 1] != '\r')) {
            out += '\r';
        }
        out += content[i];
    }
    return out;
}

std::string Repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}
