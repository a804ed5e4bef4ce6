#include "dialog/CheckFolders.h"

#include "dialog/DialogMessages.h"
#include "dialog/RequestChecks.h"

int CheckFolders(const CDialog* owner, std::string_view source, std::string_view destination) {
    const std::string refusal = FolderRefusal(source, destination);
    if (refusal.empty()) {
        return 1;
    }
    Notify(owner, refusal);
    return 0;
}
