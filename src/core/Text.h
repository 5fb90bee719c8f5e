#pragma once

// Every text of the program's own that depends on the interface language,
// apart from the element names and the menu: the localised captions, the
// support texts, the messages it shows and the reasons it gives for a failure.
// The order is the row order of the text table.
enum class Text {
    // Captions.
    TabS55,
    Tab16Bit,
    FlashOnSelect,
    HideProviderName,
    PreviewCaption,
    ElementCaption,
    SchemeTitleCaption,
    PaletteFrameCaption,
    RgbFrameCaption,
    LockCaption,
    LoadMaskCaption,
    OpenButtonCaption,
    SaveButtonCaption,
    PreviewAsPhone,    // the preview's context menu
    VisionNormal,
    VisionProtan,
    VisionDeutan,
    VisionTritan,
    Support0,
    Support1,
    Support2,
    Support3,
    Support4,
    Support5,
    Support6,
    DisclaimerTitle,
    LanguageSelectorTitle,
    Agree,
    Disagree,
    SupportTitle,
    LinksTitle,
    ClosePanel,        // the "ok" of the support and links panels
    // Messages: what went wrong, with the file's name as %1.
    OpenFailed,
    SaveFailed,
    FileEndsEarly,     // %2 entries of %3 read
    FileGoesOn,        // %2 entries; ignored from line %3 on
    PictureRefused,
    SecretRedScheme,   // the status bar's word for the makers' click sequence
    RecentFileGone,    // %1 the file
    OnlyFirstDropped,  // %1 files dropped, %2 the one opened
    NameCharacterRefused, // %1 the character typed into the name box
    SettingsNotKept,   // %1 the settings store
    SettingsNotKeptShort, // the same, in a few words that stay in the status bar
    AllReadable,       // the status bar, when every checked pair reaches its level
    PairsHardToRead,   // %1 pairs below their level; the panel is narrow
    LowestContrast,    // %1 the element read, %2 what it lies on, %3 their ratio, %4 the level
    ContrastOn,        // %1 a background of the element, %2 their ratio, %3 the level
    ReadabilityTitle,  // the readability window's title
    ReadabilityFix,    // its button that gives the chosen text a readable colour
    ColumnSample,      // the readability window's columns: the pair drawn as the phone shows it,
    ColumnForeground,  // the text or marker,
    ColumnBackground,  // what it lies on,
    ColumnContrast,    // their ratio,
    ColumnLevel,       // the ratio the pair needs
    ColumnRating,      // and the mark below
    MarkPoor,          // a pair below 3:1
    MarkBelowLevel,    // a pair below its level
    MarkAtLevel,       // a pair at its level, below 7:1
    MarkExcellent,     // a pair at 7:1 or more
    MarkNotChecked,    // a pair whose text the phone hides
    ColourCopy,        // the colour commands of the list's and the panes' context menus
    ColourPaste,
    ColourEnter,
    ColourReset,       // a sub-menu of the three built-in schemes:
    ResetBlue,
    ResetGreen,
    ResetRed,
    ColourCopied,      // %1 the colour as #RRGGBB
    NotAColour,        // %1 the text that was to be a colour
    ClipboardEmpty,    // the clipboard holds neither text nor a colour
    ColourDialogTitle,
    ColourDialogPrompt, // the forms a colour may be written in
    SchemeSaved,       // %1 the file written
    ViewShown,         // under the panes while a view is on: %1 the views, short
    ViewPhoneShort,    // the views as that line names them
    ViewProtanShort,
    ViewDeutanShort,
    ViewTritanShort,
    // Reasons, shown under a message or by --check.
    AtLine,            // "line %1: %2"
    FileEmpty,
    NotANumber,        // %1 the item
    NotAColourValue,   // %1 the item
    FollowsLastEntry,  // %1 the item, %2 the last entry's number
    NoDataLine,
    NoNumbers,
    EndsAfter,         // %1 of %2 entries
    IsFolder,
    IsSpecialFile,
    CannotBeWritten,
    FileTooLarge,      // %1 bytes; at most %2
    SystemSays,        // %1: the system's own words
    NameHasLineBreak,
    NameHasCharacter,  // %1 the character
    NotAPicture,
    PictureTooLarge,   // %1 × %2 pixels; at most %3
    PictureCutShort,   // %1 bytes of %2
    PictureUnreadable, // %1: the decoder's words
    Only24Bit,         // one fixed German sentence in every language
    WouldReplaceScheme,
    // Unsaved changes and the history.
    UnsavedChanges,   // asked before unsaved changes would go
    PreviousInHistory, // after a scheme was replaced
    HistoryTitle,     // the history window's title
    HistoryCommand,   // the context menus' item that opens it
    HistoryGoBack,    // its button
    HistoryColumnTime, // its columns
    HistoryColumnChange,
    HistoryColumnHow,
    HistoryName,      // %1 the name the scheme was given
    HistoryMarkOn,    // %1 the element
    HistoryMarkOff,   // %1 the element
    HistoryNew,       // %1 the built-in scheme
    HistoryOpened,    // %1 the file's name
    HistoryWentBack,  // %1 the time of the entry gone back to
    HowTyped,         // how a change came, as the history tells it
    HowPalette,
    HowPaste,
    HowEntered,
    HowReset,
    HowFix,
    HowPick,
    HowUndo,
    HowRedo,
    HowCheckMark,
    HowNew,
    HowOpened,
    HowWentBack,
    // The exact Fix and Fix all.
    FixAllCommand,     // Fix all, in the readability window and the context menus
    FixLighter,        // a colour Fix proposes: %1 its distance
    FixDarker,
    FixUnmet,          // %1 the pair no colour meets together with the chosen one
    PairOn,            // a pair: %1 the text, %2 its background
    FixAllProposed,    // Fix all before it is applied: %1 how many colours, %2 how much
    FixAllDone,        // Fix all applied: %1 how many colours changed, %2 how much
    FixAllColours,     // %1 how many colours (two or more)
    FixAllOneColour,
    FixAllColoursChanged, // %1 how many colours changed (two or more)
    FixAllOneColourChanged,
    FixAllSlight,      // how much Fix all changes: %1 the summed distance in OKLab
    FixAllClear,
    FixAllStrong,
    FixAllNothing,     // Fix all finds nothing it could change
    FixAllUnmet,       // %1 the pairs Fix all could not bring to their level
    HistoryFixAll,     // the history's entry of Fix all
    ColourBlindOption, // the readability window's choice of eyes
    ColumnColourBlind, // its column of the lowest ratio to colour-blind eyes
    WhitePage,         // the phone's own white page, a background no scheme changes
    StandbyIcons,      // the phone's own drawings in fixed colours, read as markers:
    TitleIcons,        // the standby screen's signal and battery icons, the title
    MenuIcons,         // bar's icon outlines, the icon menu's icons
    DrawingOnIt,       // a tooltip's line: %1 a drawing on the element, %2 their ratio, %3 the level
    PlaneTip,          // the readability window's plane of one hue
    LargePreviewCommand, // the context menus' item that opens the large preview
    LargePreviewTitle, // its window's title
    SavePicture,       // its button that saves what it shows
    PictureNotSaved,   // %1 the picture's file
    CompareWith,       // the large preview's button that sets a second scheme beside
    CompareNothing,    // its choices: no second scheme
    CompareSaved,      // the scheme as last opened or saved
    CompareFile,       // a scheme file
    // A whole scheme derived in the window.
    DeriveFromColour,  // the context menus' items
    DeriveFromPicture,
    DerivedFrom,       // %1 the colour or the picture's file: the proposal and its history entry
    DeriveDark,        // the proposal's choices
    DeriveLight,
    DeriveColourBlind,
    DeriveApply,
    DeriveDiscard,
    DeriveUnmet,       // a proposal with a pair below its level
    HowDerived,        // the history's way of a derived scheme
    PictureNotRead,    // %1 the file; the reader's words below
    CurrentScheme,     // the large preview's caption of the scheme being edited, beside another
    SavedScheme,       // its caption of the scheme as last opened or saved
    OnlyFirstPictureDropped, // %1 how many files, %2 the picture a scheme is proposed from
    PictureTooLargeToRead, // %1 × %2 pixels declared; at most %3 a side, %4 million in all
    PictureDamaged,    // a picture whose data ends early
    PictureInvisible,  // a picture with no pixel that is not fully transparent
    WouldReplacePicture, // a derived scheme written over its own picture
    PictureNeedsSuffix, // %1 the suffixes of the formats written
    PictureNotEncoded, // the picture cannot be encoded in its format
    ReadingPicture,    // %1 the picture being read for a derived scheme
    CancelReading,     // the button that stops it
    // Every colour inverted at once.
    InvertCommand,     // the context menus' item
    HistoryInverted,   // its history entry
    HowInverted,       // the history's way of it
    Count
};
