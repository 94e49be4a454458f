// Facts about the product that more than one part of the program shows, the resource script's
// dialogs included.
#pragma once

// The maker's web address, shown by the start-up overlay and the dialogs' links.
#define BLUEREEF_MAKER_ADDRESS "http://www.example.org/bluereef/"

#ifndef RC_INVOKED
constexpr char kMakerWebAddress[] = BLUEREEF_MAKER_ADDRESS;
#endif
