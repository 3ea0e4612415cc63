#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>

// An ISO 9660 image of a disc folder, with Joliet names and a volume label,
// made by the external program xorriso running beside the editor. The image
// is written under a temporary name beside the target and renamed only when
// complete, so a cancelled or failed run leaves no partial file.
class TDiscImage : public QObject
{
    Q_OBJECT

public:
    // The longest volume label ISO 9660 holds.
    static constexpr int kMaxLabelLength = 32;
    static const char *const kDefaultLabel;

    explicit TDiscImage(QObject *parent = nullptr);
    ~TDiscImage() override;

    // The program to run; by default xorriso found on the search path.
    void SetProgram(const QString &program) { m_program = program; }
    QString Program() const;
    // What to tell the user when the program cannot be found.
    static QString MissingMessage();
    // Why a label cannot be used, or an empty string when it can.
    static QString LabelProblem(const QString &label);
    // The characters of a label that Windows shows (the Joliet volume name's).
    static constexpr int kJolietLabelLength = 16;
    // What the label field says of a label Windows shows only in part:
    // "Windows покажет: «...»" with its first 16 characters; "" otherwise.
    static QString JolietNote(const QString &label);
    // The ISO 9660 volume name of a label: upper-case Latin letters, digits
    // and "_" (Cyrillic letters transliterated, anything else "_").
    static QString IsoVolumeName(const QString &label);
    // Writes the label as typed into the Joliet volume descriptor of the image
    // (as many characters as it holds); false when the file is missing, has
    // no such descriptor or cannot be written.
    static bool WriteJolietLabel(const QString &isoPath, const QString &label);
    // The program's arguments for an image of discDir into output.
    static QStringList Arguments(const QString &discDir, const QString &output, const QString &label);

    // Starts making the image; false (with LastError) when it cannot start.
    bool Start(const QString &discDir, const QString &isoPath, const QString &label);
    bool IsRunning() const;
    // Stops the program and removes what it wrote; Finished(false) follows.
    void Cancel();
    // Waits for the run to end (for the command line); returns its success.
    bool WaitForFinished();
    const QString &LastError() const { return m_lastError; }
    // The last run ended because Cancel was called.
    bool Cancelled() const { return m_cancelled; }

signals:
    // Percent done, 0 to 100, as the program reports it.
    void Progress(int percent);
    // The run ended; on failure or cancel, LastError says why.
    void Finished(bool ok);

private:
    void OnOutput();
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void Fail(const QString &message);
    void RemoveTemporary();

    QString m_program;
    QPointer<QProcess> m_process;
    QString m_target;
    QString m_temporary;
    QString m_label;
    QString m_lastError;
    QByteArray m_pending;       // output not yet split into lines
    QStringList m_failures;     // the program's own complaints
    bool m_cancelled = false;
    bool m_done = false;
    bool m_ok = false;
};
