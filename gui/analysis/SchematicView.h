#pragma once
// A schematic drawn in a scrolling pane: antialiased and fitted to the pane until the user
// zooms (the wheel, Ctrl + and Ctrl -, or the panel's buttons); a zoomed drawing scrolls.

#include <QScrollArea>
#include <optional>

#include "schematic/Schematic.h"

namespace vorna {

class SchematicView : public QScrollArea {
    Q_OBJECT
public:
    explicit SchematicView(QWidget* parent);

    // Shows `schematic` fitted to the pane; none shows a blank pane.
    void SetSchematic(std::optional<installation::Schematic> schematic);
    void ZoomIn();
    void ZoomOut();
    void Fit();
    // Pane units a drawing unit.
    double Scale() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Apply();

    QWidget* page_;
    std::optional<installation::Schematic> schematic_;
    double zoom_ = 1;  // over the scale that fits the drawing to the pane
};

}  // namespace vorna
