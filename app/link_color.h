// The link colors of the user's web-browser settings: texts of three decimal numbers
// (red, green, blue) separated by commas.
#pragma once

#include <windows.h>

// Never a color of a valid text.
constexpr COLORREF kInvalidColor = 0xFFFFFFFF;

// Parses "red,green,blue" in place (the commas are overwritten). Each component is cut to
// its low 8 bits. kInvalidColor when a comma is missing, nothing follows the second comma,
// or the first or second number reads as -1.
COLORREF ParseColorText(char* text);

// Replaces *link and *visited by "Anchor Color" and "Anchor Color Visited" of the browser
// settings when these are present and valid; otherwise they keep their values.
void ReadBrowserLinkColors(COLORREF* link, COLORREF* visited);
