#include "Rk7400Profile.h"

#include "Rk7400Rules.h"

namespace {

const rk::ModelProfile kProfile{
    .rules = Rk7400Rules(),
    .language = "ru",
    .toolbarButtonWidth = 25,
    .menu =
        {
            .file = "Файл",
            .fileNew = "Создать",
            .fileOpen = "Открыть...",
            .fileSave = "Сохранить",
            .fileSaveAs = "Сохранить как...",
            .recentPlaceholder = "Recent Files",
            .fileExit = "Выход",
            .view = "Вид",
            .viewToolbar = "Инструменты",
            .viewStatusBar = "Состояние",
            .port = "Порт",
            .portCom1 = "COM1",
            .portCom2 = "COM2",
            .operation = "Операция",
            .operationWrite = "Запись",
            .operationRead = "Чтение",
            .help = "Помощь",
            .helpAbout = "О программе",
        },
    .prompts =
        {
            .fileNew = {"Создание нового документа", "Новый"},
            .fileOpen = {"Открытие документа", "Открыть"},
            .fileSave = {"Сохранение документа", "Сохранить"},
            .fileSaveAs = {"Сохранение документа с новым именем", "Сохранить как"},
            .recentFile = {"Открыт документ", "Открыт документ"},
            .fileExit = {"Закрытие программы; сохранение документа", "Выход"},
            .viewToolbar = {"Отобразить или спрятать инструменты", "Отобразить или спрятать инструменты"},
            .viewStatusBar = {"Отобразить или спрятать состояние", "Отобразить или спрятать состояние"},
            .portCom1 = {"Выбран COM1", "Выбран COM1"},
            .portCom2 = {"Выбран COM2", "Выбран COM2"},
            .write = {"Запись данных на рацию", "Запись данных на рацию"},
            .read = {"Чтение данных с рации", "Чтение данных с рации"},
        },
    .ids = {.portCom1 = 32771, .portCom2 = 32772, .write = 32776, .read = 32774},
    .shell =
        {
            .programTitle = "rk7400",
            .idleStatus = "Готово",
            .capsIndicator = "Cap",
            .numIndicator = "Num",
            .scrollIndicator = "Scr",
            .aboutTitle = "О программе rk7400",
            .aboutVersion = "rk7400, версия 1.0",
            .aboutCopyright = "Copyright (C) 2026",
            .untitledName = "Безымянный",
            .cannotOpenFile = "Не удается открыть файл «%1».",
            .unexpectedFormat = "Файл «%1» имеет неверный формат.",
            .cannotWriteFile = "Не удается записать файл «%1».",
            .saveChangesQuestion = "Сохранить изменения в «%1»?",
            .quitDuringWriteQuestion =
                "Идёт запись в рацию. Если выйти сейчас, данные в рации будут неполными. Всё равно выйти?",
        },
    .documentType =
        {
            .windowTitle = "Программатор для TLVR (RKP_7400)",
            .newFileName = "Rk7400",
            .filterName = "Rk7400 ?? (*.zu1)",
            .fileTypeId = "Rk7400.Document",
            .fileTypeName = "Rk7400 Document",
        },
    .editor =
        {
            .channelSuffix = "",
            .codeNone = "НЕТ",
            .optionNo = "НЕТ",
            .optionYes = "ДА",
            .powerHigh = "HIGH",
            .powerLow = "LOW",
            .numberRequired = "Введите число.",
        },
    .hasTotLimit = false,
    .hasTxInhibit = false,
    .hasReverse = false,
    .hasTalkaround = false,
    .channelTable =
        {
            .exportCommand = "Экспорт каналов (CSV)…",
            .importCommand = "Импорт каналов (CSV)…",
            .exportPrompt = {"Сохранение каналов в таблицу CSV", "Экспорт каналов"},
            .importPrompt = {"Загрузка каналов из таблицы CSV", "Импорт каналов"},
            .filter = "Таблица каналов (*.csv)",
            .problemLine = "Строка %1, столбец %2: %3",
            .rowProblem = "Строка %1: %2",
            .moreProblems = "…и ещё ошибок: %1",
            .importValidRows = "Импортировать остальные верные строки (%1)?",
            .nothingToImport = "В таблице нет строк, которые можно импортировать.",
            .unlistedCodes = "Коды этих каналов отсутствуют в таблицах и не экспортированы: %1",
            .reasons =
                {
                    .missingColumn = "нет такого столбца",
                    .unclosedQuote = "не закрыта кавычка",
                    .required = "пустое значение",
                    .notANumber = "не число",
                    .locationOutOfRange = "номер канала должен быть от 1 до 64",
                    .duplicateLocation = "этот канал уже есть в строке выше",
                    .frequencyOutOfRange = "частота вне допустимых пределов",
                    .unknownDuplex = "допустимо +, -, split, off или пусто",
                    .unknownToneMode = "допустимо Tone, TSQL, DTCS, Cross или пусто",
                    .unknownCrossMode = "неверный режим Cross",
                    .toneNotInTable = "такого тона нет в рации",
                    .dcsNotInTable = "такого кода DCS нет в рации",
                    .unknownPolarity = "нужны две буквы N или R",
                    .unknownMode = "рация поддерживает только FM",
                    .unknownPower = "допустимо High, Low или мощность в ваттах",
                    .squelchOutOfRange = "уровень шумодава от 0 до 9",
                    .delayOutOfRange = "задержка от 0 до 25.5 секунд",
                    .notYesOrNo = "допустимо Y или N",
                    .scanGroupFull = "в группе сканирования уже 16 каналов",
                },
        },
};

}  // namespace

const rk::ModelProfile& Rk7400Profile() { return kProfile; }
