#include "MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "AboutBox.h"
#include "DocumentWindow.h"
#include "FileEncodingChoice.h"
#include "FrameTexts.h"
#include "Icons.h"
#include "LanguageChoice.h"
#include "Printing.h"
#include "QtUi.h"
#include "WindowPlacement.h"
#include "analysis/AnalysisWindow.h"
#include "text/Texts.h"

namespace vorna {
namespace {

// The frame's place on a first run; later runs start where the last one ended.
constexpr QRect kFramePlacement(400, 200, 1000, 900);
constexpr int kCascadeSteps = 8;
constexpr const char* kPlacementGroup = "MainFrame";

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Shown(TextId id) {
    return QString::fromUtf8(vorna::Text(id));
}

struct EncodingCommand {
    int id;
    FileTextEncoding encoding;
    TextId prompt;
};

constexpr EncodingCommand kEncodingCommands[] = {
    {kCommandEncodingCp932, FileTextEncoding::Cp932, TextId::PromptFileEncodingCp932},
    {kCommandEncodingUtf8, FileTextEncoding::Utf8, TextId::PromptFileEncodingUtf8},
};

DocumentWindow* DocumentOf(QMdiSubWindow* window) {
    return window != nullptr ? qobject_cast<DocumentWindow*>(window->widget()) : nullptr;
}

}  // namespace

MainWindow::MainWindow()
    : ui_(std::make_unique<QtUi>(this)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(ProgramIcon());
    setCentralWidget(area_);
    area_->setBackground(QColor(128, 128, 128));
    setAcceptDrops(true);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::UpdateFrame);
    RestorePlacement();
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &MainWindow::SavePlacement);
    UpdateFrame();
}

MainWindow::~MainWindow() {
    // The document windows close after the actions are gone: the frame no longer follows them.
    area_->disconnect(this);
    for (QMdiSubWindow* window : area_->subWindowList()) {
        window->disconnect(this);
        window->removeEventFilter(this);
    }
}

QAction* MainWindow::AddAction(int id, const QString& text, TextId prompt) {
    auto* action = new QAction(text, this);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setStatusTip(Shown(prompt));
    actions_[id] = action;
    return action;
}

QAction* MainWindow::Action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found != actions_.end() ? found->second : nullptr;
}

void MainWindow::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->addMenu(CreateFileMenu());
    for (const ViewCommand& command : kMenuBarCommands) {
        QAction* action = AddAction(command.id, Shown(command.text), command.prompt);
        connect(action, &QAction::triggered, this, [this, &command] { RunViewCommand(command); });
        documentActions_.push_back(action);
        bar->addAction(action);
    }
    QAction* analysis =
        AddAction(kCommandAnalysis, Shown(TextId::CommandAnalysis), TextId::PromptAnalysis);
    connect(analysis, &QAction::triggered, this, [this] {
        if (DocumentWindow* document = ActiveDocument()) ShowAnalysisWindow(*document);
    });
    documentActions_.push_back(analysis);
    bar->addAction(analysis);
    bar->addMenu(CreateViewMenu());
    bar->addMenu(CreateWindowMenu());
    bar->addMenu(CreateHelpMenu());

    QAction* copy = AddAction(kCommandCopy, Shown(TextId::CommandCopy), TextId::PromptCopy);
    copy->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    copy->setIcon(ToolbarIcon(ToolbarGlyph::Copy));
    copy->setToolTip(Shown(TextId::TipCopy));
    connect(copy, &QAction::triggered, this, [this] {
        if (DocumentWindow* document = ActiveDocument()) document->CopyToClipboard();
    });
    documentActions_.push_back(copy);
    addAction(copy);
}

QMenu* MainWindow::CreateFileMenu() {
    auto* menu = new QMenu(Shown(TextId::MenuFile), this);
    menu->setObjectName(QStringLiteral("fileMenu"));

    QAction* newDocument = AddAction(kCommandNew, Shown(TextId::CommandNew), TextId::PromptNew);
    newDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    newDocument->setIcon(ToolbarIcon(ToolbarGlyph::NewDocument));
    newDocument->setToolTip(Shown(TextId::TipNew));
    connect(newDocument, &QAction::triggered, this, [this] { NewDocument(); });
    menu->addAction(newDocument);

    QAction* open = AddAction(kCommandOpen, Shown(TextId::CommandOpen), TextId::PromptOpen);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &MainWindow::ChooseAndOpenDocument);
    menu->addAction(open);

    QAction* openData = AddAction(kOpenDataFileCommand.id, Shown(kOpenDataFileCommand.text),
                                  kOpenDataFileCommand.prompt);
    connect(openData, &QAction::triggered, this, [this] { RunViewCommand(kOpenDataFileCommand); });
    documentActions_.push_back(openData);
    menu->addAction(openData);

    QAction* save = AddAction(kCommandSave, Shown(TextId::CommandSave), TextId::PromptSave);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { SaveDocument(ActiveDocument(), false); });
    QAction* saveAs = AddAction(kCommandSaveAs, Shown(TextId::CommandSaveAs), TextId::PromptSaveAs);
    connect(saveAs, &QAction::triggered, this, [this] { SaveDocument(ActiveDocument(), true); });
    documentActions_.push_back(save);
    documentActions_.push_back(saveAs);
    menu->addActions({save, saveAs});
    menu->addSeparator();

    QAction* print = AddAction(kCommandPrint, Shown(TextId::CommandPrint), TextId::PromptPrint);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setIcon(ToolbarIcon(ToolbarGlyph::Print));
    print->setToolTip(Shown(TextId::TipPrint));
    connect(print, &QAction::triggered, this, &MainWindow::PrintActive);
    QAction* preview = AddAction(kCommandPrintPreview, Shown(TextId::CommandPrintPreview),
                                 TextId::PromptPrintPreview);
    connect(preview, &QAction::triggered, this, &MainWindow::PreviewActive);
    documentActions_.push_back(print);
    documentActions_.push_back(preview);
    QAction* setup =
        AddAction(kCommandPrintSetup, Shown(TextId::CommandPrintSetup), TextId::PromptPrintSetup);
    connect(setup, &QAction::triggered, this, &MainWindow::PrintSetup);
    menu->addActions({print, preview, setup});
    menu->addSeparator();

    recentPlaceholder_ = menu->addAction(Shown(TextId::RecentFilesPlaceholder));
    recentPlaceholder_->setEnabled(false);
    for (int i = 0; i < RecentFiles::kCapacity; ++i) {
        QAction* entry = AddAction(kCommandRecentFirst + i, QString(), TextId::PromptRecentFile);
        connect(entry, &QAction::triggered, this, [this, i] {
            if (i < recent_.Paths().size()) OpenDocument(recent_.Paths()[i]);
        });
        recentActions_.push_back(entry);
        menu->addAction(entry);
    }
    UpdateRecentMenu();
    menu->addSeparator();

    QAction* exit = AddAction(kCommandExit, Shown(TextId::CommandExit), TextId::PromptExit);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    menu->addAction(exit);
    return menu;
}

QMenu* MainWindow::CreateViewMenu() {
    auto* menu = new QMenu(Shown(TextId::MenuView), this);
    menu->setObjectName(QStringLiteral("viewMenu"));
    QMenu* languages = menu->addMenu(Shown(TextId::MenuLanguage));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(languages);
    const struct {
        int id;
        Language language;
        TextId prompt;
    } choices[] = {
        {kCommandLanguageJapanese, Language::Japanese, TextId::PromptLanguageJapanese},
        {kCommandLanguageEnglish, Language::English, TextId::PromptLanguageEnglish},
    };
    for (const auto& choice : choices) {
        QAction* action = AddAction(choice.id, LanguageMenuText(choice.language), choice.prompt);
        action->setCheckable(true);
        action->setChecked(choice.language == CurrentLanguage());
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, language = choice.language] { ChooseLanguage(language); });
        languages->addAction(action);
    }
    QMenu* encodings = menu->addMenu(Shown(TextId::MenuFileEncoding));
    encodings->setObjectName(QStringLiteral("fileEncodingMenu"));
    auto* encodingGroup = new QActionGroup(encodings);
    for (const EncodingCommand& choice : kEncodingCommands) {
        QAction* action =
            AddAction(choice.id, FileEncodingMenuText(choice.encoding), choice.prompt);
        action->setCheckable(true);
        encodingGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, encoding = choice.encoding] { ChooseFileEncoding(encoding); });
        encodings->addAction(action);
    }
    UpdateEncodingMenu();
    return menu;
}

void MainWindow::UpdateEncodingMenu() {
    for (const EncodingCommand& choice : kEncodingCommands)
        Action(choice.id)->setChecked(choice.encoding == CurrentFileTextEncoding());
}

QMenu* MainWindow::CreateWindowMenu() {
    windowMenu_ = new QMenu(Shown(TextId::MenuWindow), this);
    windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    const struct {
        int id;
        TextId text;
        TextId prompt;
    } arrangements[] = {
        {kCommandCascade, TextId::CommandCascade, TextId::PromptCascade},
        {kCommandTile, TextId::CommandTile, TextId::PromptTile},
        {kCommandArrangeIcons, TextId::CommandArrangeIcons, TextId::PromptArrangeIcons},
    };
    for (const auto& arrangement : arrangements) {
        QAction* action = AddAction(arrangement.id, Shown(arrangement.text), arrangement.prompt);
        documentActions_.push_back(action);
        windowMenu_->addAction(action);
    }
    connect(Action(kCommandCascade), &QAction::triggered, area_, &QMdiArea::cascadeSubWindows);
    connect(Action(kCommandTile), &QAction::triggered, area_, &QMdiArea::tileSubWindows);
    connect(Action(kCommandArrangeIcons), &QAction::triggered, this, &MainWindow::ArrangeIcons);
    windowListSeparator_ = windowMenu_->addSeparator();
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::UpdateWindowMenu);
    return windowMenu_;
}

QMenu* MainWindow::CreateHelpMenu() {
    auto* menu = new QMenu(Shown(TextId::MenuHelp), this);
    menu->setObjectName(QStringLiteral("helpMenu"));
    for (const HelpCommand& help : kHelpCommands) {
        QAction* action = AddAction(help.id, Shown(help.text), help.prompt);
        connect(action, &QAction::triggered, this,
                [this, &help] { OpenHelpDocument(help.document); });
        menu->addAction(action);
    }
    Action(kCommandHelp)->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(Action(kCommandHelp));
    menu->addSeparator();
    QAction* about = AddAction(kCommandAbout, Shown(TextId::CommandAbout), TextId::PromptAbout);
    about->setIcon(ToolbarIcon(ToolbarGlyph::About));
    about->setToolTip(Shown(TextId::TipAbout));
    connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);
    menu->addAction(about);
    return menu;
}

void MainWindow::CreateToolBar() {
    QToolBar* toolbar = addToolBar(Shown(TextId::ToolBarName));
    toolbar->setObjectName(QStringLiteral("toolBar"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->addAction(Action(kCommandNew));
    toolbar->addSeparator();
    toolbar->addAction(Action(kCommandCopy));
    toolbar->addSeparator();
    toolbar->addAction(Action(kCommandPrint));
    toolbar->addAction(Action(kCommandAbout));
}

void MainWindow::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    auto* message = new QLabel(Shown(TextId::StatusIdle), bar);
    message->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(message, 1);
    // The keyboard's lock states are not available to the program on every desktop, so the
    // indicator panes only name the keys.
    for (const QString& indicator : {Shown(TextId::IndicatorKana), QStringLiteral("CAP"),
                                     QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
        auto* pane = new QLabel(indicator, bar);
        pane->setObjectName(QStringLiteral("indicator"));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
}

DocumentWindow* MainWindow::AddDocumentWindow(DocumentWindow* document) {
    // A new window joins a maximised one maximised, as the area shows it anyway.
    const QMdiSubWindow* previous = area_->activeSubWindow();
    const bool maximised = previous != nullptr && previous->isMaximized();
    QMdiSubWindow* window = area_->addSubWindow(document);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(document->Title());
    window->setWindowIcon(ProgramIcon());
    window->installEventFilter(this);
    connect(window, &QMdiSubWindow::windowStateChanged, this, &MainWindow::UpdateFrame);
    if (maximised) {
        window->showMaximized();
        area_->setActiveSubWindow(window);
        UpdateFrame();
        return document;
    }

    // Wide enough for the whole 680-unit view, as tall as the frame allows; cascaded.
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const int offset = (static_cast<int>(area_->subWindowList().size()) - 1) % kCascadeSteps * step;
    const QSize chrome(
        2 * document->frameWidth() + document->verticalScrollBar()->sizeHint().width(), 0);
    window->show();
    const QSize border = window->size() - document->size();
    const QSize room = area_->viewport()->size() - QSize(offset, offset);
    window->setGeometry(offset, offset,
                        std::min(room.width(), kViewWidth + chrome.width() + border.width()),
                        room.height());
    // The design windows open maximised when they were so at the end of the last run.
    if (maximizeDocuments_ && area_->subWindowList().size() == 1) window->showMaximized();
    area_->setActiveSubWindow(window);
    UpdateFrame();
    return document;
}

DocumentWindow* MainWindow::NewDocument() {
    return AddDocumentWindow(new DocumentWindow(
        QStringLiteral("%1%2").arg(Text(kDocumentBaseName)).arg(++untitledCount_)));
}

DocumentWindow* MainWindow::OpenDocument(QString path) {
    const QFileInfo file(path);
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (DocumentOf(window)->FilePath() == file.absoluteFilePath()) {
            area_->setActiveSubWindow(window);
            return DocumentOf(window);
        }
    }
    // The design is read into a window of its own, shown only when the file was good.
    auto document = std::make_unique<DocumentWindow>(file.fileName());
    if (const auto problem = document->Open(path)) {
        if (!file.exists()) {
            recent_.Remove(path);
            UpdateRecentMenu();
        }
        ui_->MessageBox(*problem, MessageButtons::Ok);
        AfterCommand();
        return nullptr;
    }
    recent_.Add(file.absoluteFilePath());
    UpdateRecentMenu();
    return AddDocumentWindow(document.release());
}

bool MainWindow::SaveDocument(DocumentWindow* document, bool chooseName) {
    if (document == nullptr) return false;
    QString path = document->FilePath();
    if (chooseName || path.isEmpty()) {
        FileDialogRequest request;
        request.initialName =
            (QFileInfo(document->Name()).completeBaseName() + u'.' + Text(kDocumentExtension))
                .toStdString();
        request.defaultExtension = kDocumentExtension;
        request.filters = {{vorna::Text(TextId::DocumentFilter), kDocumentPatterns},
                           {vorna::Text(TextId::AllFilesFilter), "*"}};
        const auto chosen = ui_->SaveFileName(request);
        AfterCommand();
        if (!chosen) return false;
        path = QString::fromStdString(*chosen);
    }
    if (const auto problem = document->SaveAs(path)) {
        ui_->MessageBox(*problem, MessageButtons::Ok);
        AfterCommand();
        return false;
    }
    recent_.Add(document->FilePath());
    UpdateRecentMenu();
    statusBar()
        ->findChild<QLabel*>(QStringLiteral("messagePane"))
        ->setText(QString::fromStdString(
            MessageText({TextId::DocumentSaved,
                         {QDir::toNativeSeparators(document->FilePath()).toStdString()}})));
    AfterCommand();
    return true;
}

bool MainWindow::ConfirmClose(DocumentWindow* document) {
    if (!document->IsModified()) return true;
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (DocumentOf(window) == document) area_->setActiveSubWindow(window);
    }
    const int answer = ui_->MessageBox({TextId::AskToSaveChanges, {document->Name().toStdString()}},
                                       MessageButtons::YesNoCancel);
    AfterCommand();
    if (answer == IDYES) return SaveDocument(document, false);
    return answer == IDNO;
}

void MainWindow::AfterCommand() {
    for (QMdiSubWindow* window : area_->subWindowList())
        window->setWindowTitle(DocumentOf(window)->Title());
    UpdateFrame();
    // A closed dialog leaves the focus nowhere under some desktops, and then the menu keys
    // reach nothing until the window is clicked.
    activateWindow();
    if (DocumentWindow* document = ActiveDocument()) document->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ChooseAndOpenDocument() {
    FileDialogRequest request;
    request.defaultExtension = kDocumentExtension;
    request.filters = {{vorna::Text(TextId::DocumentFilter), kDocumentPatterns},
                       {vorna::Text(TextId::AllFilesFilter), "*"}};
    const auto path = ui_->OpenFileName(request);
    AfterCommand();
    if (path) OpenDocument(QString::fromStdString(*path));
}

DocumentWindow* MainWindow::ActiveDocument() const {
    return DocumentOf(area_->activeSubWindow());
}

QList<DocumentWindow*> MainWindow::Documents() const {
    QList<DocumentWindow*> documents;
    for (QMdiSubWindow* window : area_->subWindowList()) documents << DocumentOf(window);
    return documents;
}

void MainWindow::RunViewCommand(const ViewCommand& command) {
    if (DocumentWindow* document = ActiveDocument()) (document->View().*command.run)(*ui_);
    AfterCommand();
}

void MainWindow::PrintActive() {
    DocumentWindow* document = ActiveDocument();
    if (document == nullptr) return;
    QPrintDialog dialog(printer_.get(), this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted) return;
    printer_->setDocName(area_->activeSubWindow()->windowTitle());
    PrintView(*printer_, document->View());
}

void MainWindow::PreviewActive() {
    DocumentWindow* document = ActiveDocument();
    if (document == nullptr) return;
    QPrintPreviewDialog preview(printer_.get(), this);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(Shown(TextId::PrintPreviewTitle));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [document](QPrinter* printer) { PrintView(*printer, document->View()); });
    preview.resize(size() * 9 / 10);
    preview.exec();
}

void MainWindow::PrintSetup() {
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void MainWindow::ShowAbout() {
    AboutBox about;
    about.DoModal(*ui_);
}

void MainWindow::ChooseLanguage(Language language) {
    SaveLanguage(language);
    if (language != CurrentLanguage()) {
        if (languageSwitch_ != nullptr) {
            languageSwitch_->Apply(language);
        } else {
            SetLanguage(language);
        }
        ApplyFileEncoding();
        UpdateEncodingMenu();
        ui_->MessageBox({TextId::LanguageAppliesToNewWindows}, MessageButtons::Ok);
    }
    AfterCommand();
}

void MainWindow::ChooseFileEncoding(FileTextEncoding encoding) {
    SaveFileEncoding(encoding);
    ApplyFileEncoding();
    AfterCommand();
}

void MainWindow::OpenHelpDocument(TextId document) {
    const QDir folder(helpFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : helpFolder_);
    const QFileInfo file(folder, Shown(document));
    // A document not yet written in the language chosen is read in Japanese.
    const QFileInfo japanese(folder, Text(vorna::Text(document, Language::Japanese)));
    const QFileInfo& shown = !file.isFile() && japanese.isFile() ? japanese : file;
    if (!shown.isFile()) {
        ui_->MessageBox({TextId::HelpDocumentMissing,
                         {QDir::toNativeSeparators(file.absoluteFilePath()).toStdString()}},
                        MessageButtons::Ok);
        return;
    }
    ui_->OpenWithDesktop(shown.absoluteFilePath().toStdString());
}

void MainWindow::UpdateFrame() {
    QMdiSubWindow* active = area_->activeSubWindow();
    QString title = Shown(TextId::MainTitle);
    if (active != nullptr) {
        title += active->isMaximized() ? QStringLiteral(" - [%1]").arg(active->windowTitle())
                                       : QStringLiteral(" - %1").arg(active->windowTitle());
    }
    setWindowTitle(title);
    for (QAction* action : documentActions_) action->setEnabled(active != nullptr);
}

void MainWindow::RestorePlacement() {
    QSettings settings;
    settings.beginGroup(QString::fromLatin1(kPlacementGroup));
    const QRect saved = settings.value(QStringLiteral("geometry")).toRect();
    const QRect wanted = saved.isValid() ? saved : kFramePlacement;
    maximizeDocuments_ = settings.value(QStringLiteral("documentsMaximized")).toBool();
    const QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    setGeometry(FitIntoArea(wanted, {}, screen->availableGeometry()));
    if (settings.value(QStringLiteral("maximized")).toBool()) setWindowState(Qt::WindowMaximized);
}

void MainWindow::SavePlacement() const {
    QSettings settings;
    settings.beginGroup(QString::fromLatin1(kPlacementGroup));
    settings.setValue(QStringLiteral("geometry"), isMaximized() ? normalGeometry() : geometry());
    settings.setValue(QStringLiteral("maximized"), isMaximized());
    const QMdiSubWindow* active = area_->activeSubWindow();
    settings.setValue(QStringLiteral("documentsMaximized"),
                      active != nullptr && active->isMaximized());
}

bool MainWindow::FitIntoScreen() {
    if (isMaximized() || isFullScreen() || screen() == nullptr) return true;
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect fitted = FitIntoArea(client, margins, screen()->availableGeometry());
    if (fitted != client) setGeometry(fitted);
    return !margins.isNull();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window manager decorates the window after it is shown: the frame is fitted again
    // when it is exposed or moved with its decoration known.
    fitOnceFramed_ = !FitIntoScreen();
    if (fitOnceFramed_ && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (fitOnceFramed_) fitOnceFramed_ = !FitIntoScreen();
}

void MainWindow::ArrangeIcons() {
    QList<QMdiSubWindow*> icons;
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (window->isMinimized()) icons << window;
    }
    if (icons.isEmpty()) return;
    const std::vector<QPoint> places = IconPositions(
        static_cast<int>(icons.size()), icons.front()->size(), area_->viewport()->size());
    for (qsizetype i = 0; i < icons.size(); ++i)
        icons[i]->move(places[static_cast<std::size_t>(i)]);
}

void MainWindow::UpdateWindowMenu() {
    for (QAction* action : windowListActions_) delete action;
    windowListActions_.clear();
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    windowListSeparator_->setVisible(!windows.isEmpty());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        const QString title = window->windowTitle().replace(u'&', QStringLiteral("&&"));
        auto* action = new QAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title,
                                   windowMenu_);
        action->setObjectName(QStringLiteral("command%1").arg(kCommandWindowFirst + i));
        action->setStatusTip(Shown(TextId::PromptActivateWindow));
        action->setCheckable(true);
        action->setChecked(window == area_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window] {
            if (area_->subWindowList().contains(window)) area_->setActiveSubWindow(window);
        });
        windowMenu_->addAction(action);
        windowListActions_.push_back(action);
    }
}

void MainWindow::UpdateRecentMenu() {
    const QStringList& paths = recent_.Paths();
    recentPlaceholder_->setVisible(paths.isEmpty());
    for (int i = 0; i < RecentFiles::kCapacity; ++i) {
        QAction* entry = recentActions_[static_cast<std::size_t>(i)];
        entry->setVisible(i < paths.size());
        if (i < paths.size()) {
            const QString shown =
                fontMetrics()
                    .elidedText(QDir::toNativeSeparators(paths[i]), Qt::ElideMiddle, 400)
                    .replace(u'&', QStringLiteral("&&"));
            entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (!ConfirmClose(DocumentOf(window))) {
            event->ignore();
            return;
        }
    }
    // Asked once: the windows now close without asking again.
    for (QMdiSubWindow* window : area_->subWindowList()) window->removeEventFilter(this);
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && fitOnceFramed_) {
        fitOnceFramed_ = !FitIntoScreen();
    }
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (window != nullptr && event->type() == QEvent::Close && !ConfirmClose(DocumentOf(window))) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) OpenDocument(url.toLocalFile());
    }
    activateWindow();
    event->acceptProposedAction();
}

}  // namespace vorna
