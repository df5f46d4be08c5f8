#include "NetworkController.h"

#include "Codes.h"
#include "GlobalData.h"
#include "KeyedNotice.h"
#include "NetworkModel.h"
#include "PortList.h"

#include <QDebug>
#include <QTimer>

#include <cmath>
#include <utility>

namespace {

constexpr int kNoticeSuccess = NoticeCode::Success;
constexpr int kNoticeError = NoticeCode::Error;

enum StartReply : uchar { Started = 0, Measuring = 1, Returning = 2 };

QList<double> &sampleList()
{
    return GlobalData::instance()->calcutateResult.measureDataList;
}

}

NetworkController::NetworkController(QObject *parent)
    : QObject(parent)
{
}

NetworkController::~NetworkController()
{
    deleteCandidates(nullptr);
    delete activeNetworkModel;
}

void NetworkController::setIntervals(const Intervals &newIntervals)
{
    intervals = newIntervals;
}

void NetworkController::init()
{
    createTimers();
    connect(heartBeatTimer, &QTimer::timeout, this, &NetworkController::onHeartBeatTimerTimeout);
    connect(getOnePacketTimer, &QTimer::timeout, this, &NetworkController::onGetOnePacketTimerTimeout);
    connect(autoConnectPortTimer, &QTimer::timeout, this, &NetworkController::onAutoConnectPortTimerTimeout);
    connect(getNeedlePositionTimer, &QTimer::timeout, this, &NetworkController::onGetNeedlePositionTimerTimeout);
    connect(factorAcknowledgeTimer, &QTimer::timeout, this, [] {
        qDebug() << "校准系数写入未得到确认";
        showKeyedNotice("calibrateFail", kNoticeError);
    });
    connect(traverseWatchdogTimer, &QTimer::timeout, this, [this] {
        qDebug() << "测量中执行机无应答";
        declareUnitSilent();
    });
    connect(returnWatchdogTimer, &QTimer::timeout, this, [this] {
        qDebug() << "未收到回程结束报告";
        setMoterMoveStatus(false);
        endRunIfReportLost();
    });
}

void NetworkController::createTimers()
{
    baudRateList.append(kBaudRate);
    autoConnectPortTimer = new QTimer(this);
    autoConnectPortTimer->start(intervals.probeMs);
    heartBeatTimer = new QTimer(this);
    heartBeatTimer->setInterval(intervals.heartBeatMs);
    getOnePacketTimer = new QTimer(this);
    getOnePacketTimer->setInterval(intervals.packageTimeoutMs);
    getNeedlePositionTimer = new QTimer(this);
    getNeedlePositionTimer->setInterval(intervals.needlePollMs);
    factorAcknowledgeTimer = new QTimer(this);
    factorAcknowledgeTimer->setSingleShot(true);
    factorAcknowledgeTimer->setInterval(intervals.factorAcknowledgeMs);
    traverseWatchdogTimer = new QTimer(this);
    traverseWatchdogTimer->setSingleShot(true);
    traverseWatchdogTimer->setInterval(intervals.traverseSilenceMs);
    returnWatchdogTimer = new QTimer(this);
    returnWatchdogTimer->setSingleShot(true);
    returnWatchdogTimer->setInterval(intervals.returnWaitMs);
}

NetworkModel *NetworkController::activeModel() const
{
    return activeNetworkModel;
}

// Link finding ---------------------------------------------------------------

void NetworkController::onAutoConnectPortTimerTimeout()
{
    if (activeNetworkModel && activeNetworkModel->isSerialPortAvailable())
        return;
    // A port that left the list without an error report is a lost link as
    // much as a failing one.
    if (networkConnectStatus)
        onNetworkConnectStatusChanged(false);
    dropActiveModel();
    deleteCandidates(nullptr);

    const QStringList ports = PortList::availablePortNames();
    if (!ports.isEmpty()) {
        QString line = QStringLiteral("当前串口列表：");
        for (const QString &port : ports)
            line += port + QLatin1Char(' ');
        qDebug().noquote() << line;
        const int baudRate = baudRateList.value(baudRateIndex, kBaudRate);
        for (const QString &port : ports)
            openCandidate(port, baudRate);
    }
    if (++baudRateIndex >= baudRateList.size())
        baudRateIndex = 0;
}

void NetworkController::openCandidate(const QString &portName, int baudRate)
{
    auto *model = new NetworkModel;
    model->init();
    connectCandidate(model);
    qDebug() << "portName: " << portName << " baud: " << baudRate;
    model->openSerialPort(portName, baudRate);
    candidateNetworkModels.append(model);
}

// Reports reach the controller only from the link; a candidate that has not
// answered a heartbeat yet may be any device at all.
template <typename Signal, typename Slot>
void NetworkController::relayFromLink(NetworkModel *model, Signal signal, Slot slot)
{
    connect(model, signal, this, [this, model, slot](auto... arguments) {
        if (model != activeNetworkModel)
            return;
        noteUnitHeard();
        (this->*slot)(std::move(arguments)...);
    });
}

void NetworkController::connectCandidate(NetworkModel *model)
{
    connect(model, &NetworkModel::networkConnectStatusChanged, this, [this, model](bool status) {
        model->sendHeartBeat();
        if (model == activeNetworkModel)
            onNetworkConnectStatusChanged(status);
    });
    connect(model, &NetworkModel::heartBeatRecved, this, [this, model] {
        onCandidateHeartBeat(model);
    });
    relayFromLink(model, &NetworkModel::broadcastRecved, &NetworkController::onBroadcastRecved);
    relayFromLink(model, &NetworkModel::motorStatusUpdateRecved, &NetworkController::onMotorStatusUpdateRecved);
    relayFromLink(model, &NetworkModel::startMeasurementRecved, &NetworkController::onStartMeasurementRecved);
    relayFromLink(model, &NetworkModel::measurementCompletedRecved, &NetworkController::onMeasurementCompletedRecved);
    relayFromLink(model, &NetworkModel::dataRecved, &NetworkController::onDataRecved);
    relayFromLink(model, &NetworkModel::needlePositionRecved, &NetworkController::onNeedlePositionRecved);
    relayFromLink(model, &NetworkModel::outOfMeasurementRangeRecved, &NetworkController::onOutOfMeasurementRangeRecved);
    relayFromLink(model, &NetworkModel::endOfReturnRecved, &NetworkController::onEndOfReturnRecved);
    relayFromLink(model, &NetworkModel::realTimeDataRecved, &NetworkController::onRealTimeDataRecved);
    relayFromLink(model, &NetworkModel::startCalibrationRecved, &NetworkController::onStartCalibrationRecved);
    relayFromLink(model, &NetworkModel::calibrationSpeedCompleteRecved,
                  &NetworkController::onCalibrationSpeedCompleteRecved);
    relayFromLink(model, &NetworkModel::calibrationStatusRecved, &NetworkController::oncalibrationStatusRecved);
    relayFromLink(model, &NetworkModel::motorSpeedErrorRecved, &NetworkController::onMotorSpeedErrorRecved);
    relayFromLink(model, &NetworkModel::measurementStop, &NetworkController::onMeasurementStop);
    relayFromLink(model, &NetworkModel::confirmNeedlePosition, &NetworkController::onConfirmNeedlePosition);
    relayFromLink(model, &NetworkModel::responseNeedlePosition, &NetworkController::onResponseNeedlePosition);
    relayFromLink(model, &NetworkModel::calibrationFactorUpdateComplete,
                  &NetworkController::onCalibrationFactorUpdateComplete);
    relayFromLink(model, &NetworkModel::calibrationFactorUpdateResponse,
                  &NetworkController::onCalibrationFactorUpdateResponse);
    relayFromLink(model, &NetworkModel::executingMachineDataUpdata, &NetworkController::onExecutingMachineDataUpdata);
    relayFromLink(model, &NetworkModel::getExecutingMachineData, &NetworkController::onGetExecutingMachineData);
    relayFromLink(model, &NetworkModel::serialNumberRecved, &NetworkController::serialNumberRecved);
}

void NetworkController::onCandidateHeartBeat(NetworkModel *model)
{
    // Once a link stands, only its own unit keeps it.
    if (activeNetworkModel && model != activeNetworkModel)
        return;
    activeNetworkModel = model;
    noteUnitHeard();
    onNetworkConnectStatusChanged(true);
    onHeartBeatRecved();
    sendMeasureSettings();
}

void NetworkController::deleteCandidates(const NetworkModel *keep)
{
    for (NetworkModel *model : qAsConst(candidateNetworkModels)) {
        if (model != keep)
            delete model;
    }
    candidateNetworkModels.clear();
}

void NetworkController::dropActiveModel()
{
    if (!activeNetworkModel)
        return;
    candidateNetworkModels.removeAll(activeNetworkModel);
    delete activeNetworkModel;
    activeNetworkModel = nullptr;
}

// While a run is on, the heartbeat is quiet and the unit's own traffic is
// the only sign of life.
void NetworkController::noteUnitHeard()
{
    unansweredPackageRequests = 0;
    if (traverseWatchdogTimer->isActive())
        traverseWatchdogTimer->start();
}

void NetworkController::declareUnitSilent()
{
    qDebug() << "执行机无应答，连接断开";
    onNetworkConnectStatusChanged(false);
    dropActiveModel();
}

// Link state -----------------------------------------------------------------

void NetworkController::onNetworkConnectStatusChanged(bool status)
{
    if (status)
        heartBeatTimer->start();
    else
        heartBeatTimer->stop();
    setNetworkConnectStatus(status);
}

void NetworkController::onBroadcastRecved()
{
}

void NetworkController::onHeartBeatRecved()
{
    deleteCandidates(activeNetworkModel);
    heartBeatTimeoutTimes = 0;
    setMoterConnectStatus(true);
}

void NetworkController::setNetworkConnectStatus(bool status)
{
    if (status == networkConnectStatus)
        return;
    networkConnectStatus = status;
    if (status) {
        heartBeatTimer->start();
        getNeedlePositionTimer->start();
    } else {
        heartBeatTimer->stop();
        getNeedlePositionTimer->stop();
        if (moterMeasureStatus || recvMeasureResultStatus || awaitingCompletionReport) {
            endRunWithoutProfile();
            showKeyedNotice("measureFail", kNoticeError);
        }
        setMoterConnectStatus(false);
    }
    emit networkConnectStatusChanged(status);
}

void NetworkController::setMoterConnectStatus(bool status)
{
    if (status == moterConnectStatus)
        return;
    moterConnectStatus = status;
    if (status) {
        showKeyedNotice("communicationConnected", kNoticeSuccess);
        endRunWithoutProfile();
        requestCalibrationStatus();
        requestCalibrationFactor();
    } else {
        showKeyedNotice("communicationDisconnected", kNoticeError);
        setMoterMoveStatus(false);
    }
    qDebug() << "执行机连接状态改变";
    printStatus();
    emit moterConnectStatusChanged(status);
}

void NetworkController::assignFlag(bool &flag, bool status, void (NetworkController::*changed)(bool))
{
    flag = status;
    emit(this->*changed)(status);
}

void NetworkController::setSnMatchStatus(bool status)
{
    assignFlag(snMatchStatus, status, &NetworkController::snMatchStatusChanged);
}

void NetworkController::setMoterMoveStatus(bool status)
{
    assignFlag(moterMoveStatus, status, &NetworkController::moterMoveStatusChanged);
    followReturn();
}

void NetworkController::setMoterMeasureStatus(bool status)
{
    assignFlag(moterMeasureStatus, status, &NetworkController::moterMeasureStatusChanged);
    if (status)
        traverseWatchdogTimer->start();
    else
        traverseWatchdogTimer->stop();
    followReturn();
}

void NetworkController::followReturn()
{
    if (!moterMoveStatus || moterMeasureStatus)
        returnWatchdogTimer->stop();
    else if (!returnWatchdogTimer->isActive())
        returnWatchdogTimer->start();
}

void NetworkController::setRecvMeasureResultStatus(bool status)
{
    assignFlag(recvMeasureResultStatus, status, &NetworkController::recvMeasureResultStatusChanged);
}

void NetworkController::setCalibrationStatus(bool status)
{
    assignFlag(calibrationStatus, status, &NetworkController::calibrationStatusChanged);
}

void NetworkController::setCurrentCalibrationStatus(bool status)
{
    assignFlag(currentCalibrationStatus, status, &NetworkController::currentCalibrationStatusChanged);
}

void NetworkController::printStatus() const
{
    qDebug() << "networkConnectStatus: " << networkConnectStatus;
    qDebug() << "moterConnectStatus: " << moterConnectStatus;
    qDebug() << "snMatchStatus: " << snMatchStatus;
    qDebug() << "moterMoveStatus: " << moterMoveStatus;
    qDebug() << "moterMeasureStatus: " << moterMeasureStatus;
    qDebug() << "recvMeasureResultStatus: " << recvMeasureResultStatus;
}

void NetworkController::onHeartBeatTimerTimeout()
{
    if (moterMeasureStatus || recvMeasureResultStatus)
        return;
    if (heartBeatTimeoutTimes >= kMaxUnansweredRequests) {
        declareUnitSilent();
        return;
    }
    ++heartBeatTimeoutTimes;
    qDebug() << "*******************heartBeatTimeoutTimes:" << heartBeatTimeoutTimes;
    if (activeNetworkModel)
        activeNetworkModel->sendHeartBeat();
}

// Plain commands -------------------------------------------------------------

void NetworkController::sendBroadcast()
{
    if (activeNetworkModel)
        activeNetworkModel->sendBroadcast();
}

void NetworkController::sendHeartBeat()
{
    if (activeNetworkModel)
        activeNetworkModel->sendHeartBeat();
}

void NetworkController::sendMeasureSettings()
{
    const SettingsData &settings = GlobalData::instance()->settingsData;
    qDebug() << "measureLength: " << quint8(settings.samplingLength) << quint8(settings.samplingNumber);
    if (activeNetworkModel)
        activeNetworkModel->sendMeasureSettings(quint8(settings.measureRange), quint8(settings.samplingLength),
                                                quint8(settings.samplingNumber));
}

// Measurement run ------------------------------------------------------------

void NetworkController::startMeasurement()
{
    startRun(0);
}

void NetworkController::startRun(int purpose)
{
    GlobalData::instance()->measurePurpose = 0;
    if (!activeNetworkModel)
        return;
    runPurpose = purpose;
    qDebug() << "发送开始测量wwwwwwwwwwwwwww";
    activeNetworkModel->sendStartMeasurement();
}

void NetworkController::sendStopMeasurement()
{
    if (activeNetworkModel)
        activeNetworkModel->sendStopMeasurement();
}

void NetworkController::requestCurrentPackage()
{
    if (activeNetworkModel)
        activeNetworkModel->sendGetOnePacket(quint16(profile.currentPackage()));
}

void NetworkController::onStartMeasurementRecved(uchar value)
{
    switch (value) {
    case Started:
        awaitingCompletionReport = true;
        setMoterMoveStatus(true);
        setMoterMeasureStatus(true);
        showKeyedNotice(runPurpose == 1 ? "startCalibration" : "startMeasurement", kNoticeSuccess);
        break;
    case Measuring:
        awaitingCompletionReport = true;
        setMoterMoveStatus(true);
        setMoterMeasureStatus(true);
        showKeyedNotice("measuring", kNoticeSuccess);
        break;
    case Returning:
        setMoterMoveStatus(true);
        setMoterMeasureStatus(false);
        // The return is timed from its own start, not from the end of the
        // traverse.
        returnWatchdogTimer->start();
        showKeyedNotice("returning", kNoticeSuccess);
        break;
    default:
        break;
    }
}

void NetworkController::onRealTimeDataRecved(QList<double> dataList)
{
    emit realTimeDataRecved(dataList);
}

void NetworkController::onMeasurementCompletedRecved(quint32 total, uchar type, quint16 size)
{
    Q_UNUSED(type)
    awaitingCompletionReport = false;
    if (!profile.begin(total, size)) {
        qDebug() << "测量完成报告无法取数：" << total << size;
        endRunWithoutProfile();
        showKeyedNotice("measureFail", kNoticeError);
        return;
    }
    setMoterMeasureStatus(false);
    setRecvMeasureResultStatus(true);
    restartPackageTimer();
    requestCurrentPackage();
}

void NetworkController::onDataRecved(QList<double> dataList, int currentPackageNumber)
{
    if (dataList.isEmpty())
        return;
    qDebug() << "收到第" << currentPackageNumber << "包数据"
             << "  当前包数据总长度为：" << dataList.size();
    // Late duplicates and packages after the end of a fetch would otherwise
    // corrupt the profile or complete it a second time.
    const ProfileAssembler::Outcome outcome = profile.add(dataList, currentPackageNumber);
    if (outcome == ProfileAssembler::Outcome::Ignored) {
        qDebug() << "忽略第" << currentPackageNumber << "包数据，等待第" << profile.currentPackage() << "包";
        return;
    }
    qDebug() << "当前已接收到的数据长度:" << profile.sampleCount();

    switch (outcome) {
    case ProfileAssembler::Outcome::Complete:
        completeFetch();
        break;
    case ProfileAssembler::Outcome::Short:
        qDebug() << "全部数据包已接收，数据长度不足：" << profile.sampleCount() << profile.totalNumber();
        failFetch();
        break;
    default:
        restartPackageTimer();
        requestCurrentPackage();
    }
}

void NetworkController::restartPackageTimer()
{
    getOnePacketTimer->start();
    getOnePacketTimeoutTimes = 0;
}

void NetworkController::stopFetch()
{
    getOnePacketTimer->stop();
    getOnePacketTimeoutTimes = 0;
    profile.clear();
}

void NetworkController::completeFetch()
{
    GlobalData *data = GlobalData::instance();
    // The profile on show, and its evaluation, give way only to a whole one.
    sampleList() = profile.takeProfile();
    stopFetch();
    setRecvMeasureResultStatus(false);
    data->measurePurpose = std::exchange(runPurpose, 0);
    emit data->measureDataListChanged();
    emit dataReceiveCompleted();
    data->measurePurpose = 0;
    showKeyedNotice("dataReceptionCompleted", kNoticeSuccess);
    showKeyedNotice("automaticReturnInProgress", kNoticeSuccess);
}

void NetworkController::failFetch()
{
    stopFetch();
    setRecvMeasureResultStatus(false);
    runPurpose = 0;
    GlobalData::instance()->measurePurpose = 0;
    showKeyedNotice("measureFail", kNoticeError);
}

void NetworkController::onGetOnePacketTimerTimeout()
{
    qDebug() << "onGetOnePacketTimerTimeout: " << getOnePacketTimeoutTimes;
    if (!recvMeasureResultStatus) {
        stopFetch();
        return;
    }
    if (activeNetworkModel && ++unansweredPackageRequests >= kMaxUnansweredRequests) {
        declareUnitSilent();
        return;
    }
    if (++getOnePacketTimeoutTimes >= kMaxPackageTimeouts) {
        qDebug() << "数据包获取超时次数过多，放弃接收";
        failFetch();
        return;
    }
    qDebug() << "currentPackage: " << profile.currentPackage() << " packageNumber: " << profile.packageNumber();
    qDebug() << "超时：请求重新获取第" << profile.currentPackage() << "包数据";
    requestCurrentPackage();
}

void NetworkController::endRunWithoutProfile()
{
    stopFetch();
    awaitingCompletionReport = false;
    setMoterMeasureStatus(false);
    setRecvMeasureResultStatus(false);
    setCalibrationStatus(false);
    runPurpose = 0;
    GlobalData::instance()->measurePurpose = 0;
}

void NetworkController::endRunIfReportLost()
{
    if (!awaitingCompletionReport)
        return;
    qDebug() << "未收到测量完成报告";
    endRunWithoutProfile();
    showKeyedNotice("measureFail", kNoticeError);
}

void NetworkController::onEndOfReturnRecved()
{
    setMoterMoveStatus(false);
    printStatus();
    endRunIfReportLost();
    showKeyedNotice("automaticReturnEnd", kNoticeSuccess);
    emit calibrationAccomplish();
}

void NetworkController::onOutOfMeasurementRangeRecved()
{
    showKeyedNotice("measurementOutOfRange", kNoticeError);
    endRunWithoutProfile();
}

void NetworkController::onMotorSpeedErrorRecved()
{
    emit motorSpeedError();
    endRunWithoutProfile();
}

void NetworkController::onMeasurementStop()
{
    emit stopMeasurement();
    endRunWithoutProfile();
}

// Calibration ----------------------------------------------------------------

void NetworkController::startCalibration(quint8 mode)
{
    if (activeNetworkModel)
        activeNetworkModel->sendStartCalibration(mode);
}

void NetworkController::requestCalibrationStatus()
{
    if (activeNetworkModel)
        activeNetworkModel->sendGetCalibrationStatus();
}

void NetworkController::startCalibrationMeasurement(double referenceRa)
{
    GlobalData::instance()->referenceRa = referenceRa;
    startRun(1);
}

void NetworkController::updateCalibrationFactor()
{
    const float factor = float(GlobalData::instance()->calibrationFactor);
    // The unit would keep a factor that turns every later profile into
    // nonsense, and read it back at every connection.
    if (!std::isfinite(factor) || factor <= 0.0f || !activeNetworkModel) {
        qDebug() << "校准系数未写入：" << factor;
        showKeyedNotice("calibrateFail", kNoticeError);
        return;
    }
    activeNetworkModel->sendUpdateCalibrationFactor(factor);
    factorAcknowledgeTimer->start();
}

void NetworkController::requestCalibrationFactor()
{
    if (activeNetworkModel)
        activeNetworkModel->sendGetCalibrationFactor();
}

void NetworkController::onStartCalibrationRecved(uchar value)
{
    Q_UNUSED(value)
}

void NetworkController::oncalibrationStatusRecved(uchar status)
{
    setCurrentCalibrationStatus(status != 0);
    emit speedIsCalibrationStatusRecved(status != 0);
}

void NetworkController::onCalibrationSpeedCompleteRecved(uchar measureSpeed)
{
    Q_UNUSED(measureSpeed)
    setCurrentCalibrationStatus(true);
    emit speedIsCalibrationStatusRecved(true);
    emit calibrationSpeedCompleteRecved();
    emit calibrationAccomplish();
    stopFetch();
    setCalibrationStatus(false);
    setMoterMeasureStatus(false);
    setRecvMeasureResultStatus(false);
}

void NetworkController::onMotorStatusUpdateRecved()
{
    requestCalibrationFactor();
}

void NetworkController::onCalibrationFactorUpdateResponse(float value)
{
    // A read answered after the new factor was computed but before the unit
    // took it would bring the old one back.
    if (factorAcknowledgeTimer && factorAcknowledgeTimer->isActive()) {
        qDebug() << "校准系数写入中，忽略读取值：" << value;
        return;
    }
    if (!std::isfinite(value) || value <= 0.0f) {
        qDebug() << "校准系数无效，保留原值：" << value;
        return;
    }
    GlobalData::instance()->calibrationFactor = double(value);
}

void NetworkController::onCalibrationFactorUpdateComplete()
{
    const bool confirmsWrite = factorAcknowledgeTimer && factorAcknowledgeTimer->isActive();
    if (confirmsWrite)
        factorAcknowledgeTimer->stop();
    emit calibrationFactorUpdateComplete();
    if (confirmsWrite)
        showKeyedNotice("raValueCalibrationCompleted", kNoticeSuccess);
}

// Needle position ------------------------------------------------------------

void NetworkController::getNeedlePosition()
{
    if (activeNetworkModel)
        activeNetworkModel->sendGetNeedlePosition();
}

void NetworkController::setNeedlePositionTimerActive(bool active)
{
    qDebug() << "getNeedlePositionTimer: " << active;
    if (active)
        getNeedlePositionTimer->start();
    else
        getNeedlePositionTimer->stop();
}

void NetworkController::requestConfirmNeedlePosition()
{
    if (activeNetworkModel)
        activeNetworkModel->sendConfirmNeedlePosition();
}

void NetworkController::requestNeedlePosition()
{
    if (activeNetworkModel)
        activeNetworkModel->sendRequestNeedlePosition();
}

void NetworkController::onGetNeedlePositionTimerTimeout()
{
    if (moterMeasureStatus || recvMeasureResultStatus)
        return;
    getNeedlePosition();
}

void NetworkController::onNeedlePositionRecved(quint16 value)
{
    emit needlePosition(int(value));
}

void NetworkController::onConfirmNeedlePosition(bool status)
{
    emit confirmNeedlePosition(status);
}

void NetworkController::onResponseNeedlePosition(float voltage, int position)
{
    emit responseNeedlePosition(voltage, position);
}

// Records kept in the instrument ---------------------------------------------

void NetworkController::requestExecutingMachineDataCount()
{
    if (activeNetworkModel)
        activeNetworkModel->sendGetExecutingMachineDataCount();
}

bool NetworkController::requestExecutingMachineData(int index)
{
    if (index < 1 || index > 0xFFFF) {
        qDebug() << "记录序号超出范围：" << index;
        return false;
    }
    if (activeNetworkModel)
        activeNetworkModel->sendGetExecutingMachineData(quint16(index));
    return true;
}

void NetworkController::onExecutingMachineDataUpdata(int num)
{
    emit executingMachineDataUpdata(num);
}

void NetworkController::onGetExecutingMachineData(DATA_SAVE record)
{
    switch (GlobalData::instance()->executingMachineDataAction) {
    case 1:
        emit getExecutingMachineData_open(record);
        break;
    case 2:
        emit getExecutingMachineData_print(record);
        break;
    case 3:
        emit getExecutingMachineData_export(record);
        break;
    default:
        break;
    }
}
