// WithoutPrivileges: runs a check as an unprivileged user, so that permission
// bits count (root ignores them).
#pragma once

#include <functional>

// Runs check and returns its result (0 to 255). As root, check runs in a
// child process switched to user and group 65534 ("nobody"); folders it must
// reach need permissions for others. Returns -1 when the child could not be
// started or did not end normally.
int WithoutPrivileges(const std::function<int()>& check);
