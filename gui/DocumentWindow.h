#pragma once
// One document window: a design (DesignDocument), its view (DesignView) and the scrolling
// client area that shows it, with the design file it was opened from or saved to, and the
// circuit of its last circuit output (from the output command or the analysis window).

#include <QImage>
#include <QScrollArea>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "app/DesignDocument.h"
#include "document/DesignSettings.h"
#include "text/Message.h"
#include "verify/KeptCircuit.h"
#include "view/DesignView.h"

namespace vorna {

class Ui;
class ViewWidget;

class DocumentWindow : public QScrollArea {
    Q_OBJECT
public:
    // A new design called `name` ("Korvel1"), in no file yet.
    explicit DocumentWindow(const QString& name, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    DesignDocument& Document() { return *document_; }
    const DesignDocument& Document() const { return *document_; }
    DesignView& View() { return *view_; }
    ViewWidget* Area() const { return area_; }
    const verify::KeptCircuit& Circuit() const { return circuit_; }

    // Runs a circuit output with `ui` and keeps its circuit; false when the user stopped or
    // the run made no circuit.
    bool MakeCircuitOutput(Ui& ui);

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

signals:
    // A circuit output replaced the circuit kept.
    void CircuitKept();

private:
    void Saved(const QString& path);
    void Keep(std::optional<verify::RealisedCircuit> circuit);

    QString name_;
    QString path_;
    DesignSettings saved_;
    std::unique_ptr<DesignDocument> document_;
    std::unique_ptr<DesignView> view_;
    ViewWidget* area_;
    verify::KeptCircuit circuit_;
};

}  // namespace vorna
