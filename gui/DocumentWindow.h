#pragma once
// One document window: a design (DesignDocument), its view (DesignView) and the scrolling
// client area that shows it, with the design file it was opened from or saved to.

#include <QImage>
#include <QScrollArea>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "app/DesignDocument.h"
#include "document/DesignSettings.h"
#include "text/Message.h"
#include "view/DesignView.h"

namespace vorna {

class ViewWidget;

class DocumentWindow : public QScrollArea {
    Q_OBJECT
public:
    // A new design called `name` ("Korvel1"), in no file yet.
    explicit DocumentWindow(const QString& name, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    DesignDocument& Document() { return *document_; }
    DesignView& View() { return *view_; }
    ViewWidget* Area() const { return area_; }

    // The client area as it is shown now (only the part scrolled into sight).
    QImage VisibleImage() const;
    // Puts VisibleImage() on the clipboard.
    void CopyToClipboard() const;

    // The design file (absolute path; empty for a design never saved), the name shown for
    // the window, and whether the design changed since it was opened or saved.
    const QString& FilePath() const { return path_; }
    const QString& Name() const { return name_; }
    bool IsModified() const;
    // The window title: the name, with " *" after it while modified.
    QString Title() const;

    // Shows the design of the file at `path`; on failure the window stays as it was and
    // the message naming the file is returned.
    std::optional<Message> Open(const QString& path);
    // Saves the design to `path`, which becomes the window's file.
    std::optional<Message> SaveAs(const QString& path);

private:
    void Saved(const QString& path);

    QString name_;
    QString path_;
    DesignSettings saved_;
    std::unique_ptr<DesignDocument> document_;
    std::unique_ptr<DesignView> view_;
    ViewWidget* area_;
};

}  // namespace vorna
