<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>LoadFailure</name>
    <message>
        <source>Команда №%1 (элемент «%2»)</source>
        <translation>Command #%1 (element “%2”)</translation>
    </message>
    <message>
        <source>Элемент «%1»</source>
        <translation>Element “%1”</translation>
    </message>
    <message>
        <source>Файл обрывается на строке %1.</source>
        <translation>The file breaks off at line %1.</translation>
    </message>
    <message>
        <source>Файл обрывается раньше, чем закрыт его корневой элемент.</source>
        <translation>The file breaks off before its root element is closed.</translation>
    </message>
    <message>
        <source>Картинка в элементе «%1» повреждена.</source>
        <translation>The picture in the element “%1” is damaged.</translation>
    </message>
    <message>
        <source>%1, атрибут «%2»: число «%3» не означает ни одного из допустимых значений.</source>
        <translation>%1, attribute “%2”: the number “%3” stands for none of the allowed values.</translation>
    </message>
    <message>
        <source>%1: нет атрибута «%2».</source>
        <translation>%1: the attribute “%2” is missing.</translation>
    </message>
    <message>
        <source>%1, атрибут «%2»: нет значения или оно не число («%3»).</source>
        <translation>%1, attribute “%2”: the value is missing or is not a number (“%3”).</translation>
    </message>
    <message>
        <source>Это не файл проекта: он записан не в UTF-8 или это не XML.</source>
        <translation>This is no project file: it is not UTF-8 or not XML.</translation>
    </message>
    <message>
        <source>%1 не читается.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>%1: в имени атрибута «%2» стоит кавычка.</source>
        <translation>%1: the attribute name “%2” holds a double quote.</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>Картинка %1 × %2 точек слишком велика: файл с ней нельзя было бы открыть (не больше %3 точек по стороне и 256 МБ точек).</source>
        <translation>The picture of %1 × %2 pixels is too large: a file holding it could not be opened (at most %3 pixels a side and 256 MB of pixels).</translation>
    </message>
</context>
<context>
    <name>QtUserPrompt</name>
    <message>
        <source>%1: %2 (показан как %3, с теми же размерами букв)</source>
        <translation>%1: %2 (shown as %3, with the same letter sizes)</translation>
    </message>
    <message>
        <source>%1: %2 (не установлен, показан как %3)</source>
        <translation>%1: %2 (not installed, shown as %3)</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Команда Brenwick</source>
        <translation>The Brenwick Team</translation>
    </message>
    <message>
        <source>О Программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Интернет:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Этот продукт распространяется</source>
        <translation>This product is distributed</translation>
    </message>
    <message>
        <source>НАХАЛЯВУ (FREEWARE) !!!</source>
        <translation>FOR FREE (FREEWARE)!!!</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Проигрыватель Velmora.EXE не найден</source>
        <translation>Player Velmora.EXE not found</translation>
    </message>
    <message>
        <source>Проигрыватель Velmora.EXE без версии</source>
        <translation>Player Velmora.EXE without a version</translation>
    </message>
    <message>
        <source>Проигрыватель Velmora.EXE %1</source>
        <translation>Player Velmora.EXE %1</translation>
    </message>
</context>
<context>
    <name>TAddFolderForm</name>
    <message>
        <source>Выберите каталог</source>
        <translation>Choose a Folder</translation>
    </message>
    <message>
        <source>Добавить каталог...</source>
        <translation>Add Folder</translation>
    </message>
    <message>
        <source>Каталог:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Пролистать</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Настройки поиска</source>
        <translation>Search Settings</translation>
    </message>
    <message>
        <source>Включать подкаталоги</source>
        <translation>Include subfolders</translation>
    </message>
    <message>
        <source>Маска каталогов</source>
        <translation>Folder mask</translation>
    </message>
    <message>
        <source>Ограничить вложенность каталогов до</source>
        <translation>Limit folder depth to</translation>
    </message>
    <message>
        <source>Маска файлов</source>
        <translation>File mask</translation>
    </message>
    <message>
        <source>Расширение файла</source>
        <translation>File extension</translation>
    </message>
    <message>
        <source>Путь в комментарии</source>
        <translation>Path in the comment</translation>
    </message>
    <message>
        <source>Всё в одну группу</source>
        <translation>Everything in one group</translation>
    </message>
    <message>
        <source>Не создавать группу для одного файла</source>
        <translation>No group for a single file</translation>
    </message>
    <message>
        <source>Имя команды</source>
        <translation>Command Name</translation>
    </message>
    <message>
        <source>Полный путь</source>
        <translation>Full path</translation>
    </message>
    <message>
        <source>Путь от каталога</source>
        <translation>Path below the folder</translation>
    </message>
    <message>
        <source>Без пути</source>
        <translation>No path</translation>
    </message>
    <message>
        <source>Имя файла</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Путь с каталогом</source>
        <translation>Path with the folder</translation>
    </message>
    <message>
        <source>Приставка к пути</source>
        <translation>Path prefix</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TAutosave</name>
    <message>
        <source>новый проект</source>
        <translation>new project</translation>
    </message>
    <message>
        <source>Копию несохранённых изменений «%1» не удалось прочитать.</source>
        <translation>The copy of the unsaved changes “%1” could not be read.</translation>
    </message>
    <message>
        <source>Она отложена как «%1» и больше предлагаться не будет.</source>
        <translation>It has been set aside as “%1” and will not be offered again.</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>В ней нет заголовка копии.</source>
        <translation>It has no copy header.</translation>
    </message>
    <message>
        <source>Найдены несохранённые изменения проекта
«%1»,
записанные в %2.

Восстановить их? «Нет» удалит эту копию, «Отмена» оставит её до следующего раза.</source>
        <translation>Unsaved changes of the project
“%1”,
written at %2, were found.

Restore them? “No” deletes this copy, “Cancel” keeps it for later.</translation>
    </message>
</context>
<context>
    <name>TBaseItem</name>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>TBoundsCommand</name>
    <message>
        <source>изменение размера «%1»</source>
        <translation>resize “%1”</translation>
    </message>
    <message>
        <source>перемещение «%1»</source>
        <translation>move “%1”</translation>
    </message>
</context>
<context>
    <name>TCheckForm</name>
    <message>
        <source>Проверка проекта</source>
        <translation>Project Check</translation>
    </message>
    <message>
        <source>Найденное</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Проверка ничего не нашла: проект готов к записи на диск.</source>
        <translation>The check found nothing: the project is ready to go on a disc.</translation>
    </message>
    <message>
        <source>Ошибок: %1, предупреждений: %2.</source>
        <translation>Errors: %1, warnings: %2.</translation>
    </message>
    <message>
        <source>Исправить</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Заменить полные пути Linux путями от Корневого Каталога (один шаг отмены)</source>
        <translation>Replace full Linux paths by paths from the disc folder (one undo step)</translation>
    </message>
</context>
<context>
    <name>TCommandEditor</name>
    <message>
        <source>Удаление группы</source>
        <translation>Delete Group</translation>
    </message>
    <message>
        <source>Поместить всё содержимое на один уровень вверх?</source>
        <translation>Move all of its contents one level up?</translation>
    </message>
</context>
<context>
    <name>TCommandsPage</name>
    <message>
        <source>Программы|*.exe;*.com;*.bat;*.cmd|Все файлы|*.*</source>
        <translation>Programs|*.exe;*.com;*.bat;*.cmd|All files|*.*</translation>
    </message>
    <message>
        <source>Добавить элемент</source>
        <translation>Add Entry</translation>
    </message>
    <message>
        <source>Куда</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>Внутрь</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Рядом</source>
        <translation>Beside</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Каталог...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>Свойства элемента</source>
        <translation>Entry Properties</translation>
    </message>
    <message>
        <source>Заголовок</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Путь</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Скрытый</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Корневой Каталог</source>
        <translation>Disc Folder</translation>
    </message>
    <message>
        <source>Полный путь Linux: на диске он не сработает. «Проверить проект» предложит исправить его.</source>
        <translation>A full Linux path: it will not work on the disc. “Check Project” offers to fix it.</translation>
    </message>
    <message>
        <source>Файл вне Корневого Каталога: на диске его не будет.</source>
        <translation>The file lies outside the disc folder: it will not be on the disc.</translation>
    </message>
    <message>
        <source>Дерево команд</source>
        <translation>Command tree</translation>
    </message>
    <message>
        <source>Путь или адрес</source>
        <translation>Path or address</translation>
    </message>
    <message>
        <source>Предупреждение о пути</source>
        <translation>Path warning</translation>
    </message>
    <message>
        <source>Перетащено файлов: %1. Путь программы ведёт к одному файлу: перетащите его один.</source>
        <translation>%1 files were dropped. A program&apos;s path leads to one file: drop just that one.</translation>
    </message>
    <message>
        <source>Корневой Каталог не задан. Сделать им папку %1, чтобы пути вели к файлам на диске?

«Нет» — выбрать другую папку, «Отмена» — не задавать.</source>
        <translation>No Disc Folder is set. Make the folder %1 the Disc Folder, so that paths lead to files on the disc?

“No” chooses another folder, “Cancel” sets none.</translation>
    </message>
    <message>
        <source>Файл %1 лежит вне Корневого Каталога %2: на диске его не будет.

Выбрать другой Корневой Каталог?</source>
        <translation>The file %1 lies outside the Disc Folder %2: it will not be on the disc.

Choose another Disc Folder?</translation>
    </message>
</context>
<context>
    <name>TDesignFactsReader</name>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Фоновая картинка</source>
        <translation>Background Picture</translation>
    </message>
    <message>
        <source>Картинка в тему</source>
        <translation>Theme Picture</translation>
    </message>
    <message>
        <source>Надпись наверху</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Область меню</source>
        <translation>Menu Area</translation>
    </message>
    <message>
        <source>кнопка «%1»</source>
        <translation>button “%1”</translation>
    </message>
</context>
<context>
    <name>TDesignGallery</name>
    <message>
        <source>Тёмный</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Светлый текст на тёмно-синем, диск в лучах света; 800×600</source>
        <translation>Light text on deep blue, a disc in rays of light; 800×600</translation>
    </message>
    <message>
        <source>Светлый</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Тёмно-синий текст на почти белом, спокойные круги; 800×600</source>
        <translation>Dark blue text on near white, calm circles; 800×600</translation>
    </message>
    <message>
        <source>Закат</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Вечерние горы над озером, меню по центру; 800×600</source>
        <translation>Evening hills over a lake, the menu in the middle; 800×600</translation>
    </message>
    <message>
        <source>Классика</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Серая объёмная панель с кнопками, как в старых программах; 640×480</source>
        <translation>A grey bevelled panel with buttons, as in older programs; 640×480</translation>
    </message>
    <message>
        <source>Минимализм</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <source>Белый лист, крупный шрифт и плоские кнопки; 1024×768</source>
        <translation>A white page, large type and flat buttons; 1024×768</translation>
    </message>
    <message>
        <source>Детский</source>
        <translation>For children</translation>
    </message>
    <message>
        <source>Яркие кнопки, солнце и облака, весёлый шрифт; 800×600</source>
        <translation>Bright buttons, sun and clouds, a cheerful font; 800×600</translation>
    </message>
</context>
<context>
    <name>TDesignGalleryForm</name>
    <message>
        <source>Создать по образцу</source>
        <translation>New from Sample</translation>
    </message>
    <message>
        <source>Образцы оформления</source>
        <translation>Sample designs</translation>
    </message>
    <message>
        <source>Создать проект</source>
        <translation>Create Project</translation>
    </message>
    <message>
        <source>Применить к проекту</source>
        <translation>Apply to Project</translation>
    </message>
    <message>
        <source>Удалить образец</source>
        <translation>Remove Sample</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TDesignGalleryLink</name>
    <message>
        <source>оформление «%1»</source>
        <translation>design “%1”</translation>
    </message>
    <message>
        <source>Сохранить как образец</source>
        <translation>Save as Sample</translation>
    </message>
    <message>
        <source>Название образца:</source>
        <translation>Sample name:</translation>
    </message>
    <message>
        <source>Образец «%1» уже есть. Заменить его?</source>
        <translation>A sample “%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>Свой образец от %1</source>
        <translation>Own sample of %1</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Удаление</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить образец «%1»?</source>
        <translation>Remove the sample “%1”?</translation>
    </message>
</context>
<context>
    <name>TDesignThumbnails</name>
    <message>
        <source>Установка программы</source>
        <translation>Install the program</translation>
    </message>
    <message>
        <source>Руководство пользователя</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Драйверы устройств</source>
        <translation>Device drivers</translation>
    </message>
    <message>
        <source>Дополнительные материалы</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Примеры и шаблоны</source>
        <translation>Examples and templates</translation>
    </message>
    <message>
        <source>Видеоуроки</source>
        <translation>Video lessons</translation>
    </message>
    <message>
        <source>Обзор диска</source>
        <translation>Browse the disc</translation>
    </message>
    <message>
        <source>Сайт разработчика</source>
        <translation>Developer&apos;s website</translation>
    </message>
</context>
<context>
    <name>TDesignValueTexts</name>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>от %1×%2</source>
        <translation>from %1×%2</translation>
    </message>
    <message>
        <source>до %1×%2</source>
        <translation>to %1×%2</translation>
    </message>
    <message>
        <source>Обычная</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Выделенная</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Нажатая</source>
        <translation>Pressed</translation>
    </message>
    <message>
        <source>жирный</source>
        <translation>bold</translation>
    </message>
    <message>
        <source>курсив</source>
        <translation>italic</translation>
    </message>
    <message>
        <source>подчёркнутый</source>
        <translation>underlined</translation>
    </message>
    <message>
        <source>зачёркнутый</source>
        <translation>struck out</translation>
    </message>
    <message>
        <source>здесь похожим шрифтом, строки в Windows могут лечь иначе</source>
        <translation>shown here with a similar font, lines may fall differently on Windows</translation>
    </message>
</context>
<context>
    <name>TDesignValueTypes</name>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>TDiscFindings</name>
    <message>
        <source>файл 4 ГБ или больше: образ диска его не вместит</source>
        <translation>a file of 4 GB or more: the disc image cannot hold it</translation>
    </message>
    <message>
        <source>в имени знак, который Windows не допускает (&lt; &gt; : &quot; | ? * \ или управляющий)</source>
        <translation>the name holds a character Windows does not allow (&lt; &gt; : &quot; | ? * \ or a control character)</translation>
    </message>
    <message>
        <source>в имени знак, который образ диска заменит на «_» (; * : ? \ или управляющий): по этому имени файл не найдётся</source>
        <translation>the name holds a character the disc image replaces by “_” (; * : ? \ or a control character): the file will not be found by this name</translation>
    </message>
    <message>
        <source>имя устройства Windows (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9): Windows откроет устройство, а не файл</source>
        <translation>a Windows device name (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9): Windows opens the device, not the file</translation>
    </message>
    <message>
        <source>имя кончается точкой или пробелом: Windows их отбросит и файл не найдёт</source>
        <translation>the name ends with a dot or a blank: Windows drops them and will not find the file</translation>
    </message>
    <message>
        <source>имя длиннее %1 знаков: на диске оно будет обрезано</source>
        <translation>the name is longer than %1 characters: it will be cut on the disc</translation>
    </message>
    <message>
        <source>в той же папке есть имя, отличающееся только регистром букв: Windows откроет лишь одно из них</source>
        <translation>the same folder holds a name that differs only in letter case: Windows opens only one of them</translation>
    </message>
    <message>
        <source>путь длиннее %1 знаков: в образе диска Windows его не увидит</source>
        <translation>the path is longer than %1 characters: Windows will not see it in the disc image</translation>
    </message>
    <message>
        <source>путь длиннее %1 знаков: Windows его не откроет</source>
        <translation>the path is longer than %1 characters: Windows will not open it</translation>
    </message>
    <message>
        <source>; к нему ведёт %1</source>
        <translation>; reached by %1</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 ГБ</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>образ диска займёт %1 и поместится на CD (700 МБ)</source>
        <translation>the disc image will take %1 and fits on a CD (700 MB)</translation>
    </message>
    <message>
        <source>образ диска займёт %1: на CD (700 МБ) не поместится, на DVD (4,7 ГБ) поместится</source>
        <translation>the disc image will take %1: it does not fit on a CD (700 MB) but fits on a DVD (4.7 GB)</translation>
    </message>
    <message>
        <source>образ диска займёт %1: на обычный DVD (4,7 ГБ) не поместится, на двухслойный DVD (8,5 ГБ) поместится</source>
        <translation>the disc image will take %1: it does not fit on a single-layer DVD (4.7 GB) but fits on a dual-layer DVD (8.5 GB)</translation>
    </message>
    <message>
        <source>образ диска займёт %1 и не поместится ни на CD, ни на DVD, даже двухслойный (8,5 ГБ)</source>
        <translation>the disc image will take %1 and fits neither on a CD nor on a DVD, not even a dual-layer one (8.5 GB)</translation>
    </message>
    <message>
        <source>на флешку образ не нужен: файлы копируются как есть и займут %1</source>
        <translation>a USB stick needs no image: the files are copied as they are and take %1</translation>
    </message>
</context>
<context>
    <name>TDiscImage</name>
    <message>
        <source>Для создания образа диска нужна программа xorriso, а она не найдена.
Установите её (в Debian и Ubuntu: apt-get install xorriso) и повторите.</source>
        <translation>Creating a disc image needs the program xorriso, which was not found.
Install it (on Debian and Ubuntu: apt-get install xorriso) and try again.</translation>
    </message>
    <message>
        <source>Метка диска не задана.</source>
        <translation>The disc label is empty.</translation>
    </message>
    <message>
        <source>Метка диска длиннее %1 знаков.</source>
        <translation>The disc label is longer than %1 characters.</translation>
    </message>
    <message>
        <source>Образ диска уже создаётся.</source>
        <translation>A disc image is already being created.</translation>
    </message>
    <message>
        <source>Каталог %1 не найден.</source>
        <translation>The folder %1 was not found.</translation>
    </message>
    <message>
        <source>Образ нельзя сохранить внутри Корневого Каталога.</source>
        <translation>The image cannot be saved inside the disc folder.</translation>
    </message>
    <message>
        <source>Создание образа отменено.</source>
        <translation>Creating the image was cancelled.</translation>
    </message>
    <message>
        <source>xorriso не смог создать образ (код %1).</source>
        <translation>xorriso could not create the image (code %1).</translation>
    </message>
    <message>
        <source>Windows покажет: «%1»</source>
        <translation>Windows will show: “%1”</translation>
    </message>
    <message>
        <source>Не удалось записать метку диска в образ %1.</source>
        <translation>Could not write the disc label into the image %1.</translation>
    </message>
</context>
<context>
    <name>TDiscLink</name>
    <message>
        <source>Корневой каталог</source>
        <translation>Disc Folder</translation>
    </message>
    <message>
        <source>Подготовить диск</source>
        <translation>Prepare Disc</translation>
    </message>
    <message>
        <source>…и ещё %1</source>
        <translation>…and %1 more</translation>
    </message>
    <message>
        <source>В каталоге уже есть другой autorun.inf. Заменить его?</source>
        <translation>The folder already holds another autorun.inf. Replace it?</translation>
    </message>
    <message>
        <source>Диск подготовлен в каталоге %1.</source>
        <translation>The disc is prepared in the folder %1.</translation>
    </message>
    <message>
        <source>Создать образ диска</source>
        <translation>Create Disc Image</translation>
    </message>
    <message>
        <source>Метка диска:</source>
        <translation>Disc label:</translation>
    </message>
    <message>
        <source>Образы дисков|*.iso</source>
        <translation>Disc images|*.iso</translation>
    </message>
    <message>
        <source>Создаётся образ диска…</source>
        <translation>Creating the disc image…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Образ диска записан в %1.</source>
        <translation>The disc image was written to %1.</translation>
    </message>
    <message>
        <source>%1 команда</source>
        <translation>commands: %1</translation>
    </message>
    <message>
        <source>%1 команды</source>
        <translation>commands: %1</translation>
    </message>
    <message>
        <source>%1 команд</source>
        <translation>commands: %1</translation>
    </message>
    <message>
        <source>Проверка нашла ошибки:

%1

Всё равно подготовить диск в папке «%2»?</source>
        <translation>The check found errors:

%1

Prepare the disc in the folder “%2” anyway?</translation>
    </message>
    <message>
        <source>В папке «%1» уже есть Velmora.XML, который не читается. Заменить?</source>
        <translation>The folder “%1” already holds a Velmora.XML that cannot be read. Replace it?</translation>
    </message>
    <message>
        <source>Проект будет сохранён в %1. Продолжить?</source>
        <translation>The project will be saved to %1. Continue?</translation>
    </message>
    <message>
        <source>В папке «%1» уже есть другой Velmora.EXE. Заменить его проигрывателем версии %2?</source>
        <translation>The folder “%1” already holds another Velmora.EXE. Replace it with the player of version %2?</translation>
    </message>
    <message>
        <source>В папке «%1» уже есть другой Velmora.XML (%2), не файл этого проекта. Заменить его?</source>
        <translation>The folder “%1” already holds another Velmora.XML (%2), not this project&apos;s file. Replace it?</translation>
    </message>
</context>
<context>
    <name>TEditActions</name>
    <message>
        <source>Отменить: </source>
        <translation>Undo </translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить: </source>
        <translation>Redo </translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Отменить: ввод в поле</source>
        <translation>Undo Typing</translation>
    </message>
    <message>
        <source>Повторить: ввод в поле</source>
        <translation>Redo Typing</translation>
    </message>
</context>
<context>
    <name>TFileNameEdit</name>
    <message>
        <source>Выбрать файл</source>
        <translation>Choose a file</translation>
    </message>
</context>
<context>
    <name>TFixPathsCommand</name>
    <message>
        <source>исправление путей</source>
        <translation>fixing paths</translation>
    </message>
</context>
<context>
    <name>TFolderImportLink</name>
    <message>
        <source>добавление каталога «%1»</source>
        <translation>add the folder “%1”</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Справка Velmora Brenwick</source>
        <translation>Velmora Brenwick Help</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вернуться к предыдущему разделу (Alt+Влево)</source>
        <translation>Go back to the previous topic (Alt+Left)</translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Перейти к следующему разделу (Alt+Вправо)</source>
        <translation>Go forward to the next topic (Alt+Right)</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Открыть содержание справки</source>
        <translation>Open the help&apos;s contents</translation>
    </message>
</context>
<context>
    <name>TInspectorConfig</name>
    <message>
        <source>[Внешний вид]</source>
        <translation>[Appearance]</translation>
    </message>
    <message>
        <source>AlphaBlend=Полупрозрачное</source>
        <translation>AlphaBlend=Translucent</translation>
    </message>
    <message>
        <source>AlphaBlendValue=Непрозрачность</source>
        <translation>AlphaBlendValue=Opacity</translation>
    </message>
    <message>
        <source>BorderColor=Цвет границы</source>
        <translation>BorderColor=Border colour</translation>
    </message>
    <message>
        <source>BorderStyle=Вид границы</source>
        <translation>BorderStyle=Border style</translation>
    </message>
    <message>
        <source>ButtonStyle=Вид кнопок</source>
        <translation>ButtonStyle=Button style</translation>
    </message>
    <message>
        <source>Caption=Заголовок</source>
        <translation>Caption=Caption</translation>
    </message>
    <message>
        <source>ShowCaption=Показывать заголовок</source>
        <translation>ShowCaption=Show caption</translation>
    </message>
    <message>
        <source>Cursor=Курсор</source>
        <translation>Cursor=Cursor</translation>
    </message>
    <message>
        <source>Visible=Присутствует</source>
        <translation>Visible=Present</translation>
    </message>
    <message>
        <source>WordWrap=Перенос по словам</source>
        <translation>WordWrap=Word wrap</translation>
    </message>
    <message>
        <source>Columns=Колонки</source>
        <translation>Columns=Columns</translation>
    </message>
    <message>
        <source>HorizAlloc=Горизонтально</source>
        <translation>HorizAlloc=Across first</translation>
    </message>
    <message>
        <source>AutoColumns=Авто колонки</source>
        <translation>AutoColumns=Automatic columns</translation>
    </message>
    <message>
        <source>[Цвета]</source>
        <translation>[Colours]</translation>
    </message>
    <message>
        <source>Color=Цвет фона</source>
        <translation>Color=Background colour</translation>
    </message>
    <message>
        <source>ColorSelected=Выделенный текст</source>
        <translation>ColorSelected=Selected text</translation>
    </message>
    <message>
        <source>ColorNormal=Обычный текст</source>
        <translation>ColorNormal=Normal text</translation>
    </message>
    <message>
        <source>ColorGradient=Градиент</source>
        <translation>ColorGradient=Gradient</translation>
    </message>
    <message>
        <source>ColorTop=Цвет сверху</source>
        <translation>ColorTop=Top colour</translation>
    </message>
    <message>
        <source>ColorBottom=Цвет снизу</source>
        <translation>ColorBottom=Bottom colour</translation>
    </message>
    <message>
        <source>Transparent=Прозрачный фон</source>
        <translation>Transparent=Transparent background</translation>
    </message>
    <message>
        <source>TransparentColor=Дыры в окне</source>
        <translation>TransparentColor=Holes in the window</translation>
    </message>
    <message>
        <source>TransparentColorValue=Цвет дыр</source>
        <translation>TransparentColorValue=Hole colour</translation>
    </message>
    <message>
        <source>[Картинка]</source>
        <translation>[Picture]</translation>
    </message>
    <message>
        <source>Center=По центру</source>
        <translation>Center=Centred</translation>
    </message>
    <message>
        <source>Stretch=Растяжение</source>
        <translation>Stretch=Stretched</translation>
    </message>
    <message>
        <source>Proportional=Пропорционально</source>
        <translation>Proportional=Proportional</translation>
    </message>
    <message>
        <source>Picture=Картинка</source>
        <translation>Picture=Picture</translation>
    </message>
    <message>
        <source>Default=Обычная</source>
        <translation>Default=Normal</translation>
    </message>
    <message>
        <source>Pressed=Нажатая</source>
        <translation>Pressed=Pressed</translation>
    </message>
    <message>
        <source>Pictures=Картинки</source>
        <translation>Pictures=Pictures</translation>
    </message>
    <message>
        <source>[Текст]</source>
        <translation>[Text]</translation>
    </message>
    <message>
        <source>Alignment=Выравнивание</source>
        <translation>Alignment=Alignment</translation>
    </message>
    <message>
        <source>Font=Шрифт</source>
        <translation>Font=Font</translation>
    </message>
    <message>
        <source>Style=Стиль</source>
        <translation>Style=Style</translation>
    </message>
    <message>
        <source>fsBold=Жирный</source>
        <translation>fsBold=Bold</translation>
    </message>
    <message>
        <source>fsItalic=Курсив</source>
        <translation>fsItalic=Italic</translation>
    </message>
    <message>
        <source>fsUnderline=Подчеркнутый</source>
        <translation>fsUnderline=Underlined</translation>
    </message>
    <message>
        <source>fsStrikeOut=Зачеркнутый</source>
        <translation>fsStrikeOut=Struck out</translation>
    </message>
    <message>
        <source>Size=Размер</source>
        <translation>Size=Size</translation>
    </message>
    <message>
        <source>ParentFont=Шрифт формы</source>
        <translation>ParentFont=Window&apos;s font</translation>
    </message>
    <message>
        <source>Shadow=Тень</source>
        <translation>Shadow=Shadow</translation>
    </message>
    <message>
        <source>ShadowColor=Цвет тени</source>
        <translation>ShadowColor=Shadow colour</translation>
    </message>
    <message>
        <source>ShadowSize=Размер тени</source>
        <translation>ShadowSize=Shadow offset</translation>
    </message>
    <message>
        <source>RowSpacing=Между строк</source>
        <translation>RowSpacing=Line spacing</translation>
    </message>
    <message>
        <source>Text=Текст</source>
        <translation>Text=Text</translation>
    </message>
    <message>
        <source>PadVertical=Отступ по вертикали</source>
        <translation>PadVertical=Vertical padding</translation>
    </message>
    <message>
        <source>PadHorizontal=Отступ по горизонтали</source>
        <translation>PadHorizontal=Horizontal padding</translation>
    </message>
    <message>
        <source>[Подсказка]</source>
        <translation>[Tooltip]</translation>
    </message>
    <message>
        <source>ShowHint=Показывать</source>
        <translation>ShowHint=Show</translation>
    </message>
    <message>
        <source>Hint=Текст</source>
        <translation>Hint=Text</translation>
    </message>
    <message>
        <source>[Положение]</source>
        <translation>[Position]</translation>
    </message>
    <message>
        <source>Height=Высота</source>
        <translation>Height=Height</translation>
    </message>
    <message>
        <source>Top=Отступ сверху</source>
        <translation>Top=Top</translation>
    </message>
    <message>
        <source>Left=Отступ слева</source>
        <translation>Left=Left</translation>
    </message>
    <message>
        <source>Width=Ширина</source>
        <translation>Width=Width</translation>
    </message>
    <message>
        <source>ClientWidth=Ширина</source>
        <translation>ClientWidth=Width</translation>
    </message>
    <message>
        <source>ClientHeight=Высота</source>
        <translation>ClientHeight=Height</translation>
    </message>
    <message>
        <source>Align=Выравнивание</source>
        <translation>Align=Alignment</translation>
    </message>
    <message>
        <source>[Поведение]</source>
        <translation>[Behaviour]</translation>
    </message>
    <message>
        <source>AllowChange=Ставить группу</source>
        <translation>AllowChange=Show the group</translation>
    </message>
    <message>
        <source>Action=Действие</source>
        <translation>Action=Action</translation>
    </message>
    <message>
        <source>ItemID=Пункт меню</source>
        <translation>ItemID=Menu entry</translation>
    </message>
    <message>
        <source>Autosize=Авто-размер</source>
        <translation>Autosize=Automatic size</translation>
    </message>
    <message>
        <source>Anchors=Привязка</source>
        <translation>Anchors=Anchors</translation>
    </message>
    <message>
        <source>akLeft=Слева</source>
        <translation>akLeft=Left</translation>
    </message>
    <message>
        <source>akRight=Справа</source>
        <translation>akRight=Right</translation>
    </message>
    <message>
        <source>akTop=Сверху</source>
        <translation>akTop=Top</translation>
    </message>
    <message>
        <source>akBottom=Снизу</source>
        <translation>akBottom=Bottom</translation>
    </message>
    <message>
        <source>Constraints=Пределы размера</source>
        <translation>Constraints=Size limits</translation>
    </message>
    <message>
        <source>MaxWidth=Макс. ширина</source>
        <translation>MaxWidth=Max. width</translation>
    </message>
    <message>
        <source>MaxHeight=Макс. высота</source>
        <translation>MaxHeight=Max. height</translation>
    </message>
    <message>
        <source>MinWidth=Мин. ширина</source>
        <translation>MinWidth=Min. width</translation>
    </message>
    <message>
        <source>MinHeight=Мин. высота</source>
        <translation>MinHeight=Min. height</translation>
    </message>
    <message>
        <source>State=Состояние</source>
        <translation>State=State</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Selected=Выделенная</source>
        <translation>Selected=Selected</translation>
    </message>
    <message>
        <source>Через окно становится видно то, что под ним, но только под Windows 2000/XP.</source>
        <translation>What lies beneath shows through the window, but only on Windows 2000/XP.</translation>
    </message>
    <message>
        <source>Чем меньше, тем окно прозрачнее, от 0 до 255.</source>
        <translation>The lower, the more transparent the window: 0 to 255.</translation>
    </message>
    <message>
        <source>Определяет тип окна - обычное, диалог, без границы и т. п. Изменять размер нельзя никогда.</source>
        <translation>The kind of window: normal, dialog, borderless and so on. Its size can never be changed.</translation>
    </message>
    <message>
        <source>Заголовок окна автозапуска.</source>
        <translation>The title of the menu window.</translation>
    </message>
    <message>
        <source>Градация цвета фона сверху вниз.</source>
        <translation>The background colour fades from top to bottom.</translation>
    </message>
    <message>
        <source>Верхний цвет или цвет всего окна, если градиент запрещён.</source>
        <translation>The top colour, or the whole window&apos;s colour when the gradient is off.</translation>
    </message>
    <message>
        <source>Нижний цвет. Если градиент запрещен, то игнорируется.</source>
        <translation>The bottom colour. Ignored when the gradient is off.</translation>
    </message>
    <message>
        <source>Установить, если нужно фигурное окно. Вид границы при этом следует ставить bsNone.</source>
        <translation>Turn on for a shaped window. Set the border style to bsNone as well.</translation>
    </message>
    <message>
        <source>Цвет точек в окне, которые будут прозрачными.</source>
        <translation>The colour of the window&apos;s pixels that become transparent.</translation>
    </message>
    <message>
        <source>Видимость объекта. Если снять, то он никуда не исчезнет.</source>
        <translation>Whether the object shows. Turned off, it still stays in the project.</translation>
    </message>
    <message>
        <source>Привязка объекта к краям окна при изменении его размеров. Работает только в редакторе.</source>
        <translation>Which window edges the object follows when the window is resized. Works in the editor only.</translation>
    </message>
    <message>
        <source>Пределы размеров объекта при изменении таковых. Если 0, то предела нет.</source>
        <translation>The limits of the object&apos;s size when it is resized. 0 means no limit.</translation>
    </message>
    <message>
        <source>Точки цвета, определенного в картинке как прозрачный, становится не видно.</source>
        <translation>Pixels of the colour the picture defines as transparent are not shown.</translation>
    </message>
    <message>
        <source>Центрировать картинку в ее границах.</source>
        <translation>Centre the picture within its bounds.</translation>
    </message>
    <message>
        <source>Растянуть картинку до ее границ.</source>
        <translation>Stretch the picture to its bounds.</translation>
    </message>
    <message>
        <source>Сохранить при растяжении отношение длин сторон картинки.</source>
        <translation>Keep the picture&apos;s aspect ratio when stretching.</translation>
    </message>
    <message>
        <source>Подогнать границы картинки под ее исходный размер.</source>
        <translation>Fit the picture&apos;s bounds to its own size.</translation>
    </message>
    <message>
        <source>Вид рамки - нет, выдавленная, вдавленная или линия.</source>
        <translation>The frame: none, raised, sunken or a line.</translation>
    </message>
    <message>
        <source>Цвет рамки, если она имеет вид просто линии.</source>
        <translation>The frame&apos;s colour when it is a plain line.</translation>
    </message>
    <message>
        <source>Дополнительное расстояние между строками. Может быть отрицательным.</source>
        <translation>Extra space between lines. May be negative.</translation>
    </message>
    <message>
        <source>Тень от текста.</source>
        <translation>A shadow behind the text.</translation>
    </message>
    <message>
        <source>Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательным.</source>
        <translation>The shadow&apos;s offset from the text, the same along X and Y. May be negative.</translation>
    </message>
    <message>
        <source>Количество колонок равного размера, в которое располагать кнопки.</source>
        <translation>The number of equal columns the buttons are laid out in.</translation>
    </message>
    <message>
        <source>Автоматическое определение количества колонок.</source>
        <translation>Choose the number of columns automatically.</translation>
    </message>
    <message>
        <source>Распределение кнопок по колонкам - сначала направо, потом вниз или наоборот.</source>
        <translation>How buttons fill the columns: across first, then down, or the other way round.</translation>
    </message>
    <message>
        <source>Точки цвета, определенного в картинках как прозрачный, становится не видно.</source>
        <translation>Pixels of the colour the pictures define as transparent are not shown.</translation>
    </message>
    <message>
        <source>Центрировать картинку в границах кнопки.</source>
        <translation>Centre the picture within the button&apos;s bounds.</translation>
    </message>
    <message>
        <source>Растянуть картинку до границ кнопки.</source>
        <translation>Stretch the picture to the button&apos;s bounds.</translation>
    </message>
    <message>
        <source>Отступ заголовка от левого или правого края.</source>
        <translation>The caption&apos;s distance from the left or right edge.</translation>
    </message>
    <message>
        <source>Отступ заголовка от верхнего или нижнего края.</source>
        <translation>The caption&apos;s distance from the top or bottom edge.</translation>
    </message>
    <message>
        <source>Состояние кнопки - чтобы посмотреть, как она выглядит нажатой или выделенной.</source>
        <translation>The button&apos;s state, to see how it looks pressed or selected.</translation>
    </message>
    <message>
        <source>Действие, которое выполняет кнопка при нажатии.</source>
        <translation>What the button does when pressed.</translation>
    </message>
    <message>
        <source>Если Действие=baExecute, то означает номер пункта меню, который выполняет кнопка.</source>
        <translation>With Action=baExecute, the number of the menu entry the button runs.</translation>
    </message>
    <message>
        <source>Подгонять размер кнопки под размер текста плюс отступы.</source>
        <translation>Fit the button to its text plus the padding.</translation>
    </message>
    <message>
        <source>Вид кнопки - просто текст, системная кнопка или кнопка с картинкой.</source>
        <translation>The button&apos;s look: plain text, a system button or a button with pictures.</translation>
    </message>
    <message>
        <source>Цвет фона кнопки, если она имеет вид именно кнопки. Если нет - игнорируется.</source>
        <translation>The button&apos;s background colour when it looks like a button; ignored otherwise.</translation>
    </message>
    <message>
        <source>Выравнивание текста в кнопке - справа, слева или от центра.</source>
        <translation>The text&apos;s alignment in the button: right, left or centred.</translation>
    </message>
    <message>
        <source>Ширина внутренней части окна, без рамки и заголовка.</source>
        <translation>The width of the inside of the window, without the border and title bar.</translation>
    </message>
    <message>
        <source>Высота внутренней части окна, без рамки и заголовка.</source>
        <translation>The height of the inside of the window, without the border and title bar.</translation>
    </message>
    <message>
        <source>Текст на кнопке. Им же кнопка подписана в дереве объектов.</source>
        <translation>The text on the button. It is also the button&apos;s name in the object tree.</translation>
    </message>
    <message>
        <source>Ширина кнопок меню, если авто-размер выключен.</source>
        <translation>The width of the menu buttons when automatic size is off.</translation>
    </message>
    <message>
        <source>Высота кнопок меню, если авто-размер выключен.</source>
        <translation>The height of the menu buttons when automatic size is off.</translation>
    </message>
    <message>
        <source>Картинки кнопок меню с видом «кнопка с картинкой»: обычная, выделенная и нажатая.</source>
        <translation>Pictures of the menu buttons of the style “Picture button”: normal, selected and pressed.</translation>
    </message>
    <message>
        <source>Вид указателя мыши над объектом.</source>
        <translation>The mouse pointer over the object.</translation>
    </message>
    <message>
        <source>Расстояние от левого края окна до объекта, в точках.</source>
        <translation>The distance from the window&apos;s left edge to the object, in pixels.</translation>
    </message>
    <message>
        <source>Расстояние от верхнего края окна до объекта, в точках.</source>
        <translation>The distance from the window&apos;s top edge to the object, in pixels.</translation>
    </message>
    <message>
        <source>Ширина объекта в точках.</source>
        <translation>The object&apos;s width in pixels.</translation>
    </message>
    <message>
        <source>Высота объекта в точках.</source>
        <translation>The object&apos;s height in pixels.</translation>
    </message>
    <message>
        <source>Текст подсказки, которая появляется, если задержать над объектом указатель мыши.</source>
        <translation>The text of the tooltip that appears when the mouse pointer rests over the object.</translation>
    </message>
    <message>
        <source>Показывать подсказку, если задержать над объектом указатель мыши.</source>
        <translation>Show a tooltip when the mouse pointer rests over the object.</translation>
    </message>
    <message>
        <source>Цвет фона. Если clNone, то фона нет и видно то, что под объектом.</source>
        <translation>The background colour. With clNone there is no background, and what lies beneath the object shows.</translation>
    </message>
    <message>
        <source>Цвет тени от текста.</source>
        <translation>The colour of the text&apos;s shadow.</translation>
    </message>
    <message>
        <source>Текст надписи. Длинные строки переносятся по словам.</source>
        <translation>The label&apos;s text. Long lines wrap at word boundaries.</translation>
    </message>
    <message>
        <source>Выравнивание текста - по левому краю, по правому краю или по центру.</source>
        <translation>The text&apos;s alignment: left, right or centred.</translation>
    </message>
    <message>
        <source>Картинка. В файле проекта хранится как точечный рисунок (BMP).</source>
        <translation>The picture. The project file keeps it as a bitmap (BMP).</translation>
    </message>
    <message>
        <source>Картинки кнопки: обычная, выделенная (под указателем мыши) и нажатая.</source>
        <translation>The button&apos;s pictures: normal, selected (under the mouse pointer) and pressed.</translation>
    </message>
    <message>
        <source>Картинка кнопки в обычном состоянии.</source>
        <translation>The button&apos;s picture in its normal state.</translation>
    </message>
    <message>
        <source>Картинка кнопки, над которой находится указатель мыши.</source>
        <translation>The picture of the button under the mouse pointer.</translation>
    </message>
    <message>
        <source>Картинка нажатой кнопки.</source>
        <translation>The picture of the pressed button.</translation>
    </message>
    <message>
        <source>Шрифт текста - название, размер, цвет и начертание.</source>
        <translation>The text&apos;s font: name, size, colour and style.</translation>
    </message>
    <message>
        <source>Цвет текста.</source>
        <translation>The text&apos;s colour.</translation>
    </message>
    <message>
        <source>Размер шрифта в пунктах.</source>
        <translation>The font size in points.</translation>
    </message>
    <message>
        <source>Начертание шрифта - жирный, курсив, подчёркнутый, зачёркнутый.</source>
        <translation>The font&apos;s style: bold, italic, underlined, struck out.</translation>
    </message>
    <message>
        <source>Жирный текст.</source>
        <translation>Bold text.</translation>
    </message>
    <message>
        <source>Наклонный текст (курсив).</source>
        <translation>Slanted text (italic).</translation>
    </message>
    <message>
        <source>Подчёркнутый текст.</source>
        <translation>Underlined text.</translation>
    </message>
    <message>
        <source>Зачёркнутый текст.</source>
        <translation>Struck-out text.</translation>
    </message>
    <message>
        <source>Сохранять расстояние от объекта до левого края окна.</source>
        <translation>Keep the distance from the object to the window&apos;s left edge.</translation>
    </message>
    <message>
        <source>Сохранять расстояние от объекта до верхнего края окна.</source>
        <translation>Keep the distance from the object to the window&apos;s top edge.</translation>
    </message>
    <message>
        <source>Сохранять расстояние от объекта до правого края окна.</source>
        <translation>Keep the distance from the object to the window&apos;s right edge.</translation>
    </message>
    <message>
        <source>Сохранять расстояние от объекта до нижнего края окна.</source>
        <translation>Keep the distance from the object to the window&apos;s bottom edge.</translation>
    </message>
    <message>
        <source>Наименьшая ширина объекта. Если 0, то предела нет.</source>
        <translation>The object&apos;s smallest width. 0 means no limit.</translation>
    </message>
    <message>
        <source>Наименьшая высота объекта. Если 0, то предела нет.</source>
        <translation>The object&apos;s smallest height. 0 means no limit.</translation>
    </message>
    <message>
        <source>Наибольшая ширина объекта. Если 0, то предела нет.</source>
        <translation>The object&apos;s largest width. 0 means no limit.</translation>
    </message>
    <message>
        <source>Наибольшая высота объекта. Если 0, то предела нет.</source>
        <translation>The object&apos;s largest height. 0 means no limit.</translation>
    </message>
    <message>
        <source>Начертание</source>
        <translation>Font style</translation>
    </message>
    <message>
        <source>Просто текст</source>
        <translation>Plain text</translation>
    </message>
    <message>
        <source>Системная кнопка</source>
        <translation>System button</translation>
    </message>
    <message>
        <source>Кнопка с картинкой</source>
        <translation>Picture button</translation>
    </message>
    <message>
        <source>По левому краю</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>По правому краю</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>По центру</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Свернуть окно</source>
        <translation>Minimise window</translation>
    </message>
    <message>
        <source>Открыть проводник</source>
        <translation>Open file browser</translation>
    </message>
    <message>
        <source>Выполнить пункт меню</source>
        <translation>Run menu entry</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>На уровень вверх</source>
        <translation>Up one level</translation>
    </message>
    <message>
        <source>Обычная</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Выделенная</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Нажатая</source>
        <translation>Pressed</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Выдавленная</source>
        <translation>Raised</translation>
    </message>
    <message>
        <source>Вдавленная</source>
        <translation>Sunken</translation>
    </message>
    <message>
        <source>Линия</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Без рамки</source>
        <translation>No border</translation>
    </message>
    <message>
        <source>Тонкая рамка</source>
        <translation>Thin border</translation>
    </message>
    <message>
        <source>Обычное окно</source>
        <translation>Normal window</translation>
    </message>
    <message>
        <source>Диалог</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Tool window</translation>
    </message>
    <message>
        <source>Панель инструментов с изменяемым размером</source>
        <translation>Resizable tool window</translation>
    </message>
    <message>
        <source>Ставить в качестве текста название текущей группы</source>
        <translation>Show the current group&apos;s name as the text</translation>
    </message>
    <message>
        <source>Цвет заголовка кнопки в обычном состоянии</source>
        <translation>The colour of the button&apos;s caption in its normal state</translation>
    </message>
    <message>
        <source>Цвет заголовка кнопки в выделенном состоянии</source>
        <translation>The colour of the button&apos;s caption in its selected state</translation>
    </message>
    <message>
        <source>Отступ заголовка от левого или правого края</source>
        <translation>The caption&apos;s distance from the left or right edge</translation>
    </message>
    <message>
        <source>Отступ заголовка от верхнего или нижнего края</source>
        <translation>The caption&apos;s distance from the top or bottom edge</translation>
    </message>
    <message>
        <source>Отображать заголовок поверх или вместо картинки</source>
        <translation>Draw the caption over the picture or instead of it</translation>
    </message>
    <message>
        <source>Автоматическая установка размера кнопки равным размеру картинки. Если её нет то 0x0.</source>
        <translation>Size the button to its picture automatically; 0x0 without a picture.</translation>
    </message>
</context>
<context>
    <name>TLanguageMenu</name>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation>The interface language will change the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>TLayoutEditor</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Картинки</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Фоновая картинка</source>
        <translation>Background Picture</translation>
    </message>
    <message>
        <source>Картинка в тему</source>
        <translation>Theme Picture</translation>
    </message>
    <message>
        <source>Надписи</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Надпись наверху</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Область меню</source>
        <translation>Menu Area</translation>
    </message>
    <message>
        <source>Кнопки в меню</source>
        <translation>Menu Buttons</translation>
    </message>
    <message>
        <source>Кнопки</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Вы точно хотите удалить кнопку &quot;%1&quot; ?</source>
        <translation>Do you really want to delete the button “%1”?</translation>
    </message>
    <message>
        <source>Удаление</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>изменение «%1» («%2»)</source>
        <translation>change “%1” (“%2”)</translation>
    </message>
    <message>
        <source>изменение «%1»</source>
        <translation>change “%1”</translation>
    </message>
</context>
<context>
    <name>TLayoutPage</name>
    <message>
        <source>Объекты</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Описание свойства</source>
        <translation>Property description</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Файлы XML|*.xml</source>
        <translation>XML files|*.xml</translation>
    </message>
    <message>
        <source>Закрытие</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1».</source>
        <translation>Could not open the file “%1”.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1».</source>
        <translation>Could not save the file “%1”.</translation>
    </message>
    <message>
        <source>Сохранить изменения?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>Каталог, в котором располагаются файлы компакт-диска так же, как они будут на диске</source>
        <translation>The folder that holds the disc&apos;s files laid out as they will be on the disc</translation>
    </message>
    <message>
        <source>Команды</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Внешний вид</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Опции проекта</source>
        <translation>Project Options</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
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
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
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
        <source>Загрузить оформление</source>
        <translation>Load Design</translation>
    </message>
    <message>
        <source>Сохранить оформление</source>
        <translation>Save Design</translation>
    </message>
    <message>
        <source>Корневой каталог</source>
        <translation>Disc Folder</translation>
    </message>
    <message>
        <source>Проверить проект...</source>
        <translation>Check Project...</translation>
    </message>
    <message>
        <source>Подготовить диск...</source>
        <translation>Prepare Disc...</translation>
    </message>
    <message>
        <source>Создать образ диска...</source>
        <translation>Create Disc Image...</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Буферизация вывода графики</source>
        <translation>Double-Buffered Drawing</translation>
    </message>
    <message>
        <source>Просмотрщик на английском</source>
        <translation>Inspector in English</translation>
    </message>
    <message>
        <source>Разрешить выделение</source>
        <translation>Allow Selection</translation>
    </message>
    <message>
        <source>Показывать выделение</source>
        <translation>Show Selection</translation>
    </message>
    <message>
        <source>Не выделять текст</source>
        <translation>Don&apos;t Select Text</translation>
    </message>
    <message>
        <source>Добавлять &quot;Выход&quot;</source>
        <translation>Add &quot;Exit&quot; Entry to New Groups</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О Программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Добавить кнопку</source>
        <translation>Add Button</translation>
    </message>
    <message>
        <source>Удалить кнопку</source>
        <translation>Delete Button</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Открыть еще раз</source>
        <translation>Open Recent</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Проверить меню</source>
        <translation>Test Menu</translation>
    </message>
    <message>
        <source>Автосохранение</source>
        <translation>Autosave</translation>
    </message>
    <message>
        <source>Без имени</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>В файле нет оформления: взято оформление нового проекта</source>
        <translation>The file has no design: the design of a new project was taken</translation>
    </message>
    <message>
        <source>Копия для восстановления не записана (попытка повторится): %1</source>
        <translation>The recovery copy was not written (it will be tried again): %1</translation>
    </message>
    <message>
        <source>Оформление сменило Корневой Каталог: теперь это %1</source>
        <translation>The design changed the disc folder: it is now %1</translation>
    </message>
    <message>
        <source>Создать по образцу...</source>
        <translation>New from Sample...</translation>
    </message>
    <message>
        <source>Сохранить как образец...</source>
        <translation>Save as Sample...</translation>
    </message>
    <message>
        <source> (только чтение)</source>
        <translation> (read-only)</translation>
    </message>
    <message>
        <source>Файл %1 изменён на диске после того, как вы его открыли или сохранили: его записали %2, возможно, в другом редакторе.

Заменить его вашим проектом?</source>
        <translation>The file %1 was changed on disk after you opened or saved it: it was written %2, perhaps in another editor.

Replace it with your project?</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Проект %1 уже открыт в другом редакторе: %2 на %3, с %4.

Открыть его только для чтения?
«Нет» — открыть всё равно (чьё-то сохранение заменит другое), «Отмена» — не открывать.</source>
        <translation>The project %1 is already open in another editor: %2 on %3, since %4.

Open it read-only?
“No” opens it anyway (one save will replace the other), “Cancel” does not open it.</translation>
    </message>
    <message>
        <source>Корневого Каталога проекта «%1» нет. Сделать Корневым Каталогом папку проекта «%2»?</source>
        <translation>The project&apos;s Disc Folder “%1” is gone. Make the project&apos;s folder “%2” the Disc Folder?</translation>
    </message>
    <message>
        <source>Проект открыт из папки «%2», а его Корневой Каталог — «%1»: подготовка диска записала бы туда.

Сделать Корневым Каталогом папку проекта «%2»? («Нет» оставит «%1».)</source>
        <translation>The project was opened from the folder “%2”, but its Disc Folder is “%1”: preparing the disc would write there.

Make the project&apos;s folder “%2” the Disc Folder? (“No” keeps “%1”.)</translation>
    </message>
    <message>
        <source>Корневой Каталог</source>
        <translation>Disc Folder</translation>
    </message>
</context>
<context>
    <name>TMenuContents</name>
    <message>
        <source>&lt;элемент %1&gt;</source>
        <translation>&lt;entry %1&gt;</translation>
    </message>
</context>
<context>
    <name>TMenuRun</name>
    <message>
        <source>Выйти?</source>
        <translation>Exit?</translation>
    </message>
    <message>
        <source>Кнопка «%1»: это верхний уровень, а «Выход по кнопке Вверх» выключен</source>
        <translation>Button “%1”: this is the top level, and “Exit with the Up button” is off</translation>
    </message>
    <message>
        <source>Кнопка «%1»: команда №%2 не найдена</source>
        <translation>Button “%1”: command #%2 not found</translation>
    </message>
    <message>
        <source>Открыть папку диска</source>
        <translation>Open the disc folder</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Свернуть окно</source>
        <translation>Minimise window</translation>
    </message>
    <message>
        <source>Открыть адрес: адрес не указан</source>
        <translation>Open address: no address given</translation>
    </message>
    <message>
        <source>Открыть адрес: %1</source>
        <translation>Open address: %1</translation>
    </message>
    <message>
        <source>Кнопка «%1»: команда №%2 — комментарий, ничего не делает</source>
        <translation>Button “%1”: command #%2 is a comment and does nothing</translation>
    </message>
    <message>
        <source>Запуск: файл программы не указан</source>
        <translation>Run: no program file given</translation>
    </message>
    <message>
        <source>Запуск: %1 — %2</source>
        <translation>Run: %1 — %2</translation>
    </message>
    <message>
        <source>файл программы не указан</source>
        <translation>no program file given</translation>
    </message>
    <message>
        <source>путь абсолютный, на диске не проверяется</source>
        <translation>the path is absolute: not checked on the disc</translation>
    </message>
    <message>
        <source>путь ведёт за пределы диска</source>
        <translation>the path leads outside the disc</translation>
    </message>
    <message>
        <source>Корневой Каталог не задан, файл не проверен</source>
        <translation>No disc folder is set: the file was not checked</translation>
    </message>
    <message>
        <source>Корневой Каталог не найден, файл не проверен</source>
        <translation>The disc folder was not found: the file was not checked</translation>
    </message>
    <message>
        <source>файл есть на диске</source>
        <translation>the file is on the disc</translation>
    </message>
    <message>
        <source>файла нет на диске</source>
        <translation>the file is not on the disc</translation>
    </message>
    <message>
        <source>Группа «%1» пуста, в её меню нет ни одной команды</source>
        <translation>The group “%1” is empty: its menu has no commands</translation>
    </message>
    <message>
        <source>Выход из меню</source>
        <translation>Leaving the menu</translation>
    </message>
</context>
<context>
    <name>TOptionsCommand</name>
    <message>
        <source>выбор корневого каталога</source>
        <translation>choose the disc folder</translation>
    </message>
    <message>
        <source>изменение текста «О Программе»</source>
        <translation>change the “About” text</translation>
    </message>
    <message>
        <source>изменение опций проекта</source>
        <translation>change the project options</translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>Выход из Автозапуска</source>
        <translation>Leaving the Menu</translation>
    </message>
    <message>
        <source>Выход по кнопке Вверх</source>
        <translation>Exit with the Up button</translation>
    </message>
    <message>
        <source>Если есть отдельно стоящая кнопка с действием LevelUp или привязанная к<byte value="xd"/>команде типа Выход, то выходить, если она нажата в корневой группе</source>
        <translation>If there is a stand-alone button with the action LevelUp, or one tied to
an Exit command, leave the menu when it is pressed in the top group</translation>
    </message>
    <message>
        <source>Выход после любой команды</source>
        <translation>Exit after any command</translation>
    </message>
    <message>
        <source>Выходить после исполнения любой команды типа Программа или URL</source>
        <translation>Leave the menu after running any Program or URL command</translation>
    </message>
    <message>
        <source>Вопрос при выходе кнопкой</source>
        <translation>Ask when leaving by a button</translation>
    </message>
    <message>
        <source>Спрашивать при нажатии на кнопку Выход</source>
        <translation>Ask when the Exit button is pressed</translation>
    </message>
    <message>
        <source>Вопрос при выходе крестиком</source>
        <translation>Ask when leaving by the close box</translation>
    </message>
    <message>
        <source>Спрашивать при нажатии на системную кнопку в углу окна или по сообщению окну</source>
        <translation>Ask when the window&apos;s close box is pressed or the window is told to close</translation>
    </message>
    <message>
        <source>Обработка путей файлов</source>
        <translation>File Paths</translation>
    </message>
    <message>
        <source>От корня компакт-диска, если Velmora.EXE или Velmora.XML на нём</source>
        <translation>From the root of the CD if Velmora.EXE or Velmora.XML is on it</translation>
    </message>
    <message>
        <source>Если Velmora.EXE или Velmora.XML находятся на компакт-диске, то в начало<byte value="xd"/>пути ставится имя этого диска, если нет - то один из вариантов внизу</source>
        <translation>If Velmora.EXE or Velmora.XML is on a CD, paths start with that disc&apos;s drive;
otherwise with one of the choices below</translation>
    </message>
    <message>
        <source>От Корневого Каталога</source>
        <translation>From the disc folder</translation>
    </message>
    <message>
        <source>В начало пути вставляется &quot;Корневой Каталог&quot;</source>
        <translation>Paths start with the disc folder</translation>
    </message>
    <message>
        <source>От расположения файла проекта (Velmora.XML)</source>
        <translation>From where the project file is (Velmora.XML)</translation>
    </message>
    <message>
        <source>В начало пути вставляется путь к Velmora.XML</source>
        <translation>Paths start with the folder of Velmora.XML</translation>
    </message>
    <message>
        <source>От расположения программы автозапуска (Velmora.EXE)</source>
        <translation>From where the menu program is (Velmora.EXE)</translation>
    </message>
    <message>
        <source>В начало пути вставляется путь к Velmora.EXE</source>
        <translation>Paths start with the folder of Velmora.EXE</translation>
    </message>
    <message>
        <source>От текущего каталога</source>
        <translation>From the current folder</translation>
    </message>
    <message>
        <source>В начало пути вставляется каталог, из которого запущен Velmora.EXE,<byte value="xd"/>даже если он там не лежит. Для компакт-дисков это путь к Velmora.EXE</source>
        <translation>Paths start with the folder Velmora.EXE was started from,
even if it is not there. On CDs this is the folder of Velmora.EXE</translation>
    </message>
    <message>
        <source>Текст &quot;О Программе&quot;</source>
        <translation>&quot;About&quot; Text</translation>
    </message>
    <message>
        <source>Текст, который оказывается внизу окна &quot;О Программе...&quot; Автозапуска</source>
        <translation>The text at the bottom of the menu&apos;s &quot;About&quot; window</translation>
    </message>
    <message>
        <source>Корневой Каталог:</source>
        <translation>Disc Folder:</translation>
    </message>
    <message>
        <source>не задан</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>Корневой Каталог</source>
        <translation>Disc Folder</translation>
    </message>
    <message>
        <source>Изменить...</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>Изменить Корневой Каталог</source>
        <translation>Change the Disc Folder</translation>
    </message>
</context>
<context>
    <name>TPicButtonCommand</name>
    <message>
        <source>добавление кнопки</source>
        <translation>add a button</translation>
    </message>
    <message>
        <source>удаление кнопки</source>
        <translation>delete a button</translation>
    </message>
</context>
<context>
    <name>TPicture</name>
    <message>
        <source>Невозможно открыть файл: %1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>Метафайлы не поддерживаются: %1</source>
        <translation>Metafiles are not supported: %1</translation>
    </message>
    <message>
        <source>Точечный рисунок повреждён или записан в неподдерживаемом виде: %1</source>
        <translation>The bitmap is damaged or stored in a form that is not supported: %1</translation>
    </message>
    <message>
        <source>Неизвестный формат картинки: %1</source>
        <translation>Unknown picture format: %1</translation>
    </message>
</context>
<context>
    <name>TPictureDialog</name>
    <message>
        <source>Картинка</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Картинки|*.bmp *.jpg *.jpeg *.png *.gif *.ico|Все файлы|*.*</source>
        <translation>Pictures|*.bmp *.jpg *.jpeg *.png *.gif *.ico|All files|*.*</translation>
    </message>
    <message>
        <source>Точечные рисунки|*.bmp</source>
        <translation>Bitmaps|*.bmp</translation>
    </message>
    <message>
        <source>Загрузить...</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Нет картинки</source>
        <translation>No picture</translation>
    </message>
    <message>
        <source>Загрузить картинку</source>
        <translation>Load Picture</translation>
    </message>
    <message>
        <source>Сохранить картинку</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>Картинка %1 стала точечным рисунком 24 бит на белом фоне: так она будет сохранена.</source>
        <translation>The %1 picture became a 24-bit bitmap on a white background: that is how it will be saved.</translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Фоновая картинка</source>
        <translation>Background Picture</translation>
    </message>
    <message>
        <source>Картинка в тему</source>
        <translation>Theme Picture</translation>
    </message>
    <message>
        <source>Надпись наверху</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Область меню</source>
        <translation>Menu Area</translation>
    </message>
    <message>
        <source>Кнопка</source>
        <translation>Button</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>Добавление каталога</source>
        <translation>Adding a Folder</translation>
    </message>
    <message>
        <source>Производится поиск...</source>
        <translation>Searching...</translation>
    </message>
</context>
<context>
    <name>TProjectCheck</name>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Корневой Каталог не задан, файлы программ не проверены</source>
        <translation>No disc folder is set: the program files were not checked</translation>
    </message>
    <message>
        <source>Корневой Каталог не найден</source>
        <translation>The disc folder was not found</translation>
    </message>
    <message>
        <source>программы автозапуска нет в Корневом Каталоге, скопируйте её туда</source>
        <translation>the menu program is not in the disc folder: copy it there</translation>
    </message>
    <message>
        <source>не указан файл программы</source>
        <translation>no program file is given</translation>
    </message>
    <message>
        <source>путь %1 абсолютный, на другом компьютере его может не быть</source>
        <translation>the path %1 is absolute: another computer may not have it</translation>
    </message>
    <message>
        <source>файл %1 не найден на диске</source>
        <translation>the file %1 was not found on the disc</translation>
    </message>
    <message>
        <source>не указан адрес</source>
        <translation>no address is given</translation>
    </message>
    <message>
        <source>адрес %1 не полный (нужна схема, например http://)</source>
        <translation>the address %1 is incomplete (it needs a scheme, such as http://)</translation>
    </message>
    <message>
        <source>в проекте нет ни одной команды, меню будет пустым</source>
        <translation>the project has no commands: the menu will be empty</translation>
    </message>
    <message>
        <source>все команды верхнего уровня скрыты, меню будет пустым</source>
        <translation>every top-level command is hidden: the menu will be empty</translation>
    </message>
    <message>
        <source>группа пуста, меню группы будет пустым</source>
        <translation>the group is empty: its menu will be empty</translation>
    </message>
    <message>
        <source>все команды группы скрыты, меню группы будет пустым</source>
        <translation>every command of the group is hidden: its menu will be empty</translation>
    </message>
    <message>
        <source>объект целиком за пределами окна</source>
        <translation>the object lies wholly outside the window</translation>
    </message>
    <message>
        <source>картинка %1×%2 больше окна %3×%4</source>
        <translation>the picture of %1×%2 is larger than the window of %3×%4</translation>
    </message>
    <message>
        <source>в области меню нет места ни для одной кнопки</source>
        <translation>the menu area has no room for a single button</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>«Пункт меню» %1 не указывает ни на одну команду</source>
        <translation>“Menu entry” %1 points to no command</translation>
    </message>
    <message>
        <source>«Пункт меню» %1 указывает на скрытую команду %2</source>
        <translation>“Menu entry” %1 points to the hidden command %2</translation>
    </message>
    <message>
        <source>«Окно»</source>
        <translation>“Window”</translation>
    </message>
    <message>
        <source>«Заголовок» окна всё ещё «%1»: автозапуск покажет его в заголовке меню</source>
        <translation>The window&apos;s “Caption” is still “%1”: the menu will show it in its title bar</translation>
    </message>
    <message>
        <source>полный путь Linux: на диске он не сработает (%1)</source>
        <translation>full Linux path: it will not work on the disc (%1)</translation>
    </message>
    <message>
        <source>; «Исправить» заменит его на %1</source>
        <translation>; “Fix” replaces it by %1</translation>
    </message>
    <message>
        <source>из группы нет выхода: в ней нет команды «Выход», а в окне нет кнопки «Вверх»; выйти из неё можно только клавишами Esc, Backspace или «Влево»</source>
        <translation>the group has no way out: it holds no “Exit” command and the window has no “Up” button; only the keys Esc, Backspace or Left leave it</translation>
    </message>
    <message>
        <source>шрифт «%1» есть не в каждой Windows 7–11, там его заменит другой</source>
        <translation>the font “%1” is not on every Windows 7–11; another will replace it there</translation>
    </message>
    <message>
        <source>Сведения</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>программы автозапуска пока нет в Корневом Каталоге: «Подготовить диск» и образ диска скопируют её туда</source>
        <translation>the autorun program is not in the disc folder yet: “Prepare Disc” and the disc image copy it there</translation>
    </message>
    <message>
        <source>путь %1 ведёт к папке, а не к программе</source>
        <translation>the path %1 leads to a folder, not to a program</translation>
    </message>
    <message>
        <source>шрифт «%1» состоит из значков: буквы надписи станут картинками</source>
        <translation>the font “%1” is made of symbols: the text’s letters will turn into pictures</translation>
    </message>
    <message>
        <source>в шрифте «%1» нет русских букв, а набор символов у него кириллический</source>
        <translation>the font “%1” has no Cyrillic letters, yet its character set is Cyrillic</translation>
    </message>
    <message>
        <source>шрифт «%1» здесь показан похожим, а не таким же: в Windows строки могут лечь иначе</source>
        <translation>the font “%1” is shown here with a similar one, not the same: lines may fall differently on Windows</translation>
    </message>
    <message>
        <source>; файл вне Корневого Каталога: его вместил бы Корневой Каталог %1</source>
        <translation>; the file is outside the Disc Folder: the Disc Folder %1 would hold it</translation>
    </message>
    <message>
        <source>; Корневой Каталог не задан, им могла бы быть папка %1</source>
        <translation>; no Disc Folder is set, it could be the folder %1</translation>
    </message>
</context>
<context>
    <name>TProjectFile</name>
    <message>
        <source>Группы вложены на %1 уровней, а файл проекта можно прочитать не глубже %2 уровней. Перенесите часть команд выше.</source>
        <translation>The groups are nested %1 levels deep, but a project file can be read no deeper than %2 levels. Move some commands up.</translation>
    </message>
    <message>
        <source>загрузка оформления</source>
        <translation>load a design</translation>
    </message>
</context>
<context>
    <name>TPropertyGridModel</name>
    <message>
        <source>Особое</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является допустимым значением.</source>
        <translation>&quot;%1&quot; is not a valid value.</translation>
    </message>
    <message>
        <source>%1: введите целое число от %2 до %3</source>
        <translation>%1: enter a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1 строк</source>
        <translation>lines: %1</translation>
    </message>
    <message>
        <source>%1 строка</source>
        <translation>lines: %1</translation>
    </message>
    <message>
        <source>%1 строки</source>
        <translation>lines: %1</translation>
    </message>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>BMP %1, %2 бит</source>
        <translation>BMP %1, %2-bit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является логическим значением (%2 или %3).</source>
        <translation>&quot;%1&quot; is not a Boolean value (%2 or %3).</translation>
    </message>
    <message>
        <source>%1: от %2 до %3</source>
        <translation>%1: from %2 to %3</translation>
    </message>
</context>
<context>
    <name>TPropertyLayer</name>
    <message>
        <source>Недопустимое значение &quot;%1&quot;</source>
        <translation>Invalid value &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Нет свойства &quot;%1&quot;</source>
        <translation>No property &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Свойство &quot;%1&quot; только для чтения</source>
        <translation>The property &quot;%1&quot; is read-only</translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
</context>
<context>
    <name>TSetPropertyCommand</name>
    <message>
        <source>изменение «%1»</source>
        <translation>change “%1”</translation>
    </message>
</context>
<context>
    <name>TStringsDialog</name>
    <message>
        <source>Редактор строк</source>
        <translation>String List Editor</translation>
    </message>
    <message>
        <source>Строки</source>
        <translation>Lines</translation>
    </message>
</context>
<context>
    <name>TTreeCommands</name>
    <message>
        <source>добавление «%1»</source>
        <translation>add “%1”</translation>
    </message>
    <message>
        <source>удаление «%1»</source>
        <translation>delete “%1”</translation>
    </message>
    <message>
        <source>перемещение «%1»</source>
        <translation>move “%1”</translation>
    </message>
    <message>
        <source>изменение заголовка «%1»</source>
        <translation>change the title of “%1”</translation>
    </message>
    <message>
        <source>изменение комментария «%1»</source>
        <translation>change the comment of “%1”</translation>
    </message>
    <message>
        <source>изменение адреса «%1»</source>
        <translation>change the address of “%1”</translation>
    </message>
    <message>
        <source>изменение пути «%1»</source>
        <translation>change the path of “%1”</translation>
    </message>
    <message>
        <source>изменение параметров «%1»</source>
        <translation>change the parameters of “%1”</translation>
    </message>
    <message>
        <source>скрытие «%1»</source>
        <translation>hide “%1”</translation>
    </message>
    <message>
        <source>показ «%1»</source>
        <translation>show “%1”</translation>
    </message>
</context>
<context>
    <name>TTrialForm</name>
    <message>
        <source>новый проект</source>
        <translation>new project</translation>
    </message>
    <message>
        <source>Проверка меню — %1</source>
        <translation>Menu Test — %1</translation>
    </message>
    <message>
        <source>Журнал: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Проверка меню</source>
        <translation>Menu Test</translation>
    </message>
    <message>
        <source>Вопрос «%1»: %2</source>
        <translation>Question “%1”: %2</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Меню закрыто. Закройте это окно, чтобы вернуться в редактор.</source>
        <translation>The menu is closed. Close this window to return to the editor.</translation>
    </message>
    <message>
        <source>Уровень: %1</source>
        <translation>Level: %1</translation>
    </message>
</context>
<context>
    <name>TTrialLink</name>
    <message>
        <source>Проверка меню</source>
        <translation>Menu Test</translation>
    </message>
</context>
<context>
    <name>TXDocument</name>
    <message>
        <source>Невозможно открыть файл: </source>
        <translation>Cannot open the file: </translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>«%1» — папка, файл с таким именем записать нельзя</source>
        <translation>“%1” is a folder: no file of that name can be written</translation>
    </message>
    <message>
        <source>Папки %1 нет</source>
        <translation>The folder %1 does not exist</translation>
    </message>
    <message>
        <source>Нет прав на запись в папку %1</source>
        <translation>No permission to write to the folder %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл в папку %1</source>
        <translation>The file could not be written to the folder %1</translation>
    </message>
    <message>
        <source>«%1» — папка, а не файл проекта. Откройте файл Velmora.XML внутри неё.</source>
        <translation>“%1” is a folder, not a project file. Open the file Velmora.XML inside it.</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>qrc:/help/</source>
        <extracomment>The folder of the help pages written in this language (the English pages are in qrc:/help/en/).</extracomment>
        <translation>qrc:/help/en/</translation>
    </message>
</context>
</TS>
