#include "AnalysisWindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "AnalysisGraphs.h"
#include "DocumentWindow.h"
#include "GraphExport.h"
#include "GraphPane.h"
#include "Icons.h"
#include "QtUi.h"
#include "SchematicPanel.h"
#include "VerificationPanel.h"
#include "ViewWidget.h"
#include "analysis/Cascade.h"
#include "analysis/CoefficientExport.h"
#include "app/DocumentResults.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 640;

struct TabEntry {
    AnalysisTab tab;
    TextId label;
};

constexpr TabEntry kTabs[] = {
    {AnalysisTab::Magnitude, TextId::TabMagnitude},
    {AnalysisTab::Passband, TextId::TabPassband},
    {AnalysisTab::Phase, TextId::QuantityPhase},
    {AnalysisTab::GroupDelay, TextId::QuantityGroupDelay},
    {AnalysisTab::Step, TextId::GraphStepTitle},
    {AnalysisTab::Impulse, TextId::GraphImpulseTitle},
    {AnalysisTab::PoleZero, TextId::TabPoleZero},
};

struct CoefficientFile {
    analysis::CoefficientFormat format;
    const char* extension;
    TextId filter;
};

constexpr CoefficientFile kCoefficientFormats[] = {
    {analysis::CoefficientFormat::Csv, "csv", TextId::CsvFileFilter},
    {analysis::CoefficientFormat::Json, "json", TextId::JsonFileFilter},
    {analysis::CoefficientFormat::CHeader, "h", TextId::CHeaderFileFilter},
};

QString DesignTitle(const DocumentWindow& design) {
    const auto* window = qobject_cast<const QMdiSubWindow*>(design.parentWidget());
    return window != nullptr ? window->windowTitle() : design.windowTitle();
}

}  // namespace

AnalysisWindow::AnalysisWindow(DocumentWindow& design)
    : QWidget(&design, Qt::Window),
      design_(design),
      tabs_(new QTabWidget(this)),
      unwrapped_(new QCheckBox(QString::fromUtf8(Text(TextId::ShowUnwrappedPhase)), this)) {
    setObjectName(QStringLiteral("analysisWindow"));
    setWindowIcon(ProgramIcon());
    FollowTitle();
    // The design window's title follows its file (Save As) and whether it changed.
    QWidget* titled = design.parentWidget() != nullptr ? design.parentWidget() : &design;
    connect(titled, &QWidget::windowTitleChanged, this, &AnalysisWindow::FollowTitle);
    tabs_->setObjectName(QStringLiteral("analysisTabs"));
    for (const TabEntry& entry : kTabs) {
        auto* pane = new GraphPane(tabs_);
        panes_.push_back(pane);
        tabs_->addTab(pane, QString::fromUtf8(Text(entry.label)));
    }
    verification_ = new VerificationPanel(design, tabs_);
    tabs_->addTab(verification_, QString::fromUtf8(Text(TextId::TabRealCircuit)));
    schematic_ = new SchematicPanel(design, tabs_);
    tabs_->addTab(schematic_, QString::fromUtf8(Text(TextId::TabSchematic)));
    connect(&design, &DocumentWindow::CircuitKept, this, [this] {
        schematic_->Refresh();
        verification_->ShowNotice();
    });
    unwrapped_->setObjectName(QStringLiteral("unwrapPhase"));
    unwrapped_->setVisible(false);
    connect(unwrapped_, &QCheckBox::toggled, this, &AnalysisWindow::Rebuild);
    // The graph shown takes the keys (zoom, pan, Home) without a click first.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        unwrapped_->setVisible(index == static_cast<int>(AnalysisTab::Phase));
        if (QWidget* shown = tabs_->currentWidget()) shown->setFocus();
    });
    auto* coefficients =
        new QPushButton(QString::fromUtf8(Text(TextId::ExportCoefficientsButton)), this);
    coefficients->setObjectName(QStringLiteral("exportCoefficients"));
    coefficients->setToolTip(QString::fromUtf8(Text(TextId::ExportCoefficientsTip)));
    connect(coefficients, &QPushButton::clicked, this,
            &AnalysisWindow::ChooseAndExportCoefficients);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(unwrapped_);
    bottom->addStretch(1);
    bottom->addWidget(coefficients);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);
    connect(design.Area(), &ViewWidget::Painted, this, &AnalysisWindow::Follow);
    resize(kWidth, kHeight);
}

GraphPane* AnalysisWindow::Pane(AnalysisTab tab) const {
    return panes_[static_cast<std::size_t>(tab)];
}

void AnalysisWindow::FollowTitle() {
    setWindowTitle(QString::fromStdString(
        Format(Text(TextId::AnalysisWindowTitle), DesignTitle(design_).toStdString().c_str())));
}

void AnalysisWindow::Follow() {
    schematic_->ShowNotice();
    verification_->ShowNotice();
    const std::vector<double> now = DesignFingerprint(design_.View(), design_.Document());
    if (now == fingerprint_) return;
    fingerprint_ = now;
    Rebuild();
}

void AnalysisWindow::Rebuild() {
    DesignView& view = design_.View();
    DesignDocument& doc = design_.Document();
    if (view.noDesignYet != 0) RecomputeResults(view, doc);
    const PhaseForm phase = unwrapped_->isChecked() ? PhaseForm::Unwrapped : PhaseForm::Wrapped;
    Pane(AnalysisTab::Magnitude)->SetGraph(MagnitudeGraph(view, doc));
    Pane(AnalysisTab::Passband)->SetGraph(PassbandGraph(view, doc));
    Pane(AnalysisTab::Phase)->SetGraph(PhaseGraph(view, doc, phase));
    Pane(AnalysisTab::GroupDelay)->SetGraph(GroupDelayGraph(view, doc));
    Pane(AnalysisTab::Step)->SetGraph(TimeResponseGraph(view, doc, TimeGraph::Step));
    Pane(AnalysisTab::Impulse)->SetGraph(TimeResponseGraph(view, doc, TimeGraph::Impulse));
    Pane(AnalysisTab::PoleZero)->SetGraph(PoleZeroGraph(view));
}

QString AnalysisWindow::ExportCoefficients(const QString& path, const QString& cName) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const auto format = std::find_if(
        std::begin(kCoefficientFormats), std::end(kCoefficientFormats),
        [&](const CoefficientFile& file) { return suffix == QLatin1String(file.extension); });
    if (format == std::end(kCoefficientFormats)) {
        return QString::fromUtf8(Text(TextId::CoefficientExtensionRefused));
    }
    const std::string name = cName.toStdString();
    if (format->format == analysis::CoefficientFormat::CHeader && !analysis::IsUsableCName(name)) {
        return QString::fromStdString(
            Format(Text(TextId::CHeaderNameRefused), cName.left(64).toStdString().c_str()));
    }
    const std::string text = analysis::CoefficientsText(
        analysis::CascadeOf(design_.View(), design_.Document().kind, design_.View().samplingPeriod),
        format->format, name);
    return WriteAtomically(path, [&](QIODevice& file) {
        return file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    });
}

void AnalysisWindow::ChooseAndExportCoefficients() {
    // The file chooser with one more row, the name of a C header's coefficients.
    QFileDialog chooser(this, QString::fromUtf8(Text(TextId::ExportCoefficientsTitle)),
                        QDir::currentPath());
    chooser.setObjectName(QStringLiteral("coefficientChooser"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setDefaultSuffix(QStringLiteral("csv"));
    QStringList filters;
    for (const CoefficientFile& file : kCoefficientFormats)
        filters << QString::fromUtf8(Text(file.filter));
    chooser.setNameFilters(filters);
    // A name typed without extension takes the chosen format's.
    connect(&chooser, &QFileDialog::filterSelected, &chooser,
            [&chooser, filters](const QString& f) {
                const auto i = static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(f)));
                chooser.setDefaultSuffix(QString::fromLatin1(kCoefficientFormats[i].extension));
            });
    auto* name = new QLineEdit(
        QString::fromUtf8(analysis::kDefaultCName.data(), analysis::kDefaultCName.size()));
    name->setObjectName(QStringLiteral("cHeaderName"));
    name->setToolTip(QString::fromUtf8(Text(TextId::CHeaderNameTip)));
    if (auto* grid = qobject_cast<QGridLayout*>(chooser.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(QString::fromUtf8(Text(TextId::CHeaderNameLabel))), row, 0);
        grid->addWidget(name, row, 1);
    }
    QtUi ui(this);
    while (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) {
        const QString path = chooser.selectedFiles().front();
        const QString error = ExportCoefficients(path, name->text());
        if (error.isEmpty()) return;
        ReportWriteFailure(ui, QDir::toNativeSeparators(path).toStdString(),
                           Text(TextId::ExportedCoefficients), error);
    }
}

void AnalysisWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Follow();
    if (QWidget* shown = tabs_->currentWidget()) shown->setFocus();
}

AnalysisWindow* ShowAnalysisWindow(DocumentWindow& design) {
    auto* window = design.findChild<AnalysisWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) window = new AnalysisWindow(design);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace vorna
