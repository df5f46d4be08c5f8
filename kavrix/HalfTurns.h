// e^(i pi t / n) for whole t. A transform of n points needs n such factors:
// two tables of about sqrt(2n) turns each give every one as a product, where
// a sine and cosine each would cost more than the transform, and t is reduced
// in integers so that a large t keeps its accuracy.
#ifndef KAVRIX_HALFTURNS_H
#define KAVRIX_HALFTURNS_H

#include <complex>
#include <vector>

class HalfTurns
{
public:
    // n at least 1.
    explicit HalfTurns(int n);

    std::complex<double> operator()(long long t) const;

private:
    long long m_period;
    int m_step;
    std::vector<std::complex<double>> m_coarse;
    std::vector<std::complex<double>> m_fine;
};

#endif
