#pragma once
// The 680 x 1200 drawing area of a document window: paints the view through a QtCanvas.

#include <QWidget>

namespace vorna {

class CKorvelView;

class ViewWidget : public QWidget {
    Q_OBJECT
public:
    ViewWidget(CKorvelView& view, QWidget* parent);

signals:
    // A paint of the view has finished.
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CKorvelView& view_;
};

}  // namespace vorna
