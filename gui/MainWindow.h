#pragma once
// The main frame: a multiple-document area of design windows, the menu bar (File, the six
// design commands, Analysis, View, Window, Help), the toolbar, the status bar, printing, the
// recent-file list, the frame's place on the screen kept between runs, and the design files the
// windows are opened from and saved to.

#include <QList>
#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "Commands.h"
#include "RecentFiles.h"
#include "platform/FileTextEncoding.h"
#include "text/TextId.h"
#include "text/Texts.h"

class QMdiArea;
class QMdiSubWindow;
class QCloseEvent;
class QMenu;
class QPrinter;

namespace vorna {

class DocumentWindow;
class LanguageSwitch;
class QtUi;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    QtUi& DesktopUi() { return *ui_; }
    QPrinter& Printer() { return *printer_; }
    QMdiArea* DocumentArea() const { return area_; }

    // A new window with a new design ("Korvel1", "Korvel2", ...).
    DocumentWindow* NewDocument();
    // A window for the design file at `path` (the window already showing it, if any);
    // nullptr, after a message, when the file is not a design file that can be opened.
    // Taken by value: the path may be an entry of the recent list, which opening changes.
    DocumentWindow* OpenDocument(QString path);
    // Saves the window's design to its file, or to a file the user chooses when it has
    // none or `chooseName` is set. False when cancelled or failed (after a message).
    bool SaveDocument(DocumentWindow* document, bool chooseName);
    DocumentWindow* ActiveDocument() const;
    QList<DocumentWindow*> Documents() const;

    // The menu or toolbar action of a command; nullptr for an unknown id.
    QAction* Action(int commandId) const;
    const RecentFiles& Recent() const { return recent_; }

    // Remembers the frame's place and whether the design windows are maximised for the next
    // run; called when the program ends.
    void SavePlacement() const;
    // The folder the help documents are read from: the program's own unless set.
    void SetHelpFolder(const QString& folder) { helpFolder_ = folder; }
    // The application's language switch, which the View menu's language choice applies (with
    // the toolkit's translation); a frame without one switches only the program's texts.
    void SetLanguageSwitch(LanguageSwitch* languageSwitch) { languageSwitch_ = languageSwitch; }

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddAction(int id, const QString& text, TextId prompt);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QMenu* CreateFileMenu();
    QMenu* CreateViewMenu();
    QMenu* CreateWindowMenu();
    QMenu* CreateHelpMenu();
    void RestorePlacement();
    // Keeps the frame, with the window manager's decoration, inside the screen; true when
    // the decoration is known (a window manager tells it only once the window is shown).
    bool FitIntoScreen();
    void ArrangeIcons();
    void UpdateWindowMenu();
    DocumentWindow* AddDocumentWindow(DocumentWindow* document);
    // Before a changed design's window closes: asks whether to save it. False keeps it open.
    bool ConfirmClose(DocumentWindow* document);
    // After a command: window titles with their modified marks, and the keyboard focus back
    // in the active design window.
    void AfterCommand();
    void RunViewCommand(const ViewCommand& command);
    void ChooseAndOpenDocument();
    void PrintActive();
    void PreviewActive();
    void PrintSetup();
    void ShowAbout();
    // Stores the language and shows every window and dialog opened afterwards in it; says
    // so in that language.
    void ChooseLanguage(Language language);
    // Stores the encoding of the journal and the reports and writes them in it from now on.
    void ChooseFileEncoding(FileTextEncoding encoding);
    void UpdateEncodingMenu();
    void OpenHelpDocument(TextId document);
    void UpdateFrame();
    void UpdateRecentMenu();

    std::unique_ptr<QtUi> ui_;
    std::unique_ptr<QPrinter> printer_;
    QMdiArea* area_;
    std::map<int, QAction*> actions_;
    std::vector<QAction*> documentActions_;
    std::vector<QAction*> recentActions_;
    QMenu* windowMenu_ = nullptr;
    QAction* windowListSeparator_ = nullptr;
    std::vector<QAction*> windowListActions_;
    QAction* recentPlaceholder_ = nullptr;
    RecentFiles recent_;
    int untitledCount_ = 0;
    bool maximizeDocuments_ = false;
    // The first fit after showing waits for the window manager's decoration.
    bool fitOnceFramed_ = false;
    QString helpFolder_;
    LanguageSwitch* languageSwitch_ = nullptr;
};

}  // namespace vorna
