#pragma once

// The window asks for its fonts by their Japanese names. Where no installed font
// has those names, this maps them to the nearest installed Japanese gothic fonts,
// proportional for the window and fixed-pitch for the text box. Call it before
// the first widget is created.
void InstallFontSubstitutes();
