#include "Rk520Profile.h"

#include "Rk520Rules.h"

namespace {

const rk::ModelProfile kProfile{
    .rules = Rk520Rules(),
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
            .fileTypeId = "Rk520.Document",
            .fileTypeName = "Rk520 Document",
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
    .hasTotLimit = true,
    .hasTxInhibit = true,
    .hasReverse = true,
    .hasTalkaround = true,
    .channelTable =
        {
            .exportCommand = "导出频道表(CSV)…",
            .importCommand = "导入频道表(CSV)…",
            .exportPrompt = {"将已设置的频道保存为CSV频道表", "导出频道表"},
            .importPrompt = {"从CSV频道表读入频道", "导入频道表"},
            .filter = "频道表 (*.csv)",
            .problemLine = "第%1行，%2列：%3",
            .rowProblem = "第%1行：%2",
            .moreProblems = "……另有%1个问题",
            .importValidRows = "是否导入其余%1个有效的行？",
            .nothingToImport = "频道表中没有可导入的行。",
            .unlistedCodes = "以下频道的编码不在编码表中，导出时未包含该编码：%1",
            .reasons =
                {
                    .missingColumn = "缺少此列",
                    .unclosedQuote = "引号未闭合",
                    .required = "不能为空",
                    .notANumber = "不是数字",
                    .locationOutOfRange = "频道号必须在1到64之间",
                    .duplicateLocation = "与前面的行频道号重复",
                    .frequencyOutOfRange = "频率超出范围",
                    .unknownDuplex = "只能是+、-、split、off或空",
                    .unknownToneMode = "只能是Tone、TSQL、DTCS、Cross或空",
                    .unknownCrossMode = "不是有效的交叉模式",
                    .toneNotInTable = "对讲机没有此亚音频率",
                    .dcsNotInTable = "对讲机没有此数字亚音码",
                    .unknownPolarity = "只能是两个字母N或R",
                    .unknownMode = "对讲机只支持FM",
                    .unknownPower = "只能是High、Low或功率瓦数",
                    .squelchOutOfRange = "静噪等级必须在0到9之间",
                    .delayOutOfRange = "延时必须在0到25.5秒之间",
                    .notYesOrNo = "只能是Y或N",
                    .scanGroupFull = "扫描组已有16个频道",
                },
        },
};

}  // namespace

const rk::ModelProfile& Rk520Profile() { return kProfile; }
