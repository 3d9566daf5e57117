#include "Rk7400Rules.h"

#include "Translatable.h"

namespace {

constexpr const char* kConnectionError = QT_TRANSLATE_NOOP("rk7400", "Ошибка подключения");

const rk::ModelRules kRules{
    .programName = "rk7400",
    .extension = ".zu1",
    .validation =
        {
            .highestBandEdge = 40'000'000,
            .greatestSplit = 2'000'000,
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
        },
    .searchesPorts = true,
    .acceptsDecimalComma = true,
};

}  // namespace

const rk::ModelRules& Rk7400Rules() { return kRules; }
