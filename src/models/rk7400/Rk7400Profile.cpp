#include "Rk7400Profile.h"

#include "Rk7400Rules.h"
#include "Translatable.h"

namespace {

const rk::ModelProfile kProfile{
    .rules = Rk7400Rules(),
    .language = "ru",
    .toolbarButtonWidth = 25,
    .menu =
        {
            .file = QT_TRANSLATE_NOOP("rk7400", "Файл"),
            .fileNew = QT_TRANSLATE_NOOP("rk7400", "Создать"),
            .fileOpen = QT_TRANSLATE_NOOP("rk7400", "Открыть..."),
            .fileSave = QT_TRANSLATE_NOOP("rk7400", "Сохранить"),
            .fileSaveAs = QT_TRANSLATE_NOOP("rk7400", "Сохранить как..."),
            .recentPlaceholder = QT_TRANSLATE_NOOP("rk7400", "Recent Files"),
            .fileExit = QT_TRANSLATE_NOOP("rk7400", "Выход"),
            .view = QT_TRANSLATE_NOOP("rk7400", "Вид"),
            .viewToolbar = QT_TRANSLATE_NOOP("rk7400", "Инструменты"),
            .viewStatusBar = QT_TRANSLATE_NOOP("rk7400", "Состояние"),
            .port = QT_TRANSLATE_NOOP("rk7400", "Порт"),
            .portCom1 = "COM1",
            .portCom2 = "COM2",
            .operation = QT_TRANSLATE_NOOP("rk7400", "Операция"),
            .operationWrite = QT_TRANSLATE_NOOP("rk7400", "Запись"),
            .operationRead = QT_TRANSLATE_NOOP("rk7400", "Чтение"),
            .help = QT_TRANSLATE_NOOP("rk7400", "Помощь"),
            .helpAbout = QT_TRANSLATE_NOOP("rk7400", "О программе"),
            .language = QT_TRANSLATE_NOOP("rk7400", "Язык (Language)"),
            .languageName = QT_TRANSLATE_NOOP("rk7400", "Русский"),
        },
    .prompts =
        {
            .fileNew = {QT_TRANSLATE_NOOP("rk7400", "Создание нового документа"), QT_TRANSLATE_NOOP("rk7400", "Новый")},
            .fileOpen = {QT_TRANSLATE_NOOP("rk7400", "Открытие документа"), QT_TRANSLATE_NOOP("rk7400", "Открыть")},
            .fileSave = {QT_TRANSLATE_NOOP("rk7400", "Сохранение документа"), QT_TRANSLATE_NOOP("rk7400", "Сохранить")},
            .fileSaveAs = {QT_TRANSLATE_NOOP("rk7400", "Сохранение документа с новым именем"),
                           QT_TRANSLATE_NOOP("rk7400", "Сохранить как")},
            .recentFile = {QT_TRANSLATE_NOOP("rk7400", "Открыт документ"),
                           QT_TRANSLATE_NOOP("rk7400", "Открыт документ")},
            .fileExit = {QT_TRANSLATE_NOOP("rk7400", "Закрытие программы; сохранение документа"),
                         QT_TRANSLATE_NOOP("rk7400", "Выход")},
            .viewToolbar = {QT_TRANSLATE_NOOP("rk7400", "Отобразить или спрятать инструменты"),
                            QT_TRANSLATE_NOOP("rk7400", "Отобразить или спрятать инструменты")},
            .viewStatusBar = {QT_TRANSLATE_NOOP("rk7400", "Отобразить или спрятать состояние"),
                              QT_TRANSLATE_NOOP("rk7400", "Отобразить или спрятать состояние")},
            .portCom1 = {QT_TRANSLATE_NOOP("rk7400", "Выбран COM1"), QT_TRANSLATE_NOOP("rk7400", "Выбран COM1")},
            .portCom2 = {QT_TRANSLATE_NOOP("rk7400", "Выбран COM2"), QT_TRANSLATE_NOOP("rk7400", "Выбран COM2")},
            .write = {QT_TRANSLATE_NOOP("rk7400", "Запись данных на рацию"),
                      QT_TRANSLATE_NOOP("rk7400", "Запись данных на рацию")},
            .read = {QT_TRANSLATE_NOOP("rk7400", "Чтение данных с рации"),
                     QT_TRANSLATE_NOOP("rk7400", "Чтение данных с рации")},
            .language = {QT_TRANSLATE_NOOP("rk7400", "Язык интерфейса: %1 (вступит в силу при следующем запуске)"),
                         QT_TRANSLATE_NOOP("rk7400", "Язык интерфейса: %1 (вступит в силу при следующем запуске)")},
        },
    .ids = {.portCom1 = 32771, .portCom2 = 32772, .write = 32776, .read = 32774},
    .shell =
        {
            .programTitle = "rk7400",
            .idleStatus = QT_TRANSLATE_NOOP("rk7400", "Готово"),
            .capsIndicator = QT_TRANSLATE_NOOP("rk7400", "Cap"),
            .numIndicator = QT_TRANSLATE_NOOP("rk7400", "Num"),
            .scrollIndicator = QT_TRANSLATE_NOOP("rk7400", "Scr"),
            .aboutTitle = QT_TRANSLATE_NOOP("rk7400", "О программе rk7400"),
            .aboutVersion = QT_TRANSLATE_NOOP("rk7400", "rk7400, версия 1.0"),
            .aboutCopyright = QT_TRANSLATE_NOOP("rk7400", "Copyright (C) 2026"),
            .untitledName = QT_TRANSLATE_NOOP("rk7400", "Безымянный"),
            .cannotOpenFile = QT_TRANSLATE_NOOP("rk7400", "Не удается открыть файл «%1»."),
            .unexpectedFormat = QT_TRANSLATE_NOOP("rk7400", "Файл «%1» имеет неверный формат."),
            .cannotWriteFile = QT_TRANSLATE_NOOP("rk7400", "Не удается записать файл «%1»."),
            .saveChangesQuestion = QT_TRANSLATE_NOOP("rk7400", "Сохранить изменения в «%1»?"),
            .quitDuringWriteQuestion =
                QT_TRANSLATE_NOOP("rk7400",
                                  "Идёт запись в рацию. Если выйти сейчас, данные в рации будут неполными. "
                                  "Всё равно выйти?"),
        },
    .documentType =
        {
            .windowTitle = QT_TRANSLATE_NOOP("rk7400", "Программатор для TLVR (RKP_7400)"),
            .newFileName = "Rk7400",
            .filterName = QT_TRANSLATE_NOOP("rk7400", "Rk7400 ?? (*.zu1)"),
            .fileTypeId = "Rk7400.Document",
            .fileTypeName = "Rk7400 Document",
        },
    .editor =
        {
            .channelName = "%1",
            .codeTone = QT_TRANSLATE_NOOP("rk7400", "QT"),
            .codeDigital = QT_TRANSLATE_NOOP("rk7400", "DQT"),
            .codeNone = QT_TRANSLATE_NOOP("rk7400", "НЕТ"),
            .optionNo = QT_TRANSLATE_NOOP("rk7400", "НЕТ"),
            .optionYes = QT_TRANSLATE_NOOP("rk7400", "ДА"),
            .powerHigh = QT_TRANSLATE_NOOP("rk7400", "HIGH"),
            .powerLow = QT_TRANSLATE_NOOP("rk7400", "LOW"),
            .numberRequired = QT_TRANSLATE_NOOP("rk7400", "Введите число."),
        },
    .hasTotLimit = false,
    .hasTxInhibit = false,
    .hasReverse = false,
    .hasTalkaround = false,
    .channelTable =
        {
            .exportCommand = QT_TRANSLATE_NOOP("rk7400", "Экспорт каналов (CSV)…"),
            .importCommand = QT_TRANSLATE_NOOP("rk7400", "Импорт каналов (CSV)…"),
            .exportPrompt = {QT_TRANSLATE_NOOP("rk7400", "Сохранение каналов в таблицу CSV"), QT_TRANSLATE_NOOP("rk7400", "Экспорт каналов")},
            .importPrompt = {QT_TRANSLATE_NOOP("rk7400", "Загрузка каналов из таблицы CSV"), QT_TRANSLATE_NOOP("rk7400", "Импорт каналов")},
            .filter = QT_TRANSLATE_NOOP("rk7400", "Таблица каналов (*.csv)"),
            .problemLine = QT_TRANSLATE_NOOP("rk7400", "Строка %1, столбец %2: %3"),
            .rowProblem = QT_TRANSLATE_NOOP("rk7400", "Строка %1: %2"),
            .moreProblems = QT_TRANSLATE_NOOP("rk7400", "…и ещё ошибок: %1"),
            .importValidRows = QT_TRANSLATE_NOOP("rk7400", "Импортировать остальные верные строки (%1)?"),
            .nothingToImport = QT_TRANSLATE_NOOP("rk7400", "В таблице нет строк, которые можно импортировать."),
            .unlistedCodes = QT_TRANSLATE_NOOP("rk7400", "Коды этих каналов отсутствуют в таблицах и не экспортированы: %1"),
            .reasons =
                {
                    .missingColumn = QT_TRANSLATE_NOOP("rk7400", "нет такого столбца"),
                    .unclosedQuote = QT_TRANSLATE_NOOP("rk7400", "не закрыта кавычка"),
                    .required = QT_TRANSLATE_NOOP("rk7400", "пустое значение"),
                    .notANumber = QT_TRANSLATE_NOOP("rk7400", "не число"),
                    .locationOutOfRange = QT_TRANSLATE_NOOP("rk7400", "номер канала должен быть от 1 до 64"),
                    .duplicateLocation = QT_TRANSLATE_NOOP("rk7400", "этот канал уже есть в строке выше"),
                    .frequencyOutOfRange = QT_TRANSLATE_NOOP("rk7400", "частота вне допустимых пределов"),
                    .unknownDuplex = QT_TRANSLATE_NOOP("rk7400", "допустимо +, -, split, off или пусто"),
                    .unknownToneMode = QT_TRANSLATE_NOOP("rk7400", "допустимо Tone, TSQL, DTCS, Cross или пусто"),
                    .unknownCrossMode = QT_TRANSLATE_NOOP("rk7400", "неверный режим Cross"),
                    .toneNotInTable = QT_TRANSLATE_NOOP("rk7400", "такого тона нет в рации"),
                    .dcsNotInTable = QT_TRANSLATE_NOOP("rk7400", "такого кода DCS нет в рации"),
                    .unknownPolarity = QT_TRANSLATE_NOOP("rk7400", "нужны две буквы N или R"),
                    .unknownMode = QT_TRANSLATE_NOOP("rk7400", "рация поддерживает только FM"),
                    .unknownPower = QT_TRANSLATE_NOOP("rk7400", "допустимо High, Low или мощность в ваттах"),
                    .squelchOutOfRange = QT_TRANSLATE_NOOP("rk7400", "уровень шумодава от 0 до 9"),
                    .delayOutOfRange = QT_TRANSLATE_NOOP("rk7400", "задержка от 0 до 25.5 секунд"),
                    .notYesOrNo = QT_TRANSLATE_NOOP("rk7400", "допустимо Y или N"),
                    .scanGroupFull = QT_TRANSLATE_NOOP("rk7400", "в группе сканирования уже 16 каналов"),
                },
        },
};

}  // namespace

const rk::ModelProfile& Rk7400Profile() { return kProfile; }
