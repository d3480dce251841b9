#include "FontMapping.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRawFont>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace vorna {
namespace {

// Face names of the Japanese system fonts the resources were laid out with, and the metric
// compatible IPA fonts that replace them (same full-width / half-width cell widths).
constexpr std::array<std::pair<const char*, const char*>, 8> kStandIns{{
    {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"MS Mincho", "IPAMincho"},
    {"MS PMincho", "IPAPMincho"},
    {"MS Gothic", "IPAGothic"},
    {"MS PGothic", "IPAPGothic"},
}};

constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kPitchMask = 0x03;
constexpr int kFamilyMask = 0xF0;
constexpr int kFamilyRoman = 0x10;
constexpr int kFamilySwiss = 0x20;
constexpr int kFamilyModern = 0x30;
constexpr int kDefaultCharacterHeight = 16;

QFont::StyleHint StyleHintOf(int pitchAndFamily) {
    switch (pitchAndFamily & kFamilyMask) {
        case kFamilyRoman:
            return QFont::Serif;
        case kFamilySwiss:
            return QFont::SansSerif;
        case kFamilyModern:
            return QFont::TypeWriter;
        default:
            return QFont::AnyStyle;
    }
}

}  // namespace

QString InstalledFamily(const std::string& faceName) {
    for (const auto& [face, family] : kStandIns) {
        if (faceName == face) return QString::fromLatin1(family);
    }
    return QString::fromStdString(faceName);
}

QFont ToQFont(const FontDescription& description) {
    QFont font;
    font.setFamilies(QStringList{InstalledFamily(description.faceName),
                                 QString::fromStdString(description.faceName)});
    font.setStyleHint(StyleHintOf(description.pitchAndFamily));
    font.setFixedPitch((description.pitchAndFamily & kPitchMask) == kFixedPitch);
    font.setWeight(static_cast<QFont::Weight>(
        description.weight <= 0 ? 400 : std::clamp(description.weight, 100, 900)));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);

    if (description.height < 0) {
        font.setPixelSize(-description.height);
    } else if (description.height > 0) {
        // A cell height: scale the em size so that ascent + descent come to the height.
        font.setPixelSize(100);
        const double cell = CellMetricsOf(font).Height();
        font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(100.0 * description.height / cell))));
    } else {
        font.setPixelSize(kDefaultCharacterHeight);
    }
    if (description.width > 0) {
        const double natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(
                static_cast<int>(std::lround(100.0 * description.width / natural)), 1, 4000));
    }
    return font;
}

FontDescription ToFontDescription(const QFont& font, const FontDescription& previous) {
    FontDescription description = previous;
    const QString family = font.family();
    if (InstalledFamily(previous.faceName) != family) {
        description.faceName = family.toStdString();
        for (const auto& [face, standIn] : kStandIns) {
            if (family == QLatin1String(standIn)) {
                description.faceName = face;
                break;
            }
        }
    }
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    description.height = -pixels;
    description.width = 0;
    description.weight = font.weight();
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikeOut = font.strikeOut();
    if (description.faceName != previous.faceName) {
        const int pitch = QFontInfo(font).fixedPitch() ? kFixedPitch : kVariablePitch;
        description.pitchAndFamily = (previous.pitchAndFamily & kFamilyMask) | pitch;
    }
    return description;
}

CellMetrics CellMetricsOf(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray header = raw.isValid() ? raw.fontTable("hhea") : QByteArray();
    constexpr int kAscenderOffset = 4;
    constexpr int kDescenderOffset = 6;
    if (header.size() >= kDescenderOffset + 2 && raw.unitsPerEm() > 0) {
        const auto read = [&header](int offset) {
            return static_cast<qint16>((static_cast<quint8>(header[offset]) << 8) |
                                       static_cast<quint8>(header[offset + 1]));
        };
        const double scale = raw.pixelSize() / raw.unitsPerEm();
        const int ascent = static_cast<int>(std::lround(read(kAscenderOffset) * scale));
        const int descent = static_cast<int>(std::lround(std::abs(read(kDescenderOffset)) * scale));
        if (ascent > 0) return {ascent, descent};
    }
    const QFontMetrics metrics(font);
    return {metrics.ascent(), metrics.descent()};
}

QFont DialogFont(const std::string& faceName, int points) {
    FontDescription description;
    description.faceName = faceName;
    description.height = -static_cast<int>(std::lround(points * 96.0 / 72.0));
    description.pitchAndFamily = 0;
    return ToQFont(description);
}

}  // namespace vorna
