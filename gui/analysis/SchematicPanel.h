#pragma once
// The schematic tab of the analysis window: the circuit of the design window's last circuit
// output drawn whole (zoom, export as SVG, PNG or PDF, print) over its bill of materials,
// grouped by value, whose CSV goes to the clipboard or a file. Before any circuit output it
// says so and offers to make one; after a change of the design it says that the circuit shown
// belongs to the previous design.

#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vorna {

class DocumentWindow;
class SchematicView;

class SchematicPanel : public QWidget {
    Q_OBJECT
public:
    SchematicPanel(DocumentWindow& design, QWidget* parent);

    SchematicView* View() const { return view_; }
    QTableWidget* Bom() const { return bom_; }
    QString Notice() const;
    // The bill of materials as CSV (as the command line writes it); empty without a circuit.
    std::string BomText() const;
    // Shows the circuit kept now, or says that there is none.
    void Refresh();
    // Updates the notice only (after a change of the design).
    void ShowNotice();

private:
    void ChooseAndExport();
    void ChooseAndPrint();
    void CopyBom() const;
    void ChooseAndSaveBom();

    DocumentWindow& design_;
    QLabel* notice_;
    QPushButton* output_;
    SchematicView* view_;
    QTableWidget* bom_;
    QWidget* circuitButtons_;  // what acts on a circuit, off without one
};

}  // namespace vorna
