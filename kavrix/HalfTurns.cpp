#include "HalfTurns.h"

#include <cmath>
#include <cstddef>

HalfTurns::HalfTurns(int n)
    : m_period(2LL * n)
    , m_step(static_cast<int>(std::ceil(std::sqrt(2.0 * n))))
{
    for (long long a = 0; a * m_step < m_period; ++a)
        m_coarse.push_back(std::polar(1.0, M_PI * static_cast<double>(a * m_step) / n));
    for (int b = 0; b < m_step; ++b)
        m_fine.push_back(std::polar(1.0, M_PI * b / n));
}

std::complex<double> HalfTurns::operator()(long long t) const
{
    t %= m_period;
    if (t < 0)
        t += m_period;
    return m_coarse[static_cast<std::size_t>(t / m_step)] * m_fine[static_cast<std::size_t>(t % m_step)];
}
