#pragma once

// The integer codes the program stores, sends and compares. Each set is an
// unscoped enum in a namespace of its own: the names read as
// NoticeCode::Error, and the values convert to the plain ints that files,
// settings, signals and the instrument keep.

namespace NoticeCode {
enum Value : int { Success = 0, Warning = 1, Error = 2 };
}

// What a finished run is evaluated for.
namespace MeasurePurpose {
enum Value : int { Measurement = 0, RaCalibration = 1 };
}

// The pending use of an instrument record requested from the drive unit;
// None once the answer has been handled.
namespace RecordAction {
enum Value : int { None = 0, Open = 1, Print = 2, Export = 3 };
}

// How the samples of a profile package are encoded on the wire.
namespace SampleType {
enum Value : int { Int8 = 0, Uint16 = 1, Uint32 = 2, Int32 = 3 };
}

// The pages of the main window's stack, in stack order.
namespace PageIndex {
enum Value : int { Measure = 0, DataManagement = 1, InstrumentRecords = 2, Setup = 3 };
}

namespace UnitCode {
enum Value : int { Metric = 0, Imperial = 1 };
}

namespace LanguageCode {
enum Value : int { Chinese = 0, English = 1 };
}
