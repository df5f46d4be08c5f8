#include "ProfileGenerator.h"

#include <cmath>
#include <random>

namespace {

// Sample spacing and the height of one count, so that the shapes below have
// the wavelengths and heights of a ground steel surface.
constexpr double kSpacingMm = 0.000625;
constexpr double kCountsPerMicrometre = 40.0;

struct Wave {
    double wavelengthMm;
    double amplitudeUm;
    double phase;
};

}

QVector<double> generateProfile(int count, quint32 seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::normal_distribution<double> noise(0.0, 0.03);

    const double tiltUmPerMm = 1.5 + unit(random);
    const Wave waviness{2.0 + unit(random), 1.5, 2 * M_PI * unit(random)};
    Wave roughness[5];
    for (Wave &wave : roughness)
        wave = {0.02 + 0.1 * unit(random), 0.2 + 0.4 * unit(random), 2 * M_PI * unit(random)};

    QVector<double> samples(count);
    for (int i = 0; i < count; ++i) {
        const double x = i * kSpacingMm;
        double heightUm =
            tiltUmPerMm * x + waviness.amplitudeUm * std::sin(2 * M_PI * x / waviness.wavelengthMm + waviness.phase);
        for (const Wave &wave : roughness)
            heightUm += wave.amplitudeUm * std::sin(2 * M_PI * x / wave.wavelengthMm + wave.phase);
        heightUm += noise(random);
        samples[i] = std::round(heightUm * kCountsPerMicrometre);
    }
    return samples;
}
