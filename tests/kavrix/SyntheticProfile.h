// Synthetic profiles of known make-up for the filter, cut-off and pipeline
// tests: sines of known wavelength on a tilt with a little seeded noise, and
// a least-squares sine fit that measures what a filter let through.
#ifndef KAVRIX_TESTS_SYNTHETICPROFILE_H
#define KAVRIX_TESTS_SYNTHETICPROFILE_H

#include "Kavrix.h"

#include <cmath>
#include <initializer_list>
#include <random>
#include <vector>

struct Sine {
    double Wavelength; // points
    double Amplitude;
};

inline double sineAt(const Sine &s, double index)
{
    return s.Amplitude * std::sin(2.0 * M_PI * index / s.Wavelength);
}

inline std::vector<double> syntheticProfile(int n, std::initializer_list<Sine> sines, double tilt = 0.0,
                                            double noise = 0.0, unsigned seed = 7)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> gauss(0.0, 1.0);
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i) {
        y[i] = tilt * i + (noise > 0.0 ? noise * gauss(random) : 0.0);
        for (const Sine &s : sines)
            y[i] += sineAt(s, i);
    }
    return y;
}

inline DataArray curveOf(std::vector<double> &heights)
{
    return DataArray{static_cast<int>(heights.size()), heights.data(), nullptr};
}

// Fit of y[i] = offset + inPhase * sin(w (i + shift)) + quadrature * cos(w (i + shift))
// over i = 0 to n - 1, so a curve whose point 0 belongs to input point shift
// is measured against the input's own phase.
struct SineFit {
    double Offset;
    double InPhase;
    double Quadrature;
    double amplitude() const { return std::hypot(InPhase, Quadrature); }
};

inline SineFit fitSine(const double *y, int n, double wavelength, int shift = 0)
{
    double m[3][4] = {};
    for (int i = 0; i < n; ++i) {
        const double angle = 2.0 * M_PI * (i + shift) / wavelength;
        const double basis[3] = {1.0, std::sin(angle), std::cos(angle)};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c)
                m[r][c] += basis[r] * basis[c];
            m[r][3] += basis[r] * y[i];
        }
    }
    for (int p = 0; p < 3; ++p) {
        for (int r = p + 1; r < 3; ++r) {
            const double f = m[r][p] / m[p][p];
            for (int c = p; c < 4; ++c)
                m[r][c] -= f * m[p][c];
        }
    }
    double x[3];
    for (int r = 2; r >= 0; --r) {
        double s = m[r][3];
        for (int c = r + 1; c < 3; ++c)
            s -= m[r][c] * x[c];
        x[r] = s / m[r][r];
    }
    return SineFit{x[0], x[1], x[2]};
}

inline bool allFinite(const double *y, int n)
{
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(y[i]))
            return false;
    }
    return true;
}

#endif
