#include "Rk520Profile.h"

namespace {

constexpr const char* kSameFrequency = "同频不能设置中继、脱网、倒频功能";

const rk::ModelProfile kProfile{
    .programName = "rk520",
    .language = "zh_CN",
    .toolbarButtonWidth = 16,
    .menu =
        {
            .file = "文件(&F)",
            .fileNew = "新建(&N)",
            .fileOpen = "打开(&O)...",
            .fileSave = "保存(&S)",
            .fileSaveAs = "另存为(&A)...",
            .recentPlaceholder = "最近文件",
            .fileExit = "退出(&X)",
            .view = "查看(&V)",
            .viewToolbar = "工具栏(&T)",
            .viewStatusBar = "状态栏(&S)",
            .port = "串口选择(&S)",
            .portCom1 = "COM1",
            .portCom2 = "COM2",
            .operation = "操作选择(&O)",
            .operationWrite = "写入对讲机",
            .operationRead = "对讲机读出",
            .help = "帮助(&H)",
            .helpAbout = "关于 rk520(&A)...",
        },
    .prompts =
        {
            .fileNew = {"建立新文档", "新建"},
            .fileOpen = {"打开一个现有文档", "打开"},
            .fileSave = {"保存活动文档", "保存"},
            .fileSaveAs = {"将活动文档以一个新文件名保存", "另存为"},
            .recentFile = {"打开该文档", "打开该文档"},
            .fileExit = {"退出应用程序；提示保存文档", "退出"},
            .viewToolbar = {"显示或隐藏工具栏", "显隐工具栏"},
            .viewStatusBar = {"显示或隐藏状态栏", "显隐状态栏"},
            .portCom1 = {"选择计算机COM1口写频", "选择计算机COM1口写频"},
            .portCom2 = {"选择计算机COM2口写频", "选择计算机COM2口写频"},
            .write = {"将数据写入对讲机", "将数据写入对讲机"},
            .read = {"将数据从对讲机中读出", "将数据从对讲机中读出"},
        },
    .ids = {.portCom1 = 32776, .portCom2 = 32777, .write = 32778, .read = 32779},
    .shell =
        {
            .programTitle = "rk520",
            .idleStatus = "就绪",
            .capsIndicator = "大写",
            .numIndicator = "数字",
            .scrollIndicator = "滚动",
            .aboutTitle = "关于 rk520",
            .aboutVersion = "rk520 1.0 版",
            .aboutCopyright = "版权所有 (C) 2026",
            .untitledName = "无标题",
            .cannotOpenFile = "无法打开文件“%1”。",
            .unexpectedFormat = "文件“%1”的格式不正确，无法打开。",
            .cannotWriteFile = "无法写入文件“%1”。",
            .saveChangesQuestion = "是否保存对“%1”的更改？",
            .quitDuringWriteQuestion = "正在写入对讲机，现在退出会使对讲机中的数据不完整。仍要退出吗？",
        },
    .documentType =
        {
            .windowTitle = "TalvoraRKP_520P写频软件",
            .newFileName = "Rk520",
            .filterName = "Rk520 文件 (*.rkd)",
            .extension = ".rkd",
            .fileTypeId = "Rk520.Document",
            .fileTypeName = "Rk520 Document",
            .bothTypesFilter = "Rk520 和 Rk7400 文件 (*.rkd *.zu1)",
            .otherTypeFilter = "Rk7400 文件 (*.zu1)",
            .allFilesFilter = "所有文件 (*)",
        },
    .validation =
        {
            .highestBandEdge = 48'000'000,
            .greatestSplit = 1'000'000,
            .sameFreqTalkaround = kSameFrequency,
            .sameFreqRepeater = kSameFrequency,
            .sameFreqReverse = kSameFrequency,
            .split = "接收频率与发射频率的差值必须小于等于10MHz",
            .band = "频段值必须在100MHz－480MHz内，以1MHz递增",
            .rxOutOfBand = "接收频率值超出频段范围",
            .txOutOfBand = "发射频率值超出频段范围",
            .rxStep = "接收频率值必须是6.25KHz或5KHz的整数倍",
            .txStep = "发射频率值必须是6.25KHz或5KHz的整数倍",
            .totLimit = "发射限时必须大于等于0.1，小于等于10",
            .repeaterDelay = "中继时延必须小于等于10",
        },
    .transfer =
        {
            .openFailedHandshake = "创建通信失败",
            .openFailedBlockRequest = "创建通信失败",
            .openFailedWriteBlock = "建立通信文件失败",
            .noHandshakeReply = "请检查COM口至对讲机的连接及其设置",
            .readDone = "数据已从对讲机中读出",
            .writeDone = "数据已写入对讲机",
            .incompleteRead = "对讲机返回的数据不完整",
        },
    .editor =
        {
            .channelSuffix = "频道",
            .codeNone = "无",
            .optionNo = "无",
            .optionYes = "有",
            .powerHigh = "大功率",
            .powerLow = "小功率",
            .numberRequired = "请输入一个数字。",
        },
    .searchesPorts = false,
    .hasTotLimit = true,
    .hasTxInhibit = true,
    .hasReverse = true,
    .hasTalkaround = true,
};

}  // namespace

const rk::ModelProfile& Rk520Profile() { return kProfile; }
