#include "Rk520Rules.h"

#include "Translatable.h"

namespace {

constexpr const char* kSameFrequency = QT_TRANSLATE_NOOP("rk520", "同频不能设置中继、脱网、倒频功能");

const rk::ModelRules kRules{
    .programName = "rk520",
    .extension = ".rkd",
    .validation =
        {
            .highestBandEdge = 48'000'000,
            .greatestSplit = 1'000'000,
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
        },
    .searchesPorts = false,
    .acceptsDecimalComma = false,
};

}  // namespace

const rk::ModelRules& Rk520Rules() { return kRules; }
