#include "Artwork.h"

namespace Artwork {

const Palette kFixedColours = {
    {'k', qRgb(0, 0, 0)},       {'w', qRgb(255, 255, 255)}, {'l', qRgb(216, 216, 216)},
    {'a', qRgb(168, 168, 168)}, {'d', qRgb(88, 88, 88)},    {'r', qRgb(36, 0, 0)},
    {'R', qRgb(214, 32, 32)},   {'b', qRgb(34, 0, 200)},    {'B', qRgb(112, 168, 255)},
    {'g', qRgb(0, 160, 48)},   {'G', qRgb(0, 88, 24)},     {'y', qRgb(255, 212, 0)},
    {'o', qRgb(240, 136, 0)},   {'n', qRgb(136, 80, 24)},
};

// clang-format off
const Art kListFolder = {
    "..tttttt.......",
    ".tttttttt......",
    "sooooooooooooos",
    "oiiiiiiiiiiiiio",
    "oiiiiisssiiiiio",
    "oiiiiiiiiiiiiio",
    "oiiiiiiiiiiiiio",
    "oiiiiiiiiiiiiio",
    "oiiiiiiiiiiiiio",
    "oiiiiiiiiiiiiio",
    "oiiiiiiiiiiiiio",
    "oiiiiiiiiiiiiio",
    "sooooooooooooos",
};

const Art kRootMark = {
    "##...",
    "##...",
    "##...",
    ".##..",
    ".##..",
    ".##..",
    "..##.",
    "..##.",
    "..##.",
    "...##",
};

const Art kTitleFolder = {
    ".kkkkk........",
    "kyyyyyk.......",
    "kywwwwykkkkkk.",
    "kyyyyyyyyyyyyk",
    "kyyoooooooooook",
    "kyoyyyyyyyyyyk",
    "kyoyyyyyyyyyok",
    "koyyyyyyyyyyok",
    "koyyyyyyyyyyok",
    "kkkkkkkkkkkkkk",
};

const Art kTitleCard = {
    "kkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwk",
    "kwwwnnnwwwwwwk",
    "kwwnnnnnwwddwk",
    "kwwnooonwwwwwk",
    "kwwoooooowddwk",
    "kwwwooowwwwwwk",
    "kwwBBBBBwwddwk",
    "kwBBBBBBBwwwwk",
    "kwBBBBBBBwddwk",
    "kwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkk",
};

const Art kHomeSymbol = {
    ".......o.......",
    "......ofo......",
    ".....offfo.....",
    "....offfffo....",
    "...offfffffo...",
    "..ooooooooooo..",
    "...offfffffo...",
    "...ossfssffo...",
    "...ossffffffo..",
    "...ooooooooo...",
};

const Art kMobileSymbol = {
    ".........o.....",
    "......ooooo....",
    "......ossso....",
    "......ossso....",
    "......offfo....",
    "......ofofo....",
    "......offfo....",
    "......ofofo....",
    "......offfo....",
    "......ooooo....",
};

const Art kMailSymbol = {
    "...............",
    ".ooooooooooooo.",
    ".osfffffffffso.",
    ".ofsfffffffsfo.",
    ".offsfffffsffo.",
    ".offfsssssfffo.",
    ".offfffffffffo.",
    ".offfffffffffo.",
    ".ooooooooooooo.",
    "...............",
};

const Art kWebSymbol = {
    ".....ooooo.....",
    "...oofffffoo...",
    "..ofsfffffsfo..",
    ".ofssfffffssfo.",
    ".ofsffffffssfo.",
    ".offfsffffsffo.",
    ".offfssffffffo.",
    "..offsffffffo..",
    "...ooffffffoo..",
    ".....ooooo.....",
};

const Art kSignal = {
    "k.k.k.........",
    ".kkk..........",
    "..k.........kk",
    "..k.........kk",
    "..k......kk.kk",
    "..k......kk.kk",
    "..k...kk.kk.kk",
    "..k...kk.kk.kk",
    "..kkk.kk.kk.kk",
    "..kkk.kk.kk.kk",
};

const Art kBattery = {
    ".kkkkkkkkkkkk.",
    ".kwwwwwwwwwwk.",
    "kkwkkwkkwkkwk.",
    "kkwkkwkkwkkwk.",
    "kkwkkwkkwkkwk.",
    ".kwwwwwwwwwwk.",
    ".kkkkkkkkkkkk.",
};

const Art kMenuInternet = {
    ".....kkkkk.....",
    "...kkbbgbbkk...",
    "..kbbggggbbbk..",
    ".kbbbgggbbbbbk.",
    ".kbbbbggbbggbk.",
    ".kbbbbgbbgggbk.",
    ".kbbbbbbbbggbk.",
    ".kbgbbbbbbbbbk.",
    "..kbggbbbbbbk..",
    "...kkbbbbbkk...",
    ".....kkkkk.....",
};

const Art kMenuGames = {
    "..kkkkkkkkkkk..",
    "..kwwwwwwwwwkd.",
    "..kwRRwwwRRwkd.",
    "..kwRRwwwRRwkd.",
    "..kwwwwwwwwwkd.",
    "..kwwwRRRwwwkd.",
    "..kwwwwwwwwwkd.",
    "..kwRRwwwRRwkd.",
    "..kwRRwwwRRwkd.",
    "..kwwwwwwwwwkd.",
    "..kkkkkkkkkkkd.",
};

const Art kMenuAudio = {
    ".....bbbbbbbbb.",
    ".....bbbbbbbbb.",
    ".....b.......b.",
    ".....b.......b.",
    ".....b.......b.",
    ".....b.......b.",
    "..bbbb....bbbb.",
    ".bbbbb...bbbbb.",
    ".bbbbb...bbbbb.",
    "..bbb.....bbb..",
    "...............",
};

const Art kMenuPhoneBook = {
    "..kkkkkkkkkkk..",
    "..krrRRRRRRRkl.",
    "..krrRwwwwwRkl.",
    "..krrRwkkkwRkl.",
    "..krrRwwwwwRkl.",
    "..krrRRRRRRRkl.",
    "..krrRRRRRRRkl.",
    "..krrRRRRRRRkl.",
    "..krrRRRRRRRkl.",
    "..kkkkkkkkkkkl.",
    "...llllllllll..",
};

const Art kMenuMessages = {
    "bbbbbbbbbbbbbbb",
    "bbwwwwwwwwwwwbb",
    "bwbwwwwwwwwwbwb",
    "bwwbwwwwwwwbwwb",
    "bwwwbwwwwwbwwwb",
    "bwwwwbwwwbwwwwb",
    "bwwwwwbbbwwwwwb",
    "bwwwwbwwwbwwwwb",
    "bwwwbwwwwwbwwwb",
    "bwwbwwwwwwwbwwb",
    "bbbbbbbbbbbbbbb",
};

const Art kMenuOrganiser = {
    ".....RRRRR.....",
    "...RRwwwwwRR...",
    "..RwwwwkwwwwR..",
    ".RwwwwwkwwwwwR.",
    ".RwwwwwkwwwwwR.",
    ".RwwwwwkkkkwwR.",
    ".RwwwwwwwwwwwR.",
    ".RwwwwwwwwwwwR.",
    "..RwwwwwwwwwR..",
    "...RRwwwwwRR...",
    ".....RRRRR.....",
};

const Art kMenuCalls = {
    "..GGG..........",
    ".GgggG.........",
    ".GgggG.........",
    "..GggG.........",
    "...GgG.........",
    "...GggG........",
    "....GggGG..GGG.",
    ".....GgggGGgggG",
    "......GgggggggG",
    ".......GggggggG",
    "........GGGGGG.",
};

const Art kMenuSetup = {
    "......ddd......",
    "..dd..dad..dd..",
    "..dadddadddad..",
    "...daaaaaaad...",
    ".dddaadddaaddd.",
    ".daaaad.daaaad.",
    ".dddaadddaaddd.",
    "...daaaaaaad...",
    "..dadddadddad..",
    "..dd..dad..dd..",
    "......ddd......",
};

const Art kMenuMyStuff = {
    "...............",
    ".kkkkk.........",
    "kyyyyyk........",
    "kywwwwykkkkkkk.",
    "kyyyyyyyyyyyyk.",
    "kyyoooooooooook",
    "kyoyyyyyyyyyyok",
    "kyoyyyyyyyyyyok",
    "koyyyyyyyyyyok.",
    "koyyyyyyyyyyok.",
    "kkkkkkkkkkkkk..",
};
// clang-format on

} // namespace Artwork
