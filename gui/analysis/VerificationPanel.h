#pragma once
// The real-circuit tab of the analysis window: takes the circuit of the design window's last
// circuit output (the values as written; a circuit output is run first when there is none,
// and again when the user asks), then simulates it with ngspice, finds what every section
// needs of its op-amp and runs the Monte Carlo tolerance analysis, all off the UI thread
// behind a progress bar that can stop them (the results shown stay until a run finishes).
// New options re-run only the simulation. Shows the simulated response over the ideal one
// with the envelope and the yield, and the section table, which it writes as CSV.

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

class VerificationPanel : public QWidget {
    Q_OBJECT
public:
    VerificationPanel(DocumentWindow& design, QWidget* parent);

    GraphPane* Pane() const { return pane_; }
    QTableWidget* Table() const { return table_; }
    QString YieldLine() const;
    QString Notice() const;
    // Says so when the circuit kept belongs to the previous design.
    void ShowNotice();
    // Simulates, finds the section requirements and runs the tolerance analysis, and shows
    // what they found; when the user stops it, says so and keeps what was shown.
    void Verify(const verify::RealisedCircuit& kept, const VerificationOptions& options);
    // Writes the section table as CSV; the error text, empty on success.
    QString ExportTable(const QString& path) const;

private:
    void ChooseAndVerify();
    void OutputAndVerify();
    void ChooseAndExportTable();

    DocumentWindow& design_;
    QLabel* notice_;
    GraphPane* pane_;
    QLabel* summary_;
    QTableWidget* table_;
    QPushButton* verify_;   // off while a verification runs
    QString shownSummary_;  // the summary of the results shown, without any later notice
    std::vector<std::vector<std::string>> rows_;
    VerificationDialog* options_ = nullptr;  // made on first use; keeps the user's choices
    std::optional<VerificationOptions> lastOptions_;
};

}  // namespace vorna
