#include "VerificationDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "QtUi.h"
#include "platform/CLocale.h"
#include "text/Texts.h"
#include "verify/CircuitSimulation.h"
#include "view/EngineeringNotation.h"

namespace vorna {
namespace {

constexpr int kDefaultRuns = 1000;

QDoubleSpinBox* PercentBox(double percent, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setLocale(QLocale::c());
    box->setRange(0, verify::kMaxTolerance * 100);
    box->setDecimals(2);
    box->setSuffix(QStringLiteral(" %"));
    box->setValue(percent);
    return box;
}

}  // namespace

VerificationDialog::VerificationDialog(const verify::OpAmpTable& table, QWidget* parent)
    : QDialog(parent),
      table_(table),
      opAmp_(new QComboBox(this)),
      gbw_(new QLineEdit(this)),
      resistorTolerance_(PercentBox(1, this)),
      capacitorTolerance_(PercentBox(5, this)),
      distribution_(new QComboBox(this)),
      runs_(new QSpinBox(this)),
      seed_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("verificationDialog"));
    setWindowTitle(QString::fromUtf8(Text(TextId::VerificationTitle)));
    for (const verify::OpAmpData& opAmp : table_.opAmps) {
        opAmp_->addItem(
            QString::fromStdString(Format(Text(TextId::VerificationOpAmpChoice), opAmp.name.c_str(),
                                          EngineeringNotation(opAmp.gbwHz, "Hz", 4).c_str())));
    }
    opAmp_->addItem(QString::fromUtf8(Text(TextId::VerificationGbwByHand)));
    gbw_->setPlaceholderText(QString::fromUtf8(Text(TextId::VerificationGbwExample)));
    gbw_->setEnabled(table_.opAmps.empty());
    connect(opAmp_, &QComboBox::currentIndexChanged, this, [this](int index) {
        gbw_->setEnabled(index == static_cast<int>(table_.opAmps.size()));
    });
    distribution_->addItems({QString::fromUtf8(Text(TextId::VerificationUniform)),
                             QString::fromUtf8(Text(TextId::VerificationGaussian))});
    runs_->setLocale(QLocale::c());
    runs_->setRange(0, verify::kMaxToleranceRuns);
    runs_->setValue(kDefaultRuns);
    runs_->setSpecialValueText(QString::fromUtf8(Text(TextId::VerificationNoTolerance)));
    seed_->setLocale(QLocale::c());
    seed_->setRange(0, 1 << 30);
    seed_->setValue(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QString::fromUtf8(Text(TextId::ButtonCancel)));
    connect(buttons, &QDialogButtonBox::accepted, this, &VerificationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VerificationDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8(Text(TextId::VerificationOpAmp)), opAmp_);
    form->addRow(QString::fromUtf8(Text(TextId::VerificationGbw)), gbw_);
    form->addRow(QString::fromUtf8(Text(TextId::VerificationResistorTolerance)),
                 resistorTolerance_);
    form->addRow(QString::fromUtf8(Text(TextId::VerificationCapacitorTolerance)),
                 capacitorTolerance_);
    form->addRow(QString::fromUtf8(Text(TextId::VerificationDistribution)), distribution_);
    form->addRow(QString::fromUtf8(Text(TextId::VerificationRuns)), runs_);
    form->addRow(QString::fromUtf8(Text(TextId::VerificationSeed)), seed_);
    if (!table_.error.empty()) {
        form->addRow(new QLabel(
            QString::fromStdString(Text(TextId::VerificationOpAmpTable) + table_.error), this));
    }
    form->addRow(buttons);
}

std::optional<VerificationOptions> VerificationDialog::Options(std::string& problem) const {
    VerificationOptions options;
    const auto chosen = static_cast<std::size_t>(opAmp_->currentIndex());
    if (chosen < table_.opAmps.size()) {
        options.gbwHz = table_.opAmps[chosen].gbwHz;
    } else {
        const std::string text = gbw_->text().trimmed().toStdString();
        const char* end = nullptr;
        options.gbwHz = StrToD(text.c_str(), &end);
        if (text.empty() || end != text.c_str() + text.size()) options.gbwHz = 0;
    }
    problem = verify::CheckGbw(options.gbwHz);
    if (!problem.empty()) return std::nullopt;
    options.tolerance.resistorTolerance = resistorTolerance_->value() / 100;
    options.tolerance.capacitorTolerance = capacitorTolerance_->value() / 100;
    options.tolerance.distribution = distribution_->currentIndex() == 1
                                         ? verify::Distribution::Gaussian
                                         : verify::Distribution::Uniform;
    options.tolerance.seed = static_cast<std::uint64_t>(seed_->value());
    options.tolerance.runs = runs_->value();
    if (options.tolerance.runs > 0) problem = verify::CheckToleranceOptions(options.tolerance);
    if (!problem.empty()) return std::nullopt;
    return options;
}

void VerificationDialog::accept() {
    std::string problem;
    if (Options(problem)) {
        QDialog::accept();
        return;
    }
    QtUi(this).MessageBox({TextId::VerificationOptionsRefused, {problem}}, MessageButtons::Ok);
}

}  // namespace vorna
