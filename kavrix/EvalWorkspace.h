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

    // How transforms are sized. FFTW plans and runs a length with a large
    // prime factor tens of times slower than a 7-smooth one, so by default
    // the filters and the forward transform work at smooth lengths with the
    // same results; ExactLengths transforms every curve at its own length, as
    // a reference for those results.
    enum class Lengths { Smooth, ExactLengths };

    // Room for curves of up to capacity points; a capacity of 0 or less, or
    // memory that cannot be had, leaves a workspace that is not valid.
    explicit EvalWorkspace(int capacity, Lengths lengths = Lengths::Smooth);
    ~EvalWorkspace();
    EvalWorkspace(const EvalWorkspace &) = delete;
    EvalWorkspace &operator=(const EvalWorkspace &) = delete;

    bool valid() const { return m_valid; }
    int capacity() const { return m_capacity; }

    // Room for transforms of a smooth length of at least twice the capacity:
    // that many doubles, aligned for the transforms.
    double *real(int which) const { return m_real[which]; }
    // Half as many bins, plus one.
    std::complex<double> *bins(int which) const { return m_bins[which]; }
    // capacity sort keys.
    std::uint64_t *keys(int which) const { return m_keys[which]; }

    // The length at which to transform a circular convolution of n points
    // with a kernel reaching reach points past each point: n itself when it
    // is smooth (or the lengths are exact), else the smallest smooth length
    // of at least n + reach, over which the caller continues its curve
    // periodically. reach lies in 0 to n.
    int convolutionLength(int n, int reach) const;

    // The smallest length of at least n (1 to INT_MAX / 2) whose prime
    // factors are all 2, 3, 5 or 7.
    static int smoothLength(int n);

    // Unscaled transform of n heights into n / 2 + 1 bins, and back divided
    // by n; both work on this workspace's buffers only (the inverse
    // overwrites its bins). n must lie in 1 to the room of real(). Forward
    // takes a length up to the capacity that is not smooth through
    // transforms of a smooth length (the chirp-z transform), unless the
    // lengths are exact.
    void forward(const double *heights, std::complex<double> *bins, int n);
    void inverse(std::complex<double> *bins, double *heights, int n);

private:
    struct Plans;
    struct Chirp;
    Plans &plansFor(int n);
    Chirp *chirpFor(int n);

    enum { PlanSlots = 4 };

    int m_capacity = 0;
    int m_room = 0;
    Lengths m_lengths = Lengths::Smooth;
    bool m_valid = false;
    double *m_real[RealBuffers] = {};
    std::complex<double> *m_bins[BinBuffers] = {};
    std::uint64_t *m_keys[KeyBuffers] = {};
    Plans *m_plans = nullptr;
    Chirp *m_chirp = nullptr;
    unsigned m_clock = 0;
};

#endif
