#pragma once

#include "Derive.h"
#include "EditSession.h"
#include "Languages.h"
#include "MenuTable.h"
#include "PreviewPanes.h"
#include "Problem.h"
#include "ReadabilityModel.h"
#include "SchemeHistory.h"
#include "SchemeModel.h"
#include "Text.h"
#include "ToolWindows.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class ColourCommands;
class DisclaimerPanel;
class LargePreviewWindow;
class ElementList;
class InfoPanel;
class LinksPanel;
class LinkControl;
class LogoControl;
class MenuBar;
class PaletteTabs;
class PictureReading;
class PreviewFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimer;
class RecentFilesMenu;
class SchemeCommands;
class StatusBar;
class SupportPanel;
class UserDialogs;
struct FixAllProposal;

// The editor window. It owns the scheme, the edit session, the preview and every
// control, and wires them together; the controls do their own work (RgbEditor,
// PaletteTabs, ElementList, ColourCommands) on the shared EditSession, the one
// home of the current element and the one path that gives it a colour.
//
// The members named like the controls are the controls; their object names are
// the same, arrays carry the index in the name (txtRGB0, PicturePreview3, ...).
// The window is split by concern, one source file each (MainWindow_File.cpp,
// ...); the declarations below are grouped the same way, each group naming its
// file. Start-up and what is left go in MainWindow.cpp.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up, once, after construction: the stored language, the built-in
    // blue scheme, the disclaimer or, once agreed to, the editor. Kept out of the
    // constructor so that a test can point the settings store elsewhere first.
    void start();

    // Replaces the file dialogs and message boxes (tests answer them).
    void setDialogs(std::unique_ptr<UserDialogs> dialogs);

    // --- File commands (MainWindow_File.cpp)
    void openScheme();
    // Opens a scheme file exactly as the open command does once a file is chosen.
    // Returns whether the file was loaded.
    bool openSchemeFile(const QString &path);
    // Returns whether the scheme was written.
    bool saveScheme();
    void loadMask();
    void loadStandardScheme(StandardScheme scheme);

    // --- Derived schemes (MainWindow_Derive.cpp)
    // A scheme derived from a picture file, proposed in the large preview as
    // the picture command proposes one once the picture is read; the user is
    // told where the file cannot be read as a picture. `filesDropped` is how
    // many files came with it in one drop.
    void deriveFromPictureFile(const QString &path, int filesDropped = 1);

    // --- Menu and dispatch (MainWindow_Menu.cpp)
    // Runs the command of a menu key; keys without a command do nothing.
    void dispatch(const QString &key);

    // --- Language (MainWindow_Language.cpp)
    void applyLanguage(Language language);

    // --- Panels and consent (MainWindow_Panels.cpp)
    void showDisclaimer();
    void showSupport();
    void showLinks();

protected:
    // A menu item's status tip (a recent file's whole path) shows in the status
    // bar while the item is highlighted; the message it covered comes back after.
    bool event(QEvent *event) override;
    // A .col file dropped on the window is opened as the open command opens it;
    // a picture gives a derived scheme to apply or discard.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Unsaved changes are asked about before the window closes.
    void closeEvent(QCloseEvent *event) override;
    // The window's own captions follow the interface language; its pieces
    // retranslate themselves as the event reaches them.
    void changeEvent(QEvent *event) override;

private:
    // --- Layout (MainWindow_Layout.cpp): the one place that creates and places
    // the controls.
    void createWindow();
    void createBanner();
    void createMenu();
    void createDisclaimerPanel();
    void createSupportPanel();
    void createLinksPanel();
    void createEditorArea();
    void createElementFrame(QWidget *area);
    void createNameFrame(QWidget *area);
    void connectControls();
    // Copy, paste, enter and reset a colour from the list's and the panes'
    // context menus and by key.
    void connectColourCommands();
    // F10 for the menu bar, as the desktop has it.
    void addWindowKeys();

    // --- Editor
    void tellRefusedNameCharacter();
    // Each window of its own: how it is made and what it is connected to.
    void addToolWindows();

    // --- File commands
    void showProblem(Text message, const QString &path, const QString &details);
    // A file opened or saved: the file dialogs start in its folder next time,
    // and the File menu lists it.
    void rememberFile(const QString &path);
    void openRecentFile(int index);
    // Whether the command that would replace or end the scheme may go on.
    bool mayReplaceScheme();
    void tellPreviousInHistory();


    // --- Menu and dispatch
    void showMenuIn(Language language);
    // The command of the menu item with an identifier of the menu bar.
    void chooseItem(int id);
    void run(const MenuTable::Item &item);
    void offerEditorKeys();
    bool newScheme(StandardScheme scheme);
    void loadRedScheme();

    // --- Derived schemes
    void deriveFromColour();
    void deriveFromPicture();
    void pictureRead(const QString &path, const std::variant<Derive::Seeds, Problem> &result);
    void proposeDerived(const Derive::Seeds &seeds, const QString &source, const QString &name);
    void applyDerived(const ColourScheme &scheme, const QString &source);
    // Fix all's result, proposed there too; `again` where it follows a change
    // of the scheme or of the eyes, which leaves the window where it is.
    void proposeFixAll(const FixAllProposal &proposal, bool again);
    void applyFixAll(const FixAllProposal &proposal);
    void endFixAllProposal();
    // A standing Fix all proposal is made anew once the changes settle.
    void outdateFixAllProposal();

    // --- History (MainWindow_History.cpp)
    void showHistoryOffers();

    // --- Panels and consent
    void showPanel(InfoPanel *panel);
    void closePanel(InfoPanel *panel);
    // Whether the editor area shows and no panel covers it.
    bool isEditorShown() const;
    void followCover();
    void agree(Language marked);
    void disagree();
    // What the window offers beyond the disclaimer, before and after consent.
    void offerOwnCommands(bool agreed);

    QString text(Text text) const;
    // Once per window: the settings store cannot keep the choices beyond this run.
    void tellSettingsNotKept(const QString &store, const Problem &why);

    // Children of the window as long as it lives; members, so they go last.
    SchemeModel m_scheme;
    ReadabilityModel m_readabilityModel{m_scheme};
    SchemeHistory m_history{m_scheme};
    PreviewPanes m_panes;
    EditSession m_session;
    std::unique_ptr<UserDialogs> m_dialogs;
    std::unique_ptr<RecentFilesMenu> m_recentFiles;
    // After everything the windows of their own follow (the models, the
    // dialogs): they go first, while what they follow still lives.
    ToolWindows m_toolWindows{this};

    bool m_toldSettingsNotKept = false;

    LinkControl *ctlLink1 = nullptr;
    LogoControl *quorvix1 = nullptr;
    MenuBar *SmartMenuXP1 = nullptr;
    QWidget *MainElements = nullptr;
    PreviewFrame *FramePreview = nullptr;
    ElementList *cmbElement = nullptr;
    PaletteTabs *TabPaletteSelect = nullptr;
    QLineEdit *txtNamedesSchemes = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdSave = nullptr;
    QGroupBox *frameElement = nullptr;
    QGroupBox *FrameTitel = nullptr;
    DisclaimerPanel *frmCopyright = nullptr;
    SupportPanel *FrameSupport = nullptr;
    LinksPanel *frameLinks = nullptr;
    StatusBar *StatusBar1 = nullptr;
    PictureReading *m_pictureReading = nullptr;   // made when first needed
    int m_filesDropped = 1; // with the picture being read
    bool m_largePreviewOpenedToRead = false; // closed again when the picture gives no proposal
    QTimer *m_fixAllAgain = nullptr; // runs while a Fix all proposal is behind the scheme
    ColourCommands *m_colourCommands = nullptr;
    SchemeCommands *m_schemeCommands = nullptr;
};
