<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>версия %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Лицензия: %1</translation>
    </message>
    <message>
        <source>Kestrix is a program designed to: </source>
        <translation>Kestrix предназначен для того, чтобы: </translation>
    </message>
    <message>
        <source>calculate the antenna displacement due to the tilt of the UAV during the flight; </source>
        <translation>вычислять смещение антенны из-за наклона БПЛА в полёте; </translation>
    </message>
    <message>
        <source>assign unique names to each photo files; </source>
        <translation>присваивать каждому файлу фотографии уникальное имя; </translation>
    </message>
    <message>
        <source>geotag photos with coordinates from csv or txt files; </source>
        <translation>записывать в фотографии координаты из файлов CSV или TXT; </translation>
    </message>
    <message>
        <source>verify that the number of photos corresponds to the number of time marks;</source>
        <translation>проверять, что число фотографий совпадает с числом меток времени;</translation>
    </message>
    <message>
        <source>allows you to filter photos to remove unnecessary. </source>
        <translation>отфильтровывать ненужные фотографии. </translation>
    </message>
    <message>
        <source>Kestrix was designed for the GNSS receiver of Orvanta&apos;s own survey UAV, but it processes the data of other UAVs just as well once the offset between their GNSS antenna and the centre of their camera is entered in the settings.</source>
        <translation>Kestrix создан для GNSS-приёмника собственного геодезического БПЛА компании Orvanta, но так же хорошо обрабатывает данные других БПЛА, если в настройках указано смещение между их GNSS-антенной и центром камеры.</translation>
    </message>
    <message>
        <source>Follow the news of Orvanta: %1</source>
        <translation>Новости Orvanta: %1</translation>
    </message>
    <message>
        <source>THIRD PARTY LICENSE</source>
        <translation>ЛИЦЕНЗИИ СТОРОННИХ КОМПОНЕНТОВ</translation>
    </message>
    <message>
        <source>Qt %1 (Core, Gui, Widgets, Svg, PrintSupport)</source>
        <translation>Qt %1 (Core, Gui, Widgets, Svg, PrintSupport)</translation>
    </message>
    <message>
        <source>Copyright (C) The Qt Company Ltd. and other contributors.</source>
        <translation>Copyright (C) The Qt Company Ltd. и другие участники.</translation>
    </message>
    <message>
        <source>GNU Lesser General Public License, version 3 (LGPL-3.0-only)</source>
        <translation>GNU Lesser General Public License, версия 3 (LGPL-3.0-only)</translation>
    </message>
    <message>
        <source>Exiv2 %1</source>
        <translation>Exiv2 %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2004-2021 Exiv2 authors.</source>
        <translation>Copyright (C) 2004-2021 авторы Exiv2.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 2 or later (GPL-2.0-or-later)</source>
        <translation>GNU General Public License, версия 2 или новее (GPL-2.0-or-later)</translation>
    </message>
    <message>
        <source>PROJ %1</source>
        <translation>PROJ %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2000 Frank Warmerdam and the PROJ contributors. Its database includes the EPSG Geodetic Parameter Dataset, (C) IOGP, used under its terms of use.</source>
        <translation>Copyright (C) 2000 Frank Warmerdam и участники проекта PROJ. Его база данных включает EPSG Geodetic Parameter Dataset, (C) IOGP, используемый на его условиях использования.</translation>
    </message>
    <message>
        <source>MIT License</source>
        <translation>Лицензия MIT</translation>
    </message>
    <message>
        <source>QCustomPlot %1</source>
        <translation>QCustomPlot %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2011-2021 Emanuel Eichhammer.</source>
        <translation>Copyright (C) 2011-2021 Emanuel Eichhammer.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>GNU General Public License, версия 3 или новее (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Font Awesome 4.7 (the icon font)</source>
        <translation>Font Awesome 4.7 (шрифт значков)</translation>
    </message>
    <message>
        <source>Created by Dave Gandy, https://fontawesome.com.</source>
        <translation>Автор — Dave Gandy, https://fontawesome.com.</translation>
    </message>
    <message>
        <source>SIL Open Font License, version 1.1 (OFL-1.1)</source>
        <translation>SIL Open Font License, версия 1.1 (OFL-1.1)</translation>
    </message>
    <message>
        <source>Open Sans (the interface font)</source>
        <translation>Open Sans (шрифт интерфейса)</translation>
    </message>
    <message>
        <source>Digitized data copyright 2010-2011, Google Corporation.</source>
        <translation>Оцифрованные данные: copyright 2010-2011, Google Corporation.</translation>
    </message>
    <message>
        <source>Apache License, version 2.0 (Apache-2.0)</source>
        <translation>Apache License, версия 2.0 (Apache-2.0)</translation>
    </message>
    <message>
        <source>The full texts of these licenses come with the libraries and fonts; on Debian they are in /usr/share/common-licenses and in the copyright file of each package under /usr/share/doc.</source>
        <translation>Полные тексты этих лицензий поставляются вместе с библиотеками и шрифтами; в Debian они находятся в /usr/share/common-licenses и в файле copyright каждого пакета в /usr/share/doc.</translation>
    </message>
    <message>
        <source>UAV photos, geotagged</source>
        <translation>Снимки БПЛА с геопривязкой</translation>
    </message>
</context>
<context>
    <name>ChartPopUp</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
</context>
<context>
    <name>CliCheck</name>
    <message>
        <source>without a row: %1</source>
        <translation>без строки: %1</translation>
    </message>
    <message>
        <source>without a photo: %1</source>
        <translation>без фотографии: %1</translation>
    </message>
    <message>
        <source>(nothing left out)</source>
        <translation>(ничего не исключено)</translation>
    </message>
    <message>
        <source>Block %1: left out for want of a partner by time: photos: %2, rows: %3</source>
        <translation>Блок %1: исключено из-за отсутствия пары по времени: фотографий: %2, строк: %3</translation>
    </message>
    <message>
        <source>Left out of block %1 (no partner by time, source files untouched):</source>
        <translation>Исключено из блока %1 (нет пары по времени, исходные файлы не тронуты):</translation>
    </message>
    <message>
        <source>Block %1: %2</source>
        <translation>Блок %1: %2</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given</source>
        <translation>Команда не указана</translation>
    </message>
    <message>
        <source>Unknown command %1</source>
        <translation>Неизвестная команда %1</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>Параметру %1 нужно значение</translation>
    </message>
    <message>
        <source>--mode takes full, timemarks or photos</source>
        <translation>--mode принимает full, timemarks или photos</translation>
    </message>
    <message>
        <source>--coords takes utm or wgs84</source>
        <translation>--coords принимает utm или wgs84</translation>
    </message>
    <message>
        <source>--utm-zone takes 1..60 (north) or -1..-60 (south)</source>
        <translation>--utm-zone принимает 1..60 (север) или -1..-60 (юг)</translation>
    </message>
    <message>
        <source>--delimiter takes auto, tab, semicolon, comma or whitespace</source>
        <translation>--delimiter принимает auto, tab, semicolon, comma или whitespace</translation>
    </message>
    <message>
        <source>--columns takes D,N,E,H or D,N,E,H,SDN,SDE,SDH</source>
        <translation>--columns принимает D,N,E,H или D,N,E,H,SDN,SDE,SDH</translation>
    </message>
    <message>
        <source>--columns: N, E and H need a column from 1 to 99, the others 0 to 99</source>
        <translation>--columns: для N, E и H нужен столбец от 1 до 99, для остальных — от 0 до 99</translation>
    </message>
    <message>
        <source>--first-row takes a line number of the file (from 1) or auto</source>
        <translation>--first-row принимает номер строки файла (начиная с 1) или auto</translation>
    </message>
    <message>
        <source>--offset takes A,B,Z in millimetres</source>
        <translation>--offset принимает A,B,Z в миллиметрах</translation>
    </message>
    <message>
        <source>--lever-arm takes aircraft or design</source>
        <translation>--lever-arm принимает aircraft или design</translation>
    </message>
    <message>
        <source>--out-delimiter takes first, last, tab, semicolon, comma or whitespace</source>
        <translation>--out-delimiter принимает first, last, tab, semicolon, comma или whitespace</translation>
    </message>
    <message>
        <source>--split-gap takes 0..65535 seconds</source>
        <translation>--split-gap принимает от 0 до 65535 секунд</translation>
    </message>
    <message>
        <source>--quarantine-filter: %1 is not a number</source>
        <translation>--quarantine-filter: %1 — не число</translation>
    </message>
    <message>
        <source>--quarantine-filter takes distance[=M], gimbal[=DEG], exposure</source>
        <translation>--quarantine-filter принимает distance[=M], gimbal[=DEG], exposure</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Неизвестный параметр %1</translation>
    </message>
    <message>
        <source>Photo %1 comes before any --timemarks</source>
        <translation>Фото %1 указано раньше первого --timemarks</translation>
    </message>
    <message>
        <source>--out is required</source>
        <translation>Требуется параметр --out</translation>
    </message>
    <message>
        <source>At least one --timemarks FILE with photos is required</source>
        <translation>Требуется хотя бы один --timemarks FILE с фотографиями</translation>
    </message>
    <message>
        <source>Usage: kestrix-cli process [options] --out DIR --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
       kestrix-cli check [options] --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
       kestrix-cli --version | --help

Each --timemarks FILE opens a block; the photos after it (files, or folders whose
*.jpg/*.jpeg files are taken in name order) belong to it. Options override the stored
settings for this run only.

  --out DIR                 output folder (created when missing)
  --subdir, --no-subdir     create a Kestrix_&lt;time&gt; subfolder, or not
  --prefix TEXT             photo name prefix
  --mode full|timemarks|photos
  --coords utm|wgs84        coordinate system of timemarks and output
  --utm-zone N              UTM zone of metric rows (1..60 north, -1..-60 south)
  --delimiter auto|tab|semicolon|comma|whitespace
  --columns D,N,E,H[,SDN,SDE,SDH]  1-based file columns, 0 = none
  --first-row N|auto        first data row: its line number in the file, or auto
  --offset A,B,Z            antenna offset in millimetres
  --lever-arm aircraft|design  turn the offset by the drone&apos;s attitude (default), or
                            by the earlier formula, to reproduce earlier results
  --split-folders           one photo folder and coordinate file per block
  --pix4d                   Pix4D column order and file names
  --out-delimiter first|last|tab|semicolon|comma|whitespace
  --split-gap SECONDS       split blocks at time gaps between photos
  --quarantine-filter distance[=M],gimbal[=DEG],exposure
  --no-check                run although the pre-checks fail
  --drop-unmatched          leave out the photos and rows that the pairing check
                            clearly finds without a partner by time

check compares the photos&apos; capture times with the timemark rows&apos; times, block by
block, and names the photos and rows that have no partner. It takes the block
options above; --out is not needed.

Exit codes: 0 done, 1 refused (pre-check, input), 2 usage, 3 the run failed.
check: 0 every block pairs one to one by time, 4 unmatched photos or rows found,
5 a block cannot be told (too regular, or without dates), 1 refused input.
</source>
        <extracomment>Keep the option names, their values (full, utm, auto, ...) and the upper-case placeholders (DIR, FILE, PHOTO, N, TEXT, M, DEG) as they are.</extracomment>
        <translation>Использование: kestrix-cli process [параметры] --out DIR --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
               kestrix-cli check [параметры] --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
               kestrix-cli --version | --help

Каждый --timemarks FILE открывает блок; фотографии после него (файлы или папки, файлы
*.jpg/*.jpeg из которых берутся в порядке имён) относятся к этому блоку. Параметры заменяют
сохранённые настройки только для этого запуска.

  --out DIR                 папка результатов (создаётся, если её нет)
  --subdir, --no-subdir     создавать подпапку Kestrix_&lt;time&gt; или нет
  --prefix TEXT             префикс имён фотографий
  --mode full|timemarks|photos
  --coords utm|wgs84        система координат меток времени и результатов
  --utm-zone N              зона UTM метрических строк (1..60 север, -1..-60 юг)
  --delimiter auto|tab|semicolon|comma|whitespace
  --columns D,N,E,H[,SDN,SDE,SDH]  столбцы файла, считая с 1; 0 — столбца нет
  --first-row N|auto        первая строка данных: её номер строки в файле или auto
  --offset A,B,Z            смещение антенны в миллиметрах
  --lever-arm aircraft|design  поворачивать смещение по ориентации дрона (по умолчанию)
                            или по прежней формуле, чтобы повторить прежние результаты
  --split-folders           своя папка фотографий и свой файл координат для каждого блока
  --pix4d                   порядок столбцов и имена файлов для Pix4D
  --out-delimiter first|last|tab|semicolon|comma|whitespace
  --split-gap SECONDS       делить блоки по перерывам во времени между снимками
  --quarantine-filter distance[=M],gimbal[=DEG],exposure
  --no-check                запускать, даже если предварительные проверки не пройдены
  --drop-unmatched          исключить фотографии и строки, для которых проверка пар
                            однозначно не находит партнёра по времени

check сравнивает время съёмки фотографий со временем строк меток времени, блок за
блоком, и называет фотографии и строки без пары. Принимает параметры блоков,
перечисленные выше; --out не нужен.

Коды завершения: 0 — готово, 1 — отказ (проверка, входные данные), 2 — ошибка вызова,
3 — сбой обработки.
check: 0 — каждый блок сопоставлен по времени один к одному, 4 — найдены фотографии
или строки без пары, 5 — блок нельзя оценить (слишком равномерно или без дат),
1 — входные данные отклонены.
</translation>
    </message>
    <message>
        <source>--drop-unmatched is an option of process</source>
        <translation>--drop-unmatched — параметр команды process</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>The output folder %1 is a file</source>
        <translation>Папка результатов %1 — это файл</translation>
    </message>
    <message>
        <source>%1 is a file</source>
        <translation>%1 — это файл</translation>
    </message>
    <message>
        <source>%1 is not writable</source>
        <translation>Нет права записи в %1</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1: %2</source>
        <translation>Не удаётся создать папку результатов %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1</source>
        <translation>Не удаётся создать папку результатов %1</translation>
    </message>
    <message>
        <source>Photo %1 %2</source>
        <translation>Фото %1: %2</translation>
    </message>
    <message>
        <source>Timemark file %1: no data row found (--first-row auto)</source>
        <translation>Файл меток времени %1: строка данных не найдена (--first-row auto)</translation>
    </message>
    <message>
        <source>Timemark file %1: line %2 is past its last row</source>
        <translation>Файл меток времени %1: строка %2 находится после его последней строки</translation>
    </message>
    <message>
        <source>Block %1: first timemark row: line %2 (%3)</source>
        <translation>Блок %1: первая строка меток времени — строка %2 (%3)</translation>
    </message>
    <message>
        <source>Timemark file %1 %2</source>
        <translation>Файл меток времени %1: %2</translation>
    </message>
    <message>
        <source>Timemark file %1 is not recognised</source>
        <translation>Файл меток времени %1 не распознан</translation>
    </message>
    <message>
        <source>Timemark file %1: %2</source>
        <translation>Файл меток времени %1: %2</translation>
    </message>
    <message>
        <source>Block %1: %2, %3</source>
        <extracomment>%1 the block number, %2 &quot;20 photos&quot;, %3 &quot;20 timemark rows&quot;</extracomment>
        <translation>Блок %1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>in a block</comment>
        <translation>
            <numerusform>%n фотография</numerusform>
            <numerusform>%n фотографии</numerusform>
            <numerusform>%n фотографий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>in a block</comment>
        <translation>
            <numerusform>%n строка меток времени</numerusform>
            <numerusform>%n строки меток времени</numerusform>
            <numerusform>%n строк меток времени</numerusform>
        </translation>
    </message>
    <message>
        <source>Block %1: %2</source>
        <translation>Блок %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Block %1: %n pairs quarantined by the filters</source>
        <translation>
            <numerusform>Блок %1: фильтры поместили в карантин %n пару</numerusform>
            <numerusform>Блок %1: фильтры поместили в карантин %n пары</numerusform>
            <numerusform>Блок %1: фильтры поместили в карантин %n пар</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1: the filters found %n rows, but the pairs cannot be quarantined: Count photos and timemarks must be equal</source>
        <translation>
            <numerusform>Блок %1: фильтры нашли %n строку, но пары нельзя поместить в карантин: число фотографий и меток времени должно совпадать</numerusform>
            <numerusform>Блок %1: фильтры нашли %n строки, но пары нельзя поместить в карантин: число фотографий и меток времени должно совпадать</numerusform>
            <numerusform>Блок %1: фильтры нашли %n строк, но пары нельзя поместить в карантин: число фотографий и меток времени должно совпадать</numerusform>
        </translation>
    </message>
    <message>
        <source>The output folder holds %1, the unfinished coordinate file of a run that did not end</source>
        <translation>В папке результатов лежит %1 — незавершённый файл координат прерванного запуска</translation>
    </message>
    <message>
        <source>Hard disk error</source>
        <translation>Ошибка диска</translation>
    </message>
    <message>
        <source>Running anyway (--no-check)</source>
        <translation>Запуск несмотря на это (--no-check)</translation>
    </message>
    <message>
        <source>The task is canceled</source>
        <translation>Задача прервана</translation>
    </message>
    <message>
        <source>Stopping before the next photo; press Ctrl-C again to end at once</source>
        <translation>Остановка перед следующей фотографией; нажмите Ctrl-C ещё раз, чтобы завершить немедленно</translation>
    </message>
    <message>
        <source>Output folder: %1</source>
        <translation>Папка результатов: %1</translation>
    </message>
    <message>
        <source>Coordinate file: %1</source>
        <translation>Файл координат: %1</translation>
    </message>
    <message numerus="yes">
        <source>Not copied: %n photos</source>
        <translation>
            <numerusform>Не скопировано: %n фотография</numerusform>
            <numerusform>Не скопировано: %n фотографии</numerusform>
            <numerusform>Не скопировано: %n фотографий</numerusform>
        </translation>
    </message>
    <message>
        <source>Not copied: %1 (%2)</source>
        <translation>Не скопировано: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Copied without geotag (metadata could not be written): %n photos</source>
        <translation>
            <numerusform>Скопировано без геотегов (метаданные не записываются): %n фотография</numerusform>
            <numerusform>Скопировано без геотегов (метаданные не записываются): %n фотографии</numerusform>
            <numerusform>Скопировано без геотегов (метаданные не записываются): %n фотографий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Metadata could not be read: %n photos</source>
        <translation>
            <numerusform>Метаданные не читаются: %n фотография</numerusform>
            <numerusform>Метаданные не читаются: %n фотографии</numerusform>
            <numerusform>Метаданные не читаются: %n фотографий</numerusform>
        </translation>
    </message>
    <message>
        <source>Exiv2 failed on %1</source>
        <translation>Сбой Exiv2: %1</translation>
    </message>
    <message>
        <source>Photos without a position (no geotag, no line): %1</source>
        <translation>Фотографий без координат (без геотегов, без строки): %1</translation>
    </message>
    <message numerus="yes">
        <source>Missing from the coordinate file: %n photos</source>
        <translation>
            <numerusform>Нет в файле координат: %n фотография</numerusform>
            <numerusform>Нет в файле координат: %n фотографии</numerusform>
            <numerusform>Нет в файле координат: %n фотографий</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing from the coordinate file: %1 (%2)</source>
        <translation>Нет в файле координат: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Latitude/longitude not written for want of a UTM zone (see --utm-zone): %n photos</source>
        <translation>
            <numerusform>Широта и долгота не записаны, так как не задана зона UTM (см. --utm-zone): %n фотография</numerusform>
            <numerusform>Широта и долгота не записаны, так как не задана зона UTM (см. --utm-zone): %n фотографии</numerusform>
            <numerusform>Широта и долгота не записаны, так как не задана зона UTM (см. --utm-zone): %n фотографий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not processed, the run broke off first: %n photos</source>
        <translation>
            <numerusform>Не обработано, запуск прервался раньше: %n фотография</numerusform>
            <numerusform>Не обработано, запуск прервался раньше: %n фотографии</numerusform>
            <numerusform>Не обработано, запуск прервался раньше: %n фотографий</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted again: ending at once. Copies under their final names are complete; an unfinished coordinate file keeps its temporary name.</source>
        <translation>Повторное прерывание: немедленное завершение. Копии под окончательными именами записаны полностью; незавершённый файл координат сохраняет временное имя.</translation>
    </message>
    <message>
        <source>Cannot prepare a private settings store</source>
        <translation>Не удаётся подготовить отдельное хранилище настроек</translation>
    </message>
    <message>
        <source>The photo prefix &quot;%1&quot; cannot be used in a file name</source>
        <translation>Префикс фото «%1» нельзя использовать в имени файла</translation>
    </message>
</context>
<context>
    <name>CoordinateFileWriter</name>
    <message>
        <source>Coordinate file %1 already exists</source>
        <translation>Файл координат %1 уже существует</translation>
    </message>
    <message>
        <source>Failed to open for writing a file %1</source>
        <translation>Не удалось открыть файл %1 для записи</translation>
    </message>
    <message>
        <source> (%1: %2)</source>
        <translation> (%1: %2)</translation>
    </message>
    <message>
        <source>Failed to write to the coordinate file %1: %2</source>
        <translation>Ошибка записи в файл координат %1: %2</translation>
    </message>
    <message>
        <source>No coordinate file is open for block %1</source>
        <translation>Для блока %1 не открыт файл координат</translation>
    </message>
    <message>
        <source>an earlier write failed</source>
        <translation>предыдущая запись не удалась</translation>
    </message>
    <message>
        <source>a file of that name appeared during the run</source>
        <translation>во время обработки появился файл с таким именем</translation>
    </message>
    <message>
        <source>The coordinate file cannot take the name %1 (%2); its lines are in %3</source>
        <translation>Файлу координат не удаётся дать имя %1 (%2); его строки находятся в %3</translation>
    </message>
</context>
<context>
    <name>DemoFlight</name>
    <message>
        <source>Cannot write the demo photos into %1</source>
        <translation>Не удаётся записать демонстрационные фотографии в %1</translation>
    </message>
    <message>
        <source>Cannot create the demo output folder %1</source>
        <translation>Не удаётся создать демонстрационную папку результатов %1</translation>
    </message>
    <message>
        <source>Cannot prepare the demo&apos;s settings in %1</source>
        <translation>Не удаётся подготовить настройки демонстрации в %1</translation>
    </message>
</context>
<context>
    <name>DialogOnAdd</name>
    <message>
        <source>Add timemarks</source>
        <translation>Добавление меток времени</translation>
    </message>
    <message>
        <source>This block already has timemarks. What should happen to the new rows?</source>
        <translation>В этом блоке уже есть метки времени. Что сделать с новыми строками?</translation>
    </message>
    <message>
        <source>Add to the end</source>
        <translation>Добавить в конец</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
</context>
<context>
    <name>FileWorker</name>
    <message>
        <source>is not a JPEG photo</source>
        <translation>это не фотография JPEG</translation>
    </message>
    <message>
        <source>is empty (0 bytes)</source>
        <translation>файл пуст (0 байт)</translation>
    </message>
    <message>
        <source>has no drone attitude (Xmp.drone-dji.FlightPitchDegree, FlightYawDegree, FlightRollDegree) in its XMP</source>
        <translation>в XMP нет ориентации дрона (Xmp.drone-dji.FlightPitchDegree, FlightYawDegree, FlightRollDegree)</translation>
    </message>
    <message>
        <source>has a drone attitude that is not a number</source>
        <translation>ориентация дрона не является числом</translation>
    </message>
    <message>
        <source>is cut short or damaged (%1)</source>
        <translation>файл обрезан или повреждён (%1)</translation>
    </message>
</context>
<context>
    <name>FilesWork</name>
    <message>
        <source>The photo prefix &quot;%1&quot; cannot be used in a file name</source>
        <translation>Префикс фото «%1» нельзя использовать в имени файла</translation>
    </message>
    <message>
        <source>The photo prefix &quot;%1&quot; holds the separator &quot;%2&quot; of the coordinate file</source>
        <translation>Префикс фото «%1» содержит разделитель «%2» файла координат</translation>
    </message>
    <message>
        <source>Photo %1 is given twice: as photo %2 of block %3 and as photo %4 of block %5</source>
        <translation>Фото %1 указано дважды: как фото %2 блока %3 и как фото %4 блока %5</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; of timemark row %2 of block %3 holds the output delimiter &quot;%4&quot;, which would shift the columns of its line; choose another output delimiter</source>
        <translation>Дата «%1» в строке меток времени %2 блока %3 содержит выходной разделитель «%4», который сдвинет столбцы её строки; выберите другой выходной разделитель</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>табуляция</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; of timemark row %2 of block %3 holds a line break, which would break its line in two</source>
        <translation>Дата «%1» в строке меток времени %2 блока %3 содержит перевод строки, который разорвёт её строку надвое</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>мешает файл с таким же именем</translation>
    </message>
    <message>
        <source>has metadata that cannot be read or written (Exiv2 ERROR: %1)</source>
        <translation>метаданные не удаётся прочитать или записать (Exiv2 ERROR: %1)</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist</source>
        <translation>Папка результатов %1 не существует</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1: %2</source>
        <translation>Не удаётся записать в папку %1: %2</translation>
    </message>
    <message>
        <source>the photo changed after it was added (%1 bytes, %2 when added)</source>
        <translation>фотография изменилась после добавления (%1 Б, при добавлении %2 Б)</translation>
    </message>
    <message>
        <source>its metadata cannot be read any more (Exiv2 ERROR: %1)</source>
        <translation>метаданные больше не читаются (Exiv2 ERROR: %1)</translation>
    </message>
    <message>
        <source>has a drone attitude that is not a number</source>
        <translation>ориентация дрона не является числом</translation>
    </message>
    <message>
        <source>has a timemark row without a position</source>
        <translation>строка меток времени без координат</translation>
    </message>
    <message>
        <source>has no timemark row (%1 for %2)</source>
        <extracomment>%1 is &quot;3 rows&quot;, %2 is &quot;4 photos&quot;</extracomment>
        <translation>нет строки меток времени (%1 на %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>timemark rows for photos</comment>
        <translation>
            <numerusform>%n строка</numerusform>
            <numerusform>%n строки</numerusform>
            <numerusform>%n строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>timemark rows for photos</comment>
        <translation>
            <numerusform>%n фотографию</numerusform>
            <numerusform>%n фотографии</numerusform>
            <numerusform>%n фотографий</numerusform>
        </translation>
    </message>
    <message>
        <source>has a timemark row without a UTM zone, so its latitude and longitude are unknown</source>
        <translation>у строки меток времени нет зоны UTM, поэтому широта и долгота неизвестны</translation>
    </message>
    <message>
        <source>has a position that cannot be converted to latitude and longitude</source>
        <translation>координаты не удаётся пересчитать в широту и долготу</translation>
    </message>
    <message>
        <source>Copying and processing of the file: %1</source>
        <translation>Копирование и обработка файла: %1</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 уже существует</translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n files were copied and processed in %2</source>
        <extracomment>%1 photos copied, %n photos handled, %2 the time, as &quot;%n seconds&quot;</extracomment>
        <translation>
            <numerusform>Скопировано и обработано %1 из %n файла за %2</numerusform>
            <numerusform>Скопировано и обработано %1 из %n файлов за %2</numerusform>
            <numerusform>Скопировано и обработано %1 из %n файлов за %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time a run took</comment>
        <translation>
            <numerusform>%n секунду</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPopUp</name>
    <message>
        <source>Filters</source>
        <translation>Фильтры</translation>
    </message>
    <message>
        <source>by GimbalPitchDegree</source>
        <translation>по GimbalPitchDegree</translation>
    </message>
    <message>
        <source>by distance (m)</source>
        <translation>по расстоянию (м)</translation>
    </message>
    <message>
        <source>by ExposureTime</source>
        <translation>по ExposureTime</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Add to quarantine</source>
        <translation>Поместить в карантин</translation>
    </message>
</context>
<context>
    <name>Fly</name>
    <message>
        <source>Clear Timemarks</source>
        <translation>Очистить метки</translation>
    </message>
    <message>
        <source>Remove all timemarks from the block</source>
        <translation>Удалить все метки времени из блока</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Добавить фото</translation>
    </message>
    <message>
        <source>Photos (*.jpg *.jpeg);;All files (*.*)</source>
        <translation>Фотографии (*.jpg *.jpeg);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove Photo(s) and Timemark(s)</source>
        <translation>Удалить фото и метки времени</translation>
    </message>
    <message>
        <source>Available, if count of Photos and Timemarks is equal</source>
        <translation>Доступно, если число фотографий и меток времени совпадает</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Обратить выделение</translation>
    </message>
    <message>
        <source>Add to Quarantine</source>
        <translation>Поместить в карантин</translation>
    </message>
    <message>
        <source>Remove from Quarantine</source>
        <translation>Убрать из карантина</translation>
    </message>
    <message>
        <source>Select filter</source>
        <translation>Выбрать фильтр</translation>
    </message>
    <message>
        <source>by distance</source>
        <translation>по расстоянию</translation>
    </message>
    <message>
        <source>by GimbalPitchDegree</source>
        <translation>по GimbalPitchDegree</translation>
    </message>
    <message>
        <source>by ExposureTime</source>
        <translation>по ExposureTime</translation>
    </message>
    <message>
        <source>Block #%1</source>
        <translation>Блок № %1</translation>
    </message>
    <message>
        <source>Failed to update data</source>
        <translation>Не удалось обновить данные</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>All files haven&apos;t been added because they don&apos;t contain Xmp tags.drone-dj.Flight***Degree</source>
        <translation>Добавлены не все файлы: в них нет тегов XMP drone-dj.Flight***Degree</translation>
    </message>
    <message>
        <source>The timemarks of %1 were not read again in the new coordinate system; the block keeps them as they were read.</source>
        <translation>Метки времени из %1 не перечитаны в новой системе координат; блок сохраняет их в прежнем виде.</translation>
    </message>
    <message>
        <source>The timemarks were not added.</source>
        <translation>Метки времени не добавлены.</translation>
    </message>
    <message>
        <source>Check pairing</source>
        <translation>Проверить сопоставление</translation>
    </message>
    <message>
        <source>Find the photos and timemark rows that have no partner by time</source>
        <translation>Найти фотографии и строки меток времени, у которых нет пары по времени</translation>
    </message>
    <message>
        <source>Pairing by time: %1</source>
        <translation>По времени: %1</translation>
    </message>
    <message>
        <source>Unmatched photos and rows taken out</source>
        <translation>Фотографии и строки без пары исключены</translation>
    </message>
    <message>
        <source>&quot;Check pairing&quot; can put them back while the block stays unchanged</source>
        <translation>«Проверить сопоставление» может вернуть их, пока блок не изменился</translation>
    </message>
    <message>
        <source>Failed to update data: timemarks were removed or edited in the block since they were read, so they are kept as they are</source>
        <translation>Не удалось обновить данные: после чтения метки времени в блоке удалялись или изменялись, поэтому они сохранены как есть</translation>
    </message>
</context>
<context>
    <name>FlyData</name>
    <message>
        <source> Tb</source>
        <translation> ТБ</translation>
    </message>
    <message>
        <source> Gb</source>
        <translation> ГБ</translation>
    </message>
    <message>
        <source> Mb</source>
        <translation> МБ</translation>
    </message>
    <message>
        <source> Kb</source>
        <translation> КБ</translation>
    </message>
    <message>
        <source> Byte</source>
        <translation> Б</translation>
    </message>
    <message numerus="yes">
        <source>Added %n photos, %1</source>
        <translation>
            <numerusform>Добавлена %n фотография, %1</numerusform>
            <numerusform>Добавлено %n фотографии, %1</numerusform>
            <numerusform>Добавлено %n фотографий, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added timemark file with %n rows. %1</source>
        <translation>
            <numerusform>Добавлен файл меток времени: %n строка. %1</numerusform>
            <numerusform>Добавлен файл меток времени: %n строки. %1</numerusform>
            <numerusform>Добавлен файл меток времени: %n строк. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Timemark file wasn&apos;t selected</source>
        <translation>Файл меток времени не выбран</translation>
    </message>
    <message>
        <source>Timemark file wasn&apos;t recognized. %1</source>
        <translation>Файл меток времени не распознан. %1</translation>
    </message>
    <message>
        <source>Amount of the photos and timemarks are the same</source>
        <translation>Число фотографий и меток времени совпадает</translation>
    </message>
    <message>
        <source>Amount of photos and timemarks does not match</source>
        <translation>Число фотографий и меток времени не совпадает</translation>
    </message>
    <message>
        <source>Choose timemark file</source>
        <translation>Выберите файл меток времени</translation>
    </message>
    <message>
        <source>Choose photos and timemark file</source>
        <translation>Выберите фотографии и файл меток времени</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>Фотографии не выбраны</translation>
    </message>
    <message>
        <source>Choose photos please</source>
        <translation>Выберите фотографии</translation>
    </message>
    <message>
        <source>Count photos and timemarks must be equal</source>
        <translation>Число фотографий и меток времени должно совпадать</translation>
    </message>
    <message>
        <source>No data to split on blocks</source>
        <translation>Нет данных для разделения на блоки</translation>
    </message>
    <message numerus="yes">
        <source>Block sliced to %n blocks</source>
        <translation>
            <numerusform>Блок разделён: %n новый блок</numerusform>
            <numerusform>Блок разделён: %n новых блока</numerusform>
            <numerusform>Блок разделён: %n новых блоков</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FlyForm</name>
    <message>
        <source>Block #1</source>
        <translation>Блок № 1</translation>
    </message>
    <message>
        <source>Add photos of the flight</source>
        <translation>Добавить фотографии полёта</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Добавить фото</translation>
    </message>
    <message>
        <source>Remove all photos from the block</source>
        <translation>Удалить все фотографии из блока</translation>
    </message>
    <message>
        <source>Clear photos</source>
        <translation>Очистить фото</translation>
    </message>
    <message>
        <source>Open a timemark file</source>
        <translation>Открыть файл меток времени</translation>
    </message>
    <message>
        <source>Timemarks</source>
        <translation>Метки</translation>
    </message>
    <message>
        <source>Split the block where the photos are far apart in time</source>
        <translation>Разделить блок там, где между снимками большой перерыв во времени</translation>
    </message>
    <message>
        <source>Try split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Show the flight path</source>
        <translation>Показать траекторию полёта</translation>
    </message>
    <message>
        <source>Fly view</source>
        <translation>Траектория</translation>
    </message>
    <message>
        <source>3D fly view</source>
        <translation>3D-вид полёта</translation>
    </message>
    <message>
        <source>Output preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Delete block</source>
        <translation>Удалить блок</translation>
    </message>
    <message>
        <source>Close block</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>Фотографии не выбраны</translation>
    </message>
    <message>
        <source>Timemark file wasn&apos;t selected</source>
        <translation>Файл меток времени не выбран</translation>
    </message>
    <message>
        <source>Choose photos and timemark file</source>
        <translation>Выберите фотографии и файл меток времени</translation>
    </message>
    <message>
        <source>Find the photos and timemark rows that have no partner by time</source>
        <translation>Найти фотографии и строки меток времени, у которых нет пары по времени</translation>
    </message>
    <message>
        <source>Check pairing</source>
        <translation>Проверить сопоставление</translation>
    </message>
</context>
<context>
    <name>FlyGraph</name>
    <message>
        <source>Reset zoom</source>
        <translation>Сбросить масштаб</translation>
    </message>
    <message>
        <source>Set selecting</source>
        <translation>Режим выделения</translation>
    </message>
    <message>
        <source>Set moving</source>
        <translation>Режим перемещения</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Настройки графика</translation>
    </message>
    <message>
        <source>Show filtres</source>
        <translation>Показать фильтры</translation>
    </message>
    <message>
        <source>To quarantine</source>
        <translation>В карантин</translation>
    </message>
    <message>
        <source>Remove from quarantine</source>
        <translation>Убрать из карантина</translation>
    </message>
    <message>
        <source>Clear quarantine</source>
        <translation>Очистить карантин</translation>
    </message>
    <message>
        <source>Path color</source>
        <translation>Цвет траектории</translation>
    </message>
    <message>
        <source>Quarantine color</source>
        <translation>Цвет карантина</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Цвет выделения</translation>
    </message>
    <message>
        <source>A preview of the Flight #%1</source>
        <translation>Траектория полёта № %1</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>Fly path</source>
        <translation>Траектория</translation>
    </message>
    <message>
        <source>Quarantin</source>
        <translation>Карантин</translation>
    </message>
    <message>
        <source>Clicked at data point #%1 with %2 %3 and %4 %5.</source>
        <translation>Выбрана точка № %1: %2 %3, %4 %5.</translation>
    </message>
    <message>
        <source>Move to top left</source>
        <translation>В левый верхний угол</translation>
    </message>
    <message>
        <source>Move to top center</source>
        <translation>Вверх по центру</translation>
    </message>
    <message>
        <source>Move to top right</source>
        <translation>В правый верхний угол</translation>
    </message>
    <message>
        <source>Move to bottom right</source>
        <translation>В правый нижний угол</translation>
    </message>
    <message>
        <source>Move to bottom left</source>
        <translation>В левый нижний угол</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>To Quarantine</source>
        <translation>В карантин</translation>
    </message>
    <message>
        <source>Quarantine dots</source>
        <translation>Точки в карантине</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
</context>
<context>
    <name>GeoCalc</name>
    <message>
        <source>Cannot find proj DB</source>
        <translation>Не найдена база данных PROJ</translation>
    </message>
    <message>
        <source>PJ object not initialized</source>
        <translation>Преобразование PROJ не инициализировано</translation>
    </message>
    <message>
        <source>PJ object for GIS not initialized</source>
        <translation>Преобразование PROJ для отображения на карте не инициализировано</translation>
    </message>
</context>
<context>
    <name>LineConversionReport</name>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>запись %1</translation>
    </message>
    <message numerus="yes">
        <source>Timemark rows that are no usable position: %n. The file is refused as a whole (first: %1: %2). Check the column roles, the first row and the coordinate system.</source>
        <translation>
            <numerusform>Строк меток времени без пригодных координат: %n. Файл отклонён целиком (первая: %1: %2). Проверьте назначение столбцов, первую строку и систему координат.</numerusform>
            <numerusform>Строк меток времени без пригодных координат: %n. Файл отклонён целиком (первая: %1: %2). Проверьте назначение столбцов, первую строку и систему координат.</numerusform>
            <numerusform>Строк меток времени без пригодных координат: %n. Файл отклонён целиком (первая: %1: %2). Проверьте назначение столбцов, первую строку и систему координат.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following errors occurred:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Произошли следующие ошибки:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>There are missing files</source>
        <translation>Не все файлы добавлены</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following files haven&apos;t been added because they don&apos;t contain Xmp tags.drone-dj.Flight***Degree:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Следующие файлы не добавлены, так как в них нет тегов XMP drone-dj.Flight***Degree:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>There are removed files</source>
        <translation>Есть удалённые файлы</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following files has removed from list because they don&apos;t exist:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Следующие файлы удалены из списка, так как их больше нет:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Processing report</source>
        <translation>Отчёт об обработке</translation>
    </message>
    <message>
        <source>&lt;p&gt;Not every photo came out as planned. The output folder holds the others; these need attention:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Не все фотографии обработаны как положено. Остальные находятся в папке результатов; на эти нужно обратить внимание:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Photos not added</source>
        <translation>Фотографии не добавлены</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following photos haven&apos;t been added to the block:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Следующие фотографии не добавлены в блок:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add new block</source>
        <translation>Добавить новый блок</translation>
    </message>
    <message>
        <source>Add block</source>
        <translation>Добавить блок</translation>
    </message>
    <message>
        <source>Save to...</source>
        <translation>Сохранить в...</translation>
    </message>
    <message>
        <source>Select target directory</source>
        <translation>Выбрать папку назначения</translation>
    </message>
    <message>
        <source>Creating a subdirectory</source>
        <translation>Создавать подпапку</translation>
    </message>
    <message>
        <source>Photo prefix</source>
        <translation>Префикс</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработать</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Show About window</source>
        <translation>Показать сведения о программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Close the app</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>О Qt</translation>
    </message>
    <message>
        <source>Show about Qt</source>
        <translation>Показать сведения о Qt</translation>
    </message>
    <message>
        <source>Photos and Timemarks</source>
        <translation>Фото и метки времени</translation>
    </message>
    <message>
        <source>Only Timemarks</source>
        <translation>Только метки времени</translation>
    </message>
    <message>
        <source> - RUN MODE WITHOUT CHECKING</source>
        <translation> - РЕЖИМ БЕЗ ПРОВЕРОК</translation>
    </message>
    <message>
        <source>Interrupt</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Cancel the task?</source>
        <translation>Прервать задачу?</translation>
    </message>
    <message>
        <source>The task is canceled</source>
        <translation>Задача прервана</translation>
    </message>
    <message>
        <source>App exit</source>
        <translation>Выход из программы</translation>
    </message>
    <message>
        <source>Are you want to exit the App ? The task will be interrupted!</source>
        <translation>Выйти из программы? Текущая задача будет прервана!</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Прервать</translation>
    </message>
    <message numerus="yes">
        <source>%n photos were processed before it stopped</source>
        <translation>
            <numerusform>До остановки обработана %n фотография</numerusform>
            <numerusform>До остановки обработаны %n фотографии</numerusform>
            <numerusform>До остановки обработано %n фотографий</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <source>Stopping the task before closing: the photo being written is finished first</source>
        <translation>Задача останавливается перед закрытием: сначала дописывается текущая фотография</translation>
    </message>
    <message>
        <source>Block %1: %2</source>
        <translation>Блок %1: %2</translation>
    </message>
    <message>
        <source>As many photos as timemark rows, yet they do not pair one to one by time:</source>
        <translation>Фотографий столько же, сколько строк меток времени, но по времени они не сопоставляются один к одному:</translation>
    </message>
    <message>
        <source>Paired by index, every photo between a lost photo and a lost event would get the position of another shot. &quot;Check pairing&quot; in the block&apos;s table menu names them and can take them out of the lists.</source>
        <translation>При сопоставлении по порядку каждая фотография между потерянной фотографией и потерянной меткой времени получит координаты другого снимка. Команда «Проверить сопоставление» в контекстном меню таблицы блока назовёт их и может исключить из списков.</translation>
    </message>
    <message>
        <source>Start the processing anyway?</source>
        <translation>Всё равно начать обработку?</translation>
    </message>
    <message>
        <source>Pairing by time</source>
        <translation>Сопоставление по времени</translation>
    </message>
    <message numerus="yes">
        <source>Processing was not started: photos and timemarks do not pair one to one by time in block %1</source>
        <extracomment>%1 is one block number or a list of them (&quot;1, 3&quot;); the count chooses block or blocks</extracomment>
        <translation>
            <numerusform>Обработка не начата: в блоке %1 фотографии и метки времени не сопоставляются по времени один к одному</numerusform>
            <numerusform>Обработка не начата: в блоках %1 фотографии и метки времени не сопоставляются по времени один к одному</numerusform>
            <numerusform>Обработка не начата: в блоках %1 фотографии и метки времени не сопоставляются по времени один к одному</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpenTimeMarkDialog</name>
    <message>
        <source>Open timemark file</source>
        <translation>Открыть файл меток времени</translation>
    </message>
    <message>
        <source>User folder</source>
        <translation>Домашняя папка</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Домой</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Enable/Disable filter</source>
        <translation>Включить/выключить фильтр</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Первая строка</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source>Coordinate system</source>
        <translation>Система координат</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_utm-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Metric system&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_utm-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Метрическая система&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Метры</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_wgs-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Degree system&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_wgs-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Географические координаты в градусах&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Lat/Lon</source>
        <translation>Широта/долгота</translation>
    </message>
    <message>
        <source>Drag onto a column of the table to give it this role</source>
        <translation>Перетащите на столбец таблицы, чтобы назначить ему эту роль</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>N</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>СКО С</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>СКО В</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>СКО H</translation>
    </message>
    <message>
        <source>Join columns</source>
        <translation>Объединить столбцы</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Назначить: дата</translation>
    </message>
    <message>
        <source>Set Lat</source>
        <translation>Назначить: широта</translation>
    </message>
    <message>
        <source>Set Lon</source>
        <translation>Назначить: долгота</translation>
    </message>
    <message>
        <source>Set Height</source>
        <translation>Назначить: высота</translation>
    </message>
    <message>
        <source>Set AccN</source>
        <translation>Назначить: СКО север</translation>
    </message>
    <message>
        <source>Set AccE</source>
        <translation>Назначить: СКО восток</translation>
    </message>
    <message>
        <source>Set AccH</source>
        <translation>Назначить: СКО высота</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The timemarks were not added.</source>
        <translation>Метки времени не добавлены.</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Lon</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Табуляция</translation>
    </message>
</context>
<context>
    <name>OpentTimeMarkTableModel</name>
    <message>
        <source>column %1 is empty</source>
        <translation>столбец %1 пуст</translation>
    </message>
    <message>
        <source>column %1 holds &quot;%2&quot;, which is not a number</source>
        <translation>столбец %1 содержит «%2» — это не число</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>СКО север</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>СКО восток</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>СКО высота</translation>
    </message>
    <message>
        <source>Lat (N)</source>
        <translation>Широта (N)</translation>
    </message>
    <message>
        <source>Lon (E)</source>
        <translation>Долгота (E)</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>latitude %1, longitude %2 cannot be converted to UTM</source>
        <translation>широту %1, долготу %2 невозможно пересчитать в UTM</translation>
    </message>
</context>
<context>
    <name>OutputLabelModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>СКО север</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>СКО восток</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>СКО высота</translation>
    </message>
    <message>
        <source>Lat (N)</source>
        <translation>Широта (N)</translation>
    </message>
    <message>
        <source>Lon (E)</source>
        <translation>Долгота (E)</translation>
    </message>
</context>
<context>
    <name>PairingCheck</name>
    <message>
        <source>too few photos or rows to compare their intervals</source>
        <translation>слишком мало фотографий или строк, чтобы сравнить интервалы</translation>
    </message>
    <message>
        <source>the numbers of photos and rows differ too much to compare them</source>
        <translation>число фотографий и строк различается слишком сильно для сравнения</translation>
    </message>
    <message>
        <source>too many photos or rows have no partner to tell the pairing</source>
        <translation>слишком много фотографий или строк без пары, чтобы определить сопоставление</translation>
    </message>
    <message>
        <source>the photo times and the row times do not fit together at any clock offset</source>
        <translation>время фотографий и строк не совпадает ни при каком сдвиге часов</translation>
    </message>
    <message>
        <source>the intervals are too regular to tell which photo belongs to which row</source>
        <translation>интервалы слишком равномерны, чтобы определить, какая фотография к какой строке относится</translation>
    </message>
    <message>
        <source>the times around photo %1 fit more than one pairing</source>
        <translation>время вокруг фотографии %1 допускает несколько сопоставлений</translation>
    </message>
    <message>
        <source>the times around row %1 fit more than one pairing</source>
        <translation>время вокруг строки %1 допускает несколько сопоставлений</translation>
    </message>
    <message>
        <source>the timemark rows have no dates</source>
        <translation>у строк меток времени нет дат</translation>
    </message>
    <message>
        <source>row %1 has no date and time that can be read: &quot;%2&quot;</source>
        <translation>в строке %1 нет читаемых даты и времени: «%2»</translation>
    </message>
    <message>
        <source>the rows&apos; times are not all written in one form (row %1: &quot;%2&quot;)</source>
        <translation>время в строках записано не в одном формате (строка %1: «%2»)</translation>
    </message>
    <message>
        <source>photo %1 has no capture time (DateTimeOriginal or DateTime)</source>
        <translation>у фотографии %1 нет времени съёмки (DateTimeOriginal или DateTime)</translation>
    </message>
</context>
<context>
    <name>PairingDialog</name>
    <message>
        <source>Check pairing</source>
        <translation>Проверка сопоставления</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Capture time</source>
        <translation>Время съёмки</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Take the photos and rows listed here out of the block&apos;s lists; their files stay on disk</source>
        <translation>Исключить перечисленные здесь фотографии и строки из списков блока; их файлы остаются на диске</translation>
    </message>
    <message>
        <source>Remove unmatched</source>
        <translation>Исключить без пары</translation>
    </message>
    <message>
        <source>Put the removed photos and rows back at their places</source>
        <translation>Вернуть исключённые фотографии и строки на их места</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Вернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Check pairing - Block #%1</source>
        <translation>Проверка сопоставления - Блок № %1</translation>
    </message>
    <message>
        <source>Pairing by time: %1</source>
        <translation>Сопоставление по времени: %1</translation>
    </message>
    <message>
        <source>The check cannot tell: %1.</source>
        <translation>Проверка не может определить сопоставление: %1.</translation>
    </message>
    <message>
        <source>The check cannot run: %1.</source>
        <translation>Проверка невозможна: %1.</translation>
    </message>
    <message>
        <source>Clock offset: %1.</source>
        <translation>Сдвиг часов: %1.</translation>
    </message>
    <message>
        <source>&quot;Restore&quot; puts them back while the block stays unchanged.</source>
        <translation>Кнопка «Вернуть» восстановит их, пока блок не изменился.</translation>
    </message>
    <message>
        <source>The block has changed since, so they can no longer be restored.</source>
        <translation>С тех пор блок изменился, поэтому их уже нельзя вернуть.</translation>
    </message>
    <message>
        <source>Photos and rows taken out by &quot;Remove unmatched&quot; can still be put back with &quot;Restore&quot;.</source>
        <translation>Фотографии и строки, исключённые кнопкой «Исключить без пары», ещё можно вернуть кнопкой «Вернуть».</translation>
    </message>
    <message>
        <source>The block has changed since the check: check it again before you remove anything.</source>
        <translation>Блок изменился после проверки: проверьте его снова, прежде чем что-либо исключать.</translation>
    </message>
    <message>
        <source>&quot;Remove unmatched&quot; takes the photos and rows listed here out of the block&apos;s lists; their files stay on disk.</source>
        <translation>Кнопка «Исключить без пары» убирает перечисленные здесь фотографии и строки из списков блока; их файлы остаются на диске.</translation>
    </message>
    <message>
        <source>%1 among %2 and %3.</source>
        <extracomment>%1 is &quot;38 pairs by time&quot;, %2 &quot;40 photos&quot;, %3 &quot;39 timemark rows&quot;</extracomment>
        <translation>%1 среди %2 и %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs by time</source>
        <translation>
            <numerusform>%n пара по времени</numerusform>
            <numerusform>%n пары по времени</numerusform>
            <numerusform>%n пар по времени</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>the pairs were found among them</comment>
        <translation>
            <numerusform>%n фотографии</numerusform>
            <numerusform>%n фотографий</numerusform>
            <numerusform>%n фотографий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>the pairs were found among them</comment>
        <translation>
            <numerusform>%n строки меток времени</numerusform>
            <numerusform>%n строк меток времени</numerusform>
            <numerusform>%n строк меток времени</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos without a timemark row</source>
        <translation>
            <numerusform>%n фотография без строки меток времени</numerusform>
            <numerusform>%n фотографии без строки меток времени</numerusform>
            <numerusform>%n фотографий без строки меток времени</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows without a photo</source>
        <translation>
            <numerusform>%n строка меток времени без фотографии</numerusform>
            <numerusform>%n строки меток времени без фотографии</numerusform>
            <numerusform>%n строк меток времени без фотографии</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>taken out</comment>
        <translation>
            <numerusform>%n фотография</numerusform>
            <numerusform>%n фотографии</numerusform>
            <numerusform>%n фотографий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>taken out</comment>
        <translation>
            <numerusform>%n строка меток времени</numerusform>
            <numerusform>%n строки меток времени</numerusform>
            <numerusform>%n строк меток времени</numerusform>
        </translation>
    </message>
    <message>
        <source>Taken out of the block&apos;s lists: %1; their files stay on disk.</source>
        <extracomment>%1 is &quot;1 photo&quot;, &quot;2 timemark rows&quot; or &quot;1 photo and 2 timemark rows&quot;</extracomment>
        <translation>Исключено из списков блока: %1; их файлы остаются на диске.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>taken out</comment>
        <translation>%1 и %2</translation>
    </message>
</context>
<context>
    <name>PairingText</name>
    <message>
        <source>matched</source>
        <translation>всё сходится</translation>
    </message>
    <message>
        <source>unmatched</source>
        <translation>есть расхождения</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>неоднозначно</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>нет дат</translation>
    </message>
    <message>
        <source>photos without a row: %1, rows without a photo: %2</source>
        <translation>фотографий без строки: %1, строк без фотографии: %2</translation>
    </message>
    <message>
        <source>%1, pairs by time: %2</source>
        <translation>%1, пар по времени: %2</translation>
    </message>
    <message>
        <source>photo clock %1 against the receiver&apos;s, spread %2</source>
        <translation>часы камеры %1 относительно часов приёмника, разброс %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>photo %1 %2 (%3)</source>
        <translation>фото %1 %2 (%3)</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>строка %1 (%2)</translation>
    </message>
    <message>
        <source>%1 and %2 pair one to one by time</source>
        <extracomment>%1 is &quot;40 photos&quot;, %2 &quot;40 rows&quot;</extracomment>
        <translation>%1 и %2 образуют пары по времени один к одному</translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>paired by time</comment>
        <translation>
            <numerusform>%n фотография</numerusform>
            <numerusform>%n фотографии</numerusform>
            <numerusform>%n фотографий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>paired by time</comment>
        <translation>
            <numerusform>%n строка</numerusform>
            <numerusform>%n строки</numerusform>
            <numerusform>%n строк</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 с</translation>
    </message>
</context>
<context>
    <name>PhotoCopier</name>
    <message>
        <source>the metadata part (%1 MB) is too large to rewrite</source>
        <translation>блок метаданных (%1 МБ) слишком велик для перезаписи</translation>
    </message>
    <message>
        <source>target exists</source>
        <translation>файл назначения уже существует</translation>
    </message>
    <message>
        <source>cannot read the rewritten metadata</source>
        <translation>не удаётся прочитать перезаписанные метаданные</translation>
    </message>
    <message>
        <source>unexpected metadata layout</source>
        <translation>неожиданная структура метаданных</translation>
    </message>
    <message>
        <source>the source photo changed while it was copied</source>
        <translation>исходная фотография изменилась во время копирования</translation>
    </message>
</context>
<context>
    <name>PhotoFile</name>
    <message>
        <source>has a drone attitude out of range (pitch %1, yaw %2, roll %3 degrees; pitch and roll may be -180 to 180, yaw -360 to 360)</source>
        <translation>ориентация дрона вне допустимого диапазона (тангаж %1°, рыскание %2°, крен %3°; тангаж и крен допускаются от -180 до 180, рыскание от -360 до 360)</translation>
    </message>
</context>
<context>
    <name>PhotoModel</name>
    <message>
        <source>Photos paths</source>
        <translation>Пути к фотографиям</translation>
    </message>
    <message>
        <source>is the same photo as %1, already in the list</source>
        <translation>та же фотография, что и %1, уже есть в списке</translation>
    </message>
</context>
<context>
    <name>PhotoTagTable</name>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm:ss</source>
        <translation>dd.MM.yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>File properties</source>
        <translation>Свойства файла</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <source>%1 Mb</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Date of change</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>EXIF Data</source>
        <translation>Данные EXIF</translation>
    </message>
    <message>
        <source>XMP Data</source>
        <translation>Данные XMP</translation>
    </message>
    <message>
        <source>IPTC Data</source>
        <translation>Данные IPTC</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Метаданные</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Не удаётся прочитать: %1</translation>
    </message>
</context>
<context>
    <name>PositionLimits</name>
    <message>
        <source>latitude %1 is outside -90 to 90 degrees</source>
        <translation>широта %1 вне диапазона от -90 до 90 градусов</translation>
    </message>
    <message>
        <source>longitude %1 is outside -180 to 180 degrees</source>
        <translation>долгота %1 вне диапазона от -180 до 180 градусов</translation>
    </message>
    <message>
        <source>easting %1 m is outside 100 000 to 900 000 m: the values look like degrees, or metres in the wrong columns</source>
        <translation>восточная координата %1 м вне диапазона от 100 000 до 900 000 м: похоже, это градусы или метры не в тех столбцах</translation>
    </message>
    <message>
        <source>northing %1 m is outside -10 000 000 to 10 000 000 m: the values look like degrees, or metres in the wrong columns</source>
        <translation>северная координата %1 м вне диапазона от -10 000 000 до 10 000 000 м: похоже, это градусы или метры не в тех столбцах</translation>
    </message>
    <message>
        <source>height %1 m is outside -11 000 to 100 000 m</source>
        <translation>высота %1 м вне диапазона от -11 000 до 100 000 м</translation>
    </message>
    <message>
        <source>it lies %1 km from the median position of the file, more than 1 000 km</source>
        <translation>точка находится в %1 км от медианного положения файла — дальше 1 000 км</translation>
    </message>
</context>
<context>
    <name>PreCheck</name>
    <message>
        <source>The disk is not enough %1 MB of space</source>
        <translation>На диске не хватает %1 МБ</translation>
    </message>
    <message>
        <source>Requires %1 Gb (Free %2 Gb)</source>
        <translation>Требуется %1 ГБ (свободно %2 ГБ)</translation>
    </message>
    <message>
        <source>	Selected directory must be empty!</source>
        <translation>	Выбранная папка должна быть пустой!</translation>
    </message>
    <message>
        <source>Hard disk error</source>
        <translation>Ошибка диска</translation>
    </message>
    <message>
        <source>You have selected more than 9999 files</source>
        <translation>Выбрано более 9999 файлов</translation>
    </message>
    <message>
        <source>Processing is not possible: </source>
        <translation>Обработка невозможна: </translation>
    </message>
    <message>
        <source>Selected directory is not empty, </source>
        <translation>выбранная папка не пуста, </translation>
    </message>
    <message>
        <source>Not enough free space, </source>
        <translation>недостаточно свободного места, </translation>
    </message>
    <message>
        <source>You have selected more than 9999 files, </source>
        <translation>выбрано более 9999 файлов, </translation>
    </message>
    <message>
        <source>Amount of photos and timemark rows are not match, </source>
        <translation>число фотографий и строк меток времени не совпадает, </translation>
    </message>
</context>
<context>
    <name>PreviewTableModel</name>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>СКО север</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>СКО восток</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>СКО высота</translation>
    </message>
    <message>
        <source>Lat (N)</source>
        <translation>Широта (N)</translation>
    </message>
    <message>
        <source>Lon (E)</source>
        <translation>Долгота (E)</translation>
    </message>
</context>
<context>
    <name>RawTextPreview</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 — не текстовый файл.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown: these are the first %1 MB of %2 MB.]</source>
        <translation>[Остальная часть файла не показана: это первые %1 МБ из %2 МБ.]</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>is a symbolic link that leads in a circle</source>
        <translation>символическая ссылка ведёт по кругу</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>не удаётся открыть (%1)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>is a FIFO (named pipe), not a file</source>
        <translation>это FIFO (именованный канал), а не файл</translation>
    </message>
    <message>
        <source>is a device or socket, not a file</source>
        <translation>это устройство или сокет, а не файл</translation>
    </message>
</context>
<context>
    <name>RunMarker</name>
    <message>
        <source>Cannot write into the folder %1: %2</source>
        <translation>Не удаётся записать в папку %1: %2</translation>
    </message>
    <message>
        <source>Another Kestrix run is writing into the folder %1</source>
        <translation>В папку %1 уже пишет другой запуск Kestrix</translation>
    </message>
    <message>
        <source>Another Kestrix run (process %2) is writing into the folder %1</source>
        <translation>В папку %1 уже пишет другой запуск Kestrix (процесс %2)</translation>
    </message>
</context>
<context>
    <name>RunOutcome</name>
    <message>
        <source>Failed to open for writing a file fileData.txt</source>
        <translation>Не удалось открыть файл fileData.txt для записи</translation>
    </message>
    <message>
        <source>Processing failed (code %1)</source>
        <translation>Сбой обработки (код %1)</translation>
    </message>
    <message>
        <source>The output folder holds %1, the unfinished coordinate file of a run that did not end</source>
        <translation>В папке результатов лежит %1 — незавершённый файл координат прерванного запуска</translation>
    </message>
    <message>
        <source>Not copied: %1 (%2)</source>
        <translation>Не скопировано: %1 (%2)</translation>
    </message>
    <message>
        <source>Without a position, so without geotag and line: %1 %2</source>
        <translation>Без координат, поэтому без геотегов и строки: %1: %2</translation>
    </message>
    <message>
        <source>Metadata could not be read or written: %1</source>
        <translation>Не удалось прочитать или записать метаданные: %1</translation>
    </message>
    <message>
        <source>Missing from the coordinate file: %1 (%2)</source>
        <translation>Нет в файле координат: %1 (%2)</translation>
    </message>
    <message>
        <source>Copied without latitude and longitude, no UTM zone is set: %1</source>
        <translation>Скопировано без широты и долготы, зона UTM не задана: %1</translation>
    </message>
    <message>
        <source>Photos not processed because the run broke off first: %1</source>
        <translation>Фотографии не обработаны, так как обработка прервалась раньше: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n photos need attention: the error list names them and says why</source>
        <translation>
            <numerusform>%n фотография требует внимания: в списке ошибок указано, какая и почему</numerusform>
            <numerusform>%n фотографии требуют внимания: в списке ошибок указано, какие и почему</numerusform>
            <numerusform>%n фотографий требуют внимания: в списке ошибок указано, какие и почему</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Restart requires</source>
        <translation>Требуется перезапуск</translation>
    </message>
    <message>
        <source>To apply the language you must restart the App</source>
        <translation>Чтобы применить язык, перезапустите программу</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Timemarks</source>
        <translation>Метки времени</translation>
    </message>
    <message>
        <source>Column North</source>
        <translation>Столбец «Север»</translation>
    </message>
    <message>
        <source>Column of the north coordinate or the latitude in new timemark files</source>
        <translation>Столбец северной координаты или широты в новых файлах меток времени</translation>
    </message>
    <message>
        <source>Column East</source>
        <translation>Столбец «Восток»</translation>
    </message>
    <message>
        <source>Column of the east coordinate or the longitude in new timemark files</source>
        <translation>Столбец восточной координаты или долготы в новых файлах меток времени</translation>
    </message>
    <message>
        <source>Column H</source>
        <translation>Столбец «Высота»</translation>
    </message>
    <message>
        <source>Column of the height in new timemark files</source>
        <translation>Столбец высоты в новых файлах меток времени</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Первая строка</translation>
    </message>
    <message>
        <source>First data row of new timemark files</source>
        <translation>Первая строка данных в новых файлах меток времени</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source>Back to the default columns: North 3, East 4, H 5, first row 2</source>
        <translation>Вернуть столбцы по умолчанию: север 3, восток 4, высота 5, первая строка 2</translation>
    </message>
    <message>
        <source>Reset columns</source>
        <translation>Сбросить столбцы</translation>
    </message>
    <message>
        <source>On add</source>
        <translation>При добавлении</translation>
    </message>
    <message>
        <source>What happens when timemarks are added to a block that already has some</source>
        <translation>Что делать, если в блок, где уже есть метки времени, добавляются новые</translation>
    </message>
    <message>
        <source>Always ask</source>
        <translation>Всегда спрашивать</translation>
    </message>
    <message>
        <source>Always add to the end</source>
        <translation>Всегда добавлять в конец</translation>
    </message>
    <message>
        <source>Always replace</source>
        <translation>Всегда заменять</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Do not logging</source>
        <translation>Без журнала</translation>
    </message>
    <message>
        <source>Delete logs later as one month</source>
        <translation>Удалять журналы старше месяца</translation>
    </message>
    <message>
        <source>Delete logs older as one week</source>
        <translation>Удалять журналы старше недели</translation>
    </message>
    <message>
        <source>Delete logs older as one day</source>
        <translation>Удалять журналы старше суток</translation>
    </message>
    <message>
        <source>Save the last 10 logs</source>
        <translation>Хранить 10 последних журналов</translation>
    </message>
    <message>
        <source>Number format in tables</source>
        <translation>Формат чисел в таблицах</translation>
    </message>
    <message>
        <source>No format</source>
        <translation>Без форматирования</translation>
    </message>
    <message>
        <source>Local format</source>
        <translation>Региональный формат</translation>
    </message>
    <message>
        <source>Seconds to slice</source>
        <translation>Порог разделения, с</translation>
    </message>
    <message>
        <source>A block is split where two photos lie this many seconds apart</source>
        <translation>Блок делится там, где между двумя снимками прошло столько секунд</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Требуется перезапуск</translation>
    </message>
    <message>
        <source>Use Desktop OpenGL</source>
        <translation>Использовать Desktop OpenGL</translation>
    </message>
    <message>
        <source>Enable High DPI Scaling</source>
        <translation>Масштабирование для высокого DPI</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Save selected directory as default</source>
        <translation>Запоминать выбранную папку как папку по умолчанию</translation>
    </message>
    <message>
        <source>Creating a subdirectory</source>
        <translation>Создавать подпапку</translation>
    </message>
    <message>
        <source>Open a directory after processing</source>
        <translation>Открывать папку после обработки</translation>
    </message>
    <message>
        <source>Automatically select the folder with the most recently selected photos / timemarks</source>
        <translation>Автоматически выбирать папку последних выбранных фотографий / меток времени</translation>
    </message>
    <message>
        <source>Clear the blocks after processing</source>
        <translation>Очищать блоки после обработки</translation>
    </message>
    <message>
        <source>Split photos into folders by blocks (IMG01, IMG02 and etc.)</source>
        <translation>Раскладывать фотографии по папкам блоков (IMG01, IMG02 и т. д.)</translation>
    </message>
    <message>
        <source>Default directory</source>
        <translation>Папка по умолчанию</translation>
    </message>
    <message>
        <source>Delimiter in the output file</source>
        <translation>Разделитель в выходном файле</translation>
    </message>
    <message>
        <source>As in the first file</source>
        <translation>Как в первом файле</translation>
    </message>
    <message>
        <source>As in the last file</source>
        <translation>Как в последнем файле</translation>
    </message>
    <message>
        <source>Write the columns Pix4D reads: name, east (longitude), north (latitude), height</source>
        <translation>Записывать столбцы, которые читает Pix4D: имя, восток (долгота), север (широта), высота</translation>
    </message>
    <message>
        <source>Pix4d label</source>
        <translation>Формат Pix4D</translation>
    </message>
    <message>
        <source>Type of label</source>
        <translation>Столбцы результата</translation>
    </message>
    <message>
        <source>Drag a label up or down to move its column in the output file; untick it to leave the column out</source>
        <translation>Перетащите подпись вверх или вниз, чтобы переместить её столбец в выходном файле; снимите флажок, чтобы исключить столбец</translation>
    </message>
    <message>
        <source>Antenna offsets</source>
        <translation>Смещения антенны</translation>
    </message>
    <message>
        <source>Coordinate system</source>
        <translation>Система координат</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Метры</translation>
    </message>
    <message>
        <source>Lat/Lon</source>
        <translation>Широта/долгота</translation>
    </message>
    <message>
        <source>UTM zone</source>
        <translation>Зона UTM</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>неизвестна</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>A (mm)</source>
        <translation>A (мм)</translation>
    </message>
    <message>
        <source>B (mm)</source>
        <translation>B (мм)</translation>
    </message>
    <message>
        <source>Z (mm)</source>
        <translation>Z (мм)</translation>
    </message>
    <message>
        <source>How far the camera lies forward of the GNSS antenna, in millimetres</source>
        <translation>На сколько камера смещена вперёд от антенны GNSS, в миллиметрах</translation>
    </message>
    <message>
        <source>How far the camera lies to the right of the GNSS antenna, in millimetres</source>
        <translation>На сколько камера смещена вправо от антенны GNSS, в миллиметрах</translation>
    </message>
    <message>
        <source>How far the camera lies above the GNSS antenna, in millimetres (negative: below it)</source>
        <translation>На сколько камера выше антенны GNSS, в миллиметрах (отрицательное значение — ниже)</translation>
    </message>
    <message>
        <source>Former lever-arm formula</source>
        <translation>Прежняя формула выноса антенны</translation>
    </message>
    <message>
        <source>Column Lat</source>
        <translation>Столбец «Широта»</translation>
    </message>
    <message>
        <source>Column Lon</source>
        <translation>Столбец «Долгота»</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Табуляция</translation>
    </message>
    <message>
        <source>Metric system</source>
        <translation>Метрическая система</translation>
    </message>
    <message>
        <source>Degree system</source>
        <translation>Географические координаты в градусах</translation>
    </message>
    <message>
        <source>The UTM zone of timemarks given in metres (easting and northing), and whether it lies north or south of the equator. The geotags of the photo copies need it to turn metres into latitude and longitude; while it is unknown, the copies keep the camera&apos;s own position. The antenna offset is turned into the grid of this zone too. Timemarks in degrees bring their own zone.</source>
        <translation>Зона UTM меток времени в метрах (восток и север) и то, к северу или к югу от экватора она лежит. Она нужна для геотегов копий фотографий, чтобы пересчитать метры в широту и долготу; пока зона неизвестна, в копиях остаются координаты самой камеры. В сетку этой зоны поворачивается и смещение антенны. Метки времени в градусах несут свою зону сами.</translation>
    </message>
    <message>
        <source>Turn the antenna offset with the formula of earlier versions. That formula turned yaw and roll the wrong way for the drone&apos;s own attitude convention: heading east put the camera west of the antenna. It is therefore no longer the default; use it only to reproduce results made with an earlier version.</source>
        <translation>Поворачивать смещение антенны по формуле прежних версий. Эта формула поворачивала рыскание и крен вопреки соглашению об ориентации самого дрона: при курсе на восток камера оказывалась западнее антенны. Поэтому она больше не используется по умолчанию; применяйте её только для воспроизведения результатов прежней версии.</translation>
    </message>
    <message>
        <source>The antenna moves as the offsets change; the red cross marks the camera.</source>
        <translation>Антенна перемещается при изменении смещений; красный крест отмечает камеру.</translation>
    </message>
    <message>
        <source>Seen from behind</source>
        <translation>Вид сзади</translation>
    </message>
    <message>
        <source>Seen from below</source>
        <translation>Вид снизу</translation>
    </message>
    <message>
        <source>B right</source>
        <translation>B — вправо</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z — вверх</translation>
    </message>
    <message>
        <source>A forward</source>
        <translation>A — вперёд</translation>
    </message>
    <message>
        <source>Reset every setting to its default? This includes the antenna offsets, the default columns and the output directory.</source>
        <translation>Сбросить все настройки к значениям по умолчанию? Это затронет и смещения антенны, и столбцы по умолчанию, и папку результатов.</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Exit settings</source>
        <translation>Закрытие настроек</translation>
    </message>
    <message>
        <source>Settings were not saved. Save them before closing?</source>
        <translation>Настройки не сохранены. Сохранить их перед закрытием?</translation>
    </message>
</context>
<context>
    <name>SettingsPopUp</name>
    <message>
        <source>Graph settings</source>
        <translation>Настройки графика</translation>
    </message>
    <message>
        <source>Graph multisampling</source>
        <translation>Мультисэмплинг графика</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TimemarkFile</name>
    <message>
        <source>%1 is larger than %2 MB; it is not a timemark file</source>
        <translation>%1 больше %2 МБ — это не файл меток времени</translation>
    </message>
    <message>
        <source>%1 holds NUL bytes (line %2); it is not a text file</source>
        <translation>%1 содержит байты NUL (строка %2) — это не текстовый файл</translation>
    </message>
    <message>
        <source>The timemark file %1 %2</source>
        <translation>Файл меток времени %1: %2</translation>
    </message>
    <message>
        <source>No line of %1 splits into three or more columns; it is not a timemark file</source>
        <translation>Ни одна строка %1 не делится на три и более столбца — это не файл меток времени</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds a line longer than %n characters; it is not a timemark file</source>
        <translation>
            <numerusform>%1 содержит строку длиннее %n символа — это не файл меток времени</numerusform>
            <numerusform>%1 содержит строку длиннее %n символов — это не файл меток времени</numerusform>
            <numerusform>%1 содержит строку длиннее %n символов — это не файл меток времени</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the timemark file %1 failed: %2</source>
        <translation>Не удалось прочитать файл меток времени %1: %2</translation>
    </message>
    <message>
        <source>No timemark file is chosen</source>
        <translation>Файл меток времени не выбран</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds more than %n rows; a timemark file has one row per photo</source>
        <translation>
            <numerusform>%1 содержит более %n строки, а в файле меток времени по одной строке на фотографию</numerusform>
            <numerusform>%1 содержит более %n строк, а в файле меток времени по одной строке на фотографию</numerusform>
            <numerusform>%1 содержит более %n строк, а в файле меток времени по одной строке на фотографию</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is an RTKLIB solution in %2 form, which holds no latitude, longitude or UTM position: export the solution as latitude/longitude/height</source>
        <translation>%1 — решение RTKLIB в форме %2, в нём нет ни широты и долготы, ни координат UTM: экспортируйте решение как широту/долготу/высоту</translation>
    </message>
    <message>
        <source>No line of %1 splits into three or more columns with the delimiter &quot;%2&quot;</source>
        <translation>Ни одна строка %1 не делится разделителем «%2» на три и более столбца</translation>
    </message>
</context>
<context>
    <name>TimemarkImport</name>
    <message>
        <source>Timemark file %1 is not recognised</source>
        <translation>Файл меток времени %1 не распознан</translation>
    </message>
</context>
<context>
    <name>ViewPhoto</name>
    <message>
        <source>Dialog</source>
        <translation>Просмотр фото</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Нет изображения</translation>
    </message>
    <message>
        <source>Preview - %1</source>
        <translation>Просмотр - %1</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Тег</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
</context>
</TS>
