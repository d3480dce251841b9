#include "QtUi.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <cstdlib>

#include "DialogWindow.h"
#include "FileFilters.h"
#include "FontMapping.h"
#include "dialogs/Dialog.h"
#include "text/Texts.h"

namespace vorna {

namespace {

// The style of `family` with the slant `italic` whose weight is nearest to `weight`; empty
// when the family has no style of that slant.
QString MatchingStyle(const QString& family, int weight, bool italic) {
    QString best;
    int bestDistance = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        // QFontDatabase::italic() does not count an oblique style as slanted; the font does.
        const QFont font = QFontDatabase::font(family, style, 12);
        if (font.italic() != italic) continue;
        const int distance = std::abs(font.weight() - weight);
        if (best.isEmpty() || distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

QtUi::QtUi(QWidget* mainWindow) : mainWindow_(mainWindow) {}

QWidget* QtUi::DialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return mainWindow_;
}

int QtUi::MessageBox(const Message& message, MessageButtons buttons) {
    return MessageBoxText(QString::fromStdString(MessageText(message)), buttons);
}

int QtUi::MessageBoxText(const QString& text, MessageButtons buttons) {
    ++messagesShown_;
    QMessageBox box(DialogParent());
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowTitle(QString::fromLatin1(kMessageBoxTitle));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setPalette(DialogWindow::FacePalette(box.palette()));
    std::vector<std::pair<QPushButton*, int>> answers;
    const auto add = [&](const char* label, QMessageBox::ButtonRole role, int answer) {
        QPushButton* button = box.addButton(QString::fromUtf8(label), role);
        button->setObjectName(QStringLiteral("answer%1").arg(answer));
        answers.emplace_back(button, answer);
        return button;
    };
    switch (buttons) {
        case MessageButtons::Ok:
            box.setIcon(QMessageBox::Warning);
            box.setEscapeButton(add("OK", QMessageBox::AcceptRole, IDOK));
            break;
        case MessageButtons::OkCancel:
            box.setIcon(QMessageBox::Warning);
            add("OK", QMessageBox::AcceptRole, IDOK);
            box.setEscapeButton(add(Text(TextId::ButtonCancel), QMessageBox::RejectRole, IDCANCEL));
            break;
        case MessageButtons::YesNo:
            box.setIcon(QMessageBox::Question);
            add(Text(TextId::ButtonYes), QMessageBox::YesRole, IDYES);
            box.setEscapeButton(add(Text(TextId::ButtonNo), QMessageBox::NoRole, IDNO));
            break;
        case MessageButtons::YesNoCancel:
            box.setIcon(QMessageBox::Question);
            add(Text(TextId::ButtonYes), QMessageBox::YesRole, IDYES);
            add(Text(TextId::ButtonNo), QMessageBox::NoRole, IDNO);
            box.setEscapeButton(add(Text(TextId::ButtonCancel), QMessageBox::RejectRole, IDCANCEL));
            break;
    }
    box.setDefaultButton(answers.front().first);
    box.exec();
    for (const auto& [button, answer] : answers) {
        if (box.clickedButton() == button) return answer;
    }
    // Closed without a button (the window went away): the safe answer of each kind.
    return answers.back().second;
}

int QtUi::RunModal(Dialog& dialog) {
    dialog.Open(*this);
    if (!dialog.Ended()) {
        DialogWindow window(dialog, *this, DialogParent());
        window.exec();
    }
    return dialog.Result();
}

std::optional<std::string> QtUi::ChooseFile(const FileDialogRequest& request, bool save) {
    QFileDialog chooser(DialogParent());
    chooser.setObjectName(save ? QStringLiteral("saveFileChooser")
                               : QStringLiteral("openFileChooser"));
    if (!request.title.empty()) chooser.setWindowTitle(QString::fromStdString(request.title));
    chooser.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    chooser.setNameFilters(ToNameFilters(request.filters));
    chooser.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    chooser.setDirectory(QDir::currentPath());
    if (request.appends) {
        chooser.setOption(QFileDialog::DontConfirmOverwrite);
        chooser.setLabelText(QFileDialog::Accept, QString::fromUtf8(Text(TextId::AppendButton)));
        chooser.setLabelText(QFileDialog::FileName,
                             QString::fromUtf8(Text(TextId::AppendFileLabel)));
    }
    if (!request.initialName.empty())
        chooser.selectFile(QString::fromStdString(request.initialName));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chooser.selectedFiles().front()).toStdString();
}

std::optional<std::string> QtUi::SaveFileName(const FileDialogRequest& request) {
    return ChooseFile(request, true);
}

std::optional<std::string> QtUi::OpenFileName(const FileDialogRequest& request) {
    return ChooseFile(request, false);
}

bool QtUi::ChooseFont(FontDescription& font) {
    QFont initial = ToQFont(font);
    // The chooser works in points; the view's heights are pixels at 96 per inch.
    initial.setPointSizeF(initial.pixelSize() * 72.0 / 96.0);
    QFontDialog chooser(initial, DialogParent());
    chooser.setObjectName(QStringLiteral("fontChooser"));
    // The chooser keeps a style across families only by its name and otherwise takes the new
    // family's first style: from "Regular" to DejaVu Sans Mono (whose upright style is
    // "Book") it silently picked "Oblique". Another family keeps the weight and slant.
    QFont previous = chooser.currentFont();
    QObject::connect(&chooser, &QFontDialog::currentFontChanged, &chooser,
                     [&chooser, &previous](const QFont& font) {
                         const QFont kept = previous;
                         previous = font;
                         if (font.family() == kept.family()) return;
                         const QString style =
                             MatchingStyle(font.family(), kept.weight(), kept.italic());
                         if (style.isEmpty() || style == QFontDatabase::styleString(font)) return;
                         QFont matched = font;
                         matched.setStyleName(style);
                         chooser.setCurrentFont(matched);
                     });
    if (chooser.exec() != QDialog::Accepted) return false;
    font = ToFontDescription(chooser.selectedFont(), font);
    return true;
}

void QtUi::FilesWritten(const std::vector<std::string>& paths) {
    auto* pane =
        mainWindow_ ? mainWindow_->findChild<QLabel*>(QStringLiteral("messagePane")) : nullptr;
    if (pane == nullptr || paths.empty()) return;
    QStringList names;
    for (const auto& path : paths) names << QDir::toNativeSeparators(QString::fromStdString(path));
    pane->setText(QString::fromUtf8(Text(TextId::StatusFilesWritten)) +
                  names.join(QStringLiteral(", ")));
    pane->setToolTip(names.join(u'\n'));
}

void QtUi::OpenWithDesktop(const std::string& path) {
    const QFileInfo file(QDir::current(), QString::fromStdString(path));
    if (!file.exists()) return;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))) return;
    MessageBox({TextId::NoProgramToOpen,
                {QDir::toNativeSeparators(file.absoluteFilePath()).toStdString()}},
               MessageButtons::Ok);
}

std::string QtUi::ProgramDirectory() {
    return (QCoreApplication::applicationDirPath() + u'/').toStdString();
}

std::string QtUi::CurrentDirectory() {
    return (QDir::currentPath() + u'/').toStdString();
}

}  // namespace vorna
