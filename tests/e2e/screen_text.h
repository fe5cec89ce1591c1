// Finding a text on the screen, for windows whose texts another process cannot read, such
// as the lines of a pop-up menu: the text is drawn here as the system draws a menu item and
// looked for, pixel for pixel, in a picture of the screen.
#pragma once

#include <string>

#include "tools/drive/screen_capture.h"

// True when image shows text as a menu item draws it (menu font, colours and background),
// its mnemonic underlined or not.
bool ShowsMenuText(const ScreenImage& image, const std::string& text);
