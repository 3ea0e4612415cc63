#include "kit/TPropertyHelp.h"

#include <algorithm>

TPropertyHelp::TPropertyHelp(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void TPropertyHelp::showProperty(const QString &name, const QString &description)
{
    if (description.isEmpty()) {
        m_name.clear();
        m_description.clear();
        clear();
        setAccessibleDescription(QString());
        fitHeight();
        return;
    }
    m_name = name;
    m_description = description;
    setText(QStringLiteral("<b>%1</b><br>%2").arg(name.toHtmlEscaped(), description.toHtmlEscaped()));
    setAccessibleDescription(name + QLatin1Char('\n') + description);
    fitHeight();
}

void TPropertyHelp::setBaseHeight(int height)
{
    m_baseHeight = height;
    fitHeight();
}

void TPropertyHelp::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitHeight();
}

void TPropertyHelp::fitHeight()
{
    const int need = std::max(m_baseHeight, text().isEmpty() ? 0 : heightForWidth(width()));
    if (minimumHeight() != need || maximumHeight() != need)
        setFixedHeight(need);
}
