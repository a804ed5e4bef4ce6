// Icon: the program's icons as the platform holds them (a QIcon, an HICON),
// handed around without showing which.
#pragma once

// Defined by the platform implementation the build links.
struct AppIcon;

// An icon as the program's resources describe it. The Win32 side loads icon
// resource id of the program file; the Qt side the images built in as Qt
// resources, one a size: "<imageFolder>/<size>x<size>/<imageName>".
struct IconTemplate {
    int id;
    const char* imageFolder;
    const char* imageName;
};

// Returns icon with all its sizes, loaded once and kept for the program's
// life; nullptr when there is none. Needs the platform's application to exist
// (ApplicationScope).
const AppIcon* LoadAppIcon(const IconTemplate& icon);
