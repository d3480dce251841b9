#pragma once
// The real-circuit tab of the analysis window: realises the design with a basic circuit (the
// circuit output run, with the user), then simulates it with ngspice, finds what every
// section needs of its op-amp and runs the Monte Carlo tolerance analysis, all off the UI
// thread behind a progress bar that can stop them (the results shown stay until a run
// finishes). Shows the simulated response over the ideal one with the envelope
// and the yield, and the section table, which it writes as CSV.

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "VerificationDialog.h"
#include "verify/RealisedCircuit.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vorna {

class DocumentWindow;
class GraphPane;
class Ui;

class VerificationPanel : public QWidget {
    Q_OBJECT
public:
    VerificationPanel(DocumentWindow& design, QWidget* parent);

    GraphPane* Pane() const { return pane_; }
    QTableWidget* Table() const { return table_; }
    QString YieldLine() const;

    // The circuit output run with `ui`: the realised circuit, or none when the user stopped
    // or the run failed (the user has been told why).
    std::optional<verify::RealisedCircuit> RealiseDesign(Ui& ui);
    // Simulates, finds the section requirements and runs the tolerance analysis, and shows
    // what they found; when the user stops it, says so and keeps what was shown.
    void Verify(const verify::RealisedCircuit& circuit, const VerificationOptions& options);
    // Writes the section table as CSV; the error text, empty on success.
    QString ExportTable(const QString& path) const;

private:
    void ChooseAndVerify();
    void ChooseAndExportTable();

    DocumentWindow& design_;
    GraphPane* pane_;
    QLabel* summary_;
    QTableWidget* table_;
    QPushButton* verify_;   // off while a verification runs
    QString shownSummary_;  // the summary of the results shown, without any later notice
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace vorna
