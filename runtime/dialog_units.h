#pragma once

// Dialog units: the font-relative measure in which window definitions give positions and sizes.
// Windows derives two base units from the dialog's font and scales by them; this is that rule,
// kept free of Windows headers so it can be checked directly.
namespace rt {

struct DialogBaseUnits {
  int x = 0;  // average character width in pixels
  int y = 0;  // character height in pixels
};

// Base units from the pixel width of the 52 letters "A".."Z" "a".."z" and the font's height,
// rounded the way Windows rounds them for dialogs.
DialogBaseUnits BaseUnitsFromFont(int alphabetExtent, int textHeight);

// Windows' MulDiv: a * b / c rounded half away from zero, -1 when c is 0.
int MulDivRounded(int a, int b, int c);

int DialogToPixelsX(int dialogUnits, DialogBaseUnits base);
int DialogToPixelsY(int dialogUnits, DialogBaseUnits base);
int PixelsToDialogX(int pixels, DialogBaseUnits base);
int PixelsToDialogY(int pixels, DialogBaseUnits base);

}  // namespace rt
