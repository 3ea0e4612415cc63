#include "layout/TInspectorConfig.h"

#include "layout/TPreviewForm.h"
#include "layout/TPropertyRanges.h"
#include "window/TButtonBox.h"
#include "window/TControlWrapper.h"
#include "window/TImageEx.h"

#include <QCoreApplication>

namespace {

const char *const kContext = "TInspectorConfig";

const char *const kDisplayed[] = {
    "Left", "Top", "Width", "Height", "ClientWidth", "ClientHeight", "Font", "Caption", "Visible", "AlphaBlend",
    "AlphaBlendValue", "Anchors", "Constraints", "Cursor", "Position", "Center", "Proportional", "Stretch",
    "Transparent", "Picture", "AutoSize", "akLeft", "akTop", "akRight", "akBottom", "ColorTop", "ColorBottom",
    "ColorGradient", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Glyph", "Layout", "Spacing", "Shadow",
    "ShadowColor", "ShadowSize", "RowSpacing", "Text", "ShowHint", "Hint", "Color", "BorderStyle", "BorderColor",
    "Alignment", "Style", "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut", "Size", "TransparentColor",
    "TransparentColorValue", "ColorSelected", "ColorNormal", "SelectedGlyph", "PadVertical", "PadHorizontal",
    "Action", "ItemID", "Pictures", "Default", "Selected", "Pressed", "State", "ShowCaption", "Columns",
    "HorizAlloc", "AutoColumns", "AllowChange"};

const char *const kOrder[] = {"Visible", "Cursor", "Left", "Top", "Width", "Height", "ColorGradient",
                              "ColorTop", "ColorBottom", "TransparentColor", "TransparentColorValue",
                              "BorderStyle", "BorderColor", "Columns", "AutoColumns", "HorizAlloc", "Pictures",
                              "Stretch", "Proportional", "Center"};

// Groups in square brackets, then "name=display name" lines of that group.
// A translation changes only what follows "=" (and the group's name).
const char *const kAliases[] = {
    QT_TRANSLATE_NOOP("TInspectorConfig", "[Внешний вид]"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "AlphaBlend=Полупрозрачное"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "AlphaBlendValue=Непрозрачность"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "BorderColor=Цвет границы"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "BorderStyle=Вид границы"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ButtonStyle=Вид кнопок"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Caption=Заголовок"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ShowCaption=Показывать заголовок"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Cursor=Курсор"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Visible=Присутствует"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "WordWrap=Перенос по словам"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Columns=Колонки"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "HorizAlloc=Горизонтально"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "AutoColumns=Авто колонки"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "[Цвета]"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Color=Цвет фона"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ColorSelected=Выделенный текст"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ColorNormal=Обычный текст"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ColorGradient=Градиент"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ColorTop=Цвет сверху"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ColorBottom=Цвет снизу"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Transparent=Прозрачный фон"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TransparentColor=Дыры в окне"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TransparentColorValue=Цвет дыр"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "[Картинка]"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Center=По центру"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Stretch=Растяжение"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Proportional=Пропорционально"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Picture=Картинка"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Default=Обычная"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Selected=Выделенная"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Pressed=Нажатая"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Pictures=Картинки"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "[Текст]"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Alignment=Выравнивание"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Font=Шрифт"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Style=Стиль"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "fsBold=Жирный"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "fsItalic=Курсив"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "fsUnderline=Подчеркнутый"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "fsStrikeOut=Зачеркнутый"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Size=Размер"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ParentFont=Шрифт формы"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Shadow=Тень"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ShadowColor=Цвет тени"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ShadowSize=Размер тени"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "RowSpacing=Между строк"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Text=Текст"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "PadVertical=Отступ по вертикали"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "PadHorizontal=Отступ по горизонтали"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "[Подсказка]"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ShowHint=Показывать"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Hint=Текст"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "[Положение]"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Height=Высота"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Top=Отступ сверху"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Left=Отступ слева"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Width=Ширина"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ClientWidth=Ширина"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ClientHeight=Высота"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Align=Выравнивание"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "[Поведение]"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "AllowChange=Ставить группу"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Action=Действие"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "ItemID=Пункт меню"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Autosize=Авто-размер"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Anchors=Привязка"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "akLeft=Слева"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "akRight=Справа"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "akTop=Сверху"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "akBottom=Снизу"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "Constraints=Пределы размера"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "MaxWidth=Макс. ширина"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "MaxHeight=Макс. высота"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "MinWidth=Мин. ширина"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "MinHeight=Мин. высота"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "State=Состояние")
};

struct Described
{
    const char *key;    // class.path, or the path alone for every class
    const char *text;
};

// Shown in the description strip; looked up from the object's own class up to
// the path alone.
const Described kDescriptions[] = {
    {"TForm.AlphaBlend", QT_TRANSLATE_NOOP("TInspectorConfig", "Через окно становится видно то, что под ним, но только под Windows 2000/XP.")},
    {"TForm.AlphaBlendValue", QT_TRANSLATE_NOOP("TInspectorConfig", "Чем меньше, тем окно прозрачнее, от 0 до 255.")},
    {"TForm.BorderStyle", QT_TRANSLATE_NOOP("TInspectorConfig", "Определяет тип окна - обычное, диалог, без границы и т. п. Изменять размер нельзя никогда.")},
    {"TForm.Caption", QT_TRANSLATE_NOOP("TInspectorConfig", "Заголовок окна автозапуска.")},
    {"TForm.ColorGradient", QT_TRANSLATE_NOOP("TInspectorConfig", "Градация цвета фона сверху вниз.")},
    {"TForm.ColorTop", QT_TRANSLATE_NOOP("TInspectorConfig", "Верхний цвет или цвет всего окна, если градиент запрещён.")},
    {"TForm.ColorBottom", QT_TRANSLATE_NOOP("TInspectorConfig", "Нижний цвет. Если градиент запрещен, то игнорируется.")},
    {"TForm.TransparentColor", QT_TRANSLATE_NOOP("TInspectorConfig", "Установить, если нужно фигурное окно. Вид границы при этом следует ставить bsNone.")},
    {"TForm.TransparentColorValue", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет точек в окне, которые будут прозрачными.")},
    {"TControl.Visible", QT_TRANSLATE_NOOP("TInspectorConfig", "Видимость объекта. Если снять, то он никуда не исчезнет.")},
    {"TControl.Anchors", QT_TRANSLATE_NOOP("TInspectorConfig", "Привязка объекта к краям окна при изменении его размеров. Работает только в редакторе.")},
    {"TControl.Constraints", QT_TRANSLATE_NOOP("TInspectorConfig", "Пределы размеров объекта при изменении таковых. Если 0, то предела нет.")},
    {"TImage.Transparent", QT_TRANSLATE_NOOP("TInspectorConfig", "Точки цвета, определенного в картинке как прозрачный, становится не видно.")},
    {"TImage.Center", QT_TRANSLATE_NOOP("TInspectorConfig", "Центрировать картинку в ее границах.")},
    {"TImage.Stretch", QT_TRANSLATE_NOOP("TInspectorConfig", "Растянуть картинку до ее границ.")},
    {"TImage.Proportional", QT_TRANSLATE_NOOP("TInspectorConfig", "Сохранить при растяжении отношение длин сторон картинки.")},
    {"TImage.AutoSize", QT_TRANSLATE_NOOP("TInspectorConfig", "Подогнать границы картинки под ее исходный размер.")},
    {"TTextBox.BorderStyle", QT_TRANSLATE_NOOP("TInspectorConfig", "Вид рамки - нет, выдавленная, вдавленная или линия.")},
    {"TTextBox.BorderColor", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет рамки, если она имеет вид просто линии.")},
    {"TTextBox.RowSpacing", QT_TRANSLATE_NOOP("TInspectorConfig", "Дополнительное расстояние между строками. Может быть отрицательным.")},
    {"TTextBox.Shadow", QT_TRANSLATE_NOOP("TInspectorConfig", "Тень от текста.")},
    {"TTextBox.ShadowSize", QT_TRANSLATE_NOOP("TInspectorConfig", "Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательным.")},
    {"TTextBox.AllowChange", QT_TRANSLATE_NOOP("TInspectorConfig", "Ставить в качестве текста название текущей группы")},
    {"TButtonBox.Columns", QT_TRANSLATE_NOOP("TInspectorConfig", "Количество колонок равного размера, в которое располагать кнопки.")},
    {"TButtonBox.AutoColumns", QT_TRANSLATE_NOOP("TInspectorConfig", "Автоматическое определение количества колонок.")},
    {"TButtonBox.HorizAlloc", QT_TRANSLATE_NOOP("TInspectorConfig", "Распределение кнопок по колонкам - сначала направо, потом вниз или наоборот.")},
    {"TPicButton.Transparent", QT_TRANSLATE_NOOP("TInspectorConfig", "Точки цвета, определенного в картинках как прозрачный, становится не видно.")},
    {"TPicButton.Center", QT_TRANSLATE_NOOP("TInspectorConfig", "Центрировать картинку в границах кнопки.")},
    {"TPicButton.Stretch", QT_TRANSLATE_NOOP("TInspectorConfig", "Растянуть картинку до границ кнопки.")},
    {"TPicButton.Proportional", QT_TRANSLATE_NOOP("TInspectorConfig", "Сохранить при растяжении отношение длин сторон картинки.")},
    {"TPicButton.ColorNormal", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет заголовка кнопки в обычном состоянии")},
    {"TPicButton.ColorSelected", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет заголовка кнопки в выделенном состоянии")},
    {"TPicButton.PadHorizontal", QT_TRANSLATE_NOOP("TInspectorConfig", "Отступ заголовка от левого или правого края")},
    {"TPicButton.PadVertical", QT_TRANSLATE_NOOP("TInspectorConfig", "Отступ заголовка от верхнего или нижнего края")},
    {"TPicButton.ShowCaption", QT_TRANSLATE_NOOP("TInspectorConfig", "Отображать заголовок поверх или вместо картинки")},
    {"TPicButton.AutoSize", QT_TRANSLATE_NOOP("TInspectorConfig", "Автоматическая установка размера кнопки равным размеру картинки. Если её нет то 0x0.")},
    {"TPicButton.State", QT_TRANSLATE_NOOP("TInspectorConfig", "Состояние кнопки - чтобы посмотреть, как она выглядит нажатой или выделенной.")},
    {"TPicButton.Shadow", QT_TRANSLATE_NOOP("TInspectorConfig", "Тень от текста.")},
    {"TPicButton.ShadowSize", QT_TRANSLATE_NOOP("TInspectorConfig", "Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательным.")},
    {"TPicButton.Action", QT_TRANSLATE_NOOP("TInspectorConfig", "Действие, которое выполняет кнопка при нажатии.")},
    {"TPicButton.ItemID", QT_TRANSLATE_NOOP("TInspectorConfig", "Если Действие=baExecute, то означает номер пункта меню, который выполняет кнопка.")},
    {"TStyledButton.AutoSize", QT_TRANSLATE_NOOP("TInspectorConfig", "Подгонять размер кнопки под размер текста плюс отступы.")},
    {"TStyledButton.Style", QT_TRANSLATE_NOOP("TInspectorConfig", "Вид кнопки - просто текст, системная кнопка или кнопка с картинкой.")},
    {"TStyledButton.Color", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет фона кнопки, если она имеет вид именно кнопки. Если нет - игнорируется.")},
    {"TStyledButton.PadHorizontal", QT_TRANSLATE_NOOP("TInspectorConfig", "Отступ заголовка от левого или правого края.")},
    {"TStyledButton.PadVertical", QT_TRANSLATE_NOOP("TInspectorConfig", "Отступ заголовка от верхнего или нижнего края.")},
    {"TStyledButton.Alignment", QT_TRANSLATE_NOOP("TInspectorConfig", "Выравнивание текста в кнопке - справа, слева или от центра.")},
    {"TStyledButton.ColorNormal", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет заголовка кнопки в обычном состоянии")},
    {"TStyledButton.ColorSelected", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет заголовка кнопки в выделенном состоянии")},
    {"TStyledButton.Shadow", QT_TRANSLATE_NOOP("TInspectorConfig", "Тень от текста.")},
    {"TStyledButton.ShadowSize", QT_TRANSLATE_NOOP("TInspectorConfig", "Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательным.")},
    // Rows whose class has no text of its own.
    {"TForm.ClientWidth", QT_TRANSLATE_NOOP("TInspectorConfig", "Ширина внутренней части окна, без рамки и заголовка.")},
    {"TForm.ClientHeight", QT_TRANSLATE_NOOP("TInspectorConfig", "Высота внутренней части окна, без рамки и заголовка.")},
    {"TPicButton.Caption", QT_TRANSLATE_NOOP("TInspectorConfig", "Текст на кнопке. Им же кнопка подписана в дереве объектов.")},
    {"TStyledButton.Width", QT_TRANSLATE_NOOP("TInspectorConfig", "Ширина кнопок меню, если авто-размер выключен.")},
    {"TStyledButton.Height", QT_TRANSLATE_NOOP("TInspectorConfig", "Высота кнопок меню, если авто-размер выключен.")},
    {"TStyledButton.Pictures", QT_TRANSLATE_NOOP("TInspectorConfig", "Картинки кнопок меню с видом «кнопка с картинкой»: обычная, выделенная и нажатая.")},
    {"Cursor", QT_TRANSLATE_NOOP("TInspectorConfig", "Вид указателя мыши над объектом.")},
    {"Left", QT_TRANSLATE_NOOP("TInspectorConfig", "Расстояние от левого края окна до объекта, в точках.")},
    {"Top", QT_TRANSLATE_NOOP("TInspectorConfig", "Расстояние от верхнего края окна до объекта, в точках.")},
    {"Width", QT_TRANSLATE_NOOP("TInspectorConfig", "Ширина объекта в точках.")},
    {"Height", QT_TRANSLATE_NOOP("TInspectorConfig", "Высота объекта в точках.")},
    {"Hint", QT_TRANSLATE_NOOP("TInspectorConfig", "Текст подсказки, которая появляется, если задержать над объектом указатель мыши.")},
    {"ShowHint", QT_TRANSLATE_NOOP("TInspectorConfig", "Показывать подсказку, если задержать над объектом указатель мыши.")},
    {"Color", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет фона. Если clNone, то фона нет и видно то, что под объектом.")},
    {"ShadowColor", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет тени от текста.")},
    {"Text", QT_TRANSLATE_NOOP("TInspectorConfig", "Текст надписи. Длинные строки переносятся по словам.")},
    {"Alignment", QT_TRANSLATE_NOOP("TInspectorConfig", "Выравнивание текста - по левому краю, по правому краю или по центру.")},
    {"Picture", QT_TRANSLATE_NOOP("TInspectorConfig", "Картинка. В файле проекта хранится как точечный рисунок (BMP).")},
    {"Pictures", QT_TRANSLATE_NOOP("TInspectorConfig", "Картинки кнопки: обычная, выделенная (под указателем мыши) и нажатая.")},
    {"Pictures.Default", QT_TRANSLATE_NOOP("TInspectorConfig", "Картинка кнопки в обычном состоянии.")},
    {"Pictures.Selected", QT_TRANSLATE_NOOP("TInspectorConfig", "Картинка кнопки, над которой находится указатель мыши.")},
    {"Pictures.Pressed", QT_TRANSLATE_NOOP("TInspectorConfig", "Картинка нажатой кнопки.")},
    {"Font", QT_TRANSLATE_NOOP("TInspectorConfig", "Шрифт текста - название, размер, цвет и начертание.")},
    {"Font.Color", QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет текста.")},
    {"Font.Size", QT_TRANSLATE_NOOP("TInspectorConfig", "Размер шрифта в пунктах.")},
    {"Font.Style", QT_TRANSLATE_NOOP("TInspectorConfig", "Начертание шрифта - жирный, курсив, подчёркнутый, зачёркнутый.")},
    {"Font.Style.fsBold", QT_TRANSLATE_NOOP("TInspectorConfig", "Жирный текст.")},
    {"Font.Style.fsItalic", QT_TRANSLATE_NOOP("TInspectorConfig", "Наклонный текст (курсив).")},
    {"Font.Style.fsUnderline", QT_TRANSLATE_NOOP("TInspectorConfig", "Подчёркнутый текст.")},
    {"Font.Style.fsStrikeOut", QT_TRANSLATE_NOOP("TInspectorConfig", "Зачёркнутый текст.")},
    {"Anchors.akLeft", QT_TRANSLATE_NOOP("TInspectorConfig", "Сохранять расстояние от объекта до левого края окна.")},
    {"Anchors.akTop", QT_TRANSLATE_NOOP("TInspectorConfig", "Сохранять расстояние от объекта до верхнего края окна.")},
    {"Anchors.akRight", QT_TRANSLATE_NOOP("TInspectorConfig", "Сохранять расстояние от объекта до правого края окна.")},
    {"Anchors.akBottom", QT_TRANSLATE_NOOP("TInspectorConfig", "Сохранять расстояние от объекта до нижнего края окна.")},
    {"Constraints.MinWidth", QT_TRANSLATE_NOOP("TInspectorConfig", "Наименьшая ширина объекта. Если 0, то предела нет.")},
    {"Constraints.MinHeight", QT_TRANSLATE_NOOP("TInspectorConfig", "Наименьшая высота объекта. Если 0, то предела нет.")},
    {"Constraints.MaxWidth", QT_TRANSLATE_NOOP("TInspectorConfig", "Наибольшая ширина объекта. Если 0, то предела нет.")},
    {"Constraints.MaxHeight", QT_TRANSLATE_NOOP("TInspectorConfig", "Наибольшая высота объекта. Если 0, то предела нет.")},
};

// Per-object filters.
const QStringList kWindowHidden = {"Visible", "Position", "Left", "Top", "Width", "Height", "Anchors",
                                   "AutoSize", "Constraints", "Hint", "Font", "Color", "Action", "ShowHint"};
const QStringList kBackImageHidden = {"Anchors", "Constraints", "AutoSize", "Width", "Height", "Left", "Top"};
const QStringList kCommentHidden = {"Hint", "ShowHint", "AllowChange", "Text"};
const QStringList kHeadingHidden = {"ShowHint", "Hint"};
const QStringList kMenuAreaHidden = {"Text", "Hint", "ShowHint", "AllowChange", "ColorSelected", "Font",
                                     "Shadow", "ShadowColor", "ShadowSize", "Visible"};

const char *const kFontColorPath = "Font.Color";
const char *const kFontHeightPath = "Font.Height";
const char *const kFontColorName = QT_TRANSLATE_NOOP("TInspectorConfig", "Цвет");
// A font's style row, so that it is not taken for a button's "Стиль".
const char *const kFontStylePath = "Font.Style";
const char *const kFontStyleName = QT_TRANSLATE_NOOP("TInspectorConfig", "Начертание");

// The Russian labels of the design's enumeration values (keys are unique
// across the design's enumerations).
const Described kValueLabels[] = {
    {"bssText", QT_TRANSLATE_NOOP("TInspectorConfig", "Просто текст")},
    {"bssButton", QT_TRANSLATE_NOOP("TInspectorConfig", "Системная кнопка")},
    {"bssSkinned", QT_TRANSLATE_NOOP("TInspectorConfig", "Кнопка с картинкой")},
    {"taLeftJustify", QT_TRANSLATE_NOOP("TInspectorConfig", "По левому краю")},
    {"taRightJustify", QT_TRANSLATE_NOOP("TInspectorConfig", "По правому краю")},
    {"taCenter", QT_TRANSLATE_NOOP("TInspectorConfig", "По центру")},
    {"baExit", QT_TRANSLATE_NOOP("TInspectorConfig", "Выход")},
    {"baMinimize", QT_TRANSLATE_NOOP("TInspectorConfig", "Свернуть окно")},
    {"baBrowse", QT_TRANSLATE_NOOP("TInspectorConfig", "Открыть проводник")},
    {"baExecute", QT_TRANSLATE_NOOP("TInspectorConfig", "Выполнить пункт меню")},
    {"baHelp", QT_TRANSLATE_NOOP("TInspectorConfig", "Справка")},
    {"baLevelUp", QT_TRANSLATE_NOOP("TInspectorConfig", "На уровень вверх")},
    {"bsDefault", QT_TRANSLATE_NOOP("TInspectorConfig", "Обычная")},
    {"bsSelected", QT_TRANSLATE_NOOP("TInspectorConfig", "Выделенная")},
    {"bsPressed", QT_TRANSLATE_NOOP("TInspectorConfig", "Нажатая")},
    {"tbsNone", QT_TRANSLATE_NOOP("TInspectorConfig", "Нет")},
    {"tbsRaised", QT_TRANSLATE_NOOP("TInspectorConfig", "Выдавленная")},
    {"tbsSunken", QT_TRANSLATE_NOOP("TInspectorConfig", "Вдавленная")},
    {"tbsLine", QT_TRANSLATE_NOOP("TInspectorConfig", "Линия")},
    {"bsNone", QT_TRANSLATE_NOOP("TInspectorConfig", "Без рамки")},
    {"bsSingle", QT_TRANSLATE_NOOP("TInspectorConfig", "Тонкая рамка")},
    {"bsSizeable", QT_TRANSLATE_NOOP("TInspectorConfig", "Обычное окно")},
    {"bsDialog", QT_TRANSLATE_NOOP("TInspectorConfig", "Диалог")},
    {"bsToolWindow", QT_TRANSLATE_NOOP("TInspectorConfig", "Панель инструментов")},
    {"bsSizeToolWin", QT_TRANSLATE_NOOP("TInspectorConfig", "Панель инструментов с изменяемым размером")},
};

} // namespace

TInspectorConfig::TInspectorConfig(const TPreviewForm *form) : m_form(form)
{
    for (const char *name : kDisplayed)
        m_displayed.insert(QString::fromLatin1(name));
    for (const char *name : kOrder)
        m_order << QString::fromLatin1(name);
    // The name before "=" is always the source's, whatever the translation holds.
    auto translated = [](const char *line) {
        const QString text = QCoreApplication::translate(kContext, line);
        return text.mid(text.indexOf(QLatin1Char('=')) + 1);
    };
    QString group;
    for (const char *line : kAliases) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1Char('['))) {
            group = QCoreApplication::translate(kContext, line);
            group = group.mid(1, group.size() - 2);
            m_groups << group;
            continue;
        }
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        const QString key = text.left(eq).toLower();
        // The first line of a name wins, as in a lookup from the top.
        if (!m_aliases.contains(key)) {
            m_aliases.insert(key, translated(line));
            m_groupOf.insert(key, group);
        }
    }
    for (const Described &described : kDescriptions)
        m_descriptions.insert(QString::fromLatin1(described.key), described.text);
}

bool TInspectorConfig::ShowProperty(QObject *inspected, const QString &path, const QString &name) const
{
    if (!m_displayed.contains(name))
        return false;
    // A font's height is its character height, not the control's: no row.
    if (path.endsWith(QLatin1String(kFontHeightPath)))
        return false;
    if (!m_form || !inspected)
        return true;
    const QStringList *hidden = nullptr;
    if (inspected == m_form)
        hidden = &kWindowHidden;
    else if (inspected == m_form->BackImage())
        hidden = &kBackImageHidden;
    else if (inspected == m_form->CommentArea())
        hidden = &kCommentHidden;
    else if (inspected == m_form->Heading())
        hidden = &kHeadingHidden;
    else if (inspected == m_form->MenuArea())
        hidden = &kMenuAreaHidden;
    return !hidden || !hidden->contains(name);
}

QString TInspectorConfig::Alias(const QString &name) const
{
    return m_aliases.value(name.toLower());
}

QString TInspectorConfig::DisplayName(const QString &path, const QString &name) const
{
    if (path == QLatin1String(kFontColorPath))
        return QCoreApplication::translate(kContext, kFontColorName);
    if (path == QLatin1String(kFontStylePath))
        return QCoreApplication::translate(kContext, kFontStyleName);
    const QString alias = Alias(name);
    return alias.isEmpty() ? name : alias;
}

QString TInspectorConfig::Group(const QString &name) const
{
    return m_groupOf.value(name.toLower());
}

QString TInspectorConfig::ValueLabel(const QString &key) const
{
    for (const Described &label : kValueLabels)
        if (key == QLatin1String(label.key))
            return QCoreApplication::translate(kContext, label.text);
    return QString();
}

bool TInspectorConfig::Before(const QString &a, const QString &b) const
{
    const qsizetype ia = m_order.indexOf(a);
    const qsizetype ib = m_order.indexOf(b);
    if (ia >= 0 || ib >= 0) {
        if (ia < 0)
            return false;
        if (ib < 0)
            return true;
        return ia < ib;
    }
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

QStringList TInspectorConfig::DescriptionClasses(const QObject *object)
{
    QStringList classes;
    if (!object)
        return classes;
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
        const QString name = QString::fromLatin1(meta->className());
        if (name.startsWith(QLatin1Char('Q')))
            continue;
        classes << name;
        if (meta == &TPreviewForm::staticMetaObject)
            classes << QStringLiteral("TForm");
        else if (meta == &TImageEx::staticMetaObject)
            classes << QStringLiteral("TImage");
    }
    if (object->isWidgetType() || qobject_cast<const TControlWrapper *>(object))
        classes << QStringLiteral("TControl");
    return classes;
}

QString TInspectorConfig::DescriptionOf(const QString &key) const
{
    const char *text = m_descriptions.value(key);
    return text ? QCoreApplication::translate(kContext, text) : QString();
}

QString TInspectorConfig::Description(QObject *inspected, const QString &path) const
{
    for (const QString &cls : DescriptionClasses(inspected)) {
        const QString text = DescriptionOf(cls + QLatin1Char('.') + path);
        if (!text.isEmpty())
            return text;
    }
    return DescriptionOf(path);
}

bool TInspectorConfig::Range(QObject *, const QString &path, int *min, int *max) const
{
    return PropertyRanges::Of(path, min, max);
}

bool TInspectorConfig::Clamps(QObject *, const QString &path) const
{
    return PropertyRanges::Clamps(path);
}
