// Icon: the program's icons as the platform holds them (a QIcon, an HICON),
// handed around without showing which.
#pragma once

// Defined by the platform implementation the build links.
struct AppIcon;

// Returns the icon resource id (res/Resource.h) with all its sizes, loaded
// once and kept for the program's life; nullptr when there is none. Needs the
// platform's application to exist (ApplicationScope).
const AppIcon* LoadAppIcon(int id);
