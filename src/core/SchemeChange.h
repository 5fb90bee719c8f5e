#pragma once

#include "ColourScheme.h"

#include <QString>

#include <memory>

// How a change came to the scheme, as the history tells it.
enum class ChangeCause : quint8 {
    Typed,     // the channel boxes, bars and set-all buttons; the name box
    Palette,   // a palette click
    Paste,     // the colour commands
    Entered,
    Reset,
    Fix,       // the readability window's Fix
    Pick,      // a click on the preview
    Undo,      // the Edit menu's one step
    Redo,
    CheckMark, // a check mark of the element list
    New,       // a built-in scheme, or the start
    Opened,    // a scheme file
    WentBack,  // the history's "go back"
    FixAll,    // every pair brought to its level at once
    Derived,   // a whole scheme from a colour or a picture
    Inverted,  // every colour inverted at once
};

// One change of the scheme, with what was there before, so that the history can
// list it and take it back. Colour and check-mark changes are a few bytes; a
// name or whole-scheme change keeps what it replaced once, shared by its copies.
struct SchemeChange
{
    enum class Kind : quint8 { Colour, Mark, Name, Scheme };

    // What a name or whole-scheme change replaced, and what it names.
    struct Whole
    {
        ColourTable table{}; // Scheme: the colours before
        quint64 visible = 0; // Scheme: the check marks before, element 1 in bit 0
        QString name;        // the name before
        QString nameAfter;   // Name: the name it became
        QString detail;      // Scheme: the built-in scheme's name, the file's name, the time gone back to
    };

    Kind kind = Kind::Colour;
    ChangeCause cause = ChangeCause::Typed;
    quint8 element = 0;     // Colour and Mark
    bool markAfter = false; // Mark: the mark it became (it was the opposite)
    ColourEntry before;     // Colour
    ColourEntry after;
    std::shared_ptr<const Whole> whole; // Name and Scheme
};
