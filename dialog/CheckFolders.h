// CheckFolders: whether a request's source and destination may be used.
#pragma once

#include <string_view>

class CDialog;

// Refuses, with its own message owned by owner, a destination that is the
// source folder in any written form: the same text (letters A-Z folded), the
// same text but for a trailing "/", a one-character destination, or the same
// existing directory reached another way (links, ".", ".."). Refuses as well a
// source without a base file. Returns 1 when the request may go on, 0 when
// it was refused.
int CheckFolders(const CDialog* owner, std::string_view source, std::string_view destination);
