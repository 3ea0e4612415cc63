#pragma once

#include <QObject>
#include <QString>

// The options of the page "Опции проекта" that the project file carries: the
// player's exit behaviour, how it resolves file paths, the about text and the
// disc folder. Every setter that changes a value sends Changed.
class TProjectOptions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString RootDir READ RootDir WRITE SetRootDir NOTIFY Changed)
    Q_PROPERTY(QString About READ About WRITE SetAbout NOTIFY Changed)
    Q_PROPERTY(bool ExitLevelUp READ ExitLevelUp WRITE SetExitLevelUp NOTIFY Changed)
    Q_PROPERTY(bool ExitAnyCommand READ ExitAnyCommand WRITE SetExitAnyCommand NOTIFY Changed)
    Q_PROPERTY(bool ExitCross READ ExitCross WRITE SetExitCross NOTIFY Changed)
    Q_PROPERTY(bool ExitQuestion READ ExitQuestion WRITE SetExitQuestion NOTIFY Changed)
    Q_PROPERTY(TPathOption PathOption READ PathOption WRITE SetPathOption NOTIFY Changed)
    Q_PROPERTY(bool CdRoot READ CdRoot WRITE SetCdRoot NOTIFY Changed)

public:
    // Which of the four radio buttons of "Обработка путей файлов" is on;
    // poNone when none is (a file may name a word the editor does not know).
    enum TPathOption { poNone = -1, poCdRoot = 0, poProject = 1, poVelmora = 2, poCurrent = 3 };
    Q_ENUM(TPathOption)

    explicit TProjectOptions(QObject *parent = nullptr) : QObject(parent) {}

    // The disc folder ("Корневой каталог"), stored as rootdir.
    const QString &RootDir() const { return m_rootDir; }
    void SetRootDir(const QString &dir) { Set(m_rootDir, dir); }
    // The text of the player's about box, lines separated by "\n".
    const QString &About() const { return m_about; }
    void SetAbout(const QString &text) { Set(m_about, text); }
    bool ExitLevelUp() const { return m_exitLevelUp; }
    void SetExitLevelUp(bool on) { Set(m_exitLevelUp, on); }
    bool ExitAnyCommand() const { return m_exitAnyCommand; }
    void SetExitAnyCommand(bool on) { Set(m_exitAnyCommand, on); }
    bool ExitCross() const { return m_exitCross; }
    void SetExitCross(bool on) { Set(m_exitCross, on); }
    bool ExitQuestion() const { return m_exitQuestion; }
    void SetExitQuestion(bool on) { Set(m_exitQuestion, on); }
    TPathOption PathOption() const { return m_pathOption; }
    void SetPathOption(TPathOption option) { Set(m_pathOption, option); }
    bool CdRoot() const { return m_cdRoot; }
    void SetCdRoot(bool on) { Set(m_cdRoot, on); }

    // The word written as pathoptions' "option" ("cdroot", ...); empty for poNone.
    static QString PathOptionWord(TPathOption option);
    // The option a word stands for; a missing word counts as "velmora", an
    // unknown one turns all four off.
    static TPathOption PathOptionFromWord(const QString &word, bool missing);

    // The about text as the file stores it: each line followed by CR LF.
    static QString AboutToFileText(const QString &about);
    // Lines split at CR LF, CR or LF; a final line break ends the last line.
    static QString AboutFromFileText(const QString &text);

    // Copies every value from other, sending one Changed when anything differs.
    void Assign(const TProjectOptions &other);
    // Whether every value equals other's.
    bool SameAs(const TProjectOptions &other) const;

signals:
    void Changed();

private:
    template <typename T> void Set(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        emit Changed();
    }

    QString m_rootDir;
    QString m_about;
    bool m_exitLevelUp = false;
    bool m_exitAnyCommand = false;
    bool m_exitCross = false;
    bool m_exitQuestion = false;
    TPathOption m_pathOption = poVelmora;
    bool m_cdRoot = true;
};
