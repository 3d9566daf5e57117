#include "Rk7400Texts.h"

#include "Translatable.h"

namespace {

constexpr const char* kConnectionError = QT_TRANSLATE_NOOP("rk7400", "Ошибка подключения");

const rk::ModelTexts kTexts{
    .context = "rk7400",
    .check =
        {
            .sameFreqTalkaround = QT_TRANSLATE_NOOP("rk7400", "Отключите функию Talk Around - RX и TX одинаковые"),
            .sameFreqRepeater = QT_TRANSLATE_NOOP("rk7400", "Отключите функию Транк - RX и TX одинаковые"),
            .sameFreqReverse = QT_TRANSLATE_NOOP("rk7400", "Отключите функию Реверс Частот - RX и TX одинаковые"),
            .split = QT_TRANSLATE_NOOP("rk7400", "Разнос частот RX и TX должен быть не больше 20МГц"),
            .band = QT_TRANSLATE_NOOP("rk7400", "Диапазон частот должен быть от 100МГц до 400МГц , с шагом 1МГц"),
            // Two spaces, the control character 0x02 and one space lead this text.
            .rxOutOfBand = QT_TRANSLATE_NOOP("rk7400", "  \x02 RX-частота не соответствует полосе"),
            .txOutOfBand = QT_TRANSLATE_NOOP("rk7400", "    TX-частота не соответствует полосе"),
            .rxStep = QT_TRANSLATE_NOOP("rk7400", "RX-частота должна быть кратной 6.25КГц или 5КГц"),
            .txStep = QT_TRANSLATE_NOOP("rk7400", "ТХ-частота должна быть кратной 6.25КГц или 5КГц"),
            .totLimit = QT_TRANSLATE_NOOP("rk7400", "Диапазон времени для ТОТ составляет от 0.1 до 10 минут"),
            .repeaterDelay = QT_TRANSLATE_NOOP("rk7400", "Задержка транка: от 0 до 10"),
        },
    .transfer =
        {
            .openFailedHandshake = kConnectionError,
            .openFailedBlockRequest = kConnectionError,
            .openFailedWriteBlock = kConnectionError,
            .noHandshakeReply = QT_TRANSLATE_NOOP("rk7400", "Проверьте настройки и подключение рации"),
            .readDone = QT_TRANSLATE_NOOP("rk7400", "Чтение данных завершено"),
            .writeDone = QT_TRANSLATE_NOOP("rk7400", "Запись данных завершена"),
            .incompleteRead = QT_TRANSLATE_NOOP("rk7400", "Данные с рации получены не полностью"),
            .portDevice = QT_TRANSLATE_NOOP("rk7400", "%1 = %2"),
            .portLine = QT_TRANSLATE_NOOP("rk7400", "%1: %2"),
            .portsTried = QT_TRANSLATE_NOOP("rk7400", "Проверенные порты:"),
            .noSerialDevices = QT_TRANSLATE_NOOP("rk7400", "На компьютере не найдено ни одного последовательного порта. Подключите кабель программирования (USB-переходник) и повторите."),
            .portUnassigned = QT_TRANSLATE_NOOP("rk7400", "нет такого устройства."),
            .portAbsent = QT_TRANSLATE_NOOP("rk7400", "устройство отсутствует. Проверьте, подключён ли кабель."),
            .portPermission = QT_TRANSLATE_NOOP("rk7400", "нет прав на открытие устройства. Добавьте пользователя в группу dialout: sudo usermod -aG dialout $USER, затем войдите в систему заново."),
            .portInUse = QT_TRANSLATE_NOOP("rk7400", "устройство занято другой программой. Закройте её."),
            .portOpenFailed = QT_TRANSLATE_NOOP("rk7400", "не удаётся открыть устройство."),
            .noReply = QT_TRANSLATE_NOOP("rk7400", "рация не отвечает. Проверьте, включена ли рация и подключён ли кабель."),
            .wrongReply = QT_TRANSLATE_NOOP("rk7400", "рация ответила неверно."),
            .nothingWritten = QT_TRANSLATE_NOOP("rk7400", "В рацию ничего не записано."),
            .backupSaved = QT_TRANSLATE_NOOP("rk7400", "Прежние данные рации сохранены в файл: %1"),
            .backupNotSaved = QT_TRANSLATE_NOOP("rk7400", "Не удалось сохранить резервную копию данных рации: %1 (%2)"),
            .verifyMatches = QT_TRANSLATE_NOOP("rk7400", "Проверка чтением: данные совпадают."),
            .verifyDiffers = QT_TRANSLATE_NOOP("rk7400", "Данные, прочитанные после записи, не совпадают с записанными:"),
            .verifyReadFailed = QT_TRANSLATE_NOOP("rk7400", "Запись данных завершена, но проверить её чтением не удалось:"),
            .partlyWritten = QT_TRANSLATE_NOOP("rk7400", "Рация записана лишь частично (блоков: %1 из %2)."),
            .blockOnLine = QT_TRANSLATE_NOOP("rk7400", "Идёт запись блока %1 из %2."),
        },
    // Reports name channels, fields and values as the form shows them.
    .report =
        {
            .channel = QT_TRANSLATE_NOOP("rk7400", "Канал %1"),
            .channelField = QT_TRANSLATE_NOOP("rk7400", "%1, %2"),
            .refusalBand = QT_TRANSLATE_NOOP("rk7400", "%1; диапазон %2–%3 МГц"),
            .bandSetting = QT_TRANSLATE_NOOP("rk7400", "Диапазон частот %1–%2 МГц"),
            .difference = QT_TRANSLATE_NOOP("rk7400", "%1: записано %2, прочитано %3"),
            .moreDifferences = QT_TRANSLATE_NOOP("rk7400", "… и ещё различий: %1"),
            .byteAt = QT_TRANSLATE_NOOP("rk7400", "Байт %1"),
            .on = QT_TRANSLATE_NOOP("rk7400", "ДА"),
            .off = QT_TRANSLATE_NOOP("rk7400", "НЕТ"),
            .powerHigh = QT_TRANSLATE_NOOP("rk7400", "HIGH"),
            .powerLow = QT_TRANSLATE_NOOP("rk7400", "LOW"),
            .codeNone = QT_TRANSLATE_NOOP("rk7400", "НЕТ"),
            .rxFrequency = QT_TRANSLATE_NOOP("rk7400", "Rx-частота"),
            .txFrequency = QT_TRANSLATE_NOOP("rk7400", "Tx-частота"),
            .rxCode = QT_TRANSLATE_NOOP("rk7400", "Коды приема"),
            .txCode = QT_TRANSLATE_NOOP("rk7400", "Коды передачи"),
            .squelchLevel = QT_TRANSLATE_NOOP("rk7400", "Шумодав"),
            .repeaterDelay = QT_TRANSLATE_NOOP("rk7400", "Задержка транка"),
            .power = QT_TRANSLATE_NOOP("rk7400", "Мощность"),
            .txInhibit = QT_TRANSLATE_NOOP("rk7400", "Запрет передачи"),
            .beatShift = QT_TRANSLATE_NOOP("rk7400", "Сдвиг"),
            .talkaround = QT_TRANSLATE_NOOP("rk7400", "Talk Around"),
            .repeater = QT_TRANSLATE_NOOP("rk7400", "Транк"),
            .reverse = QT_TRANSLATE_NOOP("rk7400", "Реверс частот"),
            .scrambler = QT_TRANSLATE_NOOP("rk7400", "В секрете"),
            .band = QT_TRANSLATE_NOOP("rk7400", "Диапазон частот"),
            .totLimit = QT_TRANSLATE_NOOP("rk7400", "ТОТ"),
            .scanGroupA = QT_TRANSLATE_NOOP("rk7400", "Группа А"),
            .scanGroupB = QT_TRANSLATE_NOOP("rk7400", "Группа Б"),
            .lastUsedChannel = QT_TRANSLATE_NOOP("rk7400", "Последний занятый канал"),
            .channelBitmap = QT_TRANSLATE_NOOP("rk7400", "Каналы"),
        },
};

}  // namespace

const rk::ModelTexts& Rk7400Texts() { return kTexts; }
