#include "blocks/pairingcheck.h"

#include "timemarks/marktime.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr float Infinite = std::numeric_limits<float>::infinity();
/// What a photo or row without a partner costs.
constexpr double SkipCost = 1.0;
/// What a pair at the edge of its tolerance costs; below half of SkipCost, so that a pair
/// within tolerance is always cheaper than leaving both items unpaired.
constexpr double MatchWeight = 0.3;
/// How much more than the best another clock offset must cost before the best counts as
/// clear. Shifting a flight of constant intervals by one shot costs exactly two items (one at
/// each end), which must stay below it.
constexpr double GlobalMargin = 2.5;
/// How much more the other side of a single photo or row must cost before its side counts.
constexpr double LocalMargin = 0.5;
/// Tolerance beyond the resolutions while the offset is only known from the vote.
constexpr double LooseTolerance = 0.5;
/// Tolerance beyond the resolutions where too few pairs tell the clocks' scatter.
constexpr double DefaultTolerance = 0.25;
constexpr double MinTolerance = 0.1;
/// A drift that moves the offset less than this over the flight is left out.
constexpr double NegligibleDrift = 0.05;
constexpr int MaxVoteCandidates = 8;
constexpr int MinItems = 3;
/// Differences collected for the vote at most; the lists are sampled beyond that.
constexpr qint64 MaxVotes = 100000;
/// Cells of an alignment at most: a byte for its path and a float for the sweep of each.
constexpr qint64 MaxCells = 8000000;

enum Step : std::uint8_t
{
    None,
    Pair,
    SkipPhoto,
    SkipRow
};

/// The offset of the photo clock over the receiver's, slowly drifting.
struct Drift
{
    double offset = 0.0; //!< at tRef
    double rate = 0.0;   //!< seconds per second
    double tRef = 0.0;
    double at(double t) const { return offset + rate * (t - tRef); }
};

/// The alignments looked at: row j of photo i lies within lo <= j - i <= hi.
struct Band
{
    int lo = 0;
    int hi = 0;
    int width() const { return hi - lo + 1; }
};

struct Alignment
{
    double cost = std::numeric_limits<double>::infinity();
    std::vector<int> rowOfPhoto;
    int pairs = 0;
    bool touchesEdge = false;
    Drift drift;
    double tolerance = LooseTolerance;
    double meanOffset = 0.0;
    double spread = 0.0;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + long(mid), values.end());
    return values[mid];
}

/// Photos and rows to align, each time taken at the middle of its resolution.
class Aligner
{
public:
    Aligner(const QVector<PairingCheck::Stamp> &photos, const QVector<PairingCheck::Stamp> &rows)
    {
        for (const auto &s : photos) {
            m_photo.push_back(s.seconds + s.resolution / 2.0);
            m_photoHalf.push_back(s.resolution / 2.0);
        }
        for (const auto &s : rows) {
            m_row.push_back(s.seconds + s.resolution / 2.0);
            m_rowHalf.push_back(s.resolution / 2.0);
        }
    }

    int photos() const { return int(m_photo.size()); }
    int rows() const { return int(m_row.size()); }

    /// The offsets most differences near the diagonal agree on, best first.
    std::vector<double> voteCandidates(const Band &band) const;
    /// The cheapest alignment for a drift; with @p forward, also every forward cost.
    Alignment align(const Drift &drift, double tolerance, const Band &band,
                    std::vector<float> *forward = nullptr) const;
    /// Aligns from @p start, then again with the drift the pairs tell.
    Alignment fit(const Drift &start, double tolerance, const Band &band) const;
    /// The tolerance of the clocks the pairs of @p a show, beyond their resolutions.
    double clockTolerance(const Alignment &a) const;
    /// The offset that pairs the photos of @p a with the rows @p shift places further on.
    std::optional<double> shiftedOffset(const Alignment &a, int shift) const;
    /**
     * First photo and first row whose side (paired or not) in @p a is not clear: the other
     * side costs less than LocalMargin more. -1 where there is none.
     */
    void unclearItems(const Alignment &a, const Band &band, int *photo, int *row) const;

    /// How far the offset of a usual pair may lie from the clock's with @p tolerance.
    double halfWidth(double tolerance) const
    {
        return median(m_photoHalf) + median(m_rowHalf) + tolerance;
    }

private:
    double window() const;
    void refine(Alignment &a) const;
    /// Within their resolutions two times fit equally well wherever they lie; beyond them a
    /// pair costs more the further it strays, up to the tolerance.
    double pairCost(int i, int j, const std::vector<double> &target, double tolerance) const
    {
        const double beyond = std::abs(m_photo[size_t(i)] - target[size_t(j)]) -
                              m_photoHalf[size_t(i)] - m_rowHalf[size_t(j)];
        if (beyond > tolerance)
            return Infinite;
        if (beyond <= 0.0)
            return 0.0;
        return MatchWeight * (beyond / tolerance) * (beyond / tolerance);
    }
    std::vector<double> targets(const Drift &drift) const
    {
        std::vector<double> t(m_row.size());
        for (size_t j = 0; j < m_row.size(); ++j)
            t[j] = m_row[j] + drift.at(m_row[j]);
        return t;
    }

    std::vector<double> m_photo;
    std::vector<double> m_photoHalf;
    std::vector<double> m_row;
    std::vector<double> m_rowHalf;
};

double Aligner::window() const
{
    // Twice the usual tolerance of a pair: the votes of one offset spread that wide.
    return 2.0 * halfWidth(DefaultTolerance);
}

std::vector<double> Aligner::voteCandidates(const Band &band) const
{
    const int n = photos();
    const int m = rows();
    const int stride = int(std::max<qint64>(1, qint64(n) * band.width() / MaxVotes));
    std::vector<double> d;
    for (int i = 0; i < n; i += stride) {
        const int first = std::max(0, i + band.lo);
        const int last = std::min(m - 1, i + band.hi);
        for (int j = first; j <= last; ++j)
            d.push_back(m_photo[size_t(i)] - m_row[size_t(j)]);
    }
    std::sort(d.begin(), d.end());
    const double w = window();
    std::vector<int> count(d.size());
    for (size_t s = 0, e = 0; s < d.size(); ++s) {
        e = std::max(e, s);
        while (e < d.size() && d[e] <= d[s] + w)
            ++e;
        count[s] = int(e - s);
    }
    std::vector<double> candidates;
    std::vector<bool> taken(d.size(), false);
    while (int(candidates.size()) < MaxVoteCandidates) {
        int best = -1;
        for (size_t s = 0; s < d.size(); ++s) {
            if (!taken[s] && (best < 0 || count[s] > count[size_t(best)]))
                best = int(s);
        }
        if (best < 0 || count[size_t(best)] < 2)
            break;
        const double centre = d[size_t(best + (count[size_t(best)] - 1) / 2)];
        candidates.push_back(centre);
        for (size_t s = 0; s < d.size(); ++s) {
            if (std::abs(d[s] + w / 2.0 - centre) < w)
                taken[s] = true;
        }
    }
    return candidates;
}

Alignment Aligner::align(const Drift &drift, double tolerance, const Band &band,
                         std::vector<float> *forward) const
{
    const int n = photos();
    const int m = rows();
    const int w = band.width();
    const std::vector<double> target = targets(drift);
    std::vector<std::uint8_t> step(size_t(n + 1) * size_t(w), None);
    // One cell of room on either side, always infinite, spares the bounds checks.
    std::vector<float> prevRow(size_t(w) + 2, Infinite);
    std::vector<float> curRow(size_t(w) + 2, Infinite);
    if (forward)
        forward->assign(size_t(n + 1) * size_t(w), Infinite);
    const float skip = float(SkipCost);
    for (int i = 0; i <= n; ++i) {
        float *prev = prevRow.data() + 1;
        float *cur = curRow.data() + 1;
        std::fill(curRow.begin(), curRow.end(), Infinite);
        std::uint8_t *steps = step.data() + size_t(i) * size_t(w);
        const int base = i + band.lo; // row j of cell k is base + k
        const int kLo = std::max(0, -base);
        const int kHi = std::min(w - 1, m - base);
        if (i == 0) {
            for (int k = kLo; k <= kHi; ++k) {
                cur[k] = base + k == 0 ? 0.0f : cur[k - 1] + skip;
                steps[k] = base + k == 0 ? None : SkipRow;
            }
        } else {
            const double photo = m_photo[size_t(i - 1)];
            const double photoHalf = m_photoHalf[size_t(i - 1)];
            const int kPair = std::max(kLo, 1 - base);
            for (int k = kLo; k <= kHi; ++k) {
                float best = prev[k + 1] + skip;
                std::uint8_t how = SkipPhoto;
                if (cur[k - 1] + skip < best) {
                    best = cur[k - 1] + skip;
                    how = SkipRow;
                }
                if (k >= kPair && prev[k] < Infinite) {
                    const size_t j = size_t(base - 1 + k);
                    const double beyond = std::abs(photo - target[j]) - photoHalf - m_rowHalf[j];
                    if (beyond <= tolerance) {
                        const double r = beyond > 0.0 ? beyond / tolerance : 0.0;
                        const float cost = prev[k] + float(MatchWeight * r * r);
                        if (cost <= best) {
                            best = cost;
                            how = Pair;
                        }
                    }
                }
                cur[k] = best;
                steps[k] = best < Infinite ? how : std::uint8_t(None);
            }
        }
        if (forward)
            std::copy(cur, cur + w, forward->begin() + long(size_t(i) * size_t(w)));
        std::swap(prevRow, curRow);
    }

    Alignment a;
    a.drift = drift;
    a.tolerance = tolerance;
    a.rowOfPhoto.assign(size_t(n), -1);
    const int end = m - n - band.lo;
    a.cost = prevRow[size_t(end) + 1];
    int i = n;
    int j = m;
    while (i > 0 || j > 0) {
        const int k = j - i - band.lo;
        if ((k == 0 && band.lo > -n) || (k == w - 1 && band.hi < m))
            a.touchesEdge = true;
        switch (step[size_t(i) * size_t(w) + size_t(k)]) {
        case Pair:
            a.rowOfPhoto[size_t(i - 1)] = j - 1;
            ++a.pairs;
            --i;
            --j;
            break;
        case SkipPhoto:
            --i;
            break;
        case SkipRow:
            --j;
            break;
        default:
            // The end cannot be reached inside the band; nothing pairs.
            std::fill(a.rowOfPhoto.begin(), a.rowOfPhoto.end(), -1);
            a.pairs = 0;
            a.cost = std::numeric_limits<double>::infinity();
            return a;
        }
    }
    refine(a);
    return a;
}

void Aligner::refine(Alignment &a) const
{
    std::vector<double> e;
    std::vector<double> t;
    std::vector<double> half;
    for (size_t i = 0; i < a.rowOfPhoto.size(); ++i) {
        const int j = a.rowOfPhoto[i];
        if (j < 0)
            continue;
        e.push_back(m_photo[i] - m_row[size_t(j)]);
        t.push_back(m_row[size_t(j)]);
        half.push_back(m_photoHalf[i] + m_rowHalf[size_t(j)]);
    }
    if (e.empty())
        return;
    double meanT = 0.0;
    double meanE = 0.0;
    for (size_t k = 0; k < e.size(); ++k) {
        meanT += t[k];
        meanE += e[k];
    }
    meanT /= double(e.size());
    meanE /= double(e.size());
    double see = 0.0;
    for (const double v : e)
        see += (v - meanE) * (v - meanE);
    a.meanOffset = meanE;
    a.spread = std::sqrt(see / double(e.size()));

    // A drift is read from pairs whose times both carry sub-seconds only: the error of a
    // cut-off second follows the flight's rhythm (a sawtooth where the interval is close to
    // whole seconds) and would pass for one.
    Drift d;
    d.tRef = meanT;
    std::vector<size_t> fine;
    std::vector<size_t> coarse;
    for (size_t k = 0; k < e.size(); ++k)
        (half[k] < 0.025 ? fine : coarse).push_back(k);
    if (fine.size() >= 10) {
        double ft = 0.0;
        double fe = 0.0;
        for (const size_t k : fine) {
            ft += t[k];
            fe += e[k];
        }
        ft /= double(fine.size());
        fe /= double(fine.size());
        double sxx = 0.0;
        double sxy = 0.0;
        double syy = 0.0;
        for (const size_t k : fine) {
            sxx += (t[k] - ft) * (t[k] - ft);
            sxy += (t[k] - ft) * (e[k] - fe);
            syy += (e[k] - fe) * (e[k] - fe);
        }
        const auto span = std::minmax_element(t.begin(), t.end());
        if (sxx > 0.0) {
            // Only a drift the pairs show beyond their own scatter.
            const double rate = sxy / sxx;
            const double error =
                std::sqrt(std::max(0.0, syy - rate * sxy) / (double(fine.size()) - 2.0) / sxx);
            if (std::abs(rate) > 4.0 * error &&
                std::abs(rate) * (*span.second - *span.first) >= NegligibleDrift)
                d.rate = rate;
        }
        d.offset = fe + d.rate * (meanT - ft);
    }
    if (coarse.size() >= 2 && coarse.size() >= fine.size()) {
        // Whole-second stamps scatter evenly over a second: the middle of their range is the
        // offset (every pair then lies within half a second of it), their mean is not. The
        // range is that of the second holding the most pairs, so that a wrong pair beside it
        // cannot pull the offset away from the true ones.
        std::vector<double> u;
        std::vector<double> halves;
        for (const size_t k : coarse) {
            u.push_back(e[k] - d.rate * (t[k] - meanT));
            halves.push_back(half[k]);
        }
        std::sort(u.begin(), u.end());
        const double width = 2.0 * median(halves) + 0.02;
        size_t from = 0;
        size_t to = 0;
        for (size_t s = 0, e = 0; s < u.size(); ++s) {
            e = std::max(e, s);
            while (e < u.size() && u[e] <= u[s] + width)
                ++e;
            if (e - s > to - from) {
                from = s;
                to = e;
            }
        }
        d.offset = (u[from] + u[to - 1]) / 2.0;
    } else if (fine.size() < 10) {
        d.offset = meanE;
    }
    a.drift = d;
}

double Aligner::clockTolerance(const Alignment &a) const
{
    // How far pairs stray beyond what their resolutions allow: the scatter of the camera's
    // release and of the clocks, with room. A pair the loose alignment got wrong must not
    // widen it, so the scatter is read robustly.
    std::vector<double> fine;
    std::vector<double> excess;
    for (size_t i = 0; i < a.rowOfPhoto.size(); ++i) {
        const int j = a.rowOfPhoto[i];
        if (j < 0)
            continue;
        const double half = m_photoHalf[i] + m_rowHalf[size_t(j)];
        const double r = m_photo[i] - m_row[size_t(j)] - a.drift.at(m_row[size_t(j)]);
        if (half < 0.025)
            fine.push_back(r);
        excess.push_back(std::abs(r) - half);
    }
    if (fine.size() >= 5 && fine.size() * 2 >= excess.size()) {
        const double centre = median(fine);
        for (double &v : fine)
            v = std::abs(v - centre);
        return std::clamp(5.0 * 1.4826 * median(fine) + 0.02, MinTolerance, LooseTolerance);
    }
    if (excess.size() < 5)
        return DefaultTolerance;
    std::sort(excess.begin(), excess.end());
    const double high = excess[excess.size() - 1 - std::max<size_t>(1, excess.size() / 50)];
    return std::clamp(1.5 * high + 0.03, MinTolerance, LooseTolerance);
}

Alignment Aligner::fit(const Drift &start, double tolerance, const Band &band) const
{
    const Alignment first = align(start, tolerance, band);
    if (first.pairs == 0)
        return first;
    // Once more with the drift its pairs tell; the cost compared is this pass's.
    return align(first.drift, tolerance, band);
}

std::optional<double> Aligner::shiftedOffset(const Alignment &a, int shift) const
{
    std::vector<double> d;
    for (size_t i = 0; i < a.rowOfPhoto.size(); ++i) {
        const int j = a.rowOfPhoto[i] + shift;
        if (a.rowOfPhoto[i] >= 0 && j >= 0 && j < rows())
            d.push_back(m_photo[i] - m_row[size_t(j)]);
    }
    if (d.empty())
        return std::nullopt;
    return median(d);
}

void Aligner::unclearItems(const Alignment &a, const Band &band, int *photo, int *row) const
{
    const int n = photos();
    const int m = rows();
    const int w = band.width();
    std::vector<float> forward;
    align(a.drift, a.tolerance, band, &forward);
    const std::vector<double> target = targets(a.drift);
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> photoPaired(size_t(n), inf), photoAlone(size_t(n), inf);
    std::vector<double> rowPaired(size_t(m), inf), rowAlone(size_t(m), inf);
    std::vector<float> next(size_t(w), Infinite);
    std::vector<float> cur(size_t(w), Infinite);
    for (int i = n; i >= 0; --i) {
        const float *f = forward.data() + size_t(i) * size_t(w);
        for (int k = w - 1; k >= 0; --k) {
            const int j = i + band.lo + k;
            if (j < 0 || j > m) {
                cur[size_t(k)] = Infinite;
                continue;
            }
            if (i == n && j == m) {
                cur[size_t(k)] = 0.0f;
                continue;
            }
            double best = inf;
            const double before = f[k];
            if (i < n && j < m) {
                const double c = pairCost(i, j, target, a.tolerance);
                if (c < inf && next[size_t(k)] < Infinite) {
                    best = std::min(best, next[size_t(k)] + c);
                    const double through = before + c + next[size_t(k)];
                    photoPaired[size_t(i)] = std::min(photoPaired[size_t(i)], through);
                    rowPaired[size_t(j)] = std::min(rowPaired[size_t(j)], through);
                }
            }
            if (i < n && k > 0 && next[size_t(k) - 1] < Infinite) {
                best = std::min(best, next[size_t(k) - 1] + SkipCost);
                photoAlone[size_t(i)] =
                    std::min(photoAlone[size_t(i)], before + SkipCost + next[size_t(k) - 1]);
            }
            if (j < m && k + 1 < w && cur[size_t(k) + 1] < Infinite) {
                best = std::min(best, cur[size_t(k) + 1] + SkipCost);
                rowAlone[size_t(j)] =
                    std::min(rowAlone[size_t(j)], before + SkipCost + cur[size_t(k) + 1]);
            }
            cur[size_t(k)] = float(best);
        }
        std::swap(next, cur);
    }
    *photo = -1;
    *row = -1;
    for (int i = 0; i < n; ++i) {
        if (*photo < 0 && std::abs(photoPaired[size_t(i)] - photoAlone[size_t(i)]) < LocalMargin)
            *photo = i;
    }
    for (int j = 0; j < m && *row < 0; ++j) {
        if (std::abs(rowPaired[size_t(j)] - rowAlone[size_t(j)]) < LocalMargin)
            *row = j;
    }
}

} // namespace

QList<int> PairingResult::unmatchedPhotoIndexes() const
{
    QList<int> indexes;
    for (const PairingItem &item : photosWithoutRow)
        indexes << item.index;
    return indexes;
}

QList<int> PairingResult::unmatchedRowIndexes() const
{
    QList<int> indexes;
    for (const PairingItem &item : rowsWithoutPhoto)
        indexes << item.index;
    return indexes;
}

PairingResult PairingCheck::compare(const QVector<Stamp> &photos, const QVector<Stamp> &rows)
{
    PairingResult result;
    result.photoCount = photos.size();
    result.rowCount = rows.size();
    const int n = photos.size();
    const int m = rows.size();
    if (n < MinItems || m < MinItems) {
        result.verdict = PairingResult::Ambiguous;
        result.reason = tr("too few photos or rows to compare their intervals");
        return result;
    }

    const Aligner aligner(photos, rows);
    const auto cheaper = [](const Alignment &a, const Alignment &b) { return a.cost < b.cost; };
    // A narrow band first; it widens where the alignment runs along its edge.
    int margin = 24 + (n + m) / 2000;
    if (qint64(n + 1) * (std::abs(m - n) + 2 * margin + 1) > MaxCells) {
        result.verdict = PairingResult::Ambiguous;
        result.reason = tr("the numbers of photos and rows differ too much to compare them");
        return result;
    }
    Band band;
    band.lo = std::min(0, m - n) - margin;
    band.hi = std::max(0, m - n) + margin;
    std::vector<Alignment> tried;
    double tolerance = DefaultTolerance;
    for (;;) {
        // Loosely first: the vote knows each offset only roughly. A wider band votes again:
        // beyond a long run of losses the true pairs lay outside the narrower one.
        std::vector<Alignment> loose;
        for (const double offset : aligner.voteCandidates(band)) {
            Drift start;
            start.offset = offset;
            loose.push_back(aligner.align(start, LooseTolerance, band));
        }
        const auto bestLoose = std::min_element(loose.begin(), loose.end(), cheaper);
        if (bestLoose == loose.end() || bestLoose->pairs == 0)
            break;
        // The clocks' scatter is one for the flight, whatever offset is tried: taken from the
        // best, it holds for every rival.
        tolerance = aligner.clockTolerance(*bestLoose);
        tried.clear();
        tried.push_back(aligner.fit(bestLoose->drift, tolerance, band));
        // A tighter tolerance never makes an alignment cheaper: a rival that costs clearly
        // more already with the loose one is no rival.
        const double bar = tried.front().cost + GlobalMargin + 5.0;
        for (auto it = loose.begin(); it != loose.end(); ++it) {
            if (it != bestLoose && it->cost <= bar)
                tried.push_back(aligner.fit(it->drift, tolerance, band));
        }
        // A flight of nearly equal intervals fits itself shifted by a shot or two: those
        // offsets are always weighed, even where the vote merged them with the best.
        for (const int shift : {-2, -1, 1, 2}) {
            if (const auto offset = aligner.shiftedOffset(tried.front(), shift)) {
                Drift d = tried.front().drift;
                d.offset = *offset;
                tried.push_back(aligner.fit(d, tolerance, band));
            }
        }
        // An alignment outside the band leaves more than the margin unpaired: while the best
        // inside leaves clearly fewer, none outside can compete with it. A best that pairs
        // less than half the items is no flight to widen the search for.
        const Alignment &best = *std::min_element(tried.begin(), tried.end(), cheaper);
        const bool full = band.lo <= -n && band.hi >= m;
        const int unpaired = n + m - 2 * best.pairs;
        const bool settled = !best.touchesEdge && unpaired + GlobalMargin < margin;
        if (settled || full || best.pairs < std::max(MinItems, std::min(n, m) / 2))
            break;
        // More items may be left out than the band allows for: look twice as wide, or as wide
        // as the items left out suggest where the band did not hem the alignment in, within
        // what the memory for it may cost.
        const int next = best.touchesEdge
                             ? 2 * margin
                             : std::max(2 * margin, std::min(unpaired + 16, 4 * margin));
        if (qint64(n + 1) * (std::abs(m - n) + 2 * next + 1) > MaxCells) {
            result.verdict = PairingResult::Ambiguous;
            result.reason = tr("too many photos or rows have no partner to tell the pairing");
            return result;
        }
        margin = next;
        band.lo = std::min(0, m - n) - margin;
        band.hi = std::max(0, m - n) + margin;
    }

    const auto bestIt = std::min_element(tried.begin(), tried.end(), cheaper);
    if (bestIt == tried.end() || bestIt->pairs < std::max(MinItems, std::min(n, m) / 2)) {
        result.verdict = PairingResult::Ambiguous;
        result.reason = tr("the photo times and the row times do not fit together at any "
                           "clock offset");
        return result;
    }
    const Alignment &best = *bestIt;
    result.pairs = best.pairs;
    result.offset = best.meanOffset;
    result.spread = best.spread;

    double rival = std::numeric_limits<double>::infinity();
    const double sameOffset = aligner.halfWidth(tolerance);
    for (const Alignment &a : tried) {
        if (&a == &best || a.pairs == 0)
            continue;
        const bool sameAlignment = a.rowOfPhoto == best.rowOfPhoto;
        const bool sameClock =
            std::abs(a.drift.at(best.drift.tRef) - best.drift.at(best.drift.tRef)) < sameOffset;
        if (!sameAlignment && !sameClock)
            rival = std::min(rival, a.cost);
    }
    if (rival - best.cost < GlobalMargin) {
        result.verdict = PairingResult::Ambiguous;
        result.reason = tr("the intervals are too regular to tell which photo belongs to "
                           "which row");
        return result;
    }
    int unclearPhoto = -1;
    int unclearRow = -1;
    aligner.unclearItems(best, band, &unclearPhoto, &unclearRow);
    if (unclearPhoto >= 0 || unclearRow >= 0) {
        result.verdict = PairingResult::Ambiguous;
        result.reason =
            unclearPhoto >= 0
                ? tr("the times around photo %1 fit more than one pairing").arg(unclearPhoto + 1)
                : tr("the times around row %1 fit more than one pairing").arg(unclearRow + 1);
        return result;
    }

    std::vector<bool> rowPaired(size_t(m), false);
    bool byIndex = n == m;
    for (int i = 0; i < n; ++i) {
        const int j = best.rowOfPhoto[size_t(i)];
        result.rowOfPhoto << j;
        if (j >= 0)
            rowPaired[size_t(j)] = true;
        else
            result.photosWithoutRow << PairingItem{i, QString()};
        byIndex = byIndex && j == i;
    }
    for (int j = 0; j < m; ++j) {
        if (!rowPaired[size_t(j)])
            result.rowsWithoutPhoto << PairingItem{j, QString()};
    }
    result.verdict = byIndex ? PairingResult::Matched : PairingResult::Unmatched;
    return result;
}

bool PairingCheck::hasDate(const Line &row)
{
    return !row.date.trimmed().isEmpty() || !row.dateTail.trimmed().isEmpty();
}

PairingResult PairingCheck::check(const QList<CaptureTime> &photos, const QList<Line> &rows)
{
    PairingResult result;
    result.photoCount = photos.size();
    result.rowCount = rows.size();
    result.verdict = PairingResult::NoDates;

    QStringList texts;
    bool anyText = false;
    for (const Line &line : rows) {
        texts << MarkTime::joined(line.date, line.dateTail);
        anyText = anyText || hasDate(line);
    }
    if (!rows.isEmpty() && !anyText) {
        result.reason = tr("the timemark rows have no dates");
        return result;
    }
    QVector<Stamp> rowStamps;
    rowStamps.reserve(rows.size());
    MarkTime::Scale scale = MarkTime::Absolute;
    double dayShift = 0.0;
    for (int j = 0; j < texts.size(); ++j) {
        const auto t = MarkTime::parse(texts.at(j));
        if (!t) {
            result.reason = tr("row %1 has no date and time that can be read: \"%2\"")
                                .arg(j + 1)
                                .arg(texts.at(j));
            return result;
        }
        if (j == 0)
            scale = t->scale;
        if (t->scale != scale) {
            result.reason = tr("the rows' times are not all written in one form (row %1: \"%2\")")
                                .arg(j + 1)
                                .arg(texts.at(j));
            return result;
        }
        double seconds = t->seconds;
        if (scale == MarkTime::TimeOfDay) {
            // A time of day that falls back by more than half a day is the next day's.
            if (!rowStamps.isEmpty() &&
                seconds + dayShift < rowStamps.last().seconds - MarkTime::SecondsPerDay / 2)
                dayShift += MarkTime::SecondsPerDay;
            seconds += dayShift;
        }
        rowStamps << Stamp{seconds, t->resolution};
    }

    QVector<Stamp> photoStamps;
    photoStamps.reserve(photos.size());
    double photoDay = 0.0;
    for (int i = 0; i < photos.size(); ++i) {
        const CaptureTime &c = photos.at(i);
        if (!c.isValid()) {
            result.reason =
                tr("photo %1 has no capture time (DateTimeOriginal or DateTime)").arg(i + 1);
            return result;
        }
        double seconds = MarkTime::absoluteSeconds(c.time);
        if (scale == MarkTime::TimeOfDay) {
            // Rows that name no day are compared with the photos' times since the first
            // photo's midnight.
            if (i == 0)
                photoDay = double(c.time.date().toJulianDay()) * MarkTime::SecondsPerDay;
            seconds -= photoDay;
        }
        photoStamps << Stamp{seconds, c.resolutionMs / 1000.0};
    }

    result = compare(photoStamps, rowStamps);
    for (PairingItem &item : result.photosWithoutRow)
        item.time = photos.at(item.index).text();
    for (PairingItem &item : result.rowsWithoutPhoto)
        item.time = texts.at(item.index);
    return result;
}
