#include "layout/TInspectorConfig.h"

#include "layout/TPreviewForm.h"
#include "layout/TPropertyRanges.h"
#include "window/TButtonBox.h"
#include "window/TControlWrapper.h"
#include "window/TImageEx.h"

namespace {

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
const char *const kAliases[] = {
    "[Внешний вид]", "AlphaBlend=Полупрозрачное", "AlphaBlendValue=Непрозрачность", "BorderColor=Цвет границы",
    "BorderStyle=Вид границы", "ButtonStyle=Вид кнопок", "Caption=Заголовок", "ShowCaption=Показывать заголовок",
    "Cursor=Курсор", "Visible=Присутствует", "WordWrap=Перенос по словам", "Columns=Колонки",
    "HorizAlloc=Горизонтально", "AutoColumns=Авто колонки",
    "[Цвета]", "Color=Цвет фона", "ColorSelected=Выделенный текст", "ColorNormal=Обычный текст",
    "ColorGradient=Градиент", "ColorTop=Цвет сверху", "ColorBottom=Цвет снизу", "Transparent=Прозрачный фон",
    "TransparentColor=Дыры в окне", "TransparentColorValue=Цвет дыр",
    "[Картинка]", "Center=По центру", "Stretch=Растяжение", "Proportional=Пропорционально", "Picture=Картинка",
    "Default=Обычная", "Selected=Выдленная", "Pressed=Нажатая", "Pictures=Картинки",
    "[Текст]", "Alignment=Выравнивание", "Font=Шрифт", "Style=Стиль", "fsBold=Жирный", "fsItalic=Курсив",
    "fsUnderline=Подчеркнутый", "fsStrikeOut=Зачеркнутый", "Size=Размер", "ParentFont=Шрифт формы",
    "Shadow=Тень", "ShadowColor=Цвет тени", "ShadowSize=Размер тени", "RowSpacing=Между строк", "Text=Текст",
    "PadVertical=Отступ по вертикали", "PadHorizontal=Отступ по горизонтали",
    "[Подсказка]", "ShowHint=Показывать", "Hint=Текст",
    "[Положение]", "Height=Высота", "Top=Отступ сверху", "Left=Отступ слева", "Width=Ширина",
    "ClientWidth=Ширина", "ClientHeight=Высота", "Align=Выравнивание",
    "[Поведение]", "AllowChange=Ставить группу", "Action=Действие", "ItemID=Пункт меню", "Autosize=Авто-размер",
    "Anchors=Привязка", "akLeft=Слева", "akRight=Справа", "akTop=Сверху", "akBottom=Снизу",
    "Constraints=Пределы размера", "MaxWidth=Макс. ширина", "MaxHeight=Макс. высота", "MinWidth=Мин. ширина",
    "MinHeight=Мин. высота", "State=Состояние"};

const char *const kDescriptions[] = {
    "TForm.AlphaBlend=Через окно станосится видно то, что под ним, но только под Windows 2000/XP.",
    "TForm.AlphaBlendValue=Чем меньше, тем окно прозрачнее, от 0 до 255.",
    "TForm.BorderStyle=Определяет тип окна - обычное, диалог, без границы и т. п. Изменять размер нельзя никогда.",
    "TForm.Caption=Заголовок окна автозапуска.",
    "TForm.ColorGradient=Градация цвета фона сверху вниз.",
    "TForm.ColorTop=Верхний цвет или цвет всего окна, если градиент запрещён.",
    "TForm.ColorBottom=Нижний цвет. Если градиент запрещен, то игнорируется.",
    "TForm.TransparentColor=Установить, если нужно фигурное окно. Вид границы при этом следует ставить bsNone.",
    "TForm.TransparentColorValue=Цвет точек в окне, которые будут прозрачными.",
    "TControl.Visible=Видимость объекта. Если снять, то он никуда не исчезнет.",
    "TControl.Anchors=Привязка объекта к краям окна при изменении его размеров. Работает только в редакторе.",
    "TControl.Constraints=Пределы размеров объекта при изменении таковых. Если 0, то предела нет.",
    "TImage.Transparent=Точки цвета, определенноо в картинке как прозрачный, становится не видно.",
    "TImage.Center=Центрировать картинку в ее границах.",
    "TImage.Stretch=Растянуть картинку до ее границ.",
    "TImage.Proportional=Сохранить при растяжении отношение длинн сторон картинки.",
    "TImage.AutoSize=Подогнать границы картинки под ее исходный размер.",
    "TTextBox.BorderStyle=Вид рамки - нету, выдавленная, вдавленная или линия.",
    "TTextBox.BorderColor=Цвет рамки, если она имеет вид просто линии.",
    "TTextBox.RowSpacing=Дополнительное расстояние между строками. Может быть отрицательным.",
    "TTextBox.Shadow=Тень от текста.",
    "TTextBox.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.",
    "TTextBox.AllowChange=Ставить в качестве текста название текущей группы",
    "TButtonBox.Columns=Количество колонок равного размера, в которое располагать кнопки.",
    "TButtonBox.AutoColumns=Автоматическое определение количества колонок.",
    "TButtonBox.HorizAlloc=Распределение кнопок по колонкам - сначала направо, потом вниз или наоборот.",
    "TPicButton.Transparent=Точки цвета, определенноо в картинках как прозрачный, становится не видно.",
    "TPicButton.Center=Центрировать картинку в границах кнопки.",
    "TPicButton.Stretch=Растянуть картинку до границ кнопки.",
    "TPicButton.Proportional=Сохранить при растяжении отношение длинн сторон картинки.",
    "TPicButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии",
    "TPicButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии",
    "TPicButton.PadHorizontal=Отступ заголовка от левого или правого края",
    "TPicButton.PadVertical=Отступ заголовка от верхнего или нижнего края",
    "TPicButton.ShowCaption=Отображать заголовок поверх или вместо картинки",
    "TPicButton.AutoSize=Автоматическая установка размера кнопки равным размеру картинки. Если её нет то 0x0.",
    "TPicButton.State=Состояние кнопки - чтобы посмотреть, как она выглядит нажатой или выделенной.",
    "TPicButton.Shadow=Тень от текста.",
    "TPicButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.",
    "TPicButton.Action=Действие, которое выполняет кнопка при нажатии.",
    "TPicButton.ItemID=Если Действие=baExecute, то означает номер пункта меню, который выполняет кнопка.",
    "TStyledButton.AutoSize=Подгонять размер кнопки под размер текста плюс отступы.",
    "TStyledButton.Style=Вид кнопки - просто текст, системная кнопка или кнопка с картинкой.",
    "TStyledButton.Color=Цвет фона кнопки, если она имеет вид именно кнопки. Если нет - игнорируется.",
    "TStyledButton.PadHorizontal=Отступ заголовка от левого или правого края.",
    "TStyledButton.PadVertical=Отступ заголовка от верхнего или нижнего края.",
    "TStyledButton.Alignment=Выравнивание текста в кнопке - справа, слева или от центра.",
    "TStyledButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии",
    "TStyledButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии",
    "TStyledButton.Shadow=Тень от текста.",
    "TStyledButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым."};

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
const char *const kFontColorName = "Цвет";

} // namespace

TInspectorConfig::TInspectorConfig(const TPreviewForm *form) : m_form(form)
{
    for (const char *name : kDisplayed)
        m_displayed.insert(QString::fromLatin1(name));
    for (const char *name : kOrder)
        m_order << QString::fromLatin1(name);
    QString group;
    for (const char *line : kAliases) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1Char('['))) {
            group = text.mid(1, text.size() - 2);
            m_groups << group;
            continue;
        }
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        const QString key = text.left(eq).toLower();
        // The first line of a name wins, as in a lookup from the top.
        if (!m_aliases.contains(key)) {
            m_aliases.insert(key, text.mid(eq + 1));
            m_groupOf.insert(key, group);
        }
    }
    for (const char *line : kDescriptions) {
        const QString text = QString::fromUtf8(line);
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        m_descriptions.insert(text.left(eq), text.mid(eq + 1));
    }
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
        return QString::fromUtf8(kFontColorName);
    const QString alias = Alias(name);
    return alias.isEmpty() ? name : alias;
}

QString TInspectorConfig::Group(const QString &name) const
{
    return m_groupOf.value(name.toLower());
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

QString TInspectorConfig::Description(QObject *inspected, const QString &path) const
{
    for (const QString &cls : DescriptionClasses(inspected)) {
        auto it = m_descriptions.constFind(cls + QLatin1Char('.') + path);
        if (it != m_descriptions.constEnd())
            return it.value();
    }
    return m_descriptions.value(path);
}

bool TInspectorConfig::Range(QObject *, const QString &path, int *min, int *max) const
{
    return PropertyRanges::Of(path, min, max);
}
