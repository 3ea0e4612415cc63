#include "app/BoxText.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString BoxText(const QPlainTextEdit *box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}
