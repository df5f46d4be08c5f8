// Scratch memory and transform plans of one evaluation record. The record
// makes it once, when its curve buffers are allocated, and keeps it until they
// are released, so that an evaluation neither faults fresh pages in nor plans
// its transforms anew. Routines called without a record make their own.
#ifndef KAVRIX_EVALWORKSPACE_H
#define KAVRIX_EVALWORKSPACE_H

#include <complex>
#include <cstdint>

class EvalWorkspace
{
public:
    enum { RealBuffers = 3, BinBuffers = 2, KeyBuffers = 2 };

    // Room for curves of up to capacity points; a capacity of 0 or less, or
    // memory that cannot be had, leaves a workspace that is not valid.
    explicit EvalWorkspace(int capacity);
    ~EvalWorkspace();
    EvalWorkspace(const EvalWorkspace &) = delete;
    EvalWorkspace &operator=(const EvalWorkspace &) = delete;

    bool valid() const { return m_valid; }
    int capacity() const { return m_capacity; }

    // capacity doubles, aligned for the transforms.
    double *real(int which) const { return m_real[which]; }
    // capacity / 2 + 1 bins.
    std::complex<double> *bins(int which) const { return m_bins[which]; }
    // capacity sort keys.
    std::uint64_t *keys(int which) const { return m_keys[which]; }

    // Unscaled transform of n heights into n / 2 + 1 bins, and back divided
    // by n; both work on this workspace's buffers only (the inverse
    // overwrites its bins). n must lie in 1 to capacity.
    void forward(const double *heights, std::complex<double> *bins, int n);
    void inverse(std::complex<double> *bins, double *heights, int n);

private:
    struct Plans;
    Plans &plansFor(int n);

    enum { PlanSlots = 4 };

    int m_capacity = 0;
    bool m_valid = false;
    double *m_real[RealBuffers] = {};
    std::complex<double> *m_bins[BinBuffers] = {};
    std::uint64_t *m_keys[KeyBuffers] = {};
    Plans *m_plans = nullptr;
    unsigned m_clock = 0;
};

#endif
