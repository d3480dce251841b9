#include "DesignApplication.h"

#include <QCoreApplication>

#include "CommandLine.h"
#include "FileEncodingChoice.h"
#include "MainWindow.h"
#include "QtUi.h"

namespace vorna {

DesignApplication::DesignApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Vorna"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorna"));
}

DesignApplication::~DesignApplication() = default;

void DesignApplication::InitInstance(const QStringList& arguments) {
    const StartupRequest request = ParseCommandLine(arguments);
    Language language = SavedLanguage();
    const std::optional<Language> asked =
        request.language ? LanguageNamed(*request.language) : std::nullopt;
    if (asked) language = *asked;
    // Every text, the toolkit's included, is read in the language from here on.
    language_.Apply(language);
    ApplyFileEncoding();
    frame_ = std::make_unique<MainWindow>();
    frame_->SetLanguageSwitch(&language_);
    frame_->show();
    if (request.language && !asked) {
        frame_->DesktopUi().MessageBox(
            {TextId::DesktopLanguageInvalid, {request.language->toStdString()}},
            MessageButtons::Ok);
    }
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
