#include "rules/MenuTexts.h"

namespace rules {

const char *MessageText(Msg msg)
{
    switch (msg) {
    case Msg::ExitQuestion: return "Выйти?";
    case Msg::ExitMenu: return "Выход из меню";
    case Msg::UpAtTopOff: return "Кнопка «%1»: это верхний уровень, а «Выход по кнопке Вверх» выключен";
    case Msg::ItemNotFound: return "Кнопка «%1»: команда №%2 не найдена";
    case Msg::Browse: return "Открыть папку диска";
    case Msg::Help: return "Справка";
    case Msg::Minimize: return "Свернуть окно";
    case Msg::UrlNotGiven: return "Открыть адрес: адрес не указан";
    case Msg::OpenUrl: return "Открыть адрес: %1";
    case Msg::CommentButton: return "Кнопка «%1»: команда №%2 — комментарий, ничего не делает";
    case Msg::ProgramNotGiven: return "Запуск: файл программы не указан";
    case Msg::RunProgram: return "Запуск: %1 — %2";
    case Msg::EmptyGroup: return "Группа «%1» пуста, в её меню нет ни одной команды";
    case Msg::ButtonHidden:
    case Msg::ButtonNoSize: break;   // reasons, never logged
    }
    return "";
}

const char *DiscStateText(DiscState state)
{
    switch (state) {
    case DiscState::NotGiven: return "файл программы не указан";
    case DiscState::Absolute: return "путь абсолютный, на диске не проверяется";
    case DiscState::Outside: return "путь ведёт за пределы диска";
    case DiscState::NoDiscFolder: return "Корневой Каталог не задан, файл не проверен";
    case DiscState::DiscNotFound: return "Корневой Каталог не найден, файл не проверен";
    case DiscState::Present: return "файл есть на диске";
    case DiscState::Missing: return "файла нет на диске";
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

} // namespace rules
