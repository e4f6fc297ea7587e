#include "geo/degreelabels.h"

#include <algorithm>
#include <cmath>
#include <utility>

QMap<double, QString> DegreeLabels::build(const QVector<double> &metres,
                                          const QVector<double> &degrees)
{
    const int count = std::min(metres.size(), degrees.size());
    std::vector<std::pair<double, double>> pairs; // degree, metre
    pairs.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (std::isfinite(metres.at(i)) && std::isfinite(degrees.at(i)))
            pairs.emplace_back(degrees.at(i), metres.at(i));
    }
    std::sort(pairs.begin(), pairs.end());

    QMap<double, QString> labels;
    bool first = true;
    double lastLabelled = 0.0;
    for (const auto &[degree, metre] : pairs) {
        if (first || degree - lastLabelled > MinimumStep) {
            labels.insert(metre, QString::number(degree, 'f', Decimals));
            lastLabelled = degree;
            first = false;
        }
    }
    return labels;
}
