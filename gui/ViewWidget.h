#pragma once
// The 680 x 1200 drawing area of a document window: paints the view through a QtCanvas.

#include <QWidget>

namespace vorna {

class DesignView;

class ViewWidget : public QWidget {
    Q_OBJECT
public:
    ViewWidget(DesignView& view, QWidget* parent);

signals:
    // A paint of the view has finished.
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DesignView& view_;
};

}  // namespace vorna
