#include "HexBytes.h"
#include "MessageLog.h"
#include "RecordingTransport.h"

#include "DataSaveCodec.h"
#include "NetworkModel.h"
#include "ProtocolCodec.h"
#include "ProtocolFrame.h"
#include "ProtocolIds.h"

#include <QtTest>

#include <limits>

namespace {

QByteArray frameBytes(quint8 functionCode, quint8 functionType, const QByteArray &payload)
{
    return serializedFrame(makeFrame(0, functionCode, kCompanyCode, kProductCode, functionType, payload));
}

QByteArray reply(quint8 functionType, const QByteArray &values)
{
    return frameBytes(FunctionCode::Reply, functionType, payloadPrefix() + values);
}

QByteArray report(quint8 functionType, const QByteArray &values)
{
    return frameBytes(FunctionCode::Report, functionType, payloadPrefix() + values);
}

QByteArray completed(quint32 total, quint8 type, quint16 packageSize)
{
    return report(FunctionType::MeasurementCompleted,
                  toBigEndian32(total) + QByteArray(1, char(type)) + toBigEndian16(packageSize));
}

QList<double> doubles(std::initializer_list<double> values)
{
    return QList<double>(values);
}

}

class DispatchTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void heartbeatCarriesTheSerialNumber_data();
    void heartbeatCarriesTheSerialNumber();
    void completionReportSetsTheSampleType();
    void badCompletionReportsAreDropped_data();
    void badCompletionReportsAreDropped();
    void packages_data();
    void packages();
    void liveSamplesAndNeedlePosition_data();
    void liveSamplesAndNeedlePosition();
    void calibrationFactor_data();
    void calibrationFactor();
    void storedRecords();
    void shortPayloadsAreDropped_data();
    void shortPayloadsAreDropped();
    void functionCodeRouting();

private:
    NetworkModel *model = nullptr;
};

void DispatchTest::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    qRegisterMetaType<DATA_SAVE>();
}

void DispatchTest::init()
{
    model = new NetworkModel;
    model->init(new RecordingTransport);
}

void DispatchTest::cleanup()
{
    delete model;
}

void DispatchTest::heartbeatCarriesTheSerialNumber_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("serial");
    QTest::newRow("text, zero, more") << QByteArray("SN12345\0xyz", 11) << "SN12345";
    QTest::newRow("starts with zero") << QByteArray("\0SN", 3) << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void DispatchTest::heartbeatCarriesTheSerialNumber()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, serial);
    QSignalSpy beats(model, &NetworkModel::heartBeatRecved);
    QSignalSpy serials(model, &NetworkModel::serialNumberRecved);
    model->onDataRecved(frameBytes(FunctionCode::Reply, FunctionType::HeartBeat, payload));
    QCOMPARE(beats.size(), 1);
    QCOMPARE(serials.size(), 1);
    QCOMPARE(serials.at(0).at(0).toString(), serial);
}

void DispatchTest::completionReportSetsTheSampleType()
{
    QSignalSpy completions(model, &NetworkModel::measurementCompletedRecved);
    QSignalSpy packages(model, &NetworkModel::dataRecved);
    model->onDataRecved(report(FunctionType::MeasurementCompleted, hex("00 00 01 F4 02 01 90")));
    QCOMPARE(completions.size(), 1);
    QCOMPARE(completions.at(0).at(0).value<quint32>(), quint32(500));
    QCOMPARE(completions.at(0).at(1).value<uchar>(), uchar(2));
    QCOMPARE(completions.at(0).at(2).value<quint16>(), quint16(400));

    model->onDataRecved(reply(FunctionType::GetOnePacket, hex("FF FF FF FE 00 00 00 07")));
    QCOMPARE(packages.size(), 1);
    QCOMPARE(packages.at(0).at(0).value<QList<double>>(), doubles({4294967294.0}));
    QCOMPARE(packages.at(0).at(1).toInt(), 7);
}

void DispatchTest::badCompletionReportsAreDropped_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::newRow("package size 0") << hex("00 00 01 F4 01 00 00");
    QTest::newRow("sample type 4") << hex("00 00 01 F4 04 01 90");
    QTest::newRow("short") << hex("00 00 01 F4 01 01");
}

void DispatchTest::badCompletionReportsAreDropped()
{
    QFETCH(QByteArray, values);
    QSignalSpy completions(model, &NetworkModel::measurementCompletedRecved);
    QSignalSpy packages(model, &NetworkModel::dataRecved);
    model->onDataRecved(report(FunctionType::MeasurementCompleted, values));
    QCOMPARE(completions.size(), 0);
    // The sample type stays as it was: signed 8-bit.
    model->onDataRecved(reply(FunctionType::GetOnePacket, hex("FF 03")));
    QCOMPARE(packages.size(), 1);
    QCOMPARE(packages.at(0).at(0).value<QList<double>>(), doubles({-1}));
}

void DispatchTest::packages_data()
{
    QTest::addColumn<int>("sampleType");
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<QList<double>>("samples");
    QTest::addColumn<int>("number");
    QTest::newRow("uint16") << 1 << hex("00 0A 00 0B 00 03") << doubles({10, 11}) << 3;
    QTest::newRow("uint16, odd byte ignored") << 1 << hex("00 0A 00 0B 00 03 7F") << doubles({10, 11}) << 3;
    QTest::newRow("int8") << 0 << hex("FF 80 7F 00") << doubles({-1, -128, 127}) << 0;
    QTest::newRow("int32") << 3 << hex("FF FF FF FE 00 00 00 01") << doubles({-2}) << 1;
    QTest::newRow("only the number") << 1 << hex("00 05") << doubles({}) << 5;
    QTest::newRow("a single byte") << 1 << hex("05") << doubles({}) << -1;
    QTest::newRow("no samples") << 3 << QByteArray() << doubles({}) << -1;
    QTest::newRow("negative number") << 3 << hex("00 00 00 01 FF FF FF FF") << doubles({}) << -1;
    QTest::newRow("number beyond int") << 2 << hex("00 00 00 01 80 00 00 00") << doubles({}) << -1;
}

void DispatchTest::packages()
{
    QFETCH(int, sampleType);
    QFETCH(QByteArray, values);
    QFETCH(QList<double>, samples);
    QFETCH(int, number);
    QSignalSpy packages(model, &NetworkModel::dataRecved);
    if (sampleType != 0)
        model->onDataRecved(completed(100, quint8(sampleType), 10));
    model->onDataRecved(reply(FunctionType::GetOnePacket, values));
    if (number < 0) {
        QCOMPARE(packages.size(), 0);
        return;
    }
    QCOMPARE(packages.size(), 1);
    QCOMPARE(packages.at(0).at(0).value<QList<double>>(), samples);
    QCOMPARE(packages.at(0).at(1).toInt(), number);
}

void DispatchTest::liveSamplesAndNeedlePosition_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<QList<double>>("samples");
    QTest::newRow("none") << QByteArray() << doubles({});
    QTest::newRow("one byte") << hex("01") << doubles({});
    QTest::newRow("two samples") << hex("FF FF 00 02 09") << doubles({65535, 2});
}

void DispatchTest::liveSamplesAndNeedlePosition()
{
    QFETCH(QByteArray, values);
    QFETCH(QList<double>, samples);
    QSignalSpy live(model, &NetworkModel::realTimeDataRecved);
    QSignalSpy needle(model, &NetworkModel::needlePositionRecved);
    model->onDataRecved(report(FunctionType::RealTimeData, values));
    QCOMPARE(live.size(), 1);
    QCOMPARE(live.at(0).at(0).value<QList<double>>(), samples);
    QCOMPARE(needle.size(), samples.isEmpty() ? 0 : 1);
    if (!samples.isEmpty())
        QCOMPARE(needle.at(0).at(0).value<quint16>(), quint16(samples.first()));
}

void DispatchTest::calibrationFactor_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<int>("completes");
    QTest::addColumn<QVariant>("factor");
    const float above = std::nextafter(10000.0f, 20000.0f);
    QTest::newRow("written") << QByteArray() << 1 << QVariant();
    QTest::newRow("read 10000") << toBigEndian32(10000.0f) << 0 << QVariant(10000.0f);
    QTest::newRow("read -10000") << toBigEndian32(-10000.0f) << 0 << QVariant(-10000.0f);
    QTest::newRow("read above the limit") << toBigEndian32(above) << 0 << QVariant();
    QTest::newRow("read NaN") << toBigEndian32(std::numeric_limits<float>::quiet_NaN()) << 0 << QVariant();
    QTest::newRow("other size") << hex("00 01") << 0 << QVariant();
}

void DispatchTest::calibrationFactor()
{
    QFETCH(QByteArray, values);
    QFETCH(int, completes);
    QFETCH(QVariant, factor);
    QSignalSpy complete(model, &NetworkModel::calibrationFactorUpdateComplete);
    QSignalSpy response(model, &NetworkModel::calibrationFactorUpdateResponse);
    model->onDataRecved(reply(FunctionType::CalibrationFactor, values));
    QCOMPARE(complete.size(), completes);
    QCOMPARE(response.size(), factor.isValid() ? 1 : 0);
    if (factor.isValid())
        QCOMPARE(response.at(0).at(0).toFloat(), factor.toFloat());
}

void DispatchTest::storedRecords()
{
    QSignalSpy count(model, &NetworkModel::executingMachineDataUpdata);
    model->onDataRecved(reply(FunctionType::ExecutingMachineDataCount, hex("55 66 00 07")));
    QCOMPARE(count.size(), 1);
    QCOMPARE(count.at(0).at(0).toInt(), 7);

    QByteArray record = hex("09 01 02 03 04 05 06 07");
    for (int i = 0; i < 24; ++i)
        record.append(toBigEndian32(float(i == 0 ? 1.0 : i * 0.5)));
    record.append(hex("01 02 FF FE"));
    QSignalSpy records(model, &NetworkModel::getExecutingMachineData);
    model->onDataRecved(reply(FunctionType::ExecutingMachineData, record + hex("AA")));
    QCOMPARE(records.size(), 1);
    const DATA_SAVE decoded = records.at(0).at(0).value<DATA_SAVE>();
    QCOMPARE(decoded.reserved0, quint8(9));
    QCOMPARE(decoded.calculateStandard, quint8(1));
    QCOMPARE(decoded.filter, quint8(5));
    QCOMPARE(decoded.reserved6[1], quint8(7));
    QCOMPARE(decoded.values[0], 1.0f);
    QCOMPARE(decoded.values[23], 11.5f);
    QCOMPARE(decoded.wordValues[0], quint16(258));
    QCOMPARE(decoded.wordValues[1], quint16(65534));
    QCOMPARE(encodeDataSave(decoded), record);
}

void DispatchTest::shortPayloadsAreDropped_data()
{
    QTest::addColumn<int>("functionType");
    QTest::addColumn<int>("minimum");
    QTest::newRow("needle position") << int(FunctionType::NeedlePosition) << 14;
    QTest::newRow("needle voltage") << int(FunctionType::RequestNeedlePosition) << 18;
    QTest::newRow("record count") << int(FunctionType::ExecutingMachineDataCount) << 14;
    QTest::newRow("record") << int(FunctionType::ExecutingMachineData) << 120;
}

void DispatchTest::shortPayloadsAreDropped()
{
    QFETCH(int, functionType);
    QFETCH(int, minimum);
    QSignalSpy needle(model, &NetworkModel::needlePositionRecved);
    QSignalSpy voltage(model, &NetworkModel::responseNeedlePosition);
    QSignalSpy count(model, &NetworkModel::executingMachineDataUpdata);
    QSignalSpy records(model, &NetworkModel::getExecutingMachineData);
    auto emitted = [&] {
        return needle.size() + voltage.size() + count.size() + records.size();
    };

    const QByteArray values(minimum - kPayloadPrefixSize, char(1));
    model->onDataRecved(reply(quint8(functionType), values.chopped(1)));
    QCOMPARE(emitted(), 0);
    model->onDataRecved(reply(quint8(functionType), values));
    QCOMPARE(emitted(), 1);
}

void DispatchTest::functionCodeRouting()
{
    QSignalSpy speed(model, &NetworkModel::calibrationSpeedCompleteRecved);
    QSignalSpy start(model, &NetworkModel::startMeasurementRecved);
    MessageLog messages;
    model->onDataRecved(frameBytes(5, FunctionType::CalibrationSpeedComplete, payloadPrefix() + hex("07")));
    model->onDataRecved(report(FunctionType::StartMeasurement, hex("01")));
    QCOMPARE(speed.size(), 1);
    QCOMPARE(speed.at(0).at(0).value<uchar>(), uchar(7));
    QCOMPARE(start.size(), 0);
    QCOMPARE(messages.lines(),
             (QStringList{"收到：校准速度  7  完成", "收到：指令未识别", "功能码： 0  功能类型： 3"}));
}

QTEST_GUILESS_MAIN(DispatchTest)
#include "DispatchTest.moc"
