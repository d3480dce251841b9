#pragma once
// Ticks of a logarithmic frequency axis: a labelled tick at every decade, and at twice and
// five times it while the axis spans three decades or less, a minor tick at every other
// whole multiple; labels in the program's engineering notation ("200", "5K", "1M"). An axis
// zoomed in too far for two such ticks gets evenly spaced ones.

#include <qcustomplot.h>

namespace vorna {

class FrequencyTicker : public QCPAxisTicker {
public:
    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks,
                  QVector<QString>* tickLabels) override;
};

}  // namespace vorna
