#include "rules/MenuTexts.h"

// The texts are marked for the editor's translations (context "TMenuRun"); the
// player shows them as they are.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace rules {

const char *MessageText(Msg msg)
{
    switch (msg) {
    case Msg::ExitQuestion:
        return QT_TRANSLATE_NOOP("TMenuRun", "Выйти?");
    case Msg::ExitMenu:
        return QT_TRANSLATE_NOOP("TMenuRun", "Выход из меню");
    case Msg::UpAtTopOff:
        return QT_TRANSLATE_NOOP("TMenuRun", "Кнопка «%1»: это верхний уровень, а «Выход по кнопке Вверх» выключен");
    case Msg::ItemNotFound:
        return QT_TRANSLATE_NOOP("TMenuRun", "Кнопка «%1»: команда №%2 не найдена");
    case Msg::Browse:
        return QT_TRANSLATE_NOOP("TMenuRun", "Открыть папку диска");
    case Msg::Help:
        return QT_TRANSLATE_NOOP("TMenuRun", "Справка");
    case Msg::Minimize:
        return QT_TRANSLATE_NOOP("TMenuRun", "Свернуть окно");
    case Msg::UrlNotGiven:
        return QT_TRANSLATE_NOOP("TMenuRun", "Открыть адрес: адрес не указан");
    case Msg::OpenUrl:
        return QT_TRANSLATE_NOOP("TMenuRun", "Открыть адрес: %1");
    case Msg::CommentButton:
        return QT_TRANSLATE_NOOP("TMenuRun", "Кнопка «%1»: команда №%2 — комментарий, ничего не делает");
    case Msg::ProgramNotGiven:
        return QT_TRANSLATE_NOOP("TMenuRun", "Запуск: файл программы не указан");
    case Msg::RunProgram:
        return QT_TRANSLATE_NOOP("TMenuRun", "Запуск: %1 — %2");
    case Msg::EmptyGroup:
        return QT_TRANSLATE_NOOP("TMenuRun", "Группа «%1» пуста, в её меню нет ни одной команды");
    case Msg::ButtonHidden:
    case Msg::ButtonNoSize:
        break;   // reasons, never logged
    }
    return "";
}

const char *DiscStateText(DiscState state)
{
    switch (state) {
    case DiscState::NotGiven:
        return QT_TRANSLATE_NOOP("TMenuRun", "файл программы не указан");
    case DiscState::Absolute:
        return QT_TRANSLATE_NOOP("TMenuRun", "путь абсолютный, на диске не проверяется");
    case DiscState::Outside:
        return QT_TRANSLATE_NOOP("TMenuRun", "путь ведёт за пределы диска");
    case DiscState::NoDiscFolder:
        return QT_TRANSLATE_NOOP("TMenuRun", "Корневой Каталог не задан, файл не проверен");
    case DiscState::DiscNotFound:
        return QT_TRANSLATE_NOOP("TMenuRun", "Корневой Каталог не найден, файл не проверен");
    case DiscState::Present:
        return QT_TRANSLATE_NOOP("TMenuRun", "файл есть на диске");
    case DiscState::Missing:
        return QT_TRANSLATE_NOOP("TMenuRun", "файла нет на диске");
    }
    return "";
}

std::string Fill(const std::string &text, const std::vector<std::string> &args)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t n = std::size_t(text[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string Words(const LogLine &line)
{
    std::vector<std::string> args = line.args;
    if (line.msg == Msg::RunProgram)
        args.push_back(DiscStateText(line.disc));
    return Fill(MessageText(line.msg), args);
}

}   // namespace rules
