// SampleFolders: a scratch folder per test and small invented data folders
// in it, with helpers to read back what the dialog wrote.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

// A fresh folder under the system's temporary folder, removed with all its
// contents at destruction.
class ScratchFolder {
  public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path without a trailing "/".
    const std::string& Path() const { return m_path; }

    // Path() + "/" + name, as text for the dialog.
    std::string Child(const std::string& name) const;

  private:
    TempFolder m_folder;
    std::string m_path;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
void MakeDir(const std::string& path);

// Every regular file of folder with its content, by name.
std::map<std::string, std::string> FolderContents(const std::string& folder);

// The separator the dialog puts after a picked folder: the engine's own,
// "\\" on Windows, "/" elsewhere.
extern const std::string kSeparator;

// The title of the sample folders: "２０１９年度　本校データ" in Shift-JIS.
extern const std::string kSampleTitleSjis;

// The 26 CR LF lines of a sample base file with title on line 23.
std::string SampleBaseFile(const std::string& titleSjis);

// The catalogue files of the sample folders and their contents as stored
// (some with LF line ends, which copies turn into CR LF).
const std::map<std::string, std::string>& SampleCatalogueFiles();

// Makes folder (created if missing) a data folder: the base file with
// titleSjis, the sample catalogue files and a file no operation copies.
void MakeDataFolder(const std::string& folder, const std::string& titleSjis = kSampleTitleSjis);

// content with every lone LF turned into CR LF, as a text-mode copy writes it.
std::string WithCrLf(const std::string& content);

// text written times times over.
std::string Repeated(const std::string& text, int times);
