// report_font.h - the fixed-pitch font that report rows are shown and
// printed in, so that their padded fields line up in columns.
#pragma once

#include <windows.h>

#include "framework/gdi.h"

// Makes font the face "Modern", fixed pitch, of that cell height (and that
// character width; 0: the face's own); the font mapper picks the nearest
// fixed-pitch face when there is no "Modern".
bool CreateReportFont(CFont& font, int height, int width = 0);

// The width of the font's characters in that device context (all alike:
// the font is fixed pitch).
int CharacterWidth(CDC& dc, const CFont& font);

// The result list's font for a screen of that DPI: 14 pixels high at 96 DPI,
// and its characters no wider than in step with the DPI, so that the widest
// report rows, which just fit the list at 96 DPI, keep their ends.
void CreateListFont(CFont& font, UINT dpi);
