#include "CDesignApp.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "CMainFrame.h"
#include "CommandLine.h"

namespace vorna {

CDesignApp::CDesignApp() : translator_(std::make_unique<QTranslator>()) {
    QCoreApplication::setOrganizationName(QStringLiteral("Vorna"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorna"));
    // The toolkit's own choosers (files, fonts, printing) speak Japanese like the program.
    if (translator_->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator_.get());
    }
    frame_ = std::make_unique<CMainFrame>();
}

CDesignApp::~CDesignApp() = default;

void CDesignApp::InitInstance(const QStringList& arguments) {
    frame_->show();
    const StartupRequest request = ParseCommandLine(arguments);
    switch (request.kind) {
        case StartupRequest::Kind::NewDocument:
            frame_->NewDocument();
            break;
        case StartupRequest::Kind::OpenDocument:
            frame_->OpenDocument(request.path);
            break;
        case StartupRequest::Kind::NoDocument:
            break;
    }
}

}  // namespace vorna
