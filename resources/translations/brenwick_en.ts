<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>PictureText</name>
    <message>
        <source>Картинка %1 × %2 точек слишком велика: файл с ней нельзя было бы открыть (не больше %3 точек по стороне и 256 МБ точек).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtUserPrompt</name>
    <message>
        <source>Да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Команда Brenwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О Программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интернет:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Этот продукт распространяется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>НАХАЛЯВУ (FREEWARE) !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAddFolderForm</name>
    <message>
        <source>Выберите каталог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить каталог...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каталог:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пролистать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки поиска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включать подкаталоги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маска каталогов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ограничить вложенность каталогов до</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маска файлов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расширение файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь в комментарии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всё в одну группу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не создавать группу для одного файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя команды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полный путь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь от каталога</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без пути</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь с каталогом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приставка к пути</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBaseItem</name>
    <message>
        <source>Группа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBoundsCommand</name>
    <message>
        <source>изменение размера «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>перемещение «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCheckForm</name>
    <message>
        <source>Проверка проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найденное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка ничего не нашла: проект готов к записи на диск.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибок: %1, предупреждений: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCommandEditor</name>
    <message>
        <source>Удаление группы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поместить всё содержимое на один уровень вверх?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDesignFactsReader</name>
    <message>
        <source>«%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фоновая картинка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картинка в тему</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Надпись наверху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Область меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кнопка «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDiscImage</name>
    <message>
        <source>Для создания образа диска нужна программа xorriso, а она не найдена.
Установите её (в Debian и Ubuntu: apt-get install xorriso) и повторите.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Метка диска не задана.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Метка диска длиннее %1 знаков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Образ диска уже создаётся.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каталог %1 не найден.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Образ нельзя сохранить внутри Корневого Каталога.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создание образа отменено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xorriso не смог создать образ (код %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDiscLink</name>
    <message>
        <source>Корневой каталог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подготовить диск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>…и ещё %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка нашла ошибки:

%1

Всё равно подготовить диск?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В каталоге уже есть другой autorun.inf. Заменить его?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диск подготовлен в каталоге %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создать образ диска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Метка диска:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Образы дисков|*.iso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создаётся образ диска…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Образ диска записан в %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFileNameEdit</name>
    <message>
        <source>Выбрать файл</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFolderImportLink</name>
    <message>
        <source>добавление каталога «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Справка Velmora Brenwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вернуться к предыдущему разделу (Alt+Влево)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к следующему разделу (Alt+Вправо)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть содержание справки</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TInspectorConfig</name>
    <message>
        <source>[Внешний вид]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AlphaBlend=Полупрозрачное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AlphaBlendValue=Непрозрачность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BorderColor=Цвет границы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BorderStyle=Вид границы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ButtonStyle=Вид кнопок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption=Заголовок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShowCaption=Показывать заголовок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor=Курсор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible=Присутствует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WordWrap=Перенос по словам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns=Колонки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HorizAlloc=Горизонтально</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoColumns=Авто колонки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Цвета]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color=Цвет фона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ColorSelected=Выделенный текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ColorNormal=Обычный текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ColorGradient=Градиент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ColorTop=Цвет сверху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ColorBottom=Цвет снизу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent=Прозрачный фон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TransparentColor=Дыры в окне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TransparentColorValue=Цвет дыр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Картинка]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center=По центру</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch=Растяжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proportional=Пропорционально</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture=Картинка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default=Обычная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected=Выдленная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressed=Нажатая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures=Картинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Текст]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment=Выравнивание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font=Шрифт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style=Стиль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fsBold=Жирный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fsItalic=Курсив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fsUnderline=Подчеркнутый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fsStrikeOut=Зачеркнутый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size=Размер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ParentFont=Шрифт формы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow=Тень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShadowColor=Цвет тени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShadowSize=Размер тени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RowSpacing=Между строк</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text=Текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PadVertical=Отступ по вертикали</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PadHorizontal=Отступ по горизонтали</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Подсказка]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShowHint=Показывать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint=Текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Положение]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height=Высота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top=Отступ сверху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left=Отступ слева</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width=Ширина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClientWidth=Ширина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClientHeight=Высота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align=Выравнивание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Поведение]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AllowChange=Ставить группу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action=Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ItemID=Пункт меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosize=Авто-размер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anchors=Привязка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akLeft=Слева</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akRight=Справа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akTop=Сверху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akBottom=Снизу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constraints=Пределы размера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MaxWidth=Макс. ширина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MaxHeight=Макс. высота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MinWidth=Мин. ширина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MinHeight=Мин. высота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State=Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.AlphaBlend=Через окно станосится видно то, что под ним, но только под Windows 2000/XP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.AlphaBlendValue=Чем меньше, тем окно прозрачнее, от 0 до 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.BorderStyle=Определяет тип окна - обычное, диалог, без границы и т. п. Изменять размер нельзя никогда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.Caption=Заголовок окна автозапуска.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.ColorGradient=Градация цвета фона сверху вниз.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.ColorTop=Верхний цвет или цвет всего окна, если градиент запрещён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.ColorBottom=Нижний цвет. Если градиент запрещен, то игнорируется.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.TransparentColor=Установить, если нужно фигурное окно. Вид границы при этом следует ставить bsNone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TForm.TransparentColorValue=Цвет точек в окне, которые будут прозрачными.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TControl.Visible=Видимость объекта. Если снять, то он никуда не исчезнет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TControl.Anchors=Привязка объекта к краям окна при изменении его размеров. Работает только в редакторе.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TControl.Constraints=Пределы размеров объекта при изменении таковых. Если 0, то предела нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TImage.Transparent=Точки цвета, определенноо в картинке как прозрачный, становится не видно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TImage.Center=Центрировать картинку в ее границах.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TImage.Stretch=Растянуть картинку до ее границ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TImage.Proportional=Сохранить при растяжении отношение длинн сторон картинки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TImage.AutoSize=Подогнать границы картинки под ее исходный размер.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTextBox.BorderStyle=Вид рамки - нету, выдавленная, вдавленная или линия.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTextBox.BorderColor=Цвет рамки, если она имеет вид просто линии.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTextBox.RowSpacing=Дополнительное расстояние между строками. Может быть отрицательным.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTextBox.Shadow=Тень от текста.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTextBox.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTextBox.AllowChange=Ставить в качестве текста название текущей группы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TButtonBox.Columns=Количество колонок равного размера, в которое располагать кнопки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TButtonBox.AutoColumns=Автоматическое определение количества колонок.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TButtonBox.HorizAlloc=Распределение кнопок по колонкам - сначала направо, потом вниз или наоборот.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.Transparent=Точки цвета, определенноо в картинках как прозрачный, становится не видно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.Center=Центрировать картинку в границах кнопки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.Stretch=Растянуть картинку до границ кнопки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.Proportional=Сохранить при растяжении отношение длинн сторон картинки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.PadHorizontal=Отступ заголовка от левого или правого края</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.PadVertical=Отступ заголовка от верхнего или нижнего края</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.ShowCaption=Отображать заголовок поверх или вместо картинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.AutoSize=Автоматическая установка размера кнопки равным размеру картинки. Если её нет то 0x0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.State=Состояние кнопки - чтобы посмотреть, как она выглядит нажатой или выделенной.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.Shadow=Тень от текста.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.Action=Действие, которое выполняет кнопка при нажатии.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPicButton.ItemID=Если Действие=baExecute, то означает номер пункта меню, который выполняет кнопка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.AutoSize=Подгонять размер кнопки под размер текста плюс отступы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.Style=Вид кнопки - просто текст, системная кнопка или кнопка с картинкой.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.Color=Цвет фона кнопки, если она имеет вид именно кнопки. Если нет - игнорируется.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.PadHorizontal=Отступ заголовка от левого или правого края.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.PadVertical=Отступ заголовка от верхнего или нижнего края.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.Alignment=Выравнивание текста в кнопке - справа, слева или от центра.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.Shadow=Тень от текста.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TStyledButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLanguageMenu</name>
    <message>
        <source>Язык</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLayoutEditor</name>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фоновая картинка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картинка в тему</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Надписи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Надпись наверху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Область меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопки в меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы точно хотите удалить кнопку &quot;%1&quot; ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаление</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLayoutPage</name>
    <message>
        <source>Объекты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свойства</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Описание свойства</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Файлы XML|*.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрытие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить изменения?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каталог, в котором располагаются файлы компакт-диска так же, как они будут на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программы|*.exe;*.com;*.bat;*.cmd|Все файлы|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внешний вид</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Опции проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить оформление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить оформление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корневой каталог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить проект...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подготовить диск...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создать образ диска...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Буферизация вывода графики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Просмотрщик на английском</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разрешить выделение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показывать выделение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не выделять текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавлять &quot;Выход&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О Программе...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить кнопку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить кнопку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть еще раз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавиь элемент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Куда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внутрь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рядом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каталог...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свойства элемента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заголовок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скрытый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход из Автозапуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход по кнопке Вверх</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если есть отдельно стоящая кнопка с действием LevelUp или привязанная к<byte value="xd"/>команде типа Выход, то выходить, если она нажата в корневой группе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход после любой команды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выходить после исполнения любой команды типа Программа или URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вопрос при выходе кнопкой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спрашивать при нажатии на кнопку Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вопрос при выходе крестиком</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спрашивать при нажатии на системную кнопку в углу окна или по сообщению окну</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обработка путей файлов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От корня компакт-диска, если Velmora.EXE или Velmora.XML на нём</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если Velmora.EXE или Velmora.XML находятся на компакт-диске, то в начало<byte value="xd"/>пути ставится имя этого диска, если нет - то один из вариантов внизу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От Корневого Каталога</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В начало пути вставляется &quot;Корневой Каталог&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От расположения файла проекта (Velmora.XML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В начало пути вставляется путь к Velmora.XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От расположения программы автозапуска (Velmora.EXE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В начало пути вставляется путь к Velmora.EXE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От теукщего каталога</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В начало пути вставляется каталог, из которого запущен Velmora.EXE,<byte value="xd"/>даже если он там не лежит. Для компакт-дисков это путь к Velmora.EXE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текст &quot;О Программе&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текст, который оказывается внизу окна &quot;О Программе...&quot; Автозапуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторить: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMenuContents</name>
    <message>
        <source>&lt;элемент %1&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionsCommand</name>
    <message>
        <source>выбор корневого каталога</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение текста «О Программе»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение опций проекта</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPicButtonCommand</name>
    <message>
        <source>добавление кнопки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удаление кнопки</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPicture</name>
    <message>
        <source>Невозможно открыть файл: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Метафайлы не поддерживаются: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Точечный рисунок повреждён или записан в неподдерживаемом виде: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный формат картинки: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPictureDialog</name>
    <message>
        <source>Картинка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картинки|*.bmp *.jpg *.jpeg *.png *.gif *.ico|Все файлы|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Точечные рисунки|*.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет картинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить картинку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить картинку</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <source>Окно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фоновая картинка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картинка в тему</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Надпись наверху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Область меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>Добавление каталога</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Производится поиск...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProjectCheck</name>
    <message>
        <source>«%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корневой Каталог не задан, файлы программ не проверены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корневой Каталог не найден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>имя длиннее %1 знаков не поместится на диск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>имя содержит знак, недопустимый на диске (&lt; &gt; : &quot; | ? *)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>программы автозапуска нет в Корневом Каталоге, скопируйте её туда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указан файл программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь %1 абсолютный, на другом компьютере его может не быть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь %1 ведёт за пределы диска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл %1 не найден на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указан адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>адрес %1 не полный (нужна схема, например http://)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в проекте нет ни одной команды, меню будет пустым</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>все команды верхнего уровня скрыты, меню будет пустым</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>группа пуста, меню группы будет пустым</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>все команды группы скрыты, меню группы будет пустым</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ItemID %1 не указывает ни на одну команду</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ItemID %1 указывает на группу %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ItemID %1 указывает на скрытую команду %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>объект целиком за пределами окна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>картинка %1×%2 больше окна %3×%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в области меню нет места ни для одной кнопки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProjectFile</name>
    <message>
        <source>Группы вложены на %1 уровней, а файл проекта можно прочитать не глубже %2 уровней. Перенесите часть команд выше.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>загрузка оформления</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPropertyGridModel</name>
    <message>
        <source>Особое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является логическим значением (True или False).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является допустимым значением.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является целым числом от %2 до %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPropertyLayer</name>
    <message>
        <source>Недопустимое значение &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет свойства &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свойство &quot;%1&quot; только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>(пусто)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSetPropertyCommand</name>
    <message>
        <source>изменение «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStringsDialog</name>
    <message>
        <source>Редактор строк</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строки</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTreeCommands</name>
    <message>
        <source>добавление «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удаление «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>перемещение «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение заголовка «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение комментария «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение адреса «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение пути «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение параметров «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>скрытие «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>показ «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TXDocument</name>
    <message>
        <source>Невозможно открыть файл: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>qrc:/help/</source>
        <extracomment>The folder of the help pages written in this language (the English pages are in qrc:/help/en/).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
