// Profile filters: each splits a profile into a mean line and a residual at a
// cut-off given in points. The flag picks the output (see each filter); the
// output's N (at most the input's) bounds what is written, and the output may
// be the input itself.
#ifndef KAVRIX_ALGOFILTER_H
#define KAVRIX_ALGOFILTER_H

#include "Kavrix.h"

class EvalWorkspace;

// Flag 0: the Gaussian mean line, whose point i is the weighted mean of input
// points i to i + 2k (k = whole points of the cut-off); only the first N - 2k
// points are meaningful. Flag 1: input minus that line.
void algoFilterGaussian(const DataArray *in, DataArray *out, double cut, int flag);

// Flag 0: low-pass by zeroing every transform bin above N / cut in a
// Hamming-windowed profile, as long as the input. Flag 1: input minus it.
void algoFilterFFT(const DataArray *in, DataArray *out, double cut, int flag);

// The Gaussian and FFT filters transforming in the given workspace when it
// has room for the input, else in one of their own.
void algoFilterGaussianUsing(const DataArray *in, DataArray *out, double cut, int flag, EvalWorkspace *work);
void algoFilterFFTUsing(const DataArray *in, DataArray *out, double cut, int flag, EvalWorkspace *work);

// Flag 0: mean of the least-squares lines of every window of the cut-off's
// whole points that holds a point. Flag 1: input minus it. A cut-off of at
// least the profile length fits one line to the whole profile.
void algoFilterDP(const DataArray *in, DataArray *out, double cut, int flag);

// Flag 0: high-pass of two RC sections, forward then backward, which cancels
// their phase shift. Flag 1: input minus the high-pass.
void algoFilterPcRC(const DataArray *in, DataArray *out, double cut, int flag);

// As algoFilterPcRC with both sections running forward.
void algoFilter2RC(const DataArray *in, DataArray *out, double cut, int flag);

// Gaussian mean line of the upper envelope of the profile's Gaussian mean line.
void algoFilterEnvelope(const DataArray *in, DataArray *out, double cut, int flag);

// Fits a least-squares line to the input heights at indexes a to b and writes
// it at every index of the output; flag 1 writes input minus the line.
void algoLsLine(const DataArray *in, int a, int b, DataArray *out, int flag);

// Gaussian weights of n = 2k + 1 points into the first n heights, centred on
// point k; the rest of the curve's N heights get 0. The bell's width follows
// the exact cut-off in points, so that a wave of that length keeps half its
// amplitude; only the window is cut to whole points.
void algoGaussWeight(DataArray *curve, int n, double cut);

void algoHammingWindow(DataArray *curve);

// N values evenly spaced from a to b; a single point gets a.
void algoLinspace(double a, double b, DataArray *curve);

// Whole points of a cut-off, 0 for a cut-off that is not positive.
int algoWholePoints(double cut);

#endif
