#pragma once

#include "rules/MenuRun.h"
#include "window/TPicButton.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class TBaseItem;
class TCommandTree;
class TDiscFolder;
class TProjectOptions;

// A stand-alone button as the test-run needs it: what it shows and does.
struct TRunButton
{
    QString caption;
    TPicButton::TButtonAction action = TPicButton::baExecute;
    int itemId = 0;
    // A button the visitor cannot see (hidden, or without width or height)
    // cannot be pressed.
    bool visible = true;
    int width = 1;
    int height = 1;
};

// One line of the test-run's log: what the player would have done, or a
// question it asked with the answer given.
struct TRunLine
{
    enum TKind { lkAction, lkQuestion };
    TKind kind = lkAction;
    QString text;
    bool answer = false;   // lkQuestion: yes
};

// A visitor's session with the menu window, without the window: the current
// group, the selected entry, whether the run has ended and the log of what the
// player would have done. The rules are the player's own (rules::MenuRun, run
// over a copy of the command tree taken at the start); this class maps them
// onto the tree's entries and words the log in the interface language. The
// tree and the options must outlive it; it changes nothing.
class TMenuRun
{
    Q_DECLARE_TR_FUNCTIONS(TMenuRun)

public:
    // Answers a question ("Выйти?"): true for yes.
    using Asker = std::function<bool(const QString &question)>;

    // projectFile and discDir resolve programs' paths as the project check
    // does (discDir empty: the project's own disc folder).
    TMenuRun(const TCommandTree &tree, const TProjectOptions &options, QList<TRunButton> buttons,
             const QString &projectFile, const QString &discDir);
    ~TMenuRun();
    TMenuRun(const TMenuRun &) = delete;
    TMenuRun &operator=(const TMenuRun &) = delete;

    // Without an asker every question is answered yes.
    void SetAsker(Asker asker) { m_asker = std::move(asker); }

    // --- the state --------------------------------------------------------
    bool Ended() const { return m_run->Ended(); }
    bool Minimized() const { return m_run->Minimized(); }
    // The group whose entries the menu lists; nullptr at the top level.
    const TBaseItem *Group() const { return ItemOf(m_run->Group()); }
    // The menu: the group's entries that are not hidden, in order.
    QList<const TBaseItem *> Entries() const;
    // The selected entry's position in Entries(); -1 when the menu is empty.
    int Selected() const { return m_run->Selected(); }
    const TBaseItem *SelectedItem() const;
    // "/" at the top, else "/Игры/Логические": the groups' names from the top.
    QString LevelPath() const;
    // What the heading shows in place of its text: the group's name; empty at
    // the top level (the heading keeps its own text).
    QString GroupCaption() const;
    // The selected entry's comment, for the comment area.
    QString Comment() const;
    const QList<TRunButton> &Buttons() const { return m_buttons; }
    // The button whose caption is caption (the first of equal ones); -1 when none.
    int FindButton(const QString &caption) const;
    const QList<TRunLine> &Log() const;
    // The shared rules this run follows (the script steps drive them directly).
    rules::MenuRun &Rules() { return *m_run; }
    const rules::MenuRun &Rules() const { return *m_run; }

    // --- the visitor's steps (each does nothing once the run has ended) ----
    // The mouse over a menu button; an index outside the menu does nothing.
    void Select(int index);
    // Down and Up: the next or previous entry; they stop at the menu's ends.
    void SelectNext();
    void SelectPrevious();
    // Enter: activates the selected entry.
    void Activate();
    // A click on the menu button at index (selects it first).
    void ActivateEntry(int index);
    // A click on the stand-alone button at index into Buttons(); false (and
    // nothing happens) for a button the visitor cannot see.
    bool PressButton(int index);
    // The window's close cross (and Escape).
    void Close();
    // The window shown again after a minimise.
    void Restore() { m_run->Restore(); }

    // "Выйти?"
    static QString ExitQuestion();
    // A log line's words in the interface language (the question without its answer).
    static QString Words(const rules::LogLine &line);

private:
    // Takes the rules' new log lines into m_log.
    void Follow() const;
    rules::DiscState DiscState(const std::string &custom);
    const TBaseItem *ItemOf(const rules::Command *command) const;

    const TCommandTree &m_tree;
    const TProjectOptions &m_options;
    QList<TRunButton> m_buttons;
    QString m_projectFile;
    QString m_discDir;
    std::unique_ptr<TDiscFolder> m_disc;   // walked at the first program run
    Asker m_asker;
    std::vector<rules::Command> m_commands;
    std::unordered_map<const rules::Command *, const TBaseItem *> m_itemOf;
    rules::Options m_rulesOptions;
    std::unique_ptr<rules::MenuRun> m_run;
    mutable QList<TRunLine> m_log;
};
