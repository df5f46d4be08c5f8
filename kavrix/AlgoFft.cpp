#include "AlgoFft.h"

#include <fftw3.h>

// std::complex<double> has the layout of fftw_complex, which FFTW documents
// as interchangeable.
static fftw_complex *asFftw(std::complex<double> *bins)
{
    return reinterpret_cast<fftw_complex *>(bins);
}

void algoFftForward(const DataArray *in, std::complex<double> *bins)
{
    if (in->N < 1)
        return;
    fftw_plan plan = fftw_plan_dft_r2c_1d(in->N, in->Y, asFftw(bins), FFTW_ESTIMATE);
    fftw_execute(plan);
    fftw_destroy_plan(plan);
}

void algoFftInverse(std::complex<double> *bins, DataArray *out)
{
    const int n = out->N;
    if (n < 1)
        return;
    fftw_plan plan = fftw_plan_dft_c2r_1d(n, asFftw(bins), out->Y, FFTW_ESTIMATE);
    fftw_execute(plan);
    fftw_destroy_plan(plan);
    for (int i = 0; i < n; ++i)
        out->Y[i] /= n;
}
