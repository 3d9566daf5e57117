#include "Rk520Profile.h"

#include "Rk520Rules.h"
#include "Translatable.h"

namespace {

const rk::ModelProfile kProfile{
    .rules = Rk520Rules(),
    .language = "zh_CN",
    .toolbarButtonWidth = 16,
    .menu =
        {
            .file = QT_TRANSLATE_NOOP("rk520", "文件(&F)"),
            .fileNew = QT_TRANSLATE_NOOP("rk520", "新建(&N)"),
            .fileOpen = QT_TRANSLATE_NOOP("rk520", "打开(&O)..."),
            .fileSave = QT_TRANSLATE_NOOP("rk520", "保存(&S)"),
            .fileSaveAs = QT_TRANSLATE_NOOP("rk520", "另存为(&A)..."),
            .recentPlaceholder = QT_TRANSLATE_NOOP("rk520", "最近文件"),
            .fileExit = QT_TRANSLATE_NOOP("rk520", "退出(&X)"),
            .view = QT_TRANSLATE_NOOP("rk520", "查看(&V)"),
            .viewToolbar = QT_TRANSLATE_NOOP("rk520", "工具栏(&T)"),
            .viewStatusBar = QT_TRANSLATE_NOOP("rk520", "状态栏(&S)"),
            .port = QT_TRANSLATE_NOOP("rk520", "串口选择(&S)"),
            .portCom1 = "COM1",
            .portCom2 = "COM2",
            .operation = QT_TRANSLATE_NOOP("rk520", "操作选择(&O)"),
            .operationWrite = QT_TRANSLATE_NOOP("rk520", "写入对讲机"),
            .operationRead = QT_TRANSLATE_NOOP("rk520", "对讲机读出"),
            .help = QT_TRANSLATE_NOOP("rk520", "帮助(&H)"),
            .helpAbout = QT_TRANSLATE_NOOP("rk520", "关于 rk520(&A)..."),
            .language = QT_TRANSLATE_NOOP("rk520", "语言(Language)"),
            .languageName = QT_TRANSLATE_NOOP("rk520", "中文"),
        },
    .prompts =
        {
            .fileNew = {QT_TRANSLATE_NOOP("rk520", "建立新文档"), QT_TRANSLATE_NOOP("rk520", "新建")},
            .fileOpen = {QT_TRANSLATE_NOOP("rk520", "打开一个现有文档"), QT_TRANSLATE_NOOP("rk520", "打开")},
            .fileSave = {QT_TRANSLATE_NOOP("rk520", "保存活动文档"), QT_TRANSLATE_NOOP("rk520", "保存")},
            .fileSaveAs = {QT_TRANSLATE_NOOP("rk520", "将活动文档以一个新文件名保存"), QT_TRANSLATE_NOOP("rk520", "另存为")},
            .recentFile = {QT_TRANSLATE_NOOP("rk520", "打开该文档"), QT_TRANSLATE_NOOP("rk520", "打开该文档")},
            .fileExit = {QT_TRANSLATE_NOOP("rk520", "退出应用程序；提示保存文档"), QT_TRANSLATE_NOOP("rk520", "退出")},
            .viewToolbar = {QT_TRANSLATE_NOOP("rk520", "显示或隐藏工具栏"), QT_TRANSLATE_NOOP("rk520", "显隐工具栏")},
            .viewStatusBar = {QT_TRANSLATE_NOOP("rk520", "显示或隐藏状态栏"), QT_TRANSLATE_NOOP("rk520", "显隐状态栏")},
            .portCom1 = {QT_TRANSLATE_NOOP("rk520", "选择计算机COM1口写频"), QT_TRANSLATE_NOOP("rk520", "选择计算机COM1口写频")},
            .portCom2 = {QT_TRANSLATE_NOOP("rk520", "选择计算机COM2口写频"), QT_TRANSLATE_NOOP("rk520", "选择计算机COM2口写频")},
            .write = {QT_TRANSLATE_NOOP("rk520", "将数据写入对讲机"), QT_TRANSLATE_NOOP("rk520", "将数据写入对讲机")},
            .read = {QT_TRANSLATE_NOOP("rk520", "将数据从对讲机中读出"), QT_TRANSLATE_NOOP("rk520", "将数据从对讲机中读出")},
            .language = {QT_TRANSLATE_NOOP("rk520", "界面语言切换为%1（下次启动时生效）"),
                         QT_TRANSLATE_NOOP("rk520", "界面语言切换为%1（下次启动时生效）")},
        },
    .ids = {.portCom1 = 32776, .portCom2 = 32777, .write = 32778, .read = 32779},
    .shell =
        {
            .programTitle = "rk520",
            .idleStatus = QT_TRANSLATE_NOOP("rk520", "就绪"),
            .capsIndicator = QT_TRANSLATE_NOOP("rk520", "大写"),
            .numIndicator = QT_TRANSLATE_NOOP("rk520", "数字"),
            .scrollIndicator = QT_TRANSLATE_NOOP("rk520", "滚动"),
            .aboutTitle = QT_TRANSLATE_NOOP("rk520", "关于 rk520"),
            .aboutVersion = QT_TRANSLATE_NOOP("rk520", "rk520 1.0 版"),
            .aboutCopyright = QT_TRANSLATE_NOOP("rk520", "版权所有 (C) 2026"),
            .untitledName = QT_TRANSLATE_NOOP("rk520", "无标题"),
            .cannotOpenFile = QT_TRANSLATE_NOOP("rk520", "无法打开文件“%1”。"),
            .unexpectedFormat = QT_TRANSLATE_NOOP("rk520", "文件“%1”的格式不正确，无法打开。"),
            .cannotWriteFile = QT_TRANSLATE_NOOP("rk520", "无法写入文件“%1”。"),
            .saveChangesQuestion = QT_TRANSLATE_NOOP("rk520", "是否保存对“%1”的更改？"),
            .quitDuringWriteQuestion = QT_TRANSLATE_NOOP("rk520", "正在写入对讲机，现在退出会使对讲机中的数据不完整。仍要退出吗？"),
        },
    .documentType =
        {
            .windowTitle = QT_TRANSLATE_NOOP("rk520", "TalvoraRKP_520P写频软件"),
            .newFileName = "Rk520",
            .filterName = QT_TRANSLATE_NOOP("rk520", "Rk520 文件 (*.rkd)"),
            .fileTypeId = "Rk520.Document",
            .fileTypeName = "Rk520 Document",
        },
    .editor =
        {
            .channelName = QT_TRANSLATE_NOOP("rk520", "%1频道"),
            .codeTone = QT_TRANSLATE_NOOP("rk520", "QT"),
            .codeDigital = QT_TRANSLATE_NOOP("rk520", "DQT"),
            .codeNone = QT_TRANSLATE_NOOP("rk520", "无"),
            .optionNo = QT_TRANSLATE_NOOP("rk520", "无"),
            .optionYes = QT_TRANSLATE_NOOP("rk520", "有"),
            .powerHigh = QT_TRANSLATE_NOOP("rk520", "大功率"),
            .powerLow = QT_TRANSLATE_NOOP("rk520", "小功率"),
            .numberRequired = QT_TRANSLATE_NOOP("rk520", "请输入一个数字。"),
        },
    .hasTotLimit = true,
    .hasTxInhibit = true,
    .hasReverse = true,
    .hasTalkaround = true,
    .channelTable =
        {
            .exportCommand = QT_TRANSLATE_NOOP("rk520", "导出频道表(CSV)…"),
            .importCommand = QT_TRANSLATE_NOOP("rk520", "导入频道表(CSV)…"),
            .exportPrompt = {QT_TRANSLATE_NOOP("rk520", "将已设置的频道保存为CSV频道表"), QT_TRANSLATE_NOOP("rk520", "导出频道表")},
            .importPrompt = {QT_TRANSLATE_NOOP("rk520", "从CSV频道表读入频道"), QT_TRANSLATE_NOOP("rk520", "导入频道表")},
            .filter = QT_TRANSLATE_NOOP("rk520", "频道表 (*.csv)"),
            .problemLine = QT_TRANSLATE_NOOP("rk520", "第%1行，%2列：%3"),
            .rowProblem = QT_TRANSLATE_NOOP("rk520", "第%1行：%2"),
            .moreProblems = QT_TRANSLATE_NOOP("rk520", "……另有%1个问题"),
            .importValidRows = QT_TRANSLATE_NOOP("rk520", "是否导入其余%1个有效的行？"),
            .nothingToImport = QT_TRANSLATE_NOOP("rk520", "频道表中没有可导入的行。"),
            .unlistedCodes = QT_TRANSLATE_NOOP("rk520", "以下频道的编码不在编码表中，导出时未包含该编码：%1"),
            .reasons =
                {
                    .missingColumn = QT_TRANSLATE_NOOP("rk520", "缺少此列"),
                    .unclosedQuote = QT_TRANSLATE_NOOP("rk520", "引号未闭合"),
                    .required = QT_TRANSLATE_NOOP("rk520", "不能为空"),
                    .notANumber = QT_TRANSLATE_NOOP("rk520", "不是数字"),
                    .locationOutOfRange = QT_TRANSLATE_NOOP("rk520", "频道号必须在1到64之间"),
                    .duplicateLocation = QT_TRANSLATE_NOOP("rk520", "与前面的行频道号重复"),
                    .frequencyOutOfRange = QT_TRANSLATE_NOOP("rk520", "频率超出范围"),
                    .unknownDuplex = QT_TRANSLATE_NOOP("rk520", "只能是+、-、split、off或空"),
                    .unknownToneMode = QT_TRANSLATE_NOOP("rk520", "只能是Tone、TSQL、DTCS、Cross或空"),
                    .unknownCrossMode = QT_TRANSLATE_NOOP("rk520", "不是有效的交叉模式"),
                    .toneNotInTable = QT_TRANSLATE_NOOP("rk520", "对讲机没有此亚音频率"),
                    .dcsNotInTable = QT_TRANSLATE_NOOP("rk520", "对讲机没有此数字亚音码"),
                    .unknownPolarity = QT_TRANSLATE_NOOP("rk520", "只能是两个字母N或R"),
                    .unknownMode = QT_TRANSLATE_NOOP("rk520", "对讲机只支持FM"),
                    .unknownPower = QT_TRANSLATE_NOOP("rk520", "只能是High、Low或功率瓦数"),
                    .squelchOutOfRange = QT_TRANSLATE_NOOP("rk520", "静噪等级必须在0到9之间"),
                    .delayOutOfRange = QT_TRANSLATE_NOOP("rk520", "延时必须在0到25.5秒之间"),
                    .notYesOrNo = QT_TRANSLATE_NOOP("rk520", "只能是Y或N"),
                    .scanGroupFull = QT_TRANSLATE_NOOP("rk520", "扫描组已有16个频道"),
                },
        },
};

}  // namespace

const rk::ModelProfile& Rk520Profile() { return kProfile; }
