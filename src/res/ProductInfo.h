// Facts about the product that more than one part of the program shows.
#pragma once

// The maker's web address, shown by the start-up overlay and the dialogs' links.
constexpr char kMakerWebAddress[] = "http://www.example.org/bluereef/";
