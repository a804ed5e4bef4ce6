// FileUtility: the application object and the program's start-up.
//
// The program is one dialog: start-up reads the environment file
// "zeldefs8.env" from the current directory for the default data folder and
// runs the main dialog modally; when the dialog closes, the program ends.
#pragma once

class CFileUtilityApp {
  public:
    // Loads the environment file; when it cannot be opened, shows
    // "zeldefs8.envが見つかりません。" (caption "Zelmora メニュー", no owner) and
    // returns. Otherwise runs the main dialog until it closes. Always returns
    // false: nothing is left to run afterwards. Needs an ApplicationScope.
    bool InitInstance();
};
