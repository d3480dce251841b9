#pragma once
// The options of a real-circuit check, asked of the user: the op-amp (from the op-amp
// table, or a gain-bandwidth product typed in) and the Monte Carlo tolerance analysis.

#include <QDialog>
#include <optional>
#include <string>

#include "verify/OpAmpTable.h"
#include "verify/ToleranceAnalysis.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace vorna {

struct VerificationOptions {
    double gbwHz = 0;
    verify::ToleranceOptions tolerance;  // runs 0: no tolerance analysis
};

class VerificationDialog : public QDialog {
    Q_OBJECT
public:
    // `table` fills the op-amp list; its first entry is chosen.
    VerificationDialog(const verify::OpAmpTable& table, QWidget* parent);

    // The options as entered; the message that refuses them otherwise.
    std::optional<VerificationOptions> Options(std::string& problem) const;

    void accept() override;

private:
    verify::OpAmpTable table_;
    QComboBox* opAmp_;
    QLineEdit* gbw_;
    QDoubleSpinBox* resistorTolerance_;
    QDoubleSpinBox* capacitorTolerance_;
    QComboBox* distribution_;
    QSpinBox* runs_;
    QSpinBox* seed_;
};

}  // namespace vorna
