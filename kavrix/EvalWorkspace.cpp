#include "EvalWorkspace.h"

#include <fftw3.h>

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

EvalWorkspace::EvalWorkspace(int capacity)
{
    if (capacity <= 0 || capacity > INT_MAX / 2)
        return;
    m_capacity = capacity;
    const std::size_t points = static_cast<std::size_t>(capacity);
    const std::size_t binCount = points / 2 + 1;
    bool ok = true;
    for (double *&buffer : m_real)
        ok = (buffer = allocate<double>(points)) != nullptr && ok;
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
    for (double *buffer : m_real)
        fftw_free(buffer);
    for (std::complex<double> *buffer : m_bins)
        fftw_free(buffer);
    for (std::uint64_t *buffer : m_keys)
        fftw_free(buffer);
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

void EvalWorkspace::forward(const double *heights, std::complex<double> *bins, int n)
{
    const Plans &plans = plansFor(n);
    fftw_execute_dft_r2c(plans.Forward, const_cast<double *>(heights), asFftw(bins));
}

void EvalWorkspace::inverse(std::complex<double> *bins, double *heights, int n)
{
    const Plans &plans = plansFor(n);
    fftw_execute_dft_c2r(plans.Inverse, asFftw(bins), heights);
    for (int i = 0; i < n; ++i)
        heights[i] /= n;
}
