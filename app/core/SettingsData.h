#ifndef SETTINGSDATA_H
#define SETTINGSDATA_H

// The eight evaluation and measuring settings, each an index into the option
// list of the same name.
struct SettingsData {
    int calculateStandard = 0;
    int shapeRemoval = 0;
    int waveFilter = 0;
    int cutoffWavelengthS = 0;
    int cutoffWavelengthC = 0;
    int samplingLength = 0;
    int samplingNumber = 0;
    int measureRange = 0;

    static constexpr int calculateStandardCount = 10;
    static constexpr int shapeRemovalCount = 7;
    static constexpr int waveFilterCount = 6;
    static constexpr int cutoffWavelengthSCount = 5;
    static constexpr int cutoffWavelengthCCount = 7;
    static constexpr int samplingLengthCount = 3;
    static constexpr int samplingNumberCount = 5;
    static constexpr int measureRangeCount = 3;

    // A copy in which every index outside its option list (from a hand-edited
    // or damaged file) is replaced by 0.
    SettingsData withinRange() const;
};

#endif
