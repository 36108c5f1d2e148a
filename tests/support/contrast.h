// How well marks stand out: WCAG's contrast ratio, and a dark photograph-like picture.
#pragma once

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>

// WCAG's contrast ratio, from 1 to 21.
inline double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// The lowest contrast of a pixel of `colour` with a pixel beside it, above or below it of none
// of the marks' colours: what that mark stands out against.
inline double LeastContrast(const QImage& image, const QColor& colour,
                            std::initializer_list<QColor> marks) {
    double least = 21;
    for (int y = 1; y + 1 < image.height(); ++y) {
        for (int x = 1; x + 1 < image.width(); ++x) {
            for (int n = 1; n < 9 && image.pixelColor(x, y) == colour; n += 2) {
                const QColor around = image.pixelColor(x + n % 3 - 1, y + n / 3 - 1);
                if (std::find(marks.begin(), marks.end(), around) == marks.end()) {
                    least = std::min(least, Contrast(colour, around));
                }
            }
        }
    }
    return least;
}

// Dark brown ground with a grain, as in a photograph of a scanned log.
inline QImage DarkPhotograph(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int i = 0; i < size.width() * size.height(); ++i) {
        const int v = 20 + i % 40 + i * 13 % 31;
        image.setPixel(i % size.width(), i / size.width(), qRgb(v + 15, v, v / 2));
    }
    return image;
}
