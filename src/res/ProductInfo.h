// Facts about the product that more than one part of the program shows, the resource script's
// dialogs and version resource and the installer included.
#pragma once

// The product's name and version as the user sees them: in the files' properties, the installer
// and the list of installed programs.
#define BLUEREEF_PRODUCT_NAME "Free Bluereef Screensaver"
#define BLUEREEF_PUBLISHER "Bluereef"
#define BLUEREEF_VERSION_TEXT "1.0"
#define BLUEREEF_VERSION_NUMBERS 1, 0, 0, 0

// The maker's web address, shown by the start-up overlay and the dialogs' links.
#define BLUEREEF_MAKER_ADDRESS "http://www.example.org/bluereef/"

#ifndef RC_INVOKED
constexpr char kMakerWebAddress[] = BLUEREEF_MAKER_ADDRESS;
#endif
