<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>volna144</name>
    <message>
        <source>файл %1 не найден</source>
        <translation>file %1 not found</translation>
    </message>
    <message>
        <source>%1 — не обычный файл</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>файл %1 больше 16 МБ: это не список каналов</source>
        <translation>file %1 is larger than 16 MB: it is not a channel list</translation>
    </message>
    <message>
        <source>не удалось прочитать файл %1: %2</source>
        <translation>could not read file %1: %2</translation>
    </message>
    <message>
        <source>не удалось записать файл %1: %2</source>
        <translation>could not write file %1: %2</translation>
    </message>
    <message>
        <source>хранилище настроек недоступно (см. выше): ничего не сделано</source>
        <translation>the settings store cannot be used (see above): nothing done</translation>
    </message>
    <message>
        <source>хранилище настроек %1 ещё не создано: сначала запустите volna144 без --export-csv и --import-csv</source>
        <translation>the settings store %1 has not been created yet: start volna144 once without --export-csv and --import-csv</translation>
    </message>
    <message>
        <source>Записей в файле %1: %2.</source>
        <translation>Entries in file %1: %2.</translation>
    </message>
    <message>
        <source>ничего не записано: исправьте или удалите строки, которые не будут импортированы.</source>
        <translation>nothing written: correct or delete the rows that would not be imported.</translation>
    </message>
    <message>
        <source>ничего не записано: в файле нет строк с каналами</source>
        <translation>nothing written: the file has no channel rows</translation>
    </message>
    <message>
        <source>ничего не записано: чтобы записать, добавьте --yes</source>
        <translation>nothing written: add --yes to write</translation>
    </message>
    <message>
        <source>хранилище настроек не записано: импорт не сохранён</source>
        <translation>the settings store was not written: the import is not saved</translation>
    </message>
    <message>
        <source>Записано строк: %1.</source>
        <translation>Rows written: %1.</translation>
    </message>
    <message>
        <source>VOLNA144 уже запущена: закройте её, затем повторите импорт</source>
        <translation>VOLNA144 is already running: close it, then run the import again</translation>
    </message>
    <message>
        <source>VOLNA144 уже запущена</source>
        <translation>VOLNA144 is already running</translation>
    </message>
    <message>
        <source>Порт не открыт: %1</source>
        <translation>The port could not be opened: %1</translation>
    </message>
    <message>
        <source>Управление по сети (rigctld) на %1 не запущено: %2</source>
        <translation>Network rig control (rigctld) on %1 could not start: %2</translation>
    </message>
    <message>
        <source>Добавление канала</source>
        <translation>Adding a channel</translation>
    </message>
    <message>
        <source>Канал с такой частатой приёма уже существует! Хотите внести его?</source>
        <translation>A channel with this receive frequency already exists! Do you want to add it?</translation>
    </message>
    <message>
        <source>Все каналы заняты! Освободите место и повторите попытку.</source>
        <translation>All channels are in use! Free a channel and try again.</translation>
    </message>
    <message>
        <source>Параметры канала</source>
        <translation>Channel parameters</translation>
    </message>
    <message>
        <source>Сохранить и выйти</source>
        <translation>Save and exit</translation>
    </message>
    <message>
        <source>Редактирование каналов</source>
        <translation>Editing channels</translation>
    </message>
    <message>
        <source>Введённая частота не соответствует используемуму диапазону!</source>
        <translation>The frequency entered is outside the band in use!</translation>
    </message>
    <message>
        <source>Введённая частота не соответствуют используемуму диапазону!</source>
        <translation>The frequency entered is outside the band in use!</translation>
    </message>
    <message>
        <source>Введёная частота не соостветствует формату(она должна делиться на 25)!</source>
        <translation>The frequency entered has the wrong format (it must be a multiple of 25)!</translation>
    </message>
    <message>
        <source>Введёная частота передачи не соответствует формату(она должна делиться на 25)!</source>
        <translation>The transmit frequency entered has the wrong format (it must be a multiple of 25)!</translation>
    </message>
    <message>
        <source>Введите частоту передачи!</source>
        <translation>Enter the transmit frequency!</translation>
    </message>
    <message>
        <source>Введите частоту приёма!</source>
        <translation>Enter the receive frequency!</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Каналы</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Библиотека</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Импорт CSV...</source>
        <translation>Import CSV...</translation>
    </message>
    <message>
        <source>Экспорт CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>В окне есть незаписанные изменения. Запишите их или выйдите без записи, затем повторите.</source>
        <translation>The window has unsaved changes. Save them or close it without saving, then try again.</translation>
    </message>
    <message>
        <source>Импортировать?</source>
        <translation>Import?</translation>
    </message>
    <message>
        <source>Записать и выйти</source>
        <translation>Save and close</translation>
    </message>
    <message>
        <source>Очистить всё</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Библиотека каналов</source>
        <translation>Channel library</translation>
    </message>
    <message>
        <source>Нет места в списке 'Каналы'!</source>
        <translation>No room in the list 'Channels'!</translation>
    </message>
    <message>
        <source>Нет места в списке 'Каналы в библиотеке'!</source>
        <translation>No room in the list 'Channels in the library'!</translation>
    </message>
    <message>
        <source>Канал с такой частатой приёма в списке 'Каналы' уже существует! Внести?</source>
        <translation>A channel with this receive frequency is already in the list 'Channels'! Add it?</translation>
    </message>
    <message>
        <source>Канал с такой частатой приёма в списке 'Каналы в библиотеке' уже существует! Внести?</source>
        <translation>A channel with this receive frequency is already in the list 'Channels in the library'! Add it?</translation>
    </message>
    <message>
        <source>Поиск окончен</source>
        <translation>Search finished</translation>
    </message>
    <message>
        <source>Вы хотите сохранить изменения?</source>
        <translation>Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Каналы:</source>
        <translation>Channels:</translation>
    </message>
    <message>
        <source>Библиотека каналов:</source>
        <translation>Channel library:</translation>
    </message>
    <message>
        <source>Удалить выбранный канал из списка "Каналы"</source>
        <translation>Delete the selected channel from the list "Channels"</translation>
    </message>
    <message>
        <source>Удалить выбранный канал из списка "Каналы в библиотеке"</source>
        <translation>Delete the selected channel from the list "Channels in the library"</translation>
    </message>
    <message>
        <source>Поиск в библиотеке по частоте приёма</source>
        <translation>Search the library by receive frequency</translation>
    </message>
    <message>
        <source>Искать следующий</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>Каналы в библиотеке:</source>
        <translation>Channels in the library:</translation>
    </message>
    <message>
        <source>Каналов в вашей библиотеке:</source>
        <translation>Channels in your library:</translation>
    </message>
    <message>
        <source>Каналов в списке:</source>
        <translation>Channels in the list:</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Файл не в формате CHIRP CSV: нет строки заголовка с колонками Location и Frequency.</source>
        <translation>The file is not CHIRP CSV: there is no header row with the columns Location and Frequency.</translation>
    </message>
    <message>
        <source>Номер ячейки (Location) не читается!</source>
        <translation>The memory number (Location) cannot be read!</translation>
    </message>
    <message>
        <source>Номер ячейки (Location) повторяется!</source>
        <translation>The memory number (Location) is repeated!</translation>
    </message>
    <message>
        <source>Частота не читается!</source>
        <translation>The frequency cannot be read!</translation>
    </message>
    <message>
        <source>Сдвиг частоты передачи (Offset) не читается!</source>
        <translation>The transmit offset (Offset) cannot be read!</translation>
    </message>
    <message>
        <source>Неизвестный вид частоты передачи (Duplex)!</source>
        <translation>Unknown kind of transmit frequency (Duplex)!</translation>
    </message>
    <message>
        <source>Канал без частоты передачи (Duplex off); введите частоту передачи!</source>
        <translation>A channel without a transmit frequency (Duplex off); enter the transmit frequency!</translation>
    </message>
    <message>
        <source>Комментарий содержит перевод строки!</source>
        <translation>The comment contains a line break!</translation>
    </message>
    <message>
        <source>Текст не в кодировке UTF-8!</source>
        <translation>The text is not UTF-8!</translation>
    </message>
    <message>
        <source>Кавычка не закрыта до конца файла!</source>
        <translation>A quote is left open to the end of the file!</translation>
    </message>
    <message>
        <source>Не будут импортированы строки:</source>
        <translation>These rows will not be imported:</translation>
    </message>
    <message>
        <source>в файле нет ни одной строки с каналом.</source>
        <translation>the file has no channel rows at all.</translation>
    </message>
    <message>
        <source>… и другие строки с ошибками; они тоже не будут импортированы.</source>
        <translation>… and more rows with errors; they will not be imported either.</translation>
    </message>
    <message>
        <source>Данный канал не входит в заданный диапазан!</source>
        <translation>This channel is outside the band set!</translation>
    </message>
    <message>
        <source>Частота не распознана. Введите её в kHz (145500) или в MHz (145.5).</source>
        <translation>Frequency not understood. Type it in kHz (145500) or in MHz (145.5).</translation>
    </message>
    <message>
        <source>Эта частота не входит в заданный диапазон.</source>
        <translation>This frequency is outside the band set.</translation>
    </message>
    <message>
        <source>Эта частота не попадает на шаг настройки.</source>
        <translation>This frequency is not on a tuning step.</translation>
    </message>
    <message>
        <source>Во время сканирования частоту не ввести: сначала остановите сканирование.</source>
        <translation>No frequency can be typed during a scan: stop the scan first.</translation>
    </message>
    <message>
        <source>Во время передачи частоту не ввести: сначала вернитесь на приём.</source>
        <translation>No frequency can be typed while transmitting: go back to receive first.</translation>
    </message>
    <message>
        <source>Ввод частоты</source>
        <translation>Type a frequency</translation>
    </message>
    <message>
        <source>Частота в kHz (145500) или в MHz (145.5):</source>
        <translation>Frequency in kHz (145500) or in MHz (145.5):</translation>
    </message>
    <message>
        <source>Передача прекращена: она длилась дольше тайм-аута передачи, заданного в «Config».</source>
        <translation>Transmission stopped: it lasted longer than the transmit time-out set in “Config”.</translation>
    </message>
    <message>
        <source>Диаграмма передачи</source>
        <translation>Transfer diagram</translation>
    </message>
    <message>
        <source>Дополнительно</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Управляющее слово:</source>
        <translation>Control word:</translation>
    </message>
    <message>
        <source>Частота гетеродина:</source>
        <translation>LO frequency:</translation>
    </message>
    <message>
        <source>Шаг 25 kHz</source>
        <translation>Step 25 kHz</translation>
    </message>
    <message>
        <source>Шаг 50 kHz</source>
        <translation>Step 50 kHz</translation>
    </message>
    <message>
        <source>Шаг 100 kHz</source>
        <translation>Step 100 kHz</translation>
    </message>
    <message>
        <source>Сканирование по каналам</source>
        <translation>Scan channels</translation>
    </message>
    <message>
        <source>Добавить канал</source>
        <translation>Add channel</translation>
    </message>
    <message>
        <source>Сканирование "от" и "до"</source>
        <translation>Scan "from" - "to"</translation>
    </message>
    <message>
        <source>от</source>
        <translation>from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Связь с радиостанцией потеряна. Продолжить работу с имитацией радиостанции?</source>
        <translation>The connection to the radio is lost. Go on with the simulated radio?</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>на месте файла находится каталог</source>
        <translation>a directory stands where the file should be</translation>
    </message>
    <message>
        <source>файл больше 16 МБ</source>
        <translation>the file is larger than 16 MB</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>сейчас</source>
        <translation>now</translation>
    </message>
    <message>
        <source>Активность диапазона</source>
        <translation>Band activity</translation>
    </message>
    <message>
        <source>Слайдер сейчас недоступен (сканирование, передача или открытое окно): частота не изменена</source>
        <translation>The slider is not available now (a scan, transmitting or an open window): frequency not changed</translation>
    </message>
    <message>
        <source>Вне диапазона слайдера: частота не изменена</source>
        <translation>Outside the slider's range: frequency not changed</translation>
    </message>
    <message>
        <source>Сканирование...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>Нижняя граница не соответствует формату!</source>
        <translation>The lower edge has the wrong format!</translation>
    </message>
    <message>
        <source>Верхняя граница не соответствует формату!</source>
        <translation>The upper edge has the wrong format!</translation>
    </message>
    <message>
        <source>Нижняя и верхняя граници совпадают!</source>
        <translation>The lower and upper edges are the same!</translation>
    </message>
    <message>
        <source>Нижняя граница больше верхней!</source>
        <translation>The lower edge is above the upper edge!</translation>
    </message>
    <message>
        <source>Нужно выбрать хотябы отдин канал!</source>
        <translation>Select at least one channel!</translation>
    </message>
    <message>
        <source>Изменения были внесены успешно!</source>
        <translation>The changes were made successfully!</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Частота границ задана неверно!</source>
        <translation>The band edge frequency is wrong!</translation>
    </message>
    <message>
        <source>Частота границ должна делиться на 100!</source>
        <translation>The band edge frequencies must be multiples of 100!</translation>
    </message>
    <message>
        <source>Верхняя граница не может быть меньше нижней!</source>
        <translation>The upper edge cannot be below the lower edge!</translation>
    </message>
    <message>
        <source>Границы не должны совпадать!</source>
        <translation>The edges must not be the same!</translation>
    </message>
    <message>
        <source>Значение промежуточной частоты не соответствует формату!</source>
        <translation>The intermediate frequency has the wrong format!</translation>
    </message>
    <message>
        <source>Скорость сканирования не соответствует формату!</source>
        <translation>The scan speed has the wrong format!</translation>
    </message>
    <message>
        <source>Задержка не может быть отрицательна!</source>
        <translation>A delay cannot be negative!</translation>
    </message>
    <message>
        <source>Тайм-аут передачи задаётся целым числом минут от 0 до 999!</source>
        <translation>The transmit time-out is a whole number of minutes from 0 to 999!</translation>
    </message>
    <message>
        <source>Настройки:</source>
        <translation>Settings:</translation>
    </message>
    <message>
        <source>Основные настройки</source>
        <translation>Main settings</translation>
    </message>
    <message>
        <source>Нижняя граница диапазона:</source>
        <translation>Lower band edge:</translation>
    </message>
    <message>
        <source>                                 Верхняя:</source>
        <translation>                                 Upper:</translation>
    </message>
    <message>
        <source> Промежуточная частота (Кгц):</source>
        <translation> Intermediate frequency (kHz):</translation>
    </message>
    <message>
        <source>  Разница част. приёма от передачи (Кгц):</source>
        <translation>  RX to TX frequency offset (kHz):</translation>
    </message>
    <message>
        <source>Сканирование:</source>
        <translation>Scanning:</translation>
    </message>
    <message>
        <source>Скорость... в миллисекундах</source>
        <translation>Speed... in milliseconds</translation>
    </message>
    <message>
        <source> общего сканирования:</source>
        <translation> band scan:</translation>
    </message>
    <message>
        <source> сканирования "от" и "до":</source>
        <translation> "from" - "to" scan:</translation>
    </message>
    <message>
        <source>сканирования по канналам:</source>
        <translation>channel scan:</translation>
    </message>
    <message>
        <source>Засылаемый сигнал:</source>
        <translation>Transfer signal:</translation>
    </message>
    <message>
        <source>В миллисекундах: </source>
        <translation>In milliseconds: </translation>
    </message>
    <message>
        <source>     Задержка 1:</source>
        <translation>     Delay 1:</translation>
    </message>
    <message>
        <source>     Задержка 2:</source>
        <translation>     Delay 2:</translation>
    </message>
    <message>
        <source>Внимание! При больших значениях задержки программа может зависнуть.</source>
        <translation>Caution! With long delays the program may stop responding.</translation>
    </message>
    <message>
        <source>Передача:</source>
        <translation>Transmit:</translation>
    </message>
    <message>
        <source>Тайм-аут передачи, мин:</source>
        <translation>Transmit time-out, min:</translation>
    </message>
    <message>
        <source>Передача длиннее прекращается; 0 — без тайм-аута.</source>
        <translation>A longer transmission is stopped; 0: no time-out.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Предупреждение!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Импорт в список «%1»: строк к записи — %2, заполненных записей они заменят — %3.</source>
        <translation>Import into the list “%1”: %2 {row|rows} to write, replacing %3 filled {entry|entries}.</translation>
    </message>
    <message>
        <source>Импорт в список «%1»: %2</source>
        <translation>Import into the list “%1”: %2</translation>
    </message>
    <message>
        <source>строка %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>строка %1 импортирована как FM</source>
        <translation>%1 row imported as FM</translation>
    </message>
    <message>
        <source>тон отброшен</source>
        <translation>tone dropped</translation>
    </message>
    <message>
        <source>Будут импортированы с изменениями:</source>
        <translation>These rows will be imported with changes:</translation>
    </message>
    <message>
        <source>Канал %1: %2</source>
        <translation>Channel %1: %2</translation>
    </message>
    <message>
        <source>Частота приёма %1 кГц вне диапазона %2–%3 кГц!</source>
        <translation>The receive frequency %1 kHz is outside the band %2–%3 kHz!</translation>
    </message>
    <message>
        <source>Частота передачи %1 кГц вне диапазона %2–%3 кГц!</source>
        <translation>The transmit frequency %1 kHz is outside the band %2–%3 kHz!</translation>
    </message>
    <message>
        <source>и ещё %1 {строка|строки|строк} с ошибками не {импортируется|импортируются|импортируются}</source>
        <translation>and %1 more {row|rows} with errors {is|are} not imported</translation>
    </message>
    <message>
        <source>Номер ячейки (Location) вне 1..%1!</source>
        <translation>The memory number (Location) is outside 1..%1!</translation>
    </message>
    <message>
        <source>В частоте больше %1 цифр (кГц)!</source>
        <translation>The frequency has more than %1 digits (kHz)!</translation>
    </message>
    <message>
        <source>Комментарий длиннее %1 символов!</source>
        <translation>The comment is longer than %1 characters!</translation>
    </message>
    <message>
        <source>%1 kHz: занятым не было</source>
        <translation>%1 kHz: never busy</translation>
    </message>
    <message>
        <source>%1 kHz: занято %2</source>
        <translation>%1 kHz: busy %2</translation>
    </message>
    <message>
        <source>%1 с назад</source>
        <translation>%1 s ago</translation>
    </message>
    <message>
        <source>%1 мин %2 с назад</source>
        <translation>%1 min %2 s ago</translation>
    </message>
    <message>
        <source>%1 ч %2 мин назад</source>
        <translation>%1 h %2 min ago</translation>
    </message>
    <message>
        <source>Файл настроек повреждён, часть настроек не удалось прочитать. Копия повреждённого файла сохранена: %1</source>
        <translation>The settings file is damaged and some settings could not be read. A copy of the damaged file was saved: %1</translation>
    </message>
    <message>
        <source>Файл настроек %1 повреждён, а сохранить его копию не удалось. Чтобы не потерять его, программа не будет записывать настройки: изменения будут действовать только до выхода из программы.</source>
        <translation>The settings file %1 is damaged and a copy of it could not be saved. So as not to lose it, the program will not write the settings: changes last only until the program ends.</translation>
    </message>
    <message>
        <source>Не удалось записать файл настроек %1: %2. Изменения настроек, каналов и библиотеки не сохранены: программа запишет их при следующем изменении, если запись удастся, а иначе они пропадут при выходе из программы.</source>
        <translation>Could not write the settings file %1: %2. Changes to the settings, channels and library are not saved: the program writes them at the next change if writing succeeds then, otherwise they are lost when the program ends.</translation>
    </message>
    <message>
        <source>В файле настроек не было или не удалось прочитать: %1. Им даны начальные значения.</source>
        <translation>The settings file lacked, or could not be read for: %1. They were given their starting values.</translation>
    </message>
    <message>
        <source>В файле настроек повторяются %1: взяты последние значения. Копия файла сохранена: %2</source>
        <translation>Keys repeat in the settings file: %1; the last values are used. A copy of the file was kept: %2</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл настроек %1: %2. Программа работает с начальными настройками и не будет изменять этот файл; изменения будут действовать только до выхода из программы.</source>
        <translation>Could not read the settings file %1: %2. The program runs with the starting settings and will not change this file; changes last only until the program ends.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2</source>
        <translation>Could not read the file “%1”: %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Could not write the file “%1”: %2</translation>
    </message>
    <message>
        <source>Вы запустили программу VOLNA144 v%1 в первый раз. Для нормальной работы программе нужно внести изменения в системный реестр. Продолжить?</source>
        <translation>You have started VOLNA144 v%1 for the first time. To work normally the program needs to write its starting settings. Go on?</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Передач ещё не было</source>
        <translation>No transfer yet</translation>
    </message>
    <message>
        <source>Слово с линий: </source>
        <translation>Word on the lines: </translation>
    </message>
    <message>
        <source>  импульсов: </source>
        <translation>  pulses: </translation>
    </message>
    <message>
        <source>  кадр не закрыт</source>
        <translation>  frame not closed</translation>
    </message>
    <message>
        <source>  (показано начало)</source>
        <translation>  (beginning shown)</translation>
    </message>
    <message>
        <source> мс</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>  Location %1: %2</source>
        <translation>  Location %1: %2</translation>
    </message>
    <message>
        <source>  %1: %2</source>
        <translation>  %1: %2</translation>
    </message>
    <message>
        <source>ADDition</source>
        <translation>ADDition</translation>
    </message>
    <message>
        <source>BAND</source>
        <translation>BAND</translation>
    </message>
    <message>
        <source>CMT:</source>
        <translation>CMT:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Channel scan</source>
        <translation>Channel scan</translation>
    </message>
    <message>
        <source>Channel Scan</source>
        <translation>Channel Scan</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NONE</translation>
    </message>
    <message>
        <source>Частота %1 kHz</source>
        <translation>Frequency %1 kHz</translation>
    </message>
    <message>
        <source>Частота приёма или передачи</source>
        <translation>Receive or transmit frequency</translation>
    </message>
    <message>
        <source>Положение ползунка %1</source>
        <translation>Slider position %1</translation>
    </message>
    <message>
        <source>Номер шага настройки в диапазоне</source>
        <translation>Tuning step number within the band</translation>
    </message>
    <message>
        <source>Шаг %1 kHz</source>
        <translation>Step %1 kHz</translation>
    </message>
    <message>
        <source>Шаг настройки</source>
        <translation>Tuning step</translation>
    </message>
    <message>
        <source>Единица частоты</source>
        <translation>Frequency unit</translation>
    </message>
    <message>
        <source>Режим %1</source>
        <translation>Mode %1</translation>
    </message>
    <message>
        <source>RX — приём, TX — передача</source>
        <translation>RX is receive, TX is transmit</translation>
    </message>
    <message>
        <source>Табло</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Фон табло</source>
        <translation>Display background</translation>
    </message>
    <message>
        <source>Открывает редактор каналов</source>
        <translation>Opens the channel editor</translation>
    </message>
    <message>
        <source>Комментарий канала</source>
        <translation>Channel comment</translation>
    </message>
    <message>
        <source>Строка состояния: %1</source>
        <translation>Status line: %1</translation>
    </message>
    <message>
        <source>Комментарий канала или ход сканирования</source>
        <translation>Channel comment or scan progress</translation>
    </message>
    <message>
        <source>Занятость: %1</source>
        <translation>Busy: %1</translation>
    </message>
    <message>
        <source>BUSY, когда приёмник слышит сигнал</source>
        <translation>BUSY while the receiver hears a signal</translation>
    </message>
    <message>
        <source>Единица шага</source>
        <translation>Step unit</translation>
    </message>
    <message>
        <source>Показывает или скрывает дополнительную панель</source>
        <translation>Shows or hides the additional panel</translation>
    </message>
    <message>
        <source>Канал %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Канал памяти на табло, NONE — без канала</source>
        <translation>Memory channel on the display, NONE for no channel</translation>
    </message>
    <message>
        <source>Открывает активность диапазона</source>
        <translation>Opens the band activity</translation>
    </message>
    <message>
        <source>Управляющее слово и частота гетеродина</source>
        <translation>Control word and oscillator frequency</translation>
    </message>
    <message>
        <source>Управляющее слово</source>
        <translation>Control word</translation>
    </message>
    <message>
        <source>Управляющее слово %1</source>
        <translation>Control word %1</translation>
    </message>
    <message>
        <source>Последнее посланное слово</source>
        <translation>The last word sent</translation>
    </message>
    <message>
        <source>Частота гетеродина</source>
        <translation>Oscillator frequency</translation>
    </message>
    <message>
        <source>Частота гетеродина %1 kHz</source>
        <translation>Oscillator frequency %1 kHz</translation>
    </message>
    <message>
        <source>Частота синтезатора</source>
        <translation>Synthesizer frequency</translation>
    </message>
    <message>
        <source>Открывает диаграмму передачи</source>
        <translation>Opens the transfer diagram</translation>
    </message>
    <message>
        <source>Настройка частоты</source>
        <translation>Frequency tuning</translation>
    </message>
    <message>
        <source>Показывает флажки каналов для сканирования</source>
        <translation>Shows the channel boxes for the scan</translation>
    </message>
    <message>
        <source>Записывает частоту на табло в канал памяти</source>
        <translation>Stores the displayed frequency in a memory channel</translation>
    </message>
    <message>
        <source>Сканирует только между частотами от и до</source>
        <translation>Scans only between the from and to frequencies</translation>
    </message>
    <message>
        <source>Первая частота сканирования</source>
        <translation>First scan frequency</translation>
    </message>
    <message>
        <source>Последняя частота сканирования</source>
        <translation>Last scan frequency</translation>
    </message>
    <message>
        <source>Сканирование от, kHz</source>
        <translation>Scan from, kHz</translation>
    </message>
    <message>
        <source>Сканирование до, kHz</source>
        <translation>Scan to, kHz</translation>
    </message>
    <message>
        <source>Сканирует весь диапазон или от и до</source>
        <translation>Scans the whole band or from and to</translation>
    </message>
    <message>
        <source>Сканирует отмеченные каналы</source>
        <translation>Scans the ticked channels</translation>
    </message>
    <message>
        <source>Открывает настройки</source>
        <translation>Opens the settings</translation>
    </message>
    <message>
        <source>Предыдущий канал</source>
        <translation>Previous channel</translation>
    </message>
    <message>
        <source>Настраивает на предыдущий канал</source>
        <translation>Tunes to the previous channel</translation>
    </message>
    <message>
        <source>Следующий канал</source>
        <translation>Next channel</translation>
    </message>
    <message>
        <source>Настраивает на следующий канал</source>
        <translation>Tunes to the next channel</translation>
    </message>
    <message>
        <source>Передача %1</source>
        <translation>Transmit %1</translation>
    </message>
    <message>
        <source>Включает и выключает передатчик</source>
        <translation>Switches the transmitter on and off</translation>
    </message>
    <message>
        <source>Закрывает программу</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>Следующий канал сканирования</source>
        <translation>Next channel of the scan</translation>
    </message>
    <message>
        <source>Служебное поле</source>
        <translation>Internal box</translation>
    </message>
    <message>
        <source>Канал %2</source>
        <translation>Channel %2</translation>
    </message>
    <message>
        <source>Настраивает на канал памяти</source>
        <translation>Tunes to the memory channel</translation>
    </message>
    <message>
        <source>Сканировать канал %2</source>
        <translation>Scan channel %2</translation>
    </message>
    <message>
        <source>Канал входит в сканирование по каналам</source>
        <translation>The channel is part of the channel scan</translation>
    </message>
    <message>
        <source>Очистить канал %2</source>
        <translation>Clear channel %2</translation>
    </message>
    <message>
        <source>Стирает частоты и комментарий канала</source>
        <translation>Clears the channel's frequencies and comment</translation>
    </message>
    <message>
        <source>Канал %2, приём, kHz</source>
        <translation>Channel %2, receive, kHz</translation>
    </message>
    <message>
        <source>Частота приёма</source>
        <translation>Receive frequency</translation>
    </message>
    <message>
        <source>Канал %2, передача, kHz</source>
        <translation>Channel %2, transmit, kHz</translation>
    </message>
    <message>
        <source>Частота передачи</source>
        <translation>Transmit frequency</translation>
    </message>
    <message>
        <source>Канал %2, комментарий</source>
        <translation>Channel %2, comment</translation>
    </message>
    <message>
        <source>Каналы памяти</source>
        <translation>Memory channels</translation>
    </message>
    <message>
        <source>Записывает каналы и закрывает окно</source>
        <translation>Saves the channels and closes the window</translation>
    </message>
    <message>
        <source>Стирает все каналы</source>
        <translation>Clears all channels</translation>
    </message>
    <message>
        <source>Закрывает окно без записи</source>
        <translation>Closes the window without saving</translation>
    </message>
    <message>
        <source>Открывает библиотеку каналов</source>
        <translation>Opens the channel library</translation>
    </message>
    <message>
        <source>Читает каналы из файла CSV</source>
        <translation>Reads the channels from a CSV file</translation>
    </message>
    <message>
        <source>Записывает каналы в файл CSV</source>
        <translation>Writes the channels to a CSV file</translation>
    </message>
    <message>
        <source>Новый канал</source>
        <translation>New channel</translation>
    </message>
    <message>
        <source>Приём, kHz</source>
        <translation>Receive, kHz</translation>
    </message>
    <message>
        <source>Передача, kHz</source>
        <translation>Transmit, kHz</translation>
    </message>
    <message>
        <source>Записывает канал и закрывает окно</source>
        <translation>Saves the channel and closes the window</translation>
    </message>
    <message>
        <source>Каналы библиотеки</source>
        <translation>Library channels</translation>
    </message>
    <message>
        <source>Из каналов в библиотеку</source>
        <translation>From the channels to the library</translation>
    </message>
    <message>
        <source>Из библиотеки в каналы</source>
        <translation>From the library to the channels</translation>
    </message>
    <message>
        <source>Частота для поиска, kHz</source>
        <translation>Frequency to find, kHz</translation>
    </message>
    <message>
        <source>Счётчики</source>
        <translation>Counters</translation>
    </message>
    <message>
        <source>Счётчик</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>Каналов в библиотеке: %1</source>
        <translation>Channels in the library: %1</translation>
    </message>
    <message>
        <source>Каналов в списке: %1</source>
        <translation>Channels in the list: %1</translation>
    </message>
    <message>
        <source>Записывает библиотеку</source>
        <translation>Saves the library</translation>
    </message>
    <message>
        <source>Закрывает окно</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>Читает библиотеку из файла CSV</source>
        <translation>Reads the library from a CSV file</translation>
    </message>
    <message>
        <source>Записывает библиотеку в файл CSV</source>
        <translation>Writes the library to a CSV file</translation>
    </message>
    <message>
        <source>Нижняя граница диапазона, kHz</source>
        <translation>Lower band boundary, kHz</translation>
    </message>
    <message>
        <source>Верхняя граница диапазона, kHz</source>
        <translation>Upper band boundary, kHz</translation>
    </message>
    <message>
        <source>Промежуточная частота, kHz</source>
        <translation>Intermediate frequency, kHz</translation>
    </message>
    <message>
        <source>Разница частот приёма и передачи, kHz</source>
        <translation>Receive to transmit offset, kHz</translation>
    </message>
    <message>
        <source>Скорость общего сканирования, мс</source>
        <translation>Whole-band scan speed, ms</translation>
    </message>
    <message>
        <source>Сканирование</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>Скорость сканирования от и до, мс</source>
        <translation>From/to scan speed, ms</translation>
    </message>
    <message>
        <source>Скорость сканирования по каналам, мс</source>
        <translation>Channel scan speed, ms</translation>
    </message>
    <message>
        <source>Задержка 1, мс</source>
        <translation>Delay 1, ms</translation>
    </message>
    <message>
        <source>Засылаемый сигнал</source>
        <translation>Signal sent</translation>
    </message>
    <message>
        <source>Задержка 2, мс</source>
        <translation>Delay 2, ms</translation>
    </message>
    <message>
        <source>Тайм-аут передачи, мин</source>
        <translation>Transmit time-out, min</translation>
    </message>
    <message>
        <source>Передача</source>
        <translation>Transmit</translation>
    </message>
    <message>
        <source>Записывает настройки и закрывает окно</source>
        <translation>Saves the settings and closes the window</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>Вернуть все</source>
        <translation>Take back all</translation>
    </message>
    <message>
        <source>Ждать ответа, с:</source>
        <translation>Wait for a reply, s:</translation>
    </message>
    <message>
        <source>Заблокированные частоты:</source>
        <translation>Locked-out frequencies:</translation>
    </message>
    <message>
        <source>Заблокировать частоту (F9)</source>
        <translation>Lock out the frequency (F9)</translation>
    </message>
    <message>
        <source>Записано остановок: %1</source>
        <translation>Hits saved: %1</translation>
    </message>
    <message>
        <source>Остановки сканирования (последние сверху):</source>
        <translation>Scan hits (newest first):</translation>
    </message>
    <message>
        <source>Продолжать через, с:</source>
        <translation>Resume after, s:</translation>
    </message>
    <message>
        <source>Сканер</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Сканер…</source>
        <translation>Scanner…</translation>
    </message>
    <message>
        <source>Сканирование сейчас не держит частоту: блокировать нечего</source>
        <translation>No scan holds on a frequency now: nothing to lock out</translation>
    </message>
    <message>
        <source>Сканирование уходит с частоты, на которой сигнал длится дольше; 0 — держать, пока есть сигнал</source>
        <translation>A scan leaves a frequency whose signal lasts longer; 0: hold while the signal lasts</translation>
    </message>
    <message>
        <source>Сколько сканирование ждёт после пропадания сигнала; 0 — сразу дальше</source>
        <translation>How long a scan waits after the signal drops; 0: move on at once</translation>
    </message>
    <message>
        <source>Сохранить в CSV… (Ctrl+S)</source>
        <translation>Save as CSV… (Ctrl+S)</translation>
    </message>
    <message>
        <source>Сохранить остановки сканирования</source>
        <translation>Save the scan hits</translation>
    </message>
    <message>
        <source>Список заблокированных частот полон</source>
        <translation>The list of locked-out frequencies is full</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>off</translation>
    </message>
</context>
</TS>
