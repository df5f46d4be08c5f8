// A record allocated by the library the way the program allocates it, and
// evaluated through kavrix, for the tests that check whole evaluations.
#ifndef KAVRIX_TESTS_EVALUATIONRECORD_H
#define KAVRIX_TESTS_EVALUATIONRECORD_H

#include "Kavrix.h"

#include <algorithm>
#include <memory>
#include <vector>

enum { GaussianFilter = 1, FftFilter = 2, PcFilter = 3, DpFilter = 4, TwoRcFilter = 5 };

// A record allocated by the library, as the program holds it, evaluated
// through kavrix with the given profile and options.
class Evaluation
{
public:
    explicit Evaluation(int extended, int capacity = 21000)
        : m_para(new ParaRecord())
    {
        m_para->Extended = extended;
        m_para->Capacity = capacity;
        m_para->Mode = 1;
        kavrix(m_para.get());
    }
    ~Evaluation()
    {
        m_para->Mode = 0;
        kavrix(m_para.get());
    }
    Evaluation(const Evaluation &) = delete;
    Evaluation &operator=(const Evaluation &) = delete;

    ParaRecord *operator->() { return m_para.get(); }

    // Options are codes as the caller sets them; 2000 points over 4 mm with
    // lambda-s 2 and lambda-c 4 give the cut-offs 1.25 and 400 points.
    void run(const std::vector<double> &heights, double evalLength, int filter, int lsOption = 2, int lcOption = 4,
             int shape = 1, double zMag = 1.0)
    {
        m_para->RawArray.N = static_cast<int>(heights.size());
        std::copy(heights.begin(), heights.end(), m_para->RawArray.Y);
        EvalCond &cond = m_para->Cond;
        cond.ShapeOption = shape;
        cond.FilterOption = filter;
        cond.LsOption = lsOption;
        cond.LcOption = lcOption;
        cond.EvalLength = evalLength;
        cond.ParmZMag = zMag;
        cond.Standard = 0;
        cond.ExtParm1 = -1;
        cond.ExtParm2 = -1;
        cond.MrFactorSet = 0;
        cond.ShapeParm = 10;
        m_para->Mode = 2;
        kavrix(m_para.get());
    }

    std::vector<const DataArray *> plottedCurves()
    {
        return {&m_para->RawArray, &m_para->FormArray,   &m_para->PArray,        &m_para->WArray,
                &m_para->RArray,   &m_para->AbbottArray, &m_para->AmplitudeArray};
    }

private:
    std::unique_ptr<ParaRecord> m_para;
};

#endif
