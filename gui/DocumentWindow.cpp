#include "DocumentWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>

#include "ViewWidget.h"
#include "app/CircuitOutputCommand.h"
#include "document/DesignWindowFile.h"
#include "output/CircuitOutput.h"
#include "verify/OpAmpTable.h"

namespace vorna {
namespace {

// Line steps of the scroll bars: a tenth of a tenth of the scrollable size.
constexpr int kLineStepX = kViewWidth / 100;
constexpr int kLineStepY = kViewHeight / 100;

}  // namespace

DocumentWindow::DocumentWindow(const QString& name, QWidget* parent)
    : QScrollArea(parent),
      name_(name),
      document_(std::make_unique<DesignDocument>()),
      view_(std::make_unique<DesignView>(*document_)),
      area_(new ViewWidget(*view_, this)) {
    setObjectName(QStringLiteral("documentWindow"));
    setWidget(area_);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Beyond the scrollable area the client area is white too.
    QPalette background = viewport()->palette();
    background.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(background);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(kLineStepX);
    verticalScrollBar()->setSingleStep(kLineStepY);
    view_->onInvalidate = [area = area_] { area->update(); };
    view_->onCircuitOutput = [this](const CircuitOutput& out, Ui& ui) {
        Keep(verify::CircuitOfOutput(out, *view_, ui));
    };
    view_->opAmpGbw = [](const std::string& opAmp) {
        return verify::InstalledOpAmpGbw(
            (QCoreApplication::applicationDirPath() + u'/').toStdString(), opAmp);
    };
    saved_ = CaptureSettings(*view_);
}

DocumentWindow::~DocumentWindow() {
    view_->onInvalidate = nullptr;
    view_->onCircuitOutput = nullptr;
}

bool DocumentWindow::MakeCircuitOutput(Ui& ui) {
    CircuitOutput out;
    out.schematicAlwaysMade = true;
    const bool ran = RunCircuitOutput(*view_, ui, out);
    view_->Invalidate();
    if (!ran) return false;
    std::optional<verify::RealisedCircuit> circuit = verify::CircuitOfOutput(out, *view_, ui);
    const bool made = circuit.has_value();
    Keep(std::move(circuit));
    return made;
}

void DocumentWindow::Keep(std::optional<verify::RealisedCircuit> circuit) {
    if (!circuit) return;
    circuit_.Keep(std::move(*circuit), *document_);
    emit CircuitKept();
}

QImage DocumentWindow::VisibleImage() const {
    return viewport()->grab().toImage();
}

void DocumentWindow::CopyToClipboard() const {
    QApplication::clipboard()->setImage(VisibleImage());
}

bool DocumentWindow::IsModified() const {
    return CaptureSettings(*view_) != saved_;
}

QString DocumentWindow::Title() const {
    return IsModified() ? name_ + QStringLiteral(" *") : name_;
}

std::optional<Message> DocumentWindow::Open(const QString& path) {
    if (auto problem = OpenDesignFile(QDir::toNativeSeparators(path).toStdString(), *view_))
        return problem;
    Saved(path);
    area_->update();
    return std::nullopt;
}

std::optional<Message> DocumentWindow::SaveAs(const QString& path) {
    if (auto problem = SaveDesignFile(QDir::toNativeSeparators(path).toStdString(), *view_))
        return problem;
    Saved(path);
    return std::nullopt;
}

void DocumentWindow::Saved(const QString& path) {
    const QFileInfo file(path);
    path_ = file.absoluteFilePath();
    name_ = file.fileName();
    saved_ = CaptureSettings(*view_);
}

}  // namespace vorna
