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
        <source>first integer in FILE, in place of its band.</source>
        <translation>первое целое число из ФАЙЛА вместо её диапазона.</translation>
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
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>the %1 port is not in this build (%2)</source>
        <translation>порта %1 нет в этой сборке (%2)</translation>
    </message>
    <message>
        <source>built without %1</source>
        <translation>собрана без %1</translation>
    </message>
    <message>
        <source>the %1 port is not available on this machine</source>
        <translation>порт %1 недоступен на этом компьютере</translation>
    </message>
    <message>
        <source>unknown port '%1'</source>
        <translation>неизвестный порт «%1»</translation>
    </message>
    <message>
        <source>--pins does not apply to the %1 port</source>
        <translation>--pins не относится к порту %1</translation>
    </message>
    <message>
        <source>--pins: the %1 pin must be a number from 0 to %2</source>
        <translation>--pins: вывод %1 должен быть числом от 0 до %2</translation>
    </message>
    <message>
        <source>--pins: %1 and %2 are both on pin %3</source>
        <translation>--pins: %1 и %2 оба на выводе %3</translation>
    </message>
    <message>
        <source>no parallel port on this machine</source>
        <translation>на этом компьютере нет параллельного порта</translation>
    </message>
    <message>
        <source>running the simulated radio</source>
        <translation>работает имитация радиостанции</translation>
    </message>
    <message>
        <source>and no simulated radio in this build</source>
        <translation>а имитации радиостанции в этой сборке нет</translation>
    </message>
    <message>
        <source>no parallel port at %1 (are the modules parport_pc and ppdev loaded?)</source>
        <translation>нет параллельного порта %1 (загружены ли модули parport_pc и ppdev?)</translation>
    </message>
    <message>
        <source>no permission to use %1: add yourself to group lp and log in again</source>
        <translation>нет прав на %1: добавьте себя в группу lp и войдите в систему заново</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 занят другой программой</translation>
    </message>
    <message>
        <source>%1 is not a parallel port device</source>
        <translation>%1 не является параллельным портом</translation>
    </message>
    <message>
        <source>%1 is in use by another program or driver (another copy of this program, or the lp printer driver?)</source>
        <translation>%1 занят другой программой или драйвером (другой копией этой программы или драйвером принтера lp?)</translation>
    </message>
    <message>
        <source>cannot claim %1: %2</source>
        <translation>не удалось захватить %1: %2</translation>
    </message>
    <message>
        <source>lost the parallel port %1: the port is gone (a USB adapter pulled out, or its driver unloaded)</source>
        <translation>потерян параллельный порт %1: порта больше нет (USB-адаптер вынут или его драйвер выгружен)</translation>
    </message>
    <message>
        <source>cannot write to the data register of %1: %2</source>
        <translation>не удалось записать в регистр данных %1: %2</translation>
    </message>
    <message>
        <source>cannot write to the data register of the parallel port %1: %2</source>
        <translation>не удалось записать в регистр данных параллельного порта %1: %2</translation>
    </message>
    <message>
        <source>cannot read the status register of the parallel port %1: %2</source>
        <translation>не удалось прочитать регистр состояния параллельного порта %1: %2</translation>
    </message>
    <message>
        <source>the FTDI adapter</source>
        <translation>адаптер FTDI</translation>
    </message>
    <message>
        <source>the FTDI adapter &quot;%1&quot;</source>
        <translation>адаптер FTDI «%1»</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>no FTDI adapter is attached</source>
        <translation>адаптер FTDI не подключён</translation>
    </message>
    <message>
        <source>no FTDI adapter is attached (is it plugged in?)</source>
        <translation>адаптер FTDI не подключён (вставлен ли он?)</translation>
    </message>
    <message>
        <source>no attached FTDI adapter has the serial number or description &quot;%1&quot; (%2 attached)</source>
        <translation>ни у одного подключённого адаптера FTDI нет серийного номера или описания «%1» (подключено: %2)</translation>
    </message>
    <message>
        <source>%1 attached FTDI adapters have the serial number or description &quot;%2&quot; (serial numbers %3): %4</source>
        <translation>у %1 подключённых адаптеров FTDI серийный номер или описание «%2» (серийные номера %3): %4</translation>
    </message>
    <message>
        <source>%1 FTDI adapters attached (serial numbers %2): %3</source>
        <translation>подключено адаптеров FTDI: %1 (серийные номера %2): %3</translation>
    </message>
    <message>
        <source>they share a serial number, so attach only the one to use</source>
        <translation>у них одинаковый серийный номер, поэтому подключите только нужный</translation>
    </message>
    <message>
        <source>name one with --port=ftdi:SERIAL</source>
        <translation>укажите один через --port=ftdi:СЕРИЙНЫЙ_НОМЕР</translation>
    </message>
    <message>
        <source>no permission to use the FTDI adapter: install a udev rule, a file /etc/udev/rules.d/99-ftdi-bitbang.rules with the line SUBSYSTEM==&quot;usb&quot;, ATTRS{idVendor}==&quot;0403&quot;, MODE=&quot;0660&quot;, GROUP=&quot;plugdev&quot;, add yourself to group plugdev, log in again and plug the adapter in again</source>
        <translation>нет прав на адаптер FTDI: установите правило udev — файл /etc/udev/rules.d/99-ftdi-bitbang.rules со строкой SUBSYSTEM==&quot;usb&quot;, ATTRS{idVendor}==&quot;0403&quot;, MODE=&quot;0660&quot;, GROUP=&quot;plugdev&quot;, добавьте себя в группу plugdev, войдите в систему заново и переподключите адаптер</translation>
    </message>
    <message>
        <source>%1 is in use by another program or by the ftdi_sio serial driver (close that program, or unload the driver: sudo modprobe -r ftdi_sio)</source>
        <translation>%1 занят другой программой или драйвером последовательного порта ftdi_sio (закройте ту программу или выгрузите драйвер: sudo modprobe -r ftdi_sio)</translation>
    </message>
    <message>
        <source>cannot put %1 into bit-bang mode: %2</source>
        <translation>не удалось перевести %1 в режим bit-bang: %2</translation>
    </message>
    <message>
        <source>cannot set the bit-bang rate of %1: %2</source>
        <translation>не удалось задать скорость bit-bang для %1: %2</translation>
    </message>
    <message>
        <source>cannot write to the pins of %1: %2</source>
        <translation>не удалось записать на выводы %1: %2</translation>
    </message>
    <message>
        <source>cannot look for FTDI adapters: %1</source>
        <translation>не удалось найти адаптеры FTDI: %1</translation>
    </message>
    <message>
        <source>the FTDI adapter was unplugged or stopped answering while reading the busy pin (%1)</source>
        <translation>адаптер FTDI отключён или перестал отвечать при чтении вывода занятости (%1)</translation>
    </message>
    <message>
        <source>the FTDI adapter was unplugged or stopped answering while writing to its pins (%1)</source>
        <translation>адаптер FTDI отключён или перестал отвечать при записи на его выводы (%1)</translation>
    </message>
    <message>
        <source>GPIO line %1 of %2</source>
        <translation>линия GPIO %1 чипа %2</translation>
    </message>
    <message>
        <source>lost GPIO chip %1: the device is gone (unplugged, or its driver unloaded)</source>
        <translation>потерян чип GPIO %1: устройства больше нет (отключено или его драйвер выгружен)</translation>
    </message>
    <message>
        <source>no permission to use GPIO chip %1: add yourself to group gpio and log in again, or give /dev/gpiochip* to a group you are in with a udev rule</source>
        <translation>нет прав на чип GPIO %1: добавьте себя в группу gpio и войдите в систему заново или отдайте /dev/gpiochip* своей группе правилом udev</translation>
    </message>
    <message>
        <source>no GPIO chip %1 (the chips of this machine are /dev/gpiochip*)</source>
        <translation>нет чипа GPIO %1 (чипы этого компьютера — /dev/gpiochip*)</translation>
    </message>
    <message>
        <source>%1 is not a GPIO chip</source>
        <translation>%1 не является чипом GPIO</translation>
    </message>
    <message>
        <source>cannot open GPIO chip %1: %2</source>
        <translation>не удалось открыть чип GPIO %1: %2</translation>
    </message>
    <message>
        <source>one of GPIO lines %1, %2, %3, %4 of %5 is in use by another program or driver</source>
        <translation>одна из линий GPIO %1, %2, %3, %4 чипа %5 занята другой программой или драйвером</translation>
    </message>
    <message>
        <source>%1 is in use by another program or driver (&quot;%2&quot;)</source>
        <translation>%1 занята другой программой или драйвером («%2»)</translation>
    </message>
    <message>
        <source>%1 is in use by another program or driver</source>
        <translation>%1 занята другой программой или драйвером</translation>
    </message>
    <message>
        <source>cannot take %1: %2</source>
        <translation>не удалось занять %1: %2</translation>
    </message>
    <message>
        <source>--pins: the %1 line %2 is beyond GPIO chip %3, which has lines 0 to %4</source>
        <translation>--pins: линия %1 (%2) вне чипа GPIO %3, у которого линии от 0 до %4</translation>
    </message>
    <message>
        <source>--pins: the %1 line %2 is beyond GPIO chip %3, which has no lines</source>
        <translation>--pins: линия %1 (%2) вне чипа GPIO %3, у которого нет линий</translation>
    </message>
    <message>
        <source>cannot read the busy line of GPIO chip %1: %2</source>
        <translation>не удалось прочитать линию занятости чипа GPIO %1: %2</translation>
    </message>
    <message>
        <source>cannot set the lines of GPIO chip %1: %2</source>
        <translation>не удалось установить линии чипа GPIO %1: %2</translation>
    </message>
    <message>
        <source>cannot open the port trace file %1: %2</source>
        <translation>не удалось открыть файл трассировки порта %1: %2</translation>
    </message>
    <message>
        <source>no port trace: %1</source>
        <translation>трассировки порта нет: %1</translation>
    </message>
    <message>
        <source>running without the store's lock: %1</source>
        <translation>работа без блокировки файла настроек: %1</translation>
    </message>
    <message>
        <source>a second start cannot bring this console forward: %1</source>
        <translation>повторный запуск не сможет вывести это окно на передний план: %1</translation>
    </message>
    <message>
        <source>no display: the Qt platform &quot;%1&quot; could not start (--export-csv and --import-csv work without one)</source>
        <translation>нет дисплея: платформа Qt «%1» не запустилась (--export-csv и --import-csv работают без дисплея)</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set (--export-csv and --import-csv work without one)</source>
        <translation>нет дисплея: DISPLAY не задан (--export-csv и --import-csv работают без дисплея)</translation>
    </message>
    <message>
        <source>no display: cannot connect to %1 (--export-csv and --import-csv work without one)</source>
        <translation>нет дисплея: не удалось подключиться к %1 (--export-csv и --import-csv работают без дисплея)</translation>
    </message>
    <message>
        <source>the simulated radio</source>
        <translation>имитация радиостанции</translation>
    </message>
    <message>
        <source>the parallel port DEV through ppdev (default %1)</source>
        <translation>параллельный порт DEV через ppdev (по умолчанию %1)</translation>
    </message>
    <message>
        <source>an FTDI USB adapter in bit-bang mode, DEV its serial number or description (default: the only one attached); pins are D0 to D7</source>
        <translation>USB-адаптер FTDI в режиме bit-bang, DEV — его серийный номер или описание (по умолчанию единственный подключённый); выводы D0–D7</translation>
    </message>
    <message>
        <source>GPIO lines of chip DEV (default %1); pins are line offsets, the default ones on Raspberry Pi header pins 11, 13, 15, 16 and 18</source>
        <translation>линии GPIO чипа DEV (по умолчанию %1); выводы — номера линий, по умолчанию на контактах 11, 13, 15, 16 и 18 разъёма Raspberry Pi</translation>
    </message>
    <message>
        <source>not in this build (%1)</source>
        <translation>нет в этой сборке (%1)</translation>
    </message>
    <message>
        <source>--pins default %1 (pins 0 to %2)</source>
        <translation>--pins по умолчанию %1 (выводы от 0 до %2)</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, пробел</translation>
    </message>
    <message>
        <source>on &quot;Channel&quot;, &quot;ADDition&quot;, &quot;BAND&quot; and the diagram link: a click; Enter on a focused button presses it</source>
        <translation>на «Channel», «ADDition», «BAND» и ссылке на диаграмму: как щелчок; Enter на кнопке в фокусе нажимает её</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Влево, вправо</translation>
    </message>
    <message>
        <source>on the slider: one notch; Page Up, Page Down: ten</source>
        <translation>на ползунке: одно деление; Page Up, Page Down: десять</translation>
    </message>
    <message>
        <source>mouse wheel</source>
        <translation>колесо мыши</translation>
    </message>
    <message>
        <source>over the read-out: one notch a wheel step</source>
        <translation>над табло частоты: одно деление за шаг колеса</translation>
    </message>
    <message>
        <source>every control in reading order, the slider first</source>
        <translation>все элементы по порядку чтения, первым ползунок</translation>
    </message>
    <message>
        <source>a typed frequency is kHz (145500), or MHz below 1000 (145.5 or 145,5)</source>
        <translation>набранная частота — в кГц (145500) или, если меньше 1000, в МГц (145.5 или 145,5)</translation>
    </message>
    <message>
        <source>rig control: a lost client may go unnoticed: %1</source>
        <translation>управление по сети: пропавший клиент может остаться незамеченным: %1</translation>
    </message>
    <message>
        <source>  --sim-band=FILE|none the signals the simulated radio hears, one a line:</source>
        <translation>  --sim-band=ФАЙЛ|none сигналы, которые слышит имитация, по одному в строке:</translation>
    </message>
    <message>
        <source>                       kHz, width kHz, always | every P on D [at S] |</source>
        <translation>                       кГц, ширина кГц, always | every P on D [at S] |</translation>
    </message>
    <message>
        <source>                       bursts D% of L (default: a built-in band of the 2 m</source>
        <translation>                       bursts D% of L (по умолчанию встроенный диапазон 2 м;</translation>
    </message>
    <message>
        <source>                       range; none: a silent band)</source>
        <translation>                       none: тихий диапазон)</translation>
    </message>
    <message>
        <source>  --sim-seed=N         draws the simulated band's bursts (default 1)</source>
        <translation>  --sim-seed=N         зерно случайных пачек имитации (по умолчанию 1)</translation>
    </message>
    <message>
        <source>--sim-band takes a FILE or none</source>
        <translation>--sim-band принимает ФАЙЛ или none</translation>
    </message>
    <message>
        <source>--sim-band: %1</source>
        <translation>диапазон --sim-band: %1</translation>
    </message>
    <message>
        <source>--sim-band: line %1: %2</source>
        <translation>--sim-band: строка %1: %2</translation>
    </message>
    <message>
        <source>--sim-band: more than %1 signals</source>
        <translation>--sim-band: больше %1 сигналов</translation>
    </message>
    <message>
        <source>--sim-seed takes a whole number, not '%1'</source>
        <translation>--sim-seed принимает целое число, а не «%1»</translation>
    </message>
    <message>
        <source>a signal is a frequency in kHz, a width in kHz and a pattern, separated by commas</source>
        <translation>сигнал — это частота в кГц, ширина в кГц и расписание через запятую</translation>
    </message>
    <message>
        <source>in &quot;bursts D% of L&quot;, D is 0 to 100 percent and L is 1 to 60000 ms</source>
        <translation>в «bursts D% of L» D — от 0 до 100 процентов, L — от 1 до 60000 мс</translation>
    </message>
    <message>
        <source>in &quot;every P on D at S&quot;, P is 1 to 86400 seconds and D and S are 0 to P</source>
        <translation>в «every P on D at S» P — от 1 до 86400 секунд, D и S — от 0 до P</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not a number of kHz from 1 to 10000000</source>
        <translation>частота «%1» — не число кГц от 1 до 10000000</translation>
    </message>
    <message>
        <source>the pattern &quot;%1&quot; is none of: always, every P on D [at S], bursts D% of L</source>
        <translation>расписание «%1» — ни одно из: always, every P on D [at S], bursts D% of L</translation>
    </message>
    <message>
        <source>the width &quot;%1&quot; is not a number of kHz from 0 to 10000</source>
        <translation>ширина «%1» — не число кГц от 0 до 10000</translation>
    </message>
    <message>
        <source>lock out the frequency a scan holds on</source>
        <translation>заблокировать частоту, на которой держится сканирование</translation>
    </message>
    <message>
        <source>the scanner: lockouts, resume, hang time, hits</source>
        <translation>сканер: блокировки, продолжение, ожидание, остановки</translation>
    </message>
    <message>
        <source>Copyright 2026 The VOLNA144 developers.</source>
        <translation>© 2026 разработчики VOLNA144.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или</translation>
    </message>
    <message>
        <source>(GPL-3.0-or-later): you may change and share it; it comes with no warranty.</source>
        <translation>более поздней (GPL-3.0-or-later): изменяйте и распространяйте; без гарантий.</translation>
    </message>
</context>
</TS>
