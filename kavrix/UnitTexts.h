// The unit texts of the results. They are GBK bytes and stay so inside the
// library; the caller decodes them with its local 8-bit codec.
#ifndef KAVRIX_UNITTEXTS_H
#define KAVRIX_UNITTEXTS_H

extern const char kUnitMicrometre[];
extern const char kUnitMillimetre[];
extern const char kUnitMicroinch[];
extern const char kUnitInch[];
extern const char kUnitPercent[];
extern const char kUnitNone[];

// Metric unit of a result entry 0..101; the empty text for any other entry.
const char *algoMetricUnit(int entry);
// The inch unit that pairs with one of the metric unit texts above.
const char *algoInchUnit(const char *metricUnit);

#endif
