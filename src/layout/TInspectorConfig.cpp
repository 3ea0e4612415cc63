#include "layout/TInspectorConfig.h"

#include "layout/TPreviewForm.h"
#include "window/TButtonBox.h"
#include "window/TControlWrapper.h"
#include "window/TImageEx.h"

#include <QCoreApplication>

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
    QT_TRANSLATE_NOOP("TInspectorConfig", "Selected=Выдленная"),
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

const char *const kDescriptions[] = {
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.AlphaBlend=Через окно станосится видно то, что под ним, но только под Windows 2000/XP."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.AlphaBlendValue=Чем меньше, тем окно прозрачнее, от 0 до 255."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.BorderStyle=Определяет тип окна - обычное, диалог, без границы и т. п. Изменять размер нельзя никогда."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.Caption=Заголовок окна автозапуска."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.ColorGradient=Градация цвета фона сверху вниз."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.ColorTop=Верхний цвет или цвет всего окна, если градиент запрещён."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.ColorBottom=Нижний цвет. Если градиент запрещен, то игнорируется."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.TransparentColor=Установить, если нужно фигурное окно. Вид границы при этом следует ставить bsNone."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TForm.TransparentColorValue=Цвет точек в окне, которые будут прозрачными."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TControl.Visible=Видимость объекта. Если снять, то он никуда не исчезнет."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TControl.Anchors=Привязка объекта к краям окна при изменении его размеров. Работает только в редакторе."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TControl.Constraints=Пределы размеров объекта при изменении таковых. Если 0, то предела нет."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TImage.Transparent=Точки цвета, определенноо в картинке как прозрачный, становится не видно."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TImage.Center=Центрировать картинку в ее границах."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TImage.Stretch=Растянуть картинку до ее границ."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TImage.Proportional=Сохранить при растяжении отношение длинн сторон картинки."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TImage.AutoSize=Подогнать границы картинки под ее исходный размер."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TTextBox.BorderStyle=Вид рамки - нету, выдавленная, вдавленная или линия."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TTextBox.BorderColor=Цвет рамки, если она имеет вид просто линии."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TTextBox.RowSpacing=Дополнительное расстояние между строками. Может быть отрицательным."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TTextBox.Shadow=Тень от текста."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TTextBox.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TTextBox.AllowChange=Ставить в качестве текста название текущей группы"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TButtonBox.Columns=Количество колонок равного размера, в которое располагать кнопки."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TButtonBox.AutoColumns=Автоматическое определение количества колонок."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TButtonBox.HorizAlloc=Распределение кнопок по колонкам - сначала направо, потом вниз или наоборот."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.Transparent=Точки цвета, определенноо в картинках как прозрачный, становится не видно."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.Center=Центрировать картинку в границах кнопки."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.Stretch=Растянуть картинку до границ кнопки."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.Proportional=Сохранить при растяжении отношение длинн сторон картинки."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.PadHorizontal=Отступ заголовка от левого или правого края"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.PadVertical=Отступ заголовка от верхнего или нижнего края"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.ShowCaption=Отображать заголовок поверх или вместо картинки"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.AutoSize=Автоматическая установка размера кнопки равным размеру картинки. Если её нет то 0x0."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.State=Состояние кнопки - чтобы посмотреть, как она выглядит нажатой или выделенной."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.Shadow=Тень от текста."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.Action=Действие, которое выполняет кнопка при нажатии."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TPicButton.ItemID=Если Действие=baExecute, то означает номер пункта меню, который выполняет кнопка."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.AutoSize=Подгонять размер кнопки под размер текста плюс отступы."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.Style=Вид кнопки - просто текст, системная кнопка или кнопка с картинкой."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.Color=Цвет фона кнопки, если она имеет вид именно кнопки. Если нет - игнорируется."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.PadHorizontal=Отступ заголовка от левого или правого края."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.PadVertical=Отступ заголовка от верхнего или нижнего края."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.Alignment=Выравнивание текста в кнопке - справа, слева или от центра."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.ColorNormal=Цвет заголовка кнопки в обычном состоянии"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.ColorSelected=Цвет заголовка кнопки в выделенном состоянии"),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.Shadow=Тень от текста."),
    QT_TRANSLATE_NOOP("TInspectorConfig", "TStyledButton.ShadowSize=Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым.")};

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

} // namespace

TInspectorConfig::TInspectorConfig(const TPreviewForm *form) : m_form(form)
{
    for (const char *name : kDisplayed)
        m_displayed.insert(QString::fromLatin1(name));
    for (const char *name : kOrder)
        m_order << QString::fromLatin1(name);
    // The name before "=" is always the source's, whatever the translation holds.
    auto translated = [](const char *line) {
        const QString text = QCoreApplication::translate("TInspectorConfig", line);
        return text.mid(text.indexOf(QLatin1Char('=')) + 1);
    };
    QString group;
    for (const char *line : kAliases) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1Char('['))) {
            group = QCoreApplication::translate("TInspectorConfig", line);
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
    for (const char *line : kDescriptions) {
        const QString text = QString::fromUtf8(line);
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        m_descriptions.insert(text.left(eq), translated(line));
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
        return QCoreApplication::translate("TInspectorConfig", kFontColorName);
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
