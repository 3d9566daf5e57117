#include "Rk7400Rules.h"

namespace {

constexpr const char* kConnectionError = "Ошибка подключения";

const rk::ModelRules kRules{
    .programName = "rk7400",
    .extension = ".zu1",
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
            .portDevice = "%1 = %2",
            .portLine = "%1: %2",
            .portsTried = "Проверенные порты:",
            .noSerialDevices = "На компьютере не найдено ни одного последовательного порта. "
                               "Подключите кабель программирования (USB-переходник) и повторите.",
            .portUnassigned = "нет такого устройства.",
            .portAbsent = "устройство отсутствует. Проверьте, подключён ли кабель.",
            .portPermission = "нет прав на открытие устройства. Добавьте пользователя в группу dialout: "
                              "sudo usermod -aG dialout $USER, затем войдите в систему заново.",
            .portInUse = "устройство занято другой программой. Закройте её.",
            .portOpenFailed = "не удаётся открыть устройство.",
            .noReply = "рация не отвечает. Проверьте, включена ли рация и подключён ли кабель.",
            .wrongReply = "рация ответила неверно.",
            .nothingWritten = "В рацию ничего не записано.",
            .backupSaved = "Прежние данные рации сохранены в файл: %1",
            .backupNotSaved = "Не удалось сохранить резервную копию данных рации: %1 (%2)",
            .verifyMatches = "Проверка чтением: данные совпадают.",
            .verifyDiffers = "Данные, прочитанные после записи, не совпадают с записанными:",
            .verifyReadFailed = "Запись данных завершена, но проверить её чтением не удалось:",
        },
    .searchesPorts = true,
};

}  // namespace

const rk::ModelRules& Rk7400Rules() { return kRules; }
