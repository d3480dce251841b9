#include "FrequencyTicker.h"

#include <cmath>

#include "circuit/EngValue.h"

namespace vorna {
namespace {

constexpr double kFewDecades = 3;

bool Labelled(int multiple, bool fewDecades) {
    return multiple == 1 || (fewDecades && (multiple == 2 || multiple == 5));
}

}  // namespace

void FrequencyTicker::generate(const QCPRange& range, const QLocale& locale, QChar formatChar,
                               int precision, QVector<double>& ticks, QVector<double>* subTicks,
                               QVector<QString>* tickLabels) {
    ticks.clear();
    QVector<double> minor;
    if (range.lower > 0 && range.upper > range.lower && std::isfinite(range.upper)) {
        const bool fewDecades = std::log10(range.upper / range.lower) <= kFewDecades;
        for (int e = static_cast<int>(std::floor(std::log10(range.lower)));
             std::pow(10.0, e) <= range.upper; ++e) {
            for (int multiple = 1; multiple <= 9; ++multiple) {
                const double hz = multiple * std::pow(10.0, e);
                if (hz < range.lower || hz > range.upper) continue;
                (Labelled(multiple, fewDecades) ? ticks : minor).push_back(hz);
            }
        }
    }
    if (ticks.size() < 2) {
        QCPAxisTicker::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
        return;
    }
    if (subTicks != nullptr) *subTicks = minor;
    if (tickLabels != nullptr) {
        tickLabels->clear();
        for (double hz : ticks)
            tickLabels->push_back(QString::fromStdString(FormatEngValueRounded(hz)));
    }
}

}  // namespace vorna
