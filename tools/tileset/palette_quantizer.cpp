#include "palette_quantizer.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace tileset {
namespace {

struct Sample {
    std::array<double, 3> rgb;
    double count;
};

constexpr std::array<double, 3> kWeight = {2.0, 4.0, 3.0};  // rough eye sensitivity per channel

double distance(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    double d = 0;
    for (int i = 0; i < 3; ++i) d += kWeight[i] * (a[i] - b[i]) * (a[i] - b[i]);
    return d;
}

struct Box {
    std::vector<Sample> samples;
    double error = 0;  // weighted squared spread around the mean
    std::array<double, 3> mean{};
    int axis = 0;
};

void measure(Box& box) {
    double total = 0;
    std::array<double, 3> sum{};
    for (const Sample& s : box.samples) {
        total += s.count;
        for (int i = 0; i < 3; ++i) sum[i] += s.rgb[i] * s.count;
    }
    for (int i = 0; i < 3; ++i) box.mean[i] = total > 0 ? sum[i] / total : 0;
    std::array<double, 3> spread{};
    for (const Sample& s : box.samples)
        for (int i = 0; i < 3; ++i) spread[i] += kWeight[i] * s.count * (s.rgb[i] - box.mean[i]) * (s.rgb[i] - box.mean[i]);
    box.error = spread[0] + spread[1] + spread[2];
    box.axis = int(std::max_element(spread.begin(), spread.end()) - spread.begin());
}

std::vector<std::array<double, 3>> medianCut(std::vector<Sample> samples, int colours) {
    std::vector<Box> boxes(1);
    boxes[0].samples = std::move(samples);
    measure(boxes[0]);
    while (int(boxes.size()) < colours) {
        auto worst = std::max_element(boxes.begin(), boxes.end(),
                                      [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->samples.size() < 2 || worst->error <= 0) break;
        const int axis = worst->axis;
        std::sort(worst->samples.begin(), worst->samples.end(),
                  [axis](const Sample& a, const Sample& b) { return a.rgb[axis] < b.rgb[axis]; });
        double total = 0;
        for (const Sample& s : worst->samples) total += s.count;
        double run = 0;
        size_t cut = 1;
        for (; cut < worst->samples.size() - 1; ++cut) {
            run += worst->samples[cut - 1].count;
            if (run >= total / 2) break;
        }
        Box upper;
        upper.samples.assign(worst->samples.begin() + long(cut), worst->samples.end());
        worst->samples.resize(cut);
        measure(*worst);
        measure(upper);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::array<double, 3>> palette;
    for (const Box& b : boxes) palette.push_back(b.mean);
    return palette;
}

int nearest(const std::vector<std::array<double, 3>>& palette, const std::array<double, 3>& c) {
    int best = 0;
    double bestDistance = distance(palette[0], c);
    for (int i = 1; i < int(palette.size()); ++i) {
        const double d = distance(palette[i], c);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

QImage quantizeTo256(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, double> histogram;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xff000000u;
            if (c != qRgb(0, 0, 0) && c != qRgb(255, 255, 255)) histogram[c] += 1;
        }

    // Samples in a fixed order so that every run picks the same palette.
    std::vector<QRgb> keys(histogram.keyBegin(), histogram.keyEnd());
    std::sort(keys.begin(), keys.end());
    std::vector<Sample> samples;
    for (QRgb c : keys) samples.push_back({{double(qRed(c)), double(qGreen(c)), double(qBlue(c))}, histogram[c]});

    std::vector<std::array<double, 3>> palette = medianCut(samples, 254);
    for (int round = 0; round < 6 && !palette.empty(); ++round) {
        std::vector<std::array<double, 3>> sum(palette.size(), {0, 0, 0});
        std::vector<double> weight(palette.size(), 0);
        for (const Sample& s : samples) {
            const int k = nearest(palette, s.rgb);
            for (int i = 0; i < 3; ++i) sum[k][i] += s.rgb[i] * s.count;
            weight[k] += s.count;
        }
        for (size_t k = 0; k < palette.size(); ++k)
            if (weight[k] > 0)
                for (int i = 0; i < 3; ++i) palette[k][i] = sum[k][i] / weight[k];
    }

    // Order the palette dark to light: easier to read in a palette viewer, same result.
    std::vector<QRgb> entries;
    for (const auto& c : palette)
        entries.push_back(qRgb(int(c[0] + 0.5), int(c[1] + 0.5), int(c[2] + 0.5)));
    std::sort(entries.begin(), entries.end(), [](QRgb a, QRgb b) { return qGray(a) < qGray(b) || (qGray(a) == qGray(b) && a < b); });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());

    QVector<QRgb> table;
    table.push_back(qRgb(0, 0, 0));
    for (QRgb c : entries) table.push_back(c);
    while (table.size() < 255) table.push_back(qRgb(0, 0, 0));
    table.push_back(qRgb(255, 255, 255));

    std::vector<std::array<double, 3>> lookup;
    for (QRgb c : table) lookup.push_back({double(qRed(c)), double(qGreen(c)), double(qBlue(c))});

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    QHash<QRgb, int> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xff000000u;
            auto it = cache.find(c);
            if (it == cache.end()) {
                int index;
                if (c == qRgb(0, 0, 0))
                    index = 0;
                else if (c == qRgb(255, 255, 255))
                    index = 255;
                else
                    index = nearest(lookup, {double(qRed(c)), double(qGreen(c)), double(qBlue(c))});
                it = cache.insert(c, index);
            }
            line[x] = uchar(*it);
        }
    }
    return out;
}

}  // namespace tileset
