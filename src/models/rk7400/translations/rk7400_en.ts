<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Rk7400Form</name>
    <message>
        <source>Опции сканирования</source>
        <translation>Scan groups</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Группа А</source>
        <translation>Group A</translation>
    </message>
    <message>
        <source>Группа Б</source>
        <translation>Group B</translation>
    </message>
    <message>
        <source>Опции сканирования Группа А</source>
        <translation>Scan group A</translation>
    </message>
    <message>
        <source>Опции сканирования Группа Б</source>
        <translation>Scan group B</translation>
    </message>
    <message>
        <source>Каналы</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Номер канала</source>
        <translation>Channel number</translation>
    </message>
    <message>
        <source>Диапазон частот</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>От</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Диапазон частот От</source>
        <translation>Band from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Диапазон частот до</source>
        <translation>Band to</translation>
    </message>
    <message>
        <source>МГц</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>В секрете</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Сдвиг</source>
        <translation>Beat shift</translation>
    </message>
    <message>
        <source>Транк</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Задержка транка</source>
        <translation>Repeater delay</translation>
    </message>
    <message>
        <source>Секунд</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Опции приема</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>Rx-частота</source>
        <translation>RX frequency</translation>
    </message>
    <message>
        <source>Шумодав</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>(0-9)</translation>
    </message>
    <message>
        <source>Тип кода</source>
        <translation>Code type</translation>
    </message>
    <message>
        <source>(QT/DQT)</source>
        <translation>(CTCSS/DCS)</translation>
    </message>
    <message>
        <source>Опции приема Тип кода</source>
        <translation>Receive code type</translation>
    </message>
    <message>
        <source>Коды</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>Опции приема Коды</source>
        <translation>Receive codes</translation>
    </message>
    <message>
        <source>Копия==&gt;</source>
        <translation>Copy ==&gt;</translation>
    </message>
    <message>
        <source>Копия&lt;==</source>
        <translation>Copy &lt;==</translation>
    </message>
    <message>
        <source>Опции передачи</source>
        <translation>Transmit</translation>
    </message>
    <message>
        <source>Tx-частота</source>
        <translation>TX frequency</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Опции передачи Тип кода</source>
        <translation>Transmit code type</translation>
    </message>
    <message>
        <source>Опции передачи Коды</source>
        <translation>Transmit codes</translation>
    </message>
</context>
<context>
    <name>rk7400</name>
    <message>
        <source>Ошибка подключения</source>
        <translation>Connection error.</translation>
    </message>
    <message>
        <source>Отключите функию Talk Around - RX и TX одинаковые</source>
        <translation>Turn off talkaround: RX and TX frequencies are the same.</translation>
    </message>
    <message>
        <source>Отключите функию Транк - RX и TX одинаковые</source>
        <translation>Turn off the repeater: RX and TX frequencies are the same.</translation>
    </message>
    <message>
        <source>Отключите функию Реверс Частот - RX и TX одинаковые</source>
        <translation>Turn off frequency reverse: RX and TX frequencies are the same.</translation>
    </message>
    <message>
        <source>Разнос частот RX и TX должен быть не больше 20МГц</source>
        <translation>RX and TX frequencies may be at most 20 MHz apart.</translation>
    </message>
    <message>
        <source>Диапазон частот должен быть от 100МГц до 400МГц , с шагом 1МГц</source>
        <translation>The band must be from 100 MHz to 400 MHz, in steps of 1 MHz.</translation>
    </message>
    <message>
        <source>  <byte value="x2"/> RX-частота не соответствует полосе</source>
        <translation>The RX frequency is outside the band.</translation>
    </message>
    <message>
        <source>    TX-частота не соответствует полосе</source>
        <translation>The TX frequency is outside the band.</translation>
    </message>
    <message>
        <source>RX-частота должна быть кратной 6.25КГц или 5КГц</source>
        <translation>The RX frequency must be a multiple of 6.25 kHz or 5 kHz.</translation>
    </message>
    <message>
        <source>ТХ-частота должна быть кратной 6.25КГц или 5КГц</source>
        <translation>The TX frequency must be a multiple of 6.25 kHz or 5 kHz.</translation>
    </message>
    <message>
        <source>Диапазон времени для ТОТ составляет от 0.1 до 10 минут</source>
        <translation>The time-out timer ranges from 0.1 to 10 minutes.</translation>
    </message>
    <message>
        <source>Задержка транка: от 0 до 10</source>
        <translation>Repeater delay: 0 to 10 seconds.</translation>
    </message>
    <message>
        <source>Проверьте настройки и подключение рации</source>
        <translation>Check the settings and the radio&apos;s connection.</translation>
    </message>
    <message>
        <source>Чтение данных завершено</source>
        <translation>Reading complete.</translation>
    </message>
    <message>
        <source>Запись данных завершена</source>
        <translation>Writing complete.</translation>
    </message>
    <message>
        <source>Данные с рации получены не полностью</source>
        <translation>The data from the radio was not received completely.</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Операция</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Write to Radio</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Read from Radio</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About rk7400</translation>
    </message>
    <message>
        <source>Язык (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Создание нового документа</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открытие документа</source>
        <translation>Open a document</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранение документа</source>
        <translation>Save the document</translation>
    </message>
    <message>
        <source>Сохранение документа с новым именем</source>
        <translation>Save the document under a new name</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Открыт документ</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>Закрытие программы; сохранение документа</source>
        <translation>Close the program; prompts to save the document</translation>
    </message>
    <message>
        <source>Отобразить или спрятать инструменты</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>Отобразить или спрятать состояние</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>Рация ищется сначала на COM1, затем на остальных портах по порядку</source>
        <translation>The radio is looked for on COM1 first, then on the other ports in order</translation>
    </message>
    <message>
        <source>Сначала COM1, затем остальные порты</source>
        <translation>COM1 first, then the other ports</translation>
    </message>
    <message>
        <source>Рация ищется сначала на COM2, затем на остальных портах по порядку</source>
        <translation>The radio is looked for on COM2 first, then on the other ports in order</translation>
    </message>
    <message>
        <source>Сначала COM2, затем остальные порты</source>
        <translation>COM2 first, then the other ports</translation>
    </message>
    <message>
        <source>Запись данных на рацию</source>
        <translation>Write the data to the radio</translation>
    </message>
    <message>
        <source>Чтение данных с рации</source>
        <translation>Read the data from the radio</translation>
    </message>
    <message>
        <source>Язык интерфейса: %1</source>
        <translation>Switch the interface to %1</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Scr</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>О программе rk7400</source>
        <translation>About rk7400</translation>
    </message>
    <message>
        <source>rk7400, версия 1.0</source>
        <translation>rk7400 Version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>Безымянный</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Не удается открыть файл «%1».</source>
        <translation>Cannot open the file “%1”.</translation>
    </message>
    <message>
        <source>Файл «%1» имеет неверный формат.</source>
        <translation>The file “%1” is not in the expected format.</translation>
    </message>
    <message>
        <source>Не удается записать файл «%1».</source>
        <translation>Cannot write the file “%1”.</translation>
    </message>
    <message>
        <source>Сохранить изменения в «%1»?</source>
        <translation>Save changes to “%1”?</translation>
    </message>
    <message>
        <source>Идёт запись в рацию. Если выйти сейчас, данные в рации будут неполными. Всё равно выйти?</source>
        <translation>The radio is being written. Quitting now leaves incomplete data in the radio. Quit anyway?</translation>
    </message>
    <message>
        <source>Программатор для TLVR (RKP_7400)</source>
        <translation>TLVR (RKP_7400) Programmer</translation>
    </message>
    <message>
        <source>QT</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DQT</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>НЕТ</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>ДА</source>
        <translation>On</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>High</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Введите число.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Экспорт каналов (CSV)…</source>
        <translation>Export Channels (CSV)...</translation>
    </message>
    <message>
        <source>Импорт каналов (CSV)…</source>
        <translation>Import Channels (CSV)...</translation>
    </message>
    <message>
        <source>Сохранение каналов в таблицу CSV</source>
        <translation>Save the channels as a CSV channel table</translation>
    </message>
    <message>
        <source>Экспорт каналов</source>
        <translation>Export channels</translation>
    </message>
    <message>
        <source>Загрузка каналов из таблицы CSV</source>
        <translation>Load channels from a CSV channel table</translation>
    </message>
    <message>
        <source>Импорт каналов</source>
        <translation>Import channels</translation>
    </message>
    <message>
        <source>Таблица каналов (*.csv)</source>
        <translation>Channel tables (*.csv)</translation>
    </message>
    <message>
        <source>Таблица каналов, точка с запятой и десятичная запятая (*.csv)</source>
        <translation>Channel tables with semicolons and decimal commas (*.csv)</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: %3</source>
        <translation>Row %1, column %2: %3</translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>…и ещё ошибок: %1</source>
        <translation>...and %1 more problems</translation>
    </message>
    <message>
        <source>Импортировать остальные верные строки (%1)?</source>
        <translation>Import the other %1 valid rows?</translation>
    </message>
    <message>
        <source>В таблице нет строк, которые можно импортировать.</source>
        <translation>The table has no rows that can be imported.</translation>
    </message>
    <message>
        <source>Коды этих каналов отсутствуют в таблицах и не экспортированы: %1</source>
        <translation>These channels have codes the radio&apos;s tables lack; the codes were not exported: %1</translation>
    </message>
    <message>
        <source>нет такого столбца</source>
        <translation>column missing</translation>
    </message>
    <message>
        <source>не закрыта кавычка</source>
        <translation>unclosed quote</translation>
    </message>
    <message>
        <source>пустое значение</source>
        <translation>must not be empty</translation>
    </message>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>номер канала должен быть от 1 до 64</source>
        <translation>channel must be 1 to 64</translation>
    </message>
    <message>
        <source>этот канал уже есть в строке выше</source>
        <translation>channel already given in an earlier row</translation>
    </message>
    <message>
        <source>частота вне допустимых пределов</source>
        <translation>frequency out of range</translation>
    </message>
    <message>
        <source>допустимо +, -, split, off или пусто</source>
        <translation>must be +, -, split, off or empty</translation>
    </message>
    <message>
        <source>допустимо Tone, TSQL, DTCS, Cross или пусто</source>
        <translation>must be Tone, TSQL, DTCS, Cross or empty</translation>
    </message>
    <message>
        <source>неверный режим Cross</source>
        <translation>not a valid cross mode</translation>
    </message>
    <message>
        <source>такого тона нет в рации</source>
        <translation>the radio has no such tone</translation>
    </message>
    <message>
        <source>такого кода DCS нет в рации</source>
        <translation>the radio has no such DCS code</translation>
    </message>
    <message>
        <source>нужны две буквы N или R</source>
        <translation>must be two letters, N or R</translation>
    </message>
    <message>
        <source>рация поддерживает только FM</source>
        <translation>the radio only does FM</translation>
    </message>
    <message>
        <source>допустимо High, Low или мощность в ваттах</source>
        <translation>must be High, Low or watts</translation>
    </message>
    <message>
        <source>уровень шумодава от 0 до 9</source>
        <translation>squelch level must be 0 to 9</translation>
    </message>
    <message>
        <source>задержка от 0 до 25.5 секунд</source>
        <translation>delay must be 0 to 25.5 seconds</translation>
    </message>
    <message>
        <source>допустимо Y или N</source>
        <translation>must be Y or N</translation>
    </message>
    <message>
        <source>в группе сканирования уже 16 каналов</source>
        <translation>scan group already holds 16 channels</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Проверенные порты:</source>
        <translation>Ports tried:</translation>
    </message>
    <message>
        <source>На компьютере не найдено ни одного последовательного порта. Подключите кабель программирования (USB-переходник) и повторите.</source>
        <translation>No serial device was found on this computer. Plug in the programming cable (USB serial adapter) and try again.</translation>
    </message>
    <message>
        <source>нет такого устройства.</source>
        <translation>no such device.</translation>
    </message>
    <message>
        <source>устройство отсутствует. Проверьте, подключён ли кабель.</source>
        <translation>the device is not there. Check that the cable is plugged in.</translation>
    </message>
    <message>
        <source>нет прав на открытие устройства. Добавьте пользователя в группу dialout: sudo usermod -aG dialout $USER, затем войдите в систему заново.</source>
        <translation>no permission to open the device. Add your user to the dialout group: sudo usermod -aG dialout $USER, then log in again.</translation>
    </message>
    <message>
        <source>устройство занято другой программой. Закройте её.</source>
        <translation>the device is in use by another program. Close that program first.</translation>
    </message>
    <message>
        <source>не удаётся открыть устройство.</source>
        <translation>the device cannot be opened.</translation>
    </message>
    <message>
        <source>рация не отвечает. Проверьте, включена ли рация и подключён ли кабель.</source>
        <translation>the radio does not answer. Check that the radio is on and the cable is plugged in.</translation>
    </message>
    <message>
        <source>рация ответила неверно.</source>
        <translation>the radio&apos;s answer is wrong.</translation>
    </message>
    <message>
        <source>В рацию ничего не записано.</source>
        <translation>Nothing was written to the radio.</translation>
    </message>
    <message>
        <source>Прежние данные рации сохранены в файл: %1</source>
        <translation>The radio&apos;s previous data was saved to: %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить резервную копию данных рации: %1 (%2)</source>
        <translation>Cannot save the backup of the radio&apos;s data: %1 (%2)</translation>
    </message>
    <message>
        <source>Рация записана лишь частично (блоков: %1 из %2).</source>
        <translation>The radio is partly written (%1 of %2 blocks).</translation>
    </message>
    <message>
        <source>Идёт запись блока %1 из %2.</source>
        <translation>Block %1 of %2 is being written.</translation>
    </message>
    <message>
        <source>Проверка чтением: данные совпадают.</source>
        <translation>Read-back check: the data matches.</translation>
    </message>
    <message>
        <source>Данные, прочитанные после записи, не совпадают с записанными:</source>
        <translation>The data read back after the write differs from what was written:</translation>
    </message>
    <message>
        <source>Запись данных завершена, но проверить её чтением не удалось:</source>
        <translation>Writing complete, but it could not be checked by reading back:</translation>
    </message>
    <message>
        <source>Сохранять копию рации перед записью</source>
        <translation>Back Up Radio Before Writing</translation>
    </message>
    <message>
        <source>Проверять запись чтением</source>
        <translation>Check Write by Reading Back</translation>
    </message>
    <message>
        <source>Открыть папку резервных копий</source>
        <translation>Open Backup Folder</translation>
    </message>
    <message>
        <source>Перед записью прочитать рацию и сохранить её данные в файл</source>
        <translation>Before writing, read the radio&apos;s data and save it as a backup file</translation>
    </message>
    <message>
        <source>После записи прочитать рацию и сравнить с записанным</source>
        <translation>After writing, read the radio back and compare it field by field</translation>
    </message>
    <message>
        <source>Открыть папку резервных копий в файловом менеджере</source>
        <translation>Open the backup folder in the file manager</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Поиск рации: %1…</source>
        <translation>Looking for the radio: %1...</translation>
    </message>
    <message>
        <source>Чтение рации… %1/%2</source>
        <translation>Reading from radio... %1/%2</translation>
    </message>
    <message>
        <source>Сохранение копии рации… %1/%2</source>
        <translation>Backing up radio... %1/%2</translation>
    </message>
    <message>
        <source>Запись в рацию… %1/%2</source>
        <translation>Writing to radio... %1/%2</translation>
    </message>
    <message>
        <source>Проверка чтением… %1/%2</source>
        <translation>Reading back to check... %1/%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>нет устройства</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>Канал %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; диапазон %2–%3 МГц</source>
        <translation>%1; band %2–%3 MHz</translation>
    </message>
    <message>
        <source>%1: записано %2, прочитано %3</source>
        <translation>%1: sent %2, read back %3</translation>
    </message>
    <message>
        <source>… и ещё различий: %1</source>
        <translation>...and %1 more differences</translation>
    </message>
    <message>
        <source>Байт %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>Rx-частота</source>
        <translation>RX frequency</translation>
    </message>
    <message>
        <source>Tx-частота</source>
        <translation>TX frequency</translation>
    </message>
    <message>
        <source>Коды приема</source>
        <translation>Receive codes</translation>
    </message>
    <message>
        <source>Коды передачи</source>
        <translation>Transmit codes</translation>
    </message>
    <message>
        <source>Шумодав</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>Задержка транка</source>
        <translation>Repeater delay</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Запрет передачи</source>
        <translation>TX inhibit</translation>
    </message>
    <message>
        <source>Сдвиг</source>
        <translation>Beat shift</translation>
    </message>
    <message>
        <source>Talk Around</source>
        <translation>Talkaround</translation>
    </message>
    <message>
        <source>Транк</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Реверс частот</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>В секрете</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Диапазон частот</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>ТОТ</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>Группа А</source>
        <translation>Scan group A</translation>
    </message>
    <message>
        <source>Группа Б</source>
        <translation>Scan group B</translation>
    </message>
    <message>
        <source>Последний занятый канал</source>
        <translation>Last used channel</translation>
    </message>
    <message>
        <source>Каналы</source>
        <translation>Programmed channels</translation>
    </message>
    <message>
        <source>Файлы Rk7400 (*.zu1)</source>
        <translation>Rk7400 Files (*.zu1)</translation>
    </message>
    <message>
        <source>Файлы Rk7400 и Rk520 (*.zu1 *.rkd)</source>
        <translation>Rk7400 and Rk520 Files (*.zu1 *.rkd)</translation>
    </message>
    <message>
        <source>Файлы Rk520 (*.rkd)</source>
        <translation>Rk520 Files (*.rkd)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>Резервные копии…</source>
        <translation>Backups…</translation>
    </message>
    <message>
        <source>Список копий, прочитанных из рации: отличия от документа, открытие копии</source>
        <translation>List the backups read from the radio, see how each differs from the document and open one</translation>
    </message>
    <message>
        <source>Резервные копии</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Каналов</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>По сравнению с документом</source>
        <translation>Compared with the document</translation>
    </message>
    <message>
        <source>чтение</source>
        <translation>read</translation>
    </message>
    <message>
        <source>до записи</source>
        <translation>before write</translation>
    </message>
    <message>
        <source>проверка после записи</source>
        <translation>check after write</translation>
    </message>
    <message>
        <source>не читается</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>совпадает</source>
        <translation>same</translation>
    </message>
    <message>
        <source>различий: %1</source>
        <translation>differences: %1</translation>
    </message>
    <message>
        <source>Показывать и копии другой программы</source>
        <translation>Show the other program's backups too</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2, значение «%3»: %4</source>
        <translation>Row %1, column %2, value "%3": %4</translation>
    </message>
    <message>
        <source>Экспортировано каналов: %1, файл %2</source>
        <translation>%1 channels exported to %2</translation>
    </message>
    <message>
        <source>Импортировано каналов: %1</source>
        <translation>%1 channels imported</translation>
    </message>
    <message>
        <source>; проверка перед записью отклонит: %1</source>
        <translation>, %1 would be refused by the check before a write:</translation>
    </message>
    <message>
        <source>В таблице нет столбцов %1: у каналов в работе сохранены прежние значения.</source>
        <translation>The table has no column %1: the channels in use keep their values for these.</translation>
    </message>
    <message>
        <source>Рация не хранит названия каналов, столбец Name не импортирован.</source>
        <translation>These radios do not store channel names; the Name column was not imported.</translation>
    </message>
    <message>
        <source>Идёт обмен данными с рацией, язык интерфейса сейчас сменить нельзя.
Перезапустить программу на новом языке и снова открыть текущий файл?</source>
        <translation>Data is being transferred to or from the radio, so the interface language cannot change now.
Restart the program in the new language and open the current file again?</translation>
    </message>
    <message>
        <source>Не удалось открыть файловый менеджер. Папка резервных копий:
%1</source>
        <translation>No file manager could be opened. The backup folder is:
%1</translation>
    </message>
    <message>
        <source>Верхняя граница диапазона всегда равна нижней плюс 20 МГц и не редактируется</source>
        <translation>The upper band edge always follows the lower edge plus 20 MHz; it cannot be edited.</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Отменить: Канал %1, %2</source>
        <translation>Undo channel %1 %2</translation>
    </message>
    <message>
        <source>Повторить: Канал %1, %2</source>
        <translation>Redo channel %1 %2</translation>
    </message>
    <message>
        <source>Отменить: %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Повторить: %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Отменить: чтение с рации</source>
        <translation>Undo read from radio</translation>
    </message>
    <message>
        <source>Повторить: чтение с рации</source>
        <translation>Redo read from radio</translation>
    </message>
    <message>
        <source>Отменить: импорт каналов</source>
        <translation>Undo table import</translation>
    </message>
    <message>
        <source>Повторить: импорт каналов</source>
        <translation>Redo table import</translation>
    </message>
    <message>
        <source>Отменить: %2, %1</source>
        <translation>Undo %2 of %1</translation>
    </message>
    <message>
        <source>Повторить: %2, %1</source>
        <translation>Redo %2 of %1</translation>
    </message>
    <message>
        <source>%1 канал</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>%1 канала</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>%1 каналов</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>Таблица каналов</source>
        <translation>Channel table</translation>
    </message>
    <message>
        <source>Показать или скрыть таблицу каналов</source>
        <translation>Show or hide the channel table</translation>
    </message>
    <message>
        <source>Копировать каналы</source>
        <translation>Copy channels</translation>
    </message>
    <message>
        <source>Вставить каналы</source>
        <translation>Paste channels</translation>
    </message>
    <message>
        <source>Очистить каналы</source>
        <translation>Clear channels</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Сортировать по частоте приёма</source>
        <translation>Sort by receive frequency</translation>
    </message>
    <message>
        <source>Установить «%1» для выбранных каналов</source>
        <translation>Set “%1” on all selected</translation>
    </message>
    <message>
        <source>вне допустимых пределов</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>нет в списке</source>
        <translation>not in the list</translation>
    </message>
    <message>
        <source>несовместимо с включённой функцией</source>
        <translation>conflicts with an option that is on</translation>
    </message>
    <message>
        <source>сначала задайте частоты приёма и передачи</source>
        <translation>set the receive and transmit frequencies first</translation>
    </message>
    <message>
        <source>Вставленные каналы совпадают с имеющимися: ничего не изменилось</source>
        <translation>The pasted channels are the same as the ones there: nothing changed</translation>
    </message>
    <message>
        <source>Печать таблицы каналов…</source>
        <translation>Print channel table…</translation>
    </message>
    <message>
        <source>Печать запрограммированных каналов</source>
        <translation>Print the programmed channels</translation>
    </message>
    <message>
        <source>Печать таблицы каналов</source>
        <translation>Print channel table</translation>
    </message>
    <message>
        <source>Экспорт каналов (PDF)…</source>
        <translation>Export channel table (PDF)…</translation>
    </message>
    <message>
        <source>Сохранение запрограммированных каналов в файл PDF</source>
        <translation>Save the programmed channels as a PDF file</translation>
    </message>
    <message>
        <source>Экспорт каналов (PDF)</source>
        <translation>Export channel table (PDF)</translation>
    </message>
    <message>
        <source>Файлы PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Идёт запись в рацию. Если остановить её сейчас, рация останется записанной лишь частично.
%1
Остановить запись?</source>
        <translation>The radio is being written. Stopping now leaves the radio partly written.
%1
Stop writing?</translation>
    </message>
    <message>
        <source>Запись остановлена: рация записана лишь частично.
%1</source>
        <translation>Writing stopped: the radio is partly written.
%1</translation>
    </message>
    <message>
        <source>Копия данных рации перед записью не сохранялась.</source>
        <translation>No backup was taken before the write.</translation>
    </message>
    <message>
        <source>Руководство пользователя</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Показать руководство пользователя</source>
        <translation>Show the user guide</translation>
    </message>
    <message>
        <source>Не удалось открыть руководство пользователя. Откройте в браузере файл:
%1</source>
        <translation>The user guide could not be opened. Open this file in a browser:
%1</translation>
    </message>
    <message>
        <source>Руководство пользователя: %1</source>
        <translation>User guide: %1</translation>
    </message>
    <message>
        <source>Показывать изменения перед записью</source>
        <translation>Show changes before writing</translation>
    </message>
    <message>
        <source>Перед записью показать, что изменится в рации, и записать только после подтверждения</source>
        <translation>List what the write will change in the radio and write only once confirmed</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Данные в рации совпадают с записываемыми.</source>
        <translation>The radio already holds these data.</translation>
    </message>
    <message>
        <source>Открыть копию до записи</source>
        <translation>Open the backup from before the write</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Открыть в браузере</source>
        <translation>Open in browser</translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Запись изменит в рации следующие поля (%1):</source>
        <translation>The write will change %1 fields in the radio:</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Диапазон частот %1–%2 МГц</source>
        <translation>Band %1–%2 MHz</translation>
    </message>
    <message>
        <source>серия %1, рация %2</source>
        <translation>series %1, radio %2</translation>
    </message>
    <message>
        <source>серия %1, рация %2, проверка после записи</source>
        <translation>series %1, radio %2, check after write</translation>
    </message>
    <message>
        <source>Записать в несколько раций…</source>
        <translation>Write to several radios…</translation>
    </message>
    <message>
        <source>Записать одни и те же данные в несколько раций по очереди и вести журнал по каждой</source>
        <translation>Write the same data to several radios in turn, keeping a log of each</translation>
    </message>
    <message>
        <source>Записать в несколько раций</source>
        <translation>Write to several radios</translation>
    </message>
    <message>
        <source>Запись в несколько раций</source>
        <translation>Write to several radios</translation>
    </message>
    <message>
        <source>Данные: %1, заданных каналов: %2</source>
        <translation>Image: %1, %2 channels in use</translation>
    </message>
    <message>
        <source>%1 (только для первой рации)</source>
        <translation>%1 (first radio only)</translation>
    </message>
    <message>
        <source>Записать в следующую</source>
        <translation>Write next radio</translation>
    </message>
    <message>
        <source>Готово</source>
        <comment>series</comment>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Записать в эту ещё раз</source>
        <translation>Retry this radio</translation>
    </message>
    <message>
        <source>Следующая рация</source>
        <translation>Next radio</translation>
    </message>
    <message>
        <source>№</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Изменено полей</source>
        <translation>Fields changed</translation>
    </message>
    <message>
        <source>Резервная копия</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Записано, проверка чтением совпала</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>Записано, без проверки чтением</source>
        <translation>Written, not verified</translation>
    </message>
    <message>
        <source>После записи отличается: %1</source>
        <translation>Differs after write: %1</translation>
    </message>
    <message>
        <source>Остановлено</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Раций в серии: %1, из них проверено чтением без расхождений: %2.
Журнал: %3</source>
        <translation>Radios in this series: %1, verified: %2.
Log: %3</translation>
    </message>
    <message>
        <source>Открыть журнал</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>Не удалось открыть журнал. Файл журнала:
%1</source>
        <translation>Could not open the log. The log is at:
%1</translation>
    </message>
    <message>
        <source>Не удалось записать журнал: %1 (%2)</source>
        <translation>Could not write the log: %1 (%2)</translation>
    </message>
</context>
</TS>
