#include "HelpPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <QTextTable>
#include <memory>

namespace vorna::help {
namespace {

constexpr int kResolution = 300;  // dots per inch of the page layout
constexpr int kFigureObject = QTextFormat::UserObject + 1;
constexpr int kFigureIndex = QTextFormat::UserProperty + 1;
constexpr double kFigureWidth = 0.8;  // of the text width
constexpr double kCodeScale = 0.85;   // code beside the body text

struct Face {
    const char* family;
    double bodyPoints;
};

// DejaVu Serif is wide for its size, so it is set a little smaller than the mincho.
Face FaceFor(Language language) {
    return language == Language::English ? Face{"DejaVu Serif", 9.5} : Face{"IPAMincho", 10.5};
}

// The figures' texts are placed for a face whose Latin letters are half as wide as they are
// high, as the mincho's are, in either language.
constexpr const char* kFigureFamily = "IPAMincho";

// The part of a drawing that is not blank paper, found on a small raster of it.
QRectF InkBounds(QSvgRenderer& svg) {
    const QSize size = svg.defaultSize();
    QImage raster(size, QImage::Format_RGB32);
    raster.fill(Qt::white);
    {
        QPainter painter(&raster);
        svg.render(&painter);
    }
    QRect ink;
    for (int y = 0; y < raster.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(raster.constScanLine(y));
        for (int x = 0; x < raster.width(); ++x) {
            if (row[x] != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
        }
    }
    if (ink.isEmpty()) return QRectF(QPointF(0, 0), size);
    return QRectF(ink.adjusted(-4, -4, 4, 4)).intersected(QRectF(QPointF(0, 0), size));
}

// The drawing with its texts set in the figures' face.
QByteArray InFigureFace(const QByteArray& svg) {
    static const QRegularExpression kFamily(QStringLiteral("font-family=\"[^\"]*\""));
    return QString::fromUtf8(svg)
        .replace(kFamily,
                 QStringLiteral("font-family=\"%1\"").arg(QString::fromLatin1(kFigureFamily)))
        .toUtf8();
}

}  // namespace

// Draws the figures of a document: each is an object character whose format names its SVG.
// (Outside the unnamed namespace, where the meta-object compiler cannot reach it.)
class FigureHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    FigureHandler(const std::vector<QByteArray>& figures, double width) : width_(width) {
        for (const QByteArray& svg : figures) {
            auto renderer = std::make_unique<QSvgRenderer>(InFigureFace(svg));
            renderer->setViewBox(InkBounds(*renderer));
            renderers_.push_back(std::move(renderer));
        }
    }

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        const QRectF box = Figure(format).viewBoxF();
        return QSizeF(width_, width_ * box.height() / box.width());
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        // The renderer draws what lies outside its view box too: the blank paper around the
        // ink would cover the text above and below.
        painter->save();
        painter->setClipRect(rect);
        Figure(format).render(painter, rect);
        painter->restore();
    }

private:
    QSvgRenderer& Figure(const QTextFormat& format) const {
        return *renderers_.at(static_cast<std::size_t>(format.intProperty(kFigureIndex)));
    }

    double width_;
    std::vector<std::unique_ptr<QSvgRenderer>> renderers_;
};

namespace {

// Replaces the images "figure:N" by figure objects, centred with their captions below.
void PlaceFigures(QTextDocument& document) {
    std::vector<std::pair<int, int>> figures;  // position, index
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString name = format.toImageFormat().name();
            if (format.isImageFormat() && name.startsWith(QStringLiteral("figure:")))
                figures.emplace_back(it.fragment().position(), name.mid(7).toInt());
        }
    }
    for (auto it = figures.rbegin(); it != figures.rend(); ++it) {
        QTextCursor cursor(&document);
        cursor.setPosition(it->first);
        cursor.setPosition(it->first + 1, QTextCursor::KeepAnchor);
        QTextCharFormat object;
        object.setObjectType(kFigureObject);
        object.setProperty(kFigureIndex, it->second);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
        QTextBlockFormat centred = cursor.blockFormat();
        centred.setAlignment(Qt::AlignHCenter);
        centred.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        cursor.setBlockFormat(centred);
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.setBlockFormat(centred);
    }
}

bool IsCode(const QTextBlock& block) {
    return block.blockFormat().hasProperty(QTextFormat::BlockCodeFence);
}

// Room between paragraphs, and more above headings.
void SpaceBlocks(QTextDocument& document, double lineHeight) {
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        if (cursor.currentTable() != nullptr) continue;
        QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() > 0) format.setTopMargin(lineHeight);
        // A code block's lines stay together.
        const bool codeGoesOn = IsCode(block) && block.next().isValid() && IsCode(block.next());
        if (block.textList() == nullptr && !codeGoesOn) format.setBottomMargin(lineHeight * 0.4);
        cursor.setBlockFormat(format);
    }
}

// Thin ruled tables with some room in the cells and their heads on every page.
void RuleTables(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr) continue;
        QTextTableFormat format = table->format();
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(12);
        format.setCellSpacing(0);
        format.setHeaderRowCount(1);  // repeated on every page the table runs onto
        format.setTopMargin(12);
        format.setBottomMargin(24);
        table->setFormat(format);
    }
}

// Code, in blocks and in running text, set a little smaller than the body in the fixed-pitch
// font, its blocks' long lines wrapped rather than cut at the page's edge.
void FitCode(QTextDocument& document, double bodyPoints) {
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.nonBreakableLines()) {
            format.setNonBreakableLines(false);
            cursor.setPosition(block.position());
            cursor.setBlockFormat(format);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextCharFormat code = it.fragment().charFormat();
            if (code.isImageFormat() || !code.fontFamilies().toStringList().contains(fixed))
                continue;
            code.setFontPointSize(bodyPoints * kCodeScale);
            cursor.setPosition(it.fragment().position());
            cursor.setPosition(it.fragment().position() + it.fragment().length(),
                               QTextCursor::KeepAnchor);
            cursor.setCharFormat(code);
        }
    }
}

}  // namespace

bool WriteHelpPdf(const HelpText& text, const QString& title, Language language,
                  const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Vorna"));
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 25), QPageLayout::Millimeter));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    const Face face = FaceFor(language);
    QFont font(QString::fromLatin1(face.family));
    font.setPointSizeF(face.bodyPoints);
    document.setDefaultFont(font);
    document.setMarkdown(text.markdown);
    const QSizeF page(writer.width(), writer.height());
    document.setPageSize(page);
    FigureHandler figures(text.figures, page.width() * kFigureWidth);
    document.documentLayout()->registerHandler(kFigureObject, &figures);
    PlaceFigures(document);
    FitCode(document, face.bodyPoints);
    SpaceBlocks(document, QFontMetricsF(font, &writer).height());
    RuleTables(document);

    QPainter painter(&writer);
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) writer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
        painter.restore();
        painter.setFont(font);
        const QRectF footer(0, page.height(), page.width(), kResolution / 3.0);
        painter.drawText(footer, Qt::AlignCenter,
                         QStringLiteral("— %1 / %2 —").arg(i + 1).arg(pages));
    }
    if (!painter.end() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace vorna::help

#include "HelpPdf.moc"
