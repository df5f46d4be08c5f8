#include "EvalWorkspace.h"

#include "HalfTurns.h"

#include <fftw3.h>

#include <algorithm>
#include <climits>
#include <cstddef>

// One transform size's plans; the slots are reused by the size least lately
// asked for, since the sizes follow the evaluated range.
struct EvalWorkspace::Plans {
    int N = 0;
    unsigned LastUse = 0;
    fftw_plan Forward = nullptr;
    fftw_plan Inverse = nullptr;
};

// The chirp-z transform of one length n: with w_j = e^(-i pi j^2 / n),
// bin k = w_k times the circular convolution at index k of x_j w_j with the
// conjugate chirp, run at a smooth length m of at least 2n - 1. The buffers
// are made on first use, large enough for the capacity; the factors and the
// chirp's transform follow n, the plans follow m.
struct EvalWorkspace::Chirp {
    int N = 0;
    int M = 0;
    std::complex<double> *Factors = nullptr;
    std::complex<double> *Kernel = nullptr;
    std::complex<double> *Work = nullptr;
    fftw_plan Forward = nullptr;
    fftw_plan Backward = nullptr;
};

namespace {

template <typename T> T *allocate(std::size_t count)
{
    return static_cast<T *>(fftw_malloc(count * sizeof(T)));
}

fftw_complex *asFftw(std::complex<double> *bins)
{
    return reinterpret_cast<fftw_complex *>(bins);
}

} // namespace

EvalWorkspace::EvalWorkspace(int capacity, Lengths lengths)
    : m_lengths(lengths)
{
    if (capacity <= 0 || capacity > INT_MAX / 8)
        return;
    m_capacity = capacity;
    m_room = smoothLength(2 * capacity);
    const std::size_t points = static_cast<std::size_t>(capacity);
    const std::size_t room = static_cast<std::size_t>(m_room);
    const std::size_t binCount = room / 2 + 1;
    bool ok = true;
    for (double *&buffer : m_real)
        ok = (buffer = allocate<double>(room)) != nullptr && ok;
    for (std::complex<double> *&buffer : m_bins)
        ok = (buffer = allocate<std::complex<double>>(binCount)) != nullptr && ok;
    for (std::uint64_t *&buffer : m_keys)
        ok = (buffer = allocate<std::uint64_t>(points)) != nullptr && ok;
    m_plans = new Plans[PlanSlots];
    m_valid = ok;
}

EvalWorkspace::~EvalWorkspace()
{
    for (int s = 0; m_plans && s < PlanSlots; ++s) {
        if (m_plans[s].Forward)
            fftw_destroy_plan(m_plans[s].Forward);
        if (m_plans[s].Inverse)
            fftw_destroy_plan(m_plans[s].Inverse);
    }
    delete[] m_plans;
    if (m_chirp) {
        if (m_chirp->Forward)
            fftw_destroy_plan(m_chirp->Forward);
        if (m_chirp->Backward)
            fftw_destroy_plan(m_chirp->Backward);
        fftw_free(m_chirp->Factors);
        fftw_free(m_chirp->Kernel);
        fftw_free(m_chirp->Work);
        delete m_chirp;
    }
    for (double *buffer : m_real)
        fftw_free(buffer);
    for (std::complex<double> *buffer : m_bins)
        fftw_free(buffer);
    for (std::uint64_t *buffer : m_keys)
        fftw_free(buffer);
}

int EvalWorkspace::smoothLength(int n)
{
    // Every product of powers of 3, 5 and 7 below the best so far, doubled up
    // to n; a power of two bounds the best from the start.
    long long best = 1;
    while (best < n)
        best *= 2;
    for (long long p7 = 1; p7 < best; p7 *= 7) {
        for (long long p5 = p7; p5 < best; p5 *= 5) {
            for (long long p3 = p5; p3 < best; p3 *= 3) {
                long long length = p3;
                while (length < n)
                    length *= 2;
                best = std::min(best, length);
            }
        }
    }
    return static_cast<int>(best);
}

int EvalWorkspace::convolutionLength(int n, int reach) const
{
    if (m_lengths == Lengths::ExactLengths || smoothLength(n) == n)
        return n;
    return smoothLength(n + reach);
}

// Plans are made on this workspace's own buffers, which all share FFTW's
// alignment, so they may run on any pair of them.
EvalWorkspace::Plans &EvalWorkspace::plansFor(int n)
{
    Plans *oldest = &m_plans[0];
    for (int s = 0; s < PlanSlots; ++s) {
        Plans &slot = m_plans[s];
        if (slot.N == n && slot.Forward) {
            slot.LastUse = ++m_clock;
            return slot;
        }
        if (slot.LastUse < oldest->LastUse)
            oldest = &slot;
    }
    if (oldest->Forward)
        fftw_destroy_plan(oldest->Forward);
    if (oldest->Inverse)
        fftw_destroy_plan(oldest->Inverse);
    oldest->N = n;
    oldest->LastUse = ++m_clock;
    oldest->Forward = fftw_plan_dft_r2c_1d(n, m_real[0], asFftw(m_bins[0]), FFTW_ESTIMATE);
    oldest->Inverse = fftw_plan_dft_c2r_1d(n, asFftw(m_bins[0]), m_real[0], FFTW_ESTIMATE);
    return *oldest;
}

EvalWorkspace::Chirp *EvalWorkspace::chirpFor(int n)
{
    if (!m_chirp) {
        m_chirp = new Chirp;
        m_chirp->Factors = allocate<std::complex<double>>(static_cast<std::size_t>(m_capacity));
        m_chirp->Kernel = allocate<std::complex<double>>(static_cast<std::size_t>(m_room));
        m_chirp->Work = allocate<std::complex<double>>(static_cast<std::size_t>(m_room));
    }
    Chirp &chirp = *m_chirp;
    if (!chirp.Factors || !chirp.Kernel || !chirp.Work)
        return nullptr;
    if (chirp.N == n)
        return &chirp;
    const int m = smoothLength(2 * n - 1);
    if (chirp.M != m) {
        if (chirp.Forward)
            fftw_destroy_plan(chirp.Forward);
        if (chirp.Backward)
            fftw_destroy_plan(chirp.Backward);
        chirp.Forward = fftw_plan_dft_1d(m, asFftw(chirp.Work), asFftw(chirp.Work), FFTW_FORWARD, FFTW_ESTIMATE);
        chirp.Backward = fftw_plan_dft_1d(m, asFftw(chirp.Work), asFftw(chirp.Work), FFTW_BACKWARD, FFTW_ESTIMATE);
        chirp.M = m;
    }
    // j^2 is reduced modulo 2n before it becomes an angle.
    const HalfTurns turns(n);
    std::complex<double> *kernel = chirp.Kernel;
    std::fill(kernel, kernel + m, std::complex<double>(0.0, 0.0));
    for (int j = 0; j < n; ++j) {
        const std::complex<double> turn = turns(static_cast<long long>(j) * j);
        chirp.Factors[j] = std::conj(turn);
        // The backward transform is not scaled; the kernel carries the 1 / m.
        kernel[j] = turn / static_cast<double>(m);
        if (j > 0)
            kernel[m - j] = kernel[j];
    }
    fftw_execute_dft(chirp.Forward, asFftw(kernel), asFftw(kernel));
    chirp.N = n;
    return &chirp;
}

void EvalWorkspace::forward(const double *heights, std::complex<double> *bins, int n)
{
    Chirp *chirp = nullptr;
    if (m_lengths == Lengths::Smooth && n <= m_capacity && smoothLength(n) != n)
        chirp = chirpFor(n);
    if (!chirp) {
        const Plans &plans = plansFor(n);
        fftw_execute_dft_r2c(plans.Forward, const_cast<double *>(heights), asFftw(bins));
        return;
    }
    const int m = chirp->M;
    std::complex<double> *work = chirp->Work;
    for (int j = 0; j < n; ++j)
        work[j] = heights[j] * chirp->Factors[j];
    std::fill(work + n, work + m, std::complex<double>(0.0, 0.0));
    fftw_execute_dft(chirp->Forward, asFftw(work), asFftw(work));
    for (int j = 0; j < m; ++j)
        work[j] *= chirp->Kernel[j];
    fftw_execute_dft(chirp->Backward, asFftw(work), asFftw(work));
    for (int k = 0; k <= n / 2; ++k)
        bins[k] = chirp->Factors[k] * work[k];
}

void EvalWorkspace::inverse(std::complex<double> *bins, double *heights, int n)
{
    const Plans &plans = plansFor(n);
    fftw_execute_dft_c2r(plans.Inverse, asFftw(bins), heights);
    for (int i = 0; i < n; ++i)
        heights[i] /= n;
}
