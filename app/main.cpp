// fileutility: prepares the data folders of the Zelmora family.
#include "app/FileUtility.h"
#include "platform/Application.h"

int main(int argc, char* argv[]) {
    const ApplicationScope application(argc, argv, FILEUTILITY_VERSION);
    CFileUtilityApp app;
    app.InitInstance();
    return 0;
}
