#include "AnalysisWindow.h"

#include <QCheckBox>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QVBoxLayout>

#include "AnalysisGraphs.h"
#include "DocumentWindow.h"
#include "GraphPane.h"
#include "Icons.h"
#include "ViewWidget.h"

namespace vorna {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 640;

struct TabEntry {
    AnalysisTab tab;
    const char* label;
};

constexpr TabEntry kTabs[] = {
    {AnalysisTab::Magnitude, "振幅"},
    {AnalysisTab::Passband, "通過域"},
    {AnalysisTab::Phase, "位相"},
    {AnalysisTab::PoleZero, "極・零"},
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
      unwrapped_(new QCheckBox(QStringLiteral("位相をｱﾝﾗｯﾌﾟして表示"), this)) {
    setObjectName(QStringLiteral("analysisWindow"));
    setWindowIcon(ProgramIcon());
    setWindowTitle(QStringLiteral("解析 - %1").arg(DesignTitle(design)));
    tabs_->setObjectName(QStringLiteral("analysisTabs"));
    for (const TabEntry& entry : kTabs) {
        auto* pane = new GraphPane(tabs_);
        panes_.push_back(pane);
        tabs_->addTab(pane, QString::fromUtf8(entry.label));
    }
    unwrapped_->setObjectName(QStringLiteral("unwrapPhase"));
    unwrapped_->setVisible(false);
    connect(unwrapped_, &QCheckBox::toggled, this, &AnalysisWindow::Rebuild);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        unwrapped_->setVisible(index == static_cast<int>(AnalysisTab::Phase));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(unwrapped_);
    connect(design.Area(), &ViewWidget::Painted, this, &AnalysisWindow::Follow);
    resize(kWidth, kHeight);
}

GraphPane* AnalysisWindow::Pane(AnalysisTab tab) const {
    return panes_[static_cast<std::size_t>(tab)];
}

void AnalysisWindow::Follow() {
    const std::vector<double> now = DesignFingerprint(design_.View(), design_.Document());
    if (now == fingerprint_) return;
    fingerprint_ = now;
    Rebuild();
}

void AnalysisWindow::Rebuild() {
    CKorvelView& view = design_.View();
    CKorvelDoc& doc = design_.Document();
    if (view.noDesignYet != 0) view.RecomputeResults(doc);
    const PhaseForm phase = unwrapped_->isChecked() ? PhaseForm::Unwrapped : PhaseForm::Wrapped;
    Pane(AnalysisTab::Magnitude)->SetGraph(MagnitudeGraph(view, doc));
    Pane(AnalysisTab::Passband)->SetGraph(PassbandGraph(view, doc));
    Pane(AnalysisTab::Phase)->SetGraph(PhaseGraph(view, doc, phase));
    Pane(AnalysisTab::PoleZero)->SetGraph(PoleZeroGraph(view));
}

void AnalysisWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Follow();
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
