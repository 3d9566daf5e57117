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
};

}  // namespace

const rk::ModelProfile& Rk7400Profile() { return kProfile; }
