#include "Panes.h"

#include "Artwork.h"
#include "PixelFont.h"

#include <string_view>

using PixelFont::Weight;

namespace {

// The elements of a colour scheme that the screens show, by their numbers.
enum Element : int {
    DateTimeText = 1,
    StandbyBackground = 2,
    TitleText = 3,
    TitleBackground = 4,
    TitlePageNumber = 5,
    SoftkeyText = 6,
    SoftkeyBackground = 7,
    PhoneNumberText = 11,
    MailAndWebText = 13,
    AddressText = 15,
    SelectionText = 16,
    SelectionBackground = 17,
    SelectionBorder = 18,
    SelectionShadow = 19,
    MenuText = 20,
    MenuBackground = 21,
    TitleShadow = 22,
    ProviderInner = 23,
    ProviderBorder = 24,
    ScrollMark = 28,
    ScrollBar = 29,
    MessageText = 30,
    MessageBackground = 31,
    MessageTitleText = 32,
    MessageTitleBackground = 33,
    MessageBorder = 34,
    MessageShadow = 35,
    MessageMarkedText = 36,
    MessageMarkBar = 37,
    MessageTitleShadow = 38,
    SymbolBorder = 42,
    SymbolBackground1 = 43,
    SymbolSelection = 44,
    SymbolBackground2 = 45,
    IconMenuBackground = 58,
};

// Layout of every screen: title bar rows 0-11 with its shadow line in row 12, the
// softkey bar in rows 67-79.
constexpr int kTitleBottom = 11;
constexpr int kTitleShadowRow = 12;
constexpr int kSoftkeyTop = 67;
constexpr int kLastRow = Canvas::kHeight - 1;
constexpr int kLastColumn = Canvas::kWidth - 1;
constexpr int kTitleTextTop = 1;
constexpr int kSoftkeyTextTop = 68;

const QRgb kListWhite = qRgb(255, 255, 255);
const QRgb kTextBlack = qRgb(0, 0, 0);
const QRgb kHighlightSlate = qRgb(72, 88, 112);

// One screen being drawn. The blue byte of an element code is picked from the pane
// and the element, so that it differs from element to element and from pane to pane.
struct Screen
{
    explicit Screen(int paneIndex) : pane(paneIndex) {}

    int pane;
    Canvas canvas;

    int blue(int element, int step = 0) const
    {
        static constexpr int kBlues[] = {0, 64, 100, 128, 150, 192, 200, 255};
        return kBlues[(element * 3 + pane * 5 + step) % 8];
    }
    Ink ink(int element) const { return elementInk(element, blue(element)); }
    // Large areas alternate two blue bytes.
    Ink checkered(int element) const
    {
        return elementInk(element, blue(element), blue(element, 3));
    }
};

int textWidth(std::string_view text, Weight weight)
{
    return PixelFont::render(text, weight).width();
}

// Writes text with the top of its capitals at row top; returns its width.
int write(Screen &screen, int x, int top, std::string_view text, Weight weight, const Ink &ink)
{
    const Bitmap bits = PixelFont::render(text, weight);
    screen.canvas.stamp(x, top, bits, ink);
    return bits.width();
}

void writeCentred(Screen &screen, int centre, int top, std::string_view text, Weight weight,
                  const Ink &ink)
{
    write(screen, centre - textWidth(text, weight) / 2, top, text, weight, ink);
}

void titleBar(Screen &screen)
{
    screen.canvas.fill(0, 0, kLastColumn, kTitleBottom, screen.checkered(TitleBackground));
    screen.canvas.hline(0, kLastColumn, kTitleShadowRow, screen.ink(TitleShadow));
}

void titleWithIcon(Screen &screen, const Art &icon, std::string_view title)
{
    titleBar(screen);
    screen.canvas.draw(1, 0, icon, Artwork::kFixedColours);
    write(screen, 16, kTitleTextTop, title, Weight::Bold, screen.ink(TitleText));
}

void softkeyBar(Screen &screen)
{
    screen.canvas.fill(0, kSoftkeyTop, kLastColumn, kLastRow, screen.checkered(SoftkeyBackground));
}

// Two softkeys, each centred over its half of the bar.
void softkeys(Screen &screen, std::string_view left, std::string_view right)
{
    softkeyBar(screen);
    writeCentred(screen, 26, kSoftkeyTextTop, left, Weight::Bold, screen.ink(SoftkeyText));
    writeCentred(screen, 74, kSoftkeyTextTop, right, Weight::Bold, screen.ink(SoftkeyText));
}

// A screen with a single softkey shows it as a wide raised key between the given
// columns: a rounded frame with a second edge inside along its top and left, the
// label in the middle.
void singleSoftkey(Screen &screen, std::string_view label, int left, int right)
{
    softkeyBar(screen);
    const Ink ink = screen.ink(SoftkeyText);
    screen.canvas.roundedFrame(left, kSoftkeyTop, right, kLastRow, ink);
    screen.canvas.hline(left + 2, right - 2, kSoftkeyTop + 1, ink);
    screen.canvas.vline(left + 1, kSoftkeyTop + 2, kLastRow - 2, ink);
    writeCentred(screen, (left + right + 1) / 2, kSoftkeyTop + 3, label, Weight::Bold, ink);
}

// Scroll bar in the rightmost columns: a dotted track in column 99 and a solid mark
// three columns wide that stands for the visible part of the list.
void scrollBar(Screen &screen, int trackTop, int trackBottom, int markTop, int markBottom)
{
    for (int y = trackTop; y <= trackBottom; y += 2)
        if (y < markTop - 1 || y > markBottom + 1)
            screen.canvas.plot(99, y, screen.ink(ScrollBar));
    screen.canvas.fill(98, markTop, 100, markBottom, screen.ink(ScrollMark));
}

// The file list behind panes 0 and 2: title with folder, three folders, the first
// one selected.
void fileList(Screen &screen)
{
    Canvas &canvas = screen.canvas;
    titleBar(screen);
    canvas.draw(1, 1, Artwork::kTitleFolder, Artwork::kFixedColours);
    const Palette rootMark = {{'#', screen.ink(TitleText)}};
    canvas.draw(16, 0, Artwork::kRootMark, rootMark);

    canvas.fill(0, kTitleShadowRow + 1, kLastColumn, kSoftkeyTop - 1, screen.checkered(MenuBackground));

    // The selected entry: border, fill, and a shadow offset down and right.
    canvas.frame(0, 15, 95, 30, screen.ink(SelectionBorder));
    canvas.fill(1, 16, 94, 29, screen.checkered(SelectionBackground));
    canvas.vline(96, 17, 31, screen.ink(SelectionShadow));
    canvas.hline(2, 96, 31, screen.ink(SelectionShadow));

    const Palette folder = {
        {'t', screen.ink(SymbolBackground2)},
        {'o', screen.ink(SymbolBorder)},
        {'s', screen.ink(SymbolSelection)},
        {'i', screen.ink(SymbolBackground1)},
    };
    for (const int top : {18, 34, 50})
        canvas.draw(3, top, Artwork::kListFolder, folder);

    write(screen, 19, 18, "Wallpaper", Weight::Bold, screen.ink(SelectionText));
    write(screen, 19, 38, "Ringtones", Weight::Normal, screen.ink(MenuText));
    write(screen, 19, 54, "Animations", Weight::Normal, screen.ink(MenuText));

    scrollBar(screen, 22, 64, 14, 19);
}

QImage fileListPane()
{
    Screen screen(0);
    fileList(screen);
    softkeys(screen, "Open", "Options");
    return screen.canvas.image();
}

QImage standbyPane()
{
    Screen screen(1);
    Canvas &canvas = screen.canvas;
    canvas.fill(0, 0, kLastColumn, kSoftkeyTop - 1, screen.checkered(StandbyBackground));
    canvas.draw(1, 1, Artwork::kSignal, Artwork::kFixedColours);
    canvas.draw(86, 2, Artwork::kBattery, Artwork::kFixedColours);

    // The provider name in outlined capitals: the letters in one element, a ring one
    // pixel wide around them in another.
    const char *const lines[] = {"LUMEN", "MOBILE"};
    int top = 20;
    for (const char *line : lines) {
        const Bitmap letters = PixelFont::renderDisplay(line, 2);
        const int left = 50 - letters.width() / 2;
        canvas.stamp(left - 1, top - 1, letters.ring(), screen.ink(ProviderBorder));
        canvas.stamp(left, top, letters, screen.ink(ProviderInner));
        top += 16;
    }

    const std::string_view time = "12:34";
    write(screen, 2, 57, "24.12.2002", Weight::Normal, screen.ink(DateTimeText));
    write(screen, 99 - textWidth(time, Weight::Normal), 57, time, Weight::Normal,
          screen.ink(DateTimeText));

    softkeys(screen, "Inbox", "Menu");
    return canvas.image();
}

QImage optionsPane()
{
    Screen screen(2);
    Canvas &canvas = screen.canvas;
    fileList(screen);

    // The pop-up window over the list: rounded border, a shadow along the right and
    // bottom, a title bar over a shadow line, then the three options.
    canvas.fill(5, 8, 95, 20, screen.checkered(MessageTitleBackground));
    canvas.hline(5, 95, 21, screen.ink(MessageTitleShadow));
    canvas.fill(5, 22, 95, 61, screen.checkered(MessageBackground));
    canvas.roundedFrame(4, 7, 96, 62, screen.ink(MessageBorder));
    canvas.vline(97, 10, 63, screen.ink(MessageShadow));
    canvas.hline(7, 97, 63, screen.ink(MessageShadow));
    // The rounded corners leave the list visible behind them: the fills above stay
    // inside the frame, which skips the three outermost pixels of every corner.

    write(screen, 6, 10, "Options", Weight::Bold, screen.ink(MessageTitleText));
    canvas.fill(5, 23, 95, 35, screen.checkered(MessageMarkBar));
    write(screen, 6, 25, "View", Weight::Bold, screen.ink(MessageMarkedText));
    write(screen, 6, 38, "Copy", Weight::Normal, screen.ink(MessageText));
    write(screen, 6, 51, "Delete", Weight::Normal, screen.ink(MessageText));

    singleSoftkey(screen, "Select", 0, 92);
    return canvas.image();
}

QImage mainMenuPane()
{
    Screen screen(3);
    Canvas &canvas = screen.canvas;
    titleBar(screen);
    write(screen, 1, kTitleTextTop, "Messages", Weight::Bold, screen.ink(TitleText));
    const std::string_view page = "5";
    write(screen, 100 - textWidth(page, Weight::Normal), 2, page, Weight::Normal,
          screen.ink(TitlePageNumber));

    canvas.fill(0, kTitleShadowRow + 1, kLastColumn, kSoftkeyTop - 1, screen.checkered(IconMenuBackground));

    // Three rows of three icons; the middle one is selected and shown at twice the
    // size inside a rounded frame with a shadow.
    const Palette &colours = Artwork::kFixedColours;
    canvas.draw(9, 14, Artwork::kMenuInternet, colours);
    canvas.draw(43, 14, Artwork::kMenuGames, colours);
    canvas.draw(77, 14, Artwork::kMenuAudio, colours);
    canvas.draw(9, 33, Artwork::kMenuPhoneBook, colours);
    canvas.draw(35, 28, Artwork::kMenuMessages, colours, 2);
    canvas.draw(77, 33, Artwork::kMenuOrganiser, colours);
    canvas.draw(9, 55, Artwork::kMenuCalls, colours);
    canvas.draw(43, 55, Artwork::kMenuSetup, colours);
    canvas.draw(77, 55, Artwork::kMenuMyStuff, colours);
    canvas.roundedFrame(34, 25, 66, 52, screen.ink(SelectionBorder));
    canvas.vline(67, 28, 53, screen.ink(SelectionShadow));
    canvas.hline(36, 67, 53, screen.ink(SelectionShadow));

    softkeys(screen, "Select", "Options");
    return canvas.image();
}

// The symbol palette of the phone book lines.
Palette symbolInks(const Screen &screen)
{
    return {
        {'o', screen.ink(SymbolBorder)},
        {'f', screen.ink(SymbolBackground2)},
        {'s', screen.ink(SymbolSelection)},
    };
}

void phoneBookPage(Screen &screen)
{
    titleWithIcon(screen, Artwork::kTitleCard, "Anna Berger");
    screen.canvas.fill(0, kTitleShadowRow + 1, kLastColumn, kSoftkeyTop - 1, kListWhite);
}

QImage phoneBookPane()
{
    Screen screen(4);
    Canvas &canvas = screen.canvas;
    phoneBookPage(screen);
    const Palette symbols = symbolInks(screen);

    canvas.draw(0, 16, Artwork::kHomeSymbol, symbols);
    write(screen, 16, 16, "21543", Weight::Bold, screen.ink(PhoneNumberText));

    // The selected line is drawn in fixed colours: the phone marks it with colours of
    // its own, not with the scheme's.
    canvas.fill(0, 27, 96, 39, kHighlightSlate);
    canvas.draw(0, 29, Artwork::kMobileSymbol, symbols);
    write(screen, 16, 30, "0171 2345678", Weight::Bold, kListWhite);

    canvas.draw(0, 41, Artwork::kMailSymbol, symbols);
    write(screen, 16, 41, "a.berger@web.de", Weight::Normal, screen.ink(MailAndWebText));
    canvas.draw(0, 55, Artwork::kWebSymbol, symbols);
    write(screen, 16, 55, "www.berger.de", Weight::Normal, screen.ink(MailAndWebText));

    scrollBar(screen, 14, 64, 38, 43);
    softkeys(screen, "Edit", "Options");
    return canvas.image();
}

QImage phoneBookAddressPane()
{
    Screen screen(5);
    Canvas &canvas = screen.canvas;
    phoneBookPage(screen);

    canvas.fill(0, 14, 96, 26, kHighlightSlate);
    write(screen, 3, 16, "Home address", Weight::Normal, kListWhite);
    write(screen, 1, 29, "Hof 12", Weight::Bold, screen.ink(AddressText));
    write(screen, 1, 41, "Berlin", Weight::Bold, screen.ink(AddressText));
    write(screen, 1, 55, "Birthday 12.03.", Weight::Normal, kTextBlack);

    scrollBar(screen, 14, 58, 61, 65);
    singleSoftkey(screen, "Edit", 15, 100);
    return canvas.image();
}

} // namespace

namespace Panes {

QImage draw(int pane)
{
    switch (pane) {
    case 0: return fileListPane();
    case 1: return standbyPane();
    case 2: return optionsPane();
    case 3: return mainMenuPane();
    case 4: return phoneBookPane();
    default: return phoneBookAddressPane();
    }
}

} // namespace Panes
