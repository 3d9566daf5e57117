#include "Rk520Texts.h"

#include "Translatable.h"

namespace {

constexpr const char* kSameFrequency = QT_TRANSLATE_NOOP("rk520", "同频不能设置中继、脱网、倒频功能");

const rk::ModelTexts kTexts{
    .context = "rk520",
    .check =
        {
            .sameFreqTalkaround = kSameFrequency,
            .sameFreqRepeater = kSameFrequency,
            .sameFreqReverse = kSameFrequency,
            .split = QT_TRANSLATE_NOOP("rk520", "接收频率与发射频率的差值必须小于等于10MHz"),
            .band = QT_TRANSLATE_NOOP("rk520", "频段值必须在100MHz－480MHz内，以1MHz递增"),
            .rxOutOfBand = QT_TRANSLATE_NOOP("rk520", "接收频率值超出频段范围"),
            .txOutOfBand = QT_TRANSLATE_NOOP("rk520", "发射频率值超出频段范围"),
            .rxStep = QT_TRANSLATE_NOOP("rk520", "接收频率值必须是6.25KHz或5KHz的整数倍"),
            .txStep = QT_TRANSLATE_NOOP("rk520", "发射频率值必须是6.25KHz或5KHz的整数倍"),
            .totLimit = QT_TRANSLATE_NOOP("rk520", "发射限时必须大于等于0.1，小于等于10"),
            .repeaterDelay = QT_TRANSLATE_NOOP("rk520", "中继时延必须小于等于10"),
        },
    .transfer =
        {
            .openFailedHandshake = QT_TRANSLATE_NOOP("rk520", "创建通信失败"),
            .openFailedBlockRequest = QT_TRANSLATE_NOOP("rk520", "创建通信失败"),
            .openFailedWriteBlock = QT_TRANSLATE_NOOP("rk520", "建立通信文件失败"),
            .noHandshakeReply = QT_TRANSLATE_NOOP("rk520", "请检查COM口至对讲机的连接及其设置"),
            .readDone = QT_TRANSLATE_NOOP("rk520", "数据已从对讲机中读出"),
            .writeDone = QT_TRANSLATE_NOOP("rk520", "数据已写入对讲机"),
            .incompleteRead = QT_TRANSLATE_NOOP("rk520", "对讲机返回的数据不完整"),
            .portDevice = QT_TRANSLATE_NOOP("rk520", "%1 = %2"),
            .portLine = QT_TRANSLATE_NOOP("rk520", "%1：%2"),
            .portsTried = QT_TRANSLATE_NOOP("rk520", "已尝试的串口："),
            .noSerialDevices = QT_TRANSLATE_NOOP("rk520", "这台计算机上没有找到任何串口设备。请插上写频线（USB 串口线）后再试。"),
            .portUnassigned = QT_TRANSLATE_NOOP("rk520", "没有对应的串口设备。请在“串口选择”菜单中换一个串口。"),
            .portAbsent = QT_TRANSLATE_NOOP("rk520", "设备不存在。请检查写频线是否插好。"),
            .portPermission = QT_TRANSLATE_NOOP("rk520", "没有打开该设备的权限。请把当前用户加入 dialout 组：sudo usermod -aG dialout $USER，然后重新登录。"),
            .portInUse = QT_TRANSLATE_NOOP("rk520", "该设备正被另一个程序使用。请先关闭那个程序。"),
            .portOpenFailed = QT_TRANSLATE_NOOP("rk520", "无法打开该设备。"),
            .noReply = QT_TRANSLATE_NOOP("rk520", "对讲机没有应答。请检查对讲机是否已开机、写频线是否插好。"),
            .wrongReply = QT_TRANSLATE_NOOP("rk520", "对讲机的应答不正确。"),
            .nothingWritten = QT_TRANSLATE_NOOP("rk520", "未写入任何数据。"),
            .backupSaved = QT_TRANSLATE_NOOP("rk520", "写入前的对讲机数据已保存到：%1"),
            .backupNotSaved = QT_TRANSLATE_NOOP("rk520", "无法保存对讲机数据的备份文件：%1（%2）"),
            .verifyMatches = QT_TRANSLATE_NOOP("rk520", "读回校验一致。"),
            .verifyDiffers = QT_TRANSLATE_NOOP("rk520", "写入后读回的数据与写入的不一致："),
            .verifyReadFailed = QT_TRANSLATE_NOOP("rk520", "数据已写入对讲机，但未能读回校验："),
            .partlyWritten = QT_TRANSLATE_NOOP("rk520", "对讲机中的数据只写入了一部分（%1/%2块）。"),
            .blockOnLine = QT_TRANSLATE_NOOP("rk520", "正在写入第%1块（共%2块）。"),
        },
    // Reports name channels, fields and values as the form shows them.
    .report =
        {
            .channel = QT_TRANSLATE_NOOP("rk520", "%1频道"),
            .channelField = QT_TRANSLATE_NOOP("rk520", "%1 %2"),
            .refusalBand = QT_TRANSLATE_NOOP("rk520", "%1；频段 %2–%3 MHz"),
            .bandSetting = QT_TRANSLATE_NOOP("rk520", "频段 %1–%2 MHz"),
            .difference = QT_TRANSLATE_NOOP("rk520", "%1：写入 %2，读回 %3"),
            .moreDifferences = QT_TRANSLATE_NOOP("rk520", "……另有 %1 处不一致"),
            .byteAt = QT_TRANSLATE_NOOP("rk520", "第 %1 字节"),
            .on = QT_TRANSLATE_NOOP("rk520", "有"),
            .off = QT_TRANSLATE_NOOP("rk520", "无"),
            .powerHigh = QT_TRANSLATE_NOOP("rk520", "大功率"),
            .powerLow = QT_TRANSLATE_NOOP("rk520", "小功率"),
            .codeNone = QT_TRANSLATE_NOOP("rk520", "无"),
            .rxFrequency = QT_TRANSLATE_NOOP("rk520", "接收频率"),
            .txFrequency = QT_TRANSLATE_NOOP("rk520", "发射频率"),
            .rxCode = QT_TRANSLATE_NOOP("rk520", "接收编码表"),
            .txCode = QT_TRANSLATE_NOOP("rk520", "发射编码表"),
            .squelchLevel = QT_TRANSLATE_NOOP("rk520", "静噪等级"),
            .repeaterDelay = QT_TRANSLATE_NOOP("rk520", "中继及延时（秒）"),
            .power = QT_TRANSLATE_NOOP("rk520", "功率选择"),
            .txInhibit = QT_TRANSLATE_NOOP("rk520", "禁发"),
            .beatShift = QT_TRANSLATE_NOOP("rk520", "拍频偏移"),
            .talkaround = QT_TRANSLATE_NOOP("rk520", "脱网"),
            .repeater = QT_TRANSLATE_NOOP("rk520", "中继及延时"),
            .reverse = QT_TRANSLATE_NOOP("rk520", "倒频"),
            .scrambler = QT_TRANSLATE_NOOP("rk520", "密话"),
            .band = QT_TRANSLATE_NOOP("rk520", "频段"),
            .totLimit = QT_TRANSLATE_NOOP("rk520", "TOT限时"),
            .scanGroupA = QT_TRANSLATE_NOOP("rk520", "扫描设置 A组"),
            .scanGroupB = QT_TRANSLATE_NOOP("rk520", "扫描设置 B组"),
            .lastUsedChannel = QT_TRANSLATE_NOOP("rk520", "最后使用的频道"),
            .channelBitmap = QT_TRANSLATE_NOOP("rk520", "已设置频道"),
        },
};

}  // namespace

const rk::ModelTexts& Rk520Texts() { return kTexts; }
