#pragma once
// The analysis window of a design window: one tab a graph (magnitude, pass-band detail,
// phase, group delay, step and impulse responses, poles and zeros), then the real circuit
// and the schematic of the last circuit output, following the design window's design and
// its title. It lives as long as its design window, which is its parent; it rebuilds
// its graphs whenever the design window has repainted with different results or settings.

#include <QWidget>
#include <vector>

class QCheckBox;
class QTabWidget;

namespace vorna {

class DocumentWindow;
class GraphPane;
class SchematicPanel;
class VerificationPanel;

enum class AnalysisTab { Magnitude, Passband, Phase, GroupDelay, Step, Impulse, PoleZero };

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisWindow(DocumentWindow& design);

    GraphPane* Pane(AnalysisTab tab) const;
    VerificationPanel* Verification() const { return verification_; }
    SchematicPanel* Schematic() const { return schematic_; }
    QTabWidget* Tabs() const { return tabs_; }
    // Rebuilds the graphs when the design or its settings changed since the last time.
    void Follow();
    // Writes the design's coefficients at full precision in the format the extension
    // names (.csv, .json, .h, whose coefficients `cName` names); the error text, empty on
    // success.
    QString ExportCoefficients(const QString& path, const QString& cName = QStringLiteral("sos"));
    // Asks for a file name, and the C header's name, and writes the coefficients there.
    void ChooseAndExportCoefficients();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Rebuild();
    void FollowTitle();

    DocumentWindow& design_;
    QTabWidget* tabs_;
    QCheckBox* unwrapped_;
    std::vector<GraphPane*> panes_;
    VerificationPanel* verification_;
    SchematicPanel* schematic_;
    std::vector<double> fingerprint_;
};

// The analysis window of `design`, made on first use, shown and raised.
AnalysisWindow* ShowAnalysisWindow(DocumentWindow& design);

}  // namespace vorna
