#include "Rk7400Profile.h"

namespace {

constexpr const char* kConnectionError = "Ошибка подключения";

const rk::ModelProfile kProfile{
    .programName = "rk7400",
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
            .filterName = "Файлы Rk7400 (*.zu1)",
            .extension = ".zu1",
            .fileTypeId = "Rk7400.Document",
            .fileTypeName = "Rk7400 Document",
            .bothTypesFilter = "Файлы Rk7400 и Rk520 (*.zu1 *.rkd)",
            .otherTypeFilter = "Файлы Rk520 (*.rkd)",
            .allFilesFilter = "Все файлы (*)",
        },
    .validation =
        {
            .highestBandEdge = 40'000'000,
            .greatestSplit = 2'000'000,
            .sameFreqTalkaround = "Отключите функию Talk Around - RX и TX одинаковые",
            .sameFreqRepeater = "Отключите функию Транк - RX и TX одинаковые",
            .sameFreqReverse = "Отключите функию Реверс Частот - RX и TX одинаковые",
            .split = "Разнос частот RX и TX должен быть не больше 20МГц",
            .band = "Диапазон частот должен быть от 100МГц до 400МГц , с шагом 1МГц",
            // Two spaces, the control character 0x02 and one space lead this text.
            .rxOutOfBand = "  \x02 RX-частота не соответствует полосе",
            .txOutOfBand = "    TX-частота не соответствует полосе",
            .rxStep = "RX-частота должна быть кратной 6.25КГц или 5КГц",
            .txStep = "ТХ-частота должна быть кратной 6.25КГц или 5КГц",
            .totLimit = "Диапазон времени для ТОТ составляет от 0.1 до 10 минут",
            .repeaterDelay = "Задержка транка: от 0 до 10",
        },
    .transfer =
        {
            .openFailedHandshake = kConnectionError,
            .openFailedBlockRequest = kConnectionError,
            .openFailedWriteBlock = kConnectionError,
            .noHandshakeReply = "Проверьте настройки и подключение рации",
            .readDone = "Чтение данных завершено",
            .writeDone = "Запись данных завершена",
            .incompleteRead = "Данные с рации получены не полностью",
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
    .searchesPorts = true,
    .hasTotLimit = false,
    .hasTxInhibit = false,
    .hasReverse = false,
    .hasTalkaround = false,
};

}  // namespace

const rk::ModelProfile& Rk7400Profile() { return kProfile; }
