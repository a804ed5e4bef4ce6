#include "res/Icons.h"

#include "res/Resource.h"

namespace {

// The Windows program carries the icon under its identifier (win32/fileutility.rc);
// the Qt program's images are the resources res/CMakeLists.txt builds in.
constexpr IconTemplate kMainFrame{IDR_MAINFRAME, ":/icons", "fileutility.png"};

}  // namespace

const IconTemplate* FindIconTemplate(int id) {
    return id == kMainFrame.id ? &kMainFrame : nullptr;
}
