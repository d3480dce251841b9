#include "DesignApplication.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "CommandLine.h"
#include "MainWindow.h"

namespace vorna {

DesignApplication::DesignApplication() : translator_(std::make_unique<QTranslator>()) {
    QCoreApplication::setOrganizationName(QStringLiteral("Vorna"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorna"));
    // The toolkit's own choosers (files, fonts, printing) speak Japanese like the program.
    if (translator_->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator_.get());
    }
    frame_ = std::make_unique<MainWindow>();
}

DesignApplication::~DesignApplication() = default;

void DesignApplication::InitInstance(const QStringList& arguments) {
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
