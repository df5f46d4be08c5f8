/*
 * Public interface of the Kavrix surface-texture library.
 *
 * The caller owns every record; the library only allocates the curve buffers
 * inside a ParaRecord (Mode 1) and releases them again (Mode 0). All texts the
 * library hands out are GBK bytes; decoding them is the caller's business.
 * The field order of every record is part of the binary interface.
 */
#ifndef KAVRIX_H
#define KAVRIX_H

#if defined(KAVRIX_BUILDING)
#define KAVRIX_API __attribute__((visibility("default")))
#else
#define KAVRIX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
    KAVRIX_R_COUNT = 19,
    KAVRIX_W_COUNT = 12,
    KAVRIX_P_COUNT = 16,
    KAVRIX_MR_COUNT = 40,
    KAVRIX_MOTIF_COUNT = 15,
    KAVRIX_R_FIRST = 0,
    KAVRIX_W_FIRST = 19,
    KAVRIX_P_FIRST = 31,
    KAVRIX_MR_FIRST = 47,
    KAVRIX_MOTIF_FIRST = 87,
    KAVRIX_RESULT_COUNT = 102,
    KAVRIX_TEXT_SIZE = 24,
    KAVRIX_LEVEL_COUNT = 11
};

typedef struct DataArray {
    int N;
    double *Y;
    double *X;
} DataArray;

typedef struct ParmResult {
    double Value1;
    const char *Unit1;
    char ValueUnit1[KAVRIX_TEXT_SIZE];
    double Value2;
    const char *Unit2;
    char ValueUnit2[KAVRIX_TEXT_SIZE];
} ParmResult;

typedef struct EvalCond {
    int ShapeOption;
    int FilterOption;
    int LsOption;
    int LcOption;
    double EvalLength;
    int ShapeMode;
    int FilterType;
    double Ls;
    double Lc;
    double RmrLevel[KAVRIX_LEVEL_COUNT];
    double Rmr2Level[KAVRIX_LEVEL_COUNT];
    double RdcLevel[KAVRIX_LEVEL_COUNT];
    double ParmZMag;
    int Standard;
    double ExtParm1;
    double ExtParm2;
    int MrFactorSet;
    int ShapeParm;
} EvalCond;

typedef struct ParaRecord {
    DataArray RawArray;
    DataArray FormArray;
    DataArray PArray;
    DataArray RArray;
    DataArray WArray;
    DataArray ExtraArray1;
    DataArray ExtraArray2;
    DataArray SpectrumArray;
    DataArray AbbottArray;
    DataArray AmplitudeArray;

    EvalCond Cond;

    int RCount;
    int WCount;
    int PCount;
    int MrCount;
    int MotifCount;

    ParmResult Results[KAVRIX_RESULT_COUNT];

    int Extended;
    int Capacity;
    int Mode;

    int FormArrayOn;
    int PArrayOn;
    int RArrayOn;
    int WArrayOn;
    int ExtraArrayOn;
    int SpectrumArrayOn;
    int AbbottArrayOn;
    int AmplitudeArrayOn;

    int ROn;
    int WOn;
    int POn;
    int MrOn;
    int MotifOn;

    int Valid;
} ParaRecord;

enum { KAVRIX_GROUPS = 5, KAVRIX_STANDARDS = 10, KAVRIX_NAME_SLOTS = 40, KAVRIX_MEAN_SLOTS = 25 };

typedef struct Info {
    const char *AllParmName[KAVRIX_GROUPS][KAVRIX_STANDARDS][KAVRIX_NAME_SLOTS];
    const char *AllParmMeanCN[KAVRIX_GROUPS][KAVRIX_MEAN_SLOTS];
    const char *AllParmMeanEN[KAVRIX_GROUPS][KAVRIX_MEAN_SLOTS];
} Info;

/* Mode 0 releases the curve buffers, 1 allocates them, anything else evaluates. */
KAVRIX_API void kavrix(ParaRecord *para);
KAVRIX_API void kavrixGetParmInfo(Info *info);
/* Maps a reference Ra in micrometres to a lambda-c option code 1..6. */
KAVRIX_API int kavrixGetLcOption(double ra);
KAVRIX_API void algoPrintOutParmValue(ParaRecord *para, Info *info);

#ifdef __cplusplus
}
#endif

#endif
