#pragma once
// One document window: a design (CKorvelDoc), its view (CKorvelView) and the scrolling
// client area that shows it.

#include <QImage>
#include <QScrollArea>
#include <memory>

#include "app/CKorvelDoc.h"
#include "view/CKorvelView.h"

namespace vorna {

class ViewWidget;

class DocumentWindow : public QScrollArea {
    Q_OBJECT
public:
    explicit DocumentWindow(QWidget* parent = nullptr);
    ~DocumentWindow() override;

    CKorvelDoc& Document() { return *document_; }
    CKorvelView& View() { return *view_; }
    ViewWidget* Area() const { return area_; }

    // The client area as it is shown now (only the part scrolled into sight).
    QImage VisibleImage() const;
    // Puts VisibleImage() on the clipboard.
    void CopyToClipboard() const;

private:
    std::unique_ptr<CKorvelDoc> document_;
    std::unique_ptr<CKorvelView> view_;
    ViewWidget* area_;
};

}  // namespace vorna
