<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
        <source>Проверка нашла ошибки:

%1

Всё равно подготовить диск?</source>
        <translation>The check found errors:

%1

Prepare the disc anyway?</translation>
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
</context>
<context>
    <name>TFileNameEdit</name>
    <message>
        <source>Выбрать файл</source>
        <translation>Choose a file</translation>
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
        <source>Selected=Выдленная</source>
        <translation>Selected=Selected</translation>
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
        <source>TForm.AlphaBlend=Через окно станосится видно то, что под ним, но только под Windows 2000/XP.</source>
        <translation>TForm.AlphaBlend=What lies beneath shows through the window (Windows 2000/XP and later only).</translation>
    </message>
    <message>
        <source>TForm.AlphaBlendValue=Чем меньше, тем окно прозрачнее, от 0 до 255.</source>
        <translation>TForm.AlphaBlendValue=The lower, the more transparent the window: 0 to 255.</translation>
    </message>
    <message>
        <source>TForm.BorderStyle=Определяет тип окна - обычное, диалог, без границы и т. п. Изменять размер нельзя никогда.</source>
        <translation>TForm.BorderStyle=The kind of window: normal, dialog, borderless and so on. Its size can never be changed by the user.</translation>
    </message>
    <message>
        <source>TForm.Caption=Заголовок окна автозапуска.</source>
        <translation>TForm.Caption=The title of the menu window.</translation>
    </message>
    <message>
        <source>TForm.ColorGradient=Градация цвета фона сверху вниз.</source>
        <translation>TForm.ColorGradient=A background colour fading from top to bottom.</translation>
    </message>
    <message>
        <source>TForm.ColorTop=Верхний цвет или цвет всего окна, если градиент запрещён.</source>
        <translation>TForm.ColorTop=The top colour, or the whole window&apos;s colour when the gradient is off.</translation>
    </message>
    <message>
        <source>TForm.ColorBottom=Нижний цвет. Если градиент запрещен, то игнорируется.</source>
        <translation>TForm.ColorBottom=The bottom colour. Ignored when the gradient is off.</translation>
    </message>
    <message>
        <source>TForm.TransparentColor=Установить, если нужно фигурное окно. Вид границы при этом следует ставить bsNone.</source>
        <translation>TForm.TransparentColor=Turn on for a shaped window. Set the border style to bsNone as well.</translation>
    </message>
    <message>
        <source>TForm.TransparentColorValue=Цвет точек в окне, которые будут прозрачными.</source>
        <translation>TForm.TransparentColorValue=The colour of the window&apos;s pixels that become transparent.</translation>
    </message>
    <message>
        <source>TControl.Visible=Видимость объекта. Если снять, то он никуда не исчезнет.</source>
        <translation>TControl.Visible=Whether the object shows. Turned off, it stays where it is.</translation>
    </message>
    <message>
        <source>TControl.Anchors=Привязка объекта к краям окна при изменении его размеров. Работает только в редакторе.</source>
        <translation>TControl.Anchors=Which window edges the object follows when the window is resized. Works in the editor only.</translation>
    </message>
    <message>
        <source>TControl.Constraints=Пределы размеров объекта при изменении таковых. Если 0, то предела нет.</source>
        <translation>TControl.Constraints=The limits of the object&apos;s size when it is resized. 0 means no limit.</translation>
    </message>
    <message>
        <source>TImage.Transparent=Точки цвета, определенноо в картинке как прозрачный, становится не видно.</source>
        <translation>TImage.Transparent=Pixels of the picture&apos;s transparent colour are not shown.</translation>
    </message>
    <message>
        <source>TImage.Center=Центрировать картинку в ее границах.</source>
        <translation>TImage.Center=Centre the picture within its bounds.</translation>
    </message>
    <message>
        <source>TImage.Stretch=Растянуть картинку до ее границ.</source>
        <translation>TImage.Stretch=Stretch the picture to its bounds.</translation>
    </message>
    <message>
        <source>TImage.Proportional=Сохранить при растяжении отношение длинн сторон картинки.</source>
        <translation>TImage.Proportional=Keep the picture&apos;s aspect ratio when stretching.</translation>
    </message>
    <message>
        <source>TImage.AutoSize=Подогнать границы картинки под ее исходный размер.</source>
        <translation>TImage.AutoSize=Fit the bounds to the picture&apos;s own size.</translation>
    </message>
    <message>
        <source>TTextBox.BorderStyle=Вид рамки - нету, выдавленная, вдавленная или линия.</source>
        <translation>TTextBox.BorderStyle=The frame: none, raised, sunken or a line.</translation>
    </message>
    <message>
        <source>TTextBox.BorderColor=Цвет рамки, если она имеет вид просто линии.</source>
        <translation>TTextBox.BorderColor=The frame&apos;s colour when it is a plain line.</translation>
    </message>
    <message>
        <source>TTextBox.RowSpacing=Дополнительное расстояние между строками. Может быть отрицательным.</source>
        <translation>TTextBox.RowSpacing=Extra space between lines. May be negative.</translation>
    </message>
    <message>
        <source>TTextBox.Shadow=Тень от текста.</source>
        <translation>TTextBox.Shadow=A shadow behind the text.</translation>
    </message>
    <message>
        <source>TTextBox.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.</source>
        <translation>TTextBox.ShadowSize=The shadow&apos;s offset from the text, the same along X and Y. May be negative.</translation>
    </message>
    <message>
        <source>TTextBox.AllowChange=Ставить в качестве текста название текущей группы</source>
        <translation>TTextBox.AllowChange=Show the current group&apos;s name as the text</translation>
    </message>
    <message>
        <source>TButtonBox.Columns=Количество колонок равного размера, в которое располагать кнопки.</source>
        <translation>TButtonBox.Columns=The number of equal columns the buttons are laid out in.</translation>
    </message>
    <message>
        <source>TButtonBox.AutoColumns=Автоматическое определение количества колонок.</source>
        <translation>TButtonBox.AutoColumns=Choose the number of columns automatically.</translation>
    </message>
    <message>
        <source>TButtonBox.HorizAlloc=Распределение кнопок по колонкам - сначала направо, потом вниз или наоборот.</source>
        <translation>TButtonBox.HorizAlloc=How buttons fill the columns: across first, then down, or the other way round.</translation>
    </message>
    <message>
        <source>TPicButton.Transparent=Точки цвета, определенноо в картинках как прозрачный, становится не видно.</source>
        <translation>TPicButton.Transparent=Pixels of the pictures&apos; transparent colour are not shown.</translation>
    </message>
    <message>
        <source>TPicButton.Center=Центрировать картинку в границах кнопки.</source>
        <translation>TPicButton.Center=Centre the picture within the button.</translation>
    </message>
    <message>
        <source>TPicButton.Stretch=Растянуть картинку до границ кнопки.</source>
        <translation>TPicButton.Stretch=Stretch the picture to the button&apos;s bounds.</translation>
    </message>
    <message>
        <source>TPicButton.Proportional=Сохранить при растяжении отношение длинн сторон картинки.</source>
        <translation>TPicButton.Proportional=Keep the picture&apos;s aspect ratio when stretching.</translation>
    </message>
    <message>
        <source>TPicButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии</source>
        <translation>TPicButton.ColorNormal=The colour of the button&apos;s caption in its normal state</translation>
    </message>
    <message>
        <source>TPicButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии</source>
        <translation>TPicButton.ColorSelected=The colour of the button&apos;s caption when it is selected</translation>
    </message>
    <message>
        <source>TPicButton.PadHorizontal=Отступ заголовка от левого или правого края</source>
        <translation>TPicButton.PadHorizontal=The caption&apos;s distance from the left or right edge</translation>
    </message>
    <message>
        <source>TPicButton.PadVertical=Отступ заголовка от верхнего или нижнего края</source>
        <translation>TPicButton.PadVertical=The caption&apos;s distance from the top or bottom edge</translation>
    </message>
    <message>
        <source>TPicButton.ShowCaption=Отображать заголовок поверх или вместо картинки</source>
        <translation>TPicButton.ShowCaption=Show the caption over the picture or instead of it</translation>
    </message>
    <message>
        <source>TPicButton.AutoSize=Автоматическая установка размера кнопки равным размеру картинки. Если её нет то 0x0.</source>
        <translation>TPicButton.AutoSize=Size the button to its picture automatically; 0x0 without a picture.</translation>
    </message>
    <message>
        <source>TPicButton.State=Состояние кнопки - чтобы посмотреть, как она выглядит нажатой или выделенной.</source>
        <translation>TPicButton.State=The button&apos;s state, to see how it looks pressed or selected.</translation>
    </message>
    <message>
        <source>TPicButton.Shadow=Тень от текста.</source>
        <translation>TPicButton.Shadow=A shadow behind the text.</translation>
    </message>
    <message>
        <source>TPicButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.</source>
        <translation>TPicButton.ShadowSize=The shadow&apos;s offset from the text, the same along X and Y. May be negative.</translation>
    </message>
    <message>
        <source>TPicButton.Action=Действие, которое выполняет кнопка при нажатии.</source>
        <translation>TPicButton.Action=What the button does when pressed.</translation>
    </message>
    <message>
        <source>TPicButton.ItemID=Если Действие=baExecute, то означает номер пункта меню, который выполняет кнопка.</source>
        <translation>TPicButton.ItemID=With Action=baExecute, the number of the menu entry the button runs.</translation>
    </message>
    <message>
        <source>TStyledButton.AutoSize=Подгонять размер кнопки под размер текста плюс отступы.</source>
        <translation>TStyledButton.AutoSize=Fit the button to its text plus the padding.</translation>
    </message>
    <message>
        <source>TStyledButton.Style=Вид кнопки - просто текст, системная кнопка или кнопка с картинкой.</source>
        <translation>TStyledButton.Style=The button&apos;s look: plain text, a system button or a button with a picture.</translation>
    </message>
    <message>
        <source>TStyledButton.Color=Цвет фона кнопки, если она имеет вид именно кнопки. Если нет - игнорируется.</source>
        <translation>TStyledButton.Color=The button&apos;s background colour when it looks like a button; ignored otherwise.</translation>
    </message>
    <message>
        <source>TStyledButton.PadHorizontal=Отступ заголовка от левого или правого края.</source>
        <translation>TStyledButton.PadHorizontal=The caption&apos;s distance from the left or right edge.</translation>
    </message>
    <message>
        <source>TStyledButton.PadVertical=Отступ заголовка от верхнего или нижнего края.</source>
        <translation>TStyledButton.PadVertical=The caption&apos;s distance from the top or bottom edge.</translation>
    </message>
    <message>
        <source>TStyledButton.Alignment=Выравнивание текста в кнопке - справа, слева или от центра.</source>
        <translation>TStyledButton.Alignment=The text&apos;s alignment in the button: right, left or centred.</translation>
    </message>
    <message>
        <source>TStyledButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии</source>
        <translation>TStyledButton.ColorNormal=The colour of the button&apos;s caption in its normal state</translation>
    </message>
    <message>
        <source>TStyledButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии</source>
        <translation>TStyledButton.ColorSelected=The colour of the button&apos;s caption when it is selected</translation>
    </message>
    <message>
        <source>TStyledButton.Shadow=Тень от текста.</source>
        <translation>TStyledButton.Shadow=A shadow behind the text.</translation>
    </message>
    <message>
        <source>TStyledButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.</source>
        <translation>TStyledButton.ShadowSize=The shadow&apos;s offset from the text, the same along X and Y. May be negative.</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
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
        <source>Программы|*.exe;*.com;*.bat;*.cmd|Все файлы|*.*</source>
        <translation>Programs|*.exe;*.com;*.bat;*.cmd|All files|*.*</translation>
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
        <source>Добавиь элемент</source>
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
        <source>От теукщего каталога</source>
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
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Отменить: </source>
        <translation>Undo </translation>
    </message>
    <message>
        <source>Повторить: </source>
        <translation>Redo </translation>
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
        <source>имя длиннее %1 знаков не поместится на диск</source>
        <translation>a name longer than %1 characters does not fit on the disc</translation>
    </message>
    <message>
        <source>имя содержит знак, недопустимый на диске (&lt; &gt; : &quot; | ? *)</source>
        <translation>the name holds a character not allowed on the disc (&lt; &gt; : &quot; | ? *)</translation>
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
        <source>путь %1 ведёт за пределы диска</source>
        <translation>the path %1 leads outside the disc</translation>
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
        <source>ItemID %1 не указывает ни на одну команду</source>
        <translation>ItemID %1 refers to no command</translation>
    </message>
    <message>
        <source>ItemID %1 указывает на группу %2</source>
        <translation>ItemID %1 refers to the group %2</translation>
    </message>
    <message>
        <source>ItemID %1 указывает на скрытую команду %2</source>
        <translation>ItemID %1 refers to the hidden command %2</translation>
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
        <source>&quot;%1&quot; не является логическим значением (True или False).</source>
        <translation>&quot;%1&quot; is not a Boolean value (True or False).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является допустимым значением.</source>
        <translation>&quot;%1&quot; is not a valid value.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является целым числом от %2 до %3.</source>
        <translation>&quot;%1&quot; is not a whole number from %2 to %3.</translation>
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
    <name>help</name>
    <message>
        <source>qrc:/help/</source>
        <extracomment>The folder of the help pages written in this language (the English pages are in qrc:/help/en/).</extracomment>
        <translation>qrc:/help/en/</translation>
    </message>
</context>
</TS>
