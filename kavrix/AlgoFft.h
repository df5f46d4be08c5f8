// Real-to-complex transforms of one curve. Each transform makes its own
// FFTW_ESTIMATE plan and destroys it. FFTW's planner itself is kept between
// calls: setting it up anew costs several times the transform and the plan.
#ifndef KAVRIX_ALGOFFT_H
#define KAVRIX_ALGOFFT_H

#include "Kavrix.h"

#include <complex>

// Forward transform of the curve's N heights into N / 2 + 1 bins, unscaled.
void algoFftForward(const DataArray *in, std::complex<double> *bins);

// Inverse transform of N / 2 + 1 bins into the curve's N heights, divided by
// N so that a forward and an inverse transform return the input. The bins are
// overwritten.
void algoFftInverse(std::complex<double> *bins, DataArray *out);

#endif
