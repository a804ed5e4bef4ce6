// SameFolder: whether two folder texts lead to one directory, whatever the
// route.
//
// The same directory has one identity however it is spelt or linked. Another
// route can give it another: a FUSE mirror (bindfs), an overlay's merged view
// and its upper folder, a share of a local folder mounted back. A file made
// through one text and found through the other tells those apart; it is
// removed at once and has a temporary's name, which no operation copies.
#pragma once

#include <string_view>

#include "engine/FileSystem.h"

// True when a and b are existing directories of fs and are one: by identity,
// or by a probe made in b and found in a (which needs write access to b;
// without it, identity alone decides).
bool IsOneFolder(FileSystem& fs, std::string_view a, std::string_view b);
