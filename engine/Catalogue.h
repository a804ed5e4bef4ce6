// Catalogue: which files of a data folder each operation carries, in which
// order, and whether by name or by pattern.
//
// The base file is not part of it: every operation writes that first.
#pragma once

#include <string>
#include <vector>

#include "engine/DataFolder.h"

// Edition variant of this build. The group of files guarded by it is carried
// only when it equals 2; nothing sets it, so the group stays skipped.
extern int g_nVariant;

struct CatalogueEntry {
    std::string text;  // a file name, or a pattern with "*" and "?"
    bool byPattern;
};

// The entries that kind carries after the base file, in order. Empty for
// KIND_NEW and for any value that is not an OperationKind.
std::vector<CatalogueEntry> CatalogueFor(int kind);
