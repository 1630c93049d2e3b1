// report_font.h - the fixed-pitch font that report rows are shown and
// printed in, so that their padded fields line up in columns.
#pragma once

#include "framework/gdi.h"

// Makes font the face "Modern", fixed pitch, of that cell height (and that
// character width; 0: the face's own); the font mapper picks the nearest
// fixed-pitch face when there is no "Modern".
bool CreateReportFont(CFont& font, int height, int width = 0);
