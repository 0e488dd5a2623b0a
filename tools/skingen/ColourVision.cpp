#include "ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

using TMatrix = std::array<std::array<double, 3>, 3>;

TMatrix VisionMatrix(TColourVision vision) {
    switch (vision) {
        case TColourVision::Protanopia:
            return {{{0.152286, 1.052583, -0.204868},
                     {0.114503, 0.786281, 0.099216},
                     {-0.003882, -0.048116, 1.051998}}};
        case TColourVision::Deuteranopia:
            return {{{0.367322, 0.860646, -0.227968},
                     {0.280085, 0.672501, 0.047413},
                     {-0.011820, 0.042940, 0.968881}}};
        case TColourVision::Tritanopia:
            return {{{1.255528, -0.076749, -0.178779},
                     {-0.078411, 0.930809, 0.147602},
                     {0.004733, 0.691367, 0.303900}}};
        case TColourVision::Normal:
            break;
    }
    return {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
}

double ToLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double ToGamma(double c) {
    c = std::clamp(c, 0.0, 1.0);
    return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

struct TLab {
    double L;
    double A;
    double B;
};

TLab ToLab(const QColor& colour) {
    const double r = ToLinear(colour.redF());
    const double g = ToLinear(colour.greenF());
    const double b = ToLinear(colour.blueF());
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

QColor SimulateVision(const QColor& colour, TColourVision vision) {
    const TMatrix m = VisionMatrix(vision);
    const std::array<double, 3> in{ToLinear(colour.redF()), ToLinear(colour.greenF()),
                                   ToLinear(colour.blueF())};
    std::array<double, 3> out{};
    for (int row = 0; row < 3; ++row) {
        out[row] = m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2];
    }
    QColor seen;
    seen.setRgbF(static_cast<float>(ToGamma(out[0])), static_cast<float>(ToGamma(out[1])),
                 static_cast<float>(ToGamma(out[2])));
    return seen;
}

QImage SimulateVision(const QImage& picture, TColourVision vision) {
    QImage seen = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < seen.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(seen.scanLine(y));
        for (int x = 0; x < seen.width(); ++x) {
            line[x] = SimulateVision(QColor(line[x]), vision).rgb();
        }
    }
    return seen;
}

double ColourDifference(const QColor& first, const QColor& second) {
    const TLab a = ToLab(first);
    const TLab b = ToLab(second);
    const double c1 = std::hypot(a.A, a.B);
    const double c2 = std::hypot(b.A, b.B);
    const double meanC7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * a.A;
    const double a2 = (1.0 + g) * b.A;
    const double cp1 = std::hypot(a1, a.B);
    const double cp2 = std::hypot(a2, b.B);
    auto hue = [](double bb, double aa) {
        if (bb == 0 && aa == 0) {
            return 0.0;
        }
        const double h = Degrees(std::atan2(bb, aa));
        return h < 0 ? h + 360.0 : h;
    };
    const double h1 = hue(a.B, a1);
    const double h2 = hue(b.B, a2);
    const double dL = b.L - a.L;
    const double dC = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > 180) {
            dh -= 360;
        } else if (dh < -180) {
            dh += 360;
        }
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(Radians(dh / 2.0));
    const double meanL = (a.L + b.L) / 2.0;
    const double meanCp = (cp1 + cp2) / 2.0;
    double meanH = h1 + h2;
    if (cp1 * cp2 != 0) {
        if (std::abs(h1 - h2) > 180) {
            meanH += meanH < 360 ? 360 : -360;
        }
        meanH /= 2.0;
    }
    const double t = 1.0 - 0.17 * std::cos(Radians(meanH - 30)) +
                     0.24 * std::cos(Radians(2 * meanH)) + 0.32 * std::cos(Radians(3 * meanH + 6)) -
                     0.20 * std::cos(Radians(4 * meanH - 63));
    const double dTheta = 30.0 * std::exp(-std::pow((meanH - 275.0) / 25.0, 2.0));
    const double meanCp7 = std::pow(meanCp, 7.0);
    const double rc = 2.0 * std::sqrt(meanCp7 / (meanCp7 + std::pow(25.0, 7.0)));
    const double sl =
        1.0 + 0.015 * std::pow(meanL - 50, 2.0) / std::sqrt(20 + std::pow(meanL - 50, 2.0));
    const double sc = 1.0 + 0.045 * meanCp;
    const double sh = 1.0 + 0.015 * meanCp * t;
    const double rt = -std::sin(Radians(2 * dTheta)) * rc;
    const double l = dL / sl;
    const double c = dC / sc;
    const double h = dH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}
