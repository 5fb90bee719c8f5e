#pragma once

#include "Canvas.h"

// Hand-drawn pictures of the preview screens. Artwork in fixed colours comes with
// kFixedColours; artwork whose pixels are element codes names its parts with letters
// that the screen that draws it maps to element inks.
namespace Artwork {

// Colours that no colour scheme changes: symbol and icon colours, black, white, greys.
// Two of them have red bytes that are also element numbers (34 and 36) with a green
// byte that is no element code: the renderer never paints them, but a click on one
// picks element 34 or 36. Every other fixed colour has a red byte of 0 or above 60,
// so that a click on it picks nothing.
extern const Palette kFixedColours;

// File list folder, 15 x 13: 't' tab, 'o' outline, 's' corners and label, 'i' face.
extern const Art kListFolder;
// The path mark after the title bar folder: the root of the phone's memory.
extern const Art kRootMark;

// Title bar icons, fixed colours.
extern const Art kTitleFolder;
extern const Art kTitleCard;

// Phone book type symbols, 15 x 10: 'o' outline, 'f' fill, 's' detail.
extern const Art kHomeSymbol;
extern const Art kMobileSymbol;
extern const Art kMailSymbol;
extern const Art kWebSymbol;

// Standby screen, fixed colours.
extern const Art kSignal;
extern const Art kBattery;

// Main menu icons, 15 x 11, fixed colours.
extern const Art kMenuInternet;
extern const Art kMenuGames;
extern const Art kMenuAudio;
extern const Art kMenuPhoneBook;
extern const Art kMenuMessages;
extern const Art kMenuOrganiser;
extern const Art kMenuCalls;
extern const Art kMenuSetup;
extern const Art kMenuMyStuff;

} // namespace Artwork
