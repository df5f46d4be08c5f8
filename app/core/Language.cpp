#include "Language.h"

#include "Codes.h"

namespace {
struct Entry {
    const char *key;
    const char *chinese;
    const char *english;
};

const Entry kEntries[] = {
    {"roughnessTester", "粗糙度仪", "Roughness Tester"},
    {"masterControlSoftware", "粗糙度仪主控软件", "Master control software of roughness tester"},
    {"auto", "自动", "Auto"},
    {"global", "全域", "Global"},
    {"firstHalf", "前半", "First Half"},
    {"latterHalf", "后半", "Latter Half"},
    {"centre", "中心", "Centre"},
    {"twoPoint", "两点", "2 Point"},
    {"spline", "花键曲线", "Spline"},
    {"measureCalculateSettings", "测量计算设置", "Meas.Calc.Set."},
    {"actuatorMeasurementConfiguration", "下位机测量配置", "Act.Meas.Config."},
    {"measureSpeed", "测量速度", "Meas.Speed"},
    {"calculationStandard", "计算标准", "Calc.Stand."},
    {"filter", "滤波", "Filter"},
    {"cutoffS", "λs", "λs"},
    {"cutoffC", "λc", "λc"},
    {"samplingLength", "取样长度", "sampling length"},
    {"samplingNum", "取样个数", "sampling num"},
    {"saveData", "保存数据", "Save Data"},
    {"calibration", "校准", "Calibration"},
    {"measureRange", "测量范围", "Meas.Range"},
    {"open", "开", "Open"},
    {"close", "关", "Close"},
    {"language", "语言", "Language"},
    {"unit", "单位", "Unit"},
    {"metricSystem", "公制", "Metric System"},
    {"imperialSystem", "英制", "Imperial System"},
    {"autoSave", "自动保存", "Auto Save"},
    {"about", "关于", "About"},
    {"softwareName", "软件名称", "Software Name"},
    {"softwareVersionNumber", "软件版本号", "Software Version Number"},
    {"softwareVersionTime", "软件版本时间", "Software Version Time"},
    {"equipmentName", "设备名称", "Equipment Name"},
    {"equipmentModel", "设备型号", "Equipment Model"},
    {"equipmentSerialNumber", "设备序列号", "Equipment Serial Number"},
    {"parameterCalculationResults", "参数计算结果", "Para.Calc.Res."},
    {"measurementInformation", "测量信息", "Meas. Info."},
    {"measurementCurve", "测量曲线", "Meas. Curve"},
    {"shapeRemoval", "形状去除", "Form Rmv."},
    {"wavinessProfile", "波纹度轮廓", "Waviness"},
    {"roughnessProfile", "粗糙度轮廓", "Roughness"},
    {"abbottFirestoneCurve", "支承率曲线", "AbbottFirestone"},
    {"amplitudeCurve", "幅度分布曲线", "Amplitude Curve"},
    {"bearingLengthRatio", "支承长度率", "Bearing Length Ratio"},
    {"relativeBearingLengthRatio", "相对支承长度率", "Relative Bearing Length Ratio"},
    {"horizontalCrossSectionHeightDifference", "水平截面高度差", "Horizontal Cross Section Height Difference"},
    {"open2", "打开", "Open"},
    {"print", "打印", "Print"},
    {"rename", "重命名", "Rename"},
    {"delete", "删除", "Delete"},
    {"clear", "清空", "Clear"},
    {"number", "编号", "No."},
    {"fileName", "文件名", "File Name"},
    {"measurementTime", "测量时间", "Meas. Time."},
    {"waveFilter", "滤波器", "Wave Filter"},
    {"measurementReport", "测量报告", "Meas. Report"},
    {"reportName", "报告名称", "Report Name"},
    {"printer", "打印机", "Printer"},
    {"paperSize", "纸张大小", "Paper Size"},
    {"cancel", "取消", "Cancel"},
    {"noFileIsCurrentlySelected", "当前没有选中文件", "No file is currently selected"},
    {"thereAreNoFilesToDelete", "没有文件可以删除", "There are no files to delete"},
    {"measureFileList", "测量文件列表", "Meas.FileList"},
    {"pleaseEnterANewName", "请输入新名称", "Please enter a new name"},
    {"confirm", "确认", "Confirm"},
    {"confirmToDeleteSelectedFile", "确认要删除当前选中文件吗？",
     "Are you sure you want to delete the currently selected file?"},
    {"emptyTheQueriedFiles", "确认要清空当前查询到的文件吗？", "Do you want to empty the queried files?"},
    {"time", "时间", "Time"},
    {"raCalibrationValue", "Ra 标定值", "Ra Value     "},
    {"toSpeedCalibrating", "速度校准", "Speed calibration"},
    {"calibratingSpeed", "正在校准速度", "calibratingSpeed"},
    {"speedCalibrationCompleted", "速度校准已完成", "Speed calibration completed"},
    {"raValueCalibrationCompleted", "Ra 值校准完成", "Ra value calibration completed"},
    {"measureLength", "测量长度", "Meas.Length"},
    {"filesHasReachedTheUpperLimit", "当前存储文件数量达到上限，请及时清理",
     "The number of files has reached the upper limit."},
    {"savedSuccessfully", "保存成功", "Saved Successfully"},
    {"saveFailed", "保存失败", "Save Failed"},
    {"duplicateFileName", "文件名重复", "Duplicate file name"},
    {"theFileIsOccupied.", "文件被占用", "The file is occupied."},
    {"renameSucceeded", "重命名成功", "Rename Succeeded"},
    {"deleteSucceeded", "删除成功", "Delete succeeded"},
    {"communicationConnected", "通信已连接", "Communication connected"},
    {"communicationDisconnected", "通信已断开", "Communication disconnected"},
    {"startMeasurement", "开始测量", "Start measurement"},
    {"startCalibration", "开始校准", "Start calibration"},
    {"measuring", "正在测量", "Measuring"},
    {"returning", "正在回程", "Returning"},
    {"dataReceptionCompleted", "数据接收完成", "Data reception completed"},
    {"automaticReturnInProgress", "正在自动回程", "Automatic return in progress"},
    {"measurementOutOfRange", "测量超出范围", "Measurement out of range"},
    {"automaticReturnEnd", "自动回程结束", "Automatic return end"},
    {"speedCalibrationFailed", "速度校准失败", "Speed calibration failed"},
    {"currentStateCannotSave", "当前状态无法保存", "The current state cannot be saved"},
    {"noDataToSave", "当前没有可以保存的数据", "There is currently no data to save"},
    {"theCurrentStateCannotBeCalibrated", "当前状态无法校准", "The current state cannot be calibrated"},
    {"calibrating", "正在校准", "Calibrating"},
    {"firstPage", "首页", "First"},
    {"previousPage", "上一页", "Prev"},
    {"nextPage", "下一页", "Next"},
    {"lastPage", "尾页", "Last"},
    {"jump", "跳转", "Jump"},
    {"noData", "当前没有可保存的数据", "There is currently no data to save"},
    {"exit", "退出", "Exit"},
    {"exitTheProgram", "确认要退出程序吗？", "Whether to exit the program?"},
    {"calibrationLoading", "正在校准，请稍等。", "Please wait a moment while calibrating."},
    {"calibrationAccomplish", "校准完成。", "The calibration completed."},
    {"hint", "提示", "Hint"},
    {"enteredDeveloperModel", "已进入开发者模式。", "You have entered developer mode."},
    {"developerModel", "开发者模式", "Developer Mode"},
    {"equipmentNotCalibrated", "设备速度未校准，请先校准速度",
     "The equipment speed is not calibrated. Please calibrate the speed first."},
    {"motorSpeedError", "电机速度错误，本次测量结束", "Motor speed error, this measurement is over."},
    {"measurementStoped", "测量中断，正在自动回程", "Measurement is interrupted. Automatic return is underway"},
    {"newMeasurementRangeApplied", "新的测量范围已应用", "The new measurement range has been applied"},
    {"newMeasurementLengthApplied", "新的测量范围已应用", "The new measuring lengths have been applied"},
    {"speedCalibration", "速度校准", "Speed Calibration"},
    {"middleNeedleVoltageCalibration", "中针电压校准", "Middle Needle Voltage Calibration"},
    {"voltageValueCalibrationSucceeded", "电压值校准成功", "Voltage value calibration succeeded"},
    {"voltageValueCalibrationFailed", "电压值校准失败", "Voltage value calibration failed"},
    {"duplicationFileName", "文件名重复", "duplication file name"},
    {"RaValueOutOfLimit", "Ra值超出限定范围", "Ra value out of limit!"},
    {"measurementLengthSetting", "测量长度设置", "Length Setting"},
    {"export", "导出", "export"},
    {"refresh", "刷新", "refresh"},
    {"measureFail", "测量失败，请重新测量!", "Measurement failed, please recalibrate!"},
    {"calibrateFail", "校准失败，请重新校准!", "Calibration failed, please recalibrate"},
    // Failures the operator must hear about that the original table has no text for.
    {"openFailed", "打开文件失败", "Failed to open the file"},
    {"printFailed", "打印失败", "Print failed"},
};

// Each entry holds exactly two texts; a stored index outside them (a
// hand-edited configuration) falls back to Chinese.
int textIndex(int language)
{
    return language == LanguageCode::English ? LanguageCode::English : LanguageCode::Chinese;
}
}

Language *Language::instance()
{
    static Language language;
    return &language;
}

Language::Language()
{
    loadDictionary();
    updateCurrentLanguage();
}

QString Language::text(const QString &key)
{
    return currentTexts[key];
}

void Language::setLanguage(int index)
{
    language = textIndex(index);
    updateCurrentLanguage();
    emit languageChanged(language);
}

void Language::reloadDictionary()
{
    loadDictionary();
    updateCurrentLanguage();
}

void Language::loadDictionary()
{
    for (const Entry &entry : kEntries)
        dictionary.insert(QString::fromUtf8(entry.key),
                          {QString::fromUtf8(entry.chinese), QString::fromUtf8(entry.english)});
}

void Language::updateCurrentLanguage()
{
    currentTexts.clear();
    const int index = textIndex(language);
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it)
        currentTexts.insert(it.key(), it.value().at(index));
}
