<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_GB">
<context>
    <name>volna144</name>
    <message>
        <source>Scanning...</source>
        <translation>Сканирование...</translation>
    </message>
    <message>
        <source>VOLNA144  v%1 (simulated radio)</source>
        <translation>VOLNA144  v%1 (имитация радиостанции)</translation>
    </message>
    <message>
        <source>Usage: volna144 [--port=%1]</source>
        <translation>Запуск: volna144 [--port=%1]</translation>
    </message>
    <message>
        <source>unknown port '%1' (use %2)</source>
        <translation>неизвестный порт «%1» (возможны: %2)</translation>
    </message>
    <message>
        <source>bad rig control address '%1' (use ADDRESS:PORT)</source>
        <translation>неверный адрес управления по сети «%1» (нужно АДРЕС:ПОРТ)</translation>
    </message>
    <message>
        <source>only one of --export-csv and --import-csv can be given</source>
        <translation>можно указать только одно из --export-csv и --import-csv</translation>
    </message>
    <message>
        <source>%1 takes channels or library</source>
        <translation>%1 принимает channels или library</translation>
    </message>
    <message>
        <source>%1=%2 needs a FILE</source>
        <translation>после %1=%2 нужен ФАЙЛ</translation>
    </message>
    <message>
        <source>--pins takes five pin numbers, FRAME,CLOCK,DATA,TX,BUSY</source>
        <translation>--pins принимает пять номеров выводов: FRAME,CLOCK,DATA,TX,BUSY</translation>
    </message>
    <message>
        <source>--lang takes en or ru, not '%1'</source>
        <translation>--lang принимает en или ru, а не «%1»</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>--yes goes only with --import-csv</source>
        <translation>--yes указывается только вместе с --import-csv</translation>
    </message>
    <message>
        <source>the English translation is missing from this build</source>
        <translation>в этой сборке нет английского перевода</translation>
    </message>
    <message>
        <source>no rig control on %1 port %2: %3</source>
        <translation>управление по сети на %1, порт %2, не запущено: %3</translation>
    </message>
    <message>
        <source>rig control (rigctld protocol) on %1</source>
        <translation>управление по сети (протокол rigctld) на %1</translation>
    </message>
    <message>
        <source>warning: %1 is not a loopback address: anyone who can reach it over the network can tune the radio and key the transmitter</source>
        <translation>внимание: %1 — не локальный адрес: любой, кто достанет его по сети, может перестраивать радиостанцию и включать передатчик</translation>
    </message>
    <message>
        <source>  --port=auto          the first parallel port (/dev/parport0) if it can be</source>
        <translation>  --port=auto          первый параллельный порт (/dev/parport0), если его можно</translation>
    </message>
    <message>
        <source>                       claimed, else the FTDI adapter if exactly one is</source>
        <translation>                       занять, иначе адаптер FTDI, если подключён ровно</translation>
    </message>
    <message>
        <source>                       attached, otherwise the simulated radio (default)</source>
        <translation>                       один, иначе имитация радиостанции (по умолчанию)</translation>
    </message>
    <message>
        <source>  --pins=F,C,D,T,B     the pins of the frame, clock, data and transmit outputs</source>
        <translation>  --pins=F,C,D,T,B     выводы кадра, такта, данных и передачи (выходы)</translation>
    </message>
    <message>
        <source>                       and of the busy input on a port with pins of its own</source>
        <translation>                       и вход занятости на порту со своими выводами</translation>
    </message>
    <message>
        <source>                       (defaults above)</source>
        <translation>                       (значения по умолчанию выше)</translation>
    </message>
    <message>
        <source>                       network rig control in the rigctld protocol (Hamlib's</source>
        <translation>                       управление по сети в протоколе rigctld (NET rigctl</translation>
    </message>
    <message>
        <source>                       NET rigctl) on ADDR:PORT (default 127.0.0.1:4532)</source>
        <translation>                       из Hamlib) на ADDR:PORT (по умолчанию 127.0.0.1:4532)</translation>
    </message>
    <message>
        <source>                       write the ten channels or the library to FILE as CHIRP</source>
        <translation>                       записать десять каналов или библиотеку в ФАЙЛ как CHIRP</translation>
    </message>
    <message>
        <source>                       CSV and end, without opening a window</source>
        <translation>                       CSV и завершиться, не открывая окна</translation>
    </message>
    <message>
        <source>                       read CHIRP CSV rows from FILE into the channels or the</source>
        <translation>                       прочитать строки CHIRP CSV из ФАЙЛА в каналы или в</translation>
    </message>
    <message>
        <source>                       library: print what would be replaced and which rows are</source>
        <translation>                       библиотеку: показать, что будет заменено и какие строки</translation>
    </message>
    <message>
        <source>                       refused, and write only with --yes (exit status 1 when</source>
        <translation>                       отклонены, и записать только с --yes (код выхода 1, если</translation>
    </message>
    <message>
        <source>                       nothing was written)</source>
        <translation>                       ничего не записано)</translation>
    </message>
    <message>
        <source>  --lang=en|ru         the language of the windows and messages: English or</source>
        <translation>  --lang=en|ru         язык окон и сообщений: английский или</translation>
    </message>
    <message>
        <source>                       Russian; kept for later starts (default: the last one</source>
        <translation>                       русский; запоминается (по умолчанию: последний</translation>
    </message>
    <message>
        <source>                       chosen, Russian at first)</source>
        <translation>                       выбранный, сначала русский)</translation>
    </message>
    <message>
        <source>  --help               this text</source>
        <translation>  --help               этот текст</translation>
    </message>
    <message>
        <source>  --version            the program's version</source>
        <translation>  --version            версия программы</translation>
    </message>
    <message>
        <source>Environment: VOLNA144_PORT_TRACE=FILE appends every port operation to FILE;</source>
        <translation>Окружение: VOLNA144_PORT_TRACE=ФАЙЛ дописывает в ФАЙЛ каждую операцию с портом;</translation>
    </message>
    <message>
        <source>VOLNA144_SIM_STATUS=FILE makes the simulated radio's status register read the</source>
        <translation>VOLNA144_SIM_STATUS=ФАЙЛ: регистр состояния имитации радиостанции читает</translation>
    </message>
    <message>
        <source>first integer in FILE.</source>
        <translation>первое целое число из ФАЙЛА.</translation>
    </message>
    <message>
        <source>                       a click; Enter on a focused button presses it</source>
        <translation>                       как щелчок; Enter на кнопке в фокусе нажимает её</translation>
    </message>
    <message>
        <source>  A typed frequency is kHz (145500), or MHz below 1000 (145.5 or 145,5).</source>
        <translation>  Набранная частота — в кГц (145500) или, если меньше 1000, в МГц (145.5 или 145,5).</translation>
    </message>
    <message>
        <source>  Enter, Space         on &quot;Channel&quot;, &quot;ADDition&quot;, &quot;BAND&quot; and the diagram link:</source>
        <translation>  Enter, пробел        на «Channel», «ADDition», «BAND» и ссылке на диаграмму:</translation>
    </message>
    <message>
        <source>  Left, Right          on the slider: one notch; Page Up, Page Down: ten</source>
        <translation>  Влево, вправо        на ползунке: одно деление; Page Up, Page Down: десять</translation>
    </message>
    <message>
        <source>  Tab, Shift+Tab       every control in reading order, the slider first</source>
        <translation>  Tab, Shift+Tab       все элементы по порядку чтения, первым ползунок</translation>
    </message>
    <message>
        <source>  mouse wheel          over the read-out: one notch a wheel step</source>
        <translation>  колесо мыши          над табло частоты: одно деление за шаг колеса</translation>
    </message>
    <message>
        <source>Keyboard (console unless a window is named):</source>
        <translation>Клавиатура (в главном окне, если окно не названо):</translation>
    </message>
    <message>
        <source>add a channel</source>
        <translation>добавить канал</translation>
    </message>
    <message>
        <source>add channel: close without saving</source>
        <translation>добавление канала: закрыть без записи</translation>
    </message>
    <message>
        <source>add channel: save and close</source>
        <translation>добавление канала: записать и закрыть</translation>
    </message>
    <message>
        <source>add channel: the channel editor</source>
        <translation>добавление канала: редактор каналов</translation>
    </message>
    <message>
        <source>add channel: the library</source>
        <translation>добавление канала: библиотека</translation>
    </message>
    <message>
        <source>channel editor: close without saving</source>
        <translation>редактор каналов: закрыть без записи</translation>
    </message>
    <message>
        <source>channel editor: save and close</source>
        <translation>редактор каналов: записать и закрыть</translation>
    </message>
    <message>
        <source>channel editor: the library</source>
        <translation>редактор каналов: библиотека</translation>
    </message>
    <message>
        <source>library: close (asks to store changes)</source>
        <translation>библиотека: закрыть (спросит, записать ли изменения)</translation>
    </message>
    <message>
        <source>library: in the search box, find the next</source>
        <translation>библиотека: в поле поиска — искать следующий</translation>
    </message>
    <message>
        <source>library: store the lists</source>
        <translation>библиотека: записать списки</translation>
    </message>
    <message>
        <source>next stored channel (&quot;-&gt;&quot;)</source>
        <translation>следующий записанный канал («-&gt;»)</translation>
    </message>
    <message>
        <source>previous stored channel (&quot;&lt;-&quot;)</source>
        <translation>предыдущий записанный канал («&lt;-»)</translation>
    </message>
    <message>
        <source>settings: close without saving</source>
        <translation>настройки: закрыть без записи</translation>
    </message>
    <message>
        <source>settings: save and close</source>
        <translation>настройки: записать и закрыть</translation>
    </message>
    <message>
        <source>start or stop the channel scan (&quot;Channel scan&quot; / &quot;Stop&quot;)</source>
        <translation>начать или остановить сканирование по каналам («Channel scan» / «Stop»)</translation>
    </message>
    <message>
        <source>start or stop the scan (&quot;Scan&quot; / &quot;Stop&quot;)</source>
        <translation>начать или остановить сканирование («Scan» / «Stop»)</translation>
    </message>
    <message>
        <source>the channel editor (&quot;Channel&quot;)</source>
        <translation>редактор каналов («Channel»)</translation>
    </message>
    <message>
        <source>the settings (&quot;Config&quot;)</source>
        <translation>настройки («Config»)</translation>
    </message>
    <message>
        <source>transmit / receive (the &quot;TX&quot; switch)</source>
        <translation>передача / приём (переключатель «TX»)</translation>
    </message>
    <message>
        <source>type a frequency and tune to it</source>
        <translation>набрать частоту и настроиться на неё</translation>
    </message>
    <message>
        <source>memory channel 1</source>
        <translation>канал памяти 1</translation>
    </message>
    <message>
        <source>memory channel 2</source>
        <translation>канал памяти 2</translation>
    </message>
    <message>
        <source>memory channel 3</source>
        <translation>канал памяти 3</translation>
    </message>
    <message>
        <source>memory channel 4</source>
        <translation>канал памяти 4</translation>
    </message>
    <message>
        <source>memory channel 5</source>
        <translation>канал памяти 5</translation>
    </message>
    <message>
        <source>memory channel 6</source>
        <translation>канал памяти 6</translation>
    </message>
    <message>
        <source>memory channel 7</source>
        <translation>канал памяти 7</translation>
    </message>
    <message>
        <source>memory channel 8</source>
        <translation>канал памяти 8</translation>
    </message>
    <message>
        <source>memory channel 9</source>
        <translation>канал памяти 9</translation>
    </message>
    <message>
        <source>memory channel 10</source>
        <translation>канал памяти 10</translation>
    </message>
</context>
</TS>
