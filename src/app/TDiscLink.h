#pragma once

#include "project/TDiscImage.h"
#include "project/TProjectCheck.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QProgressDialog;
class TCheckForm;
class TMainForm;
class TPicButton;
class TPreviewForm;

// The main menu's "Проверить проект...", "Подготовить диск..." and "Создать
// образ диска...": the project check against the disc folder with its
// findings list, writing the project and autorun.inf into the disc folder,
// and the disc image, made in the background with a progress dialog.
class TDiscLink : public QObject
{
    Q_OBJECT

public:
    using ButtonList = std::function<QList<TPicButton *>()>;

    TDiscLink(TMainForm &mainForm, TPreviewForm &preview);
    ~TDiscLink() override;

    // Where the stand-alone buttons come from; by default the buttons found
    // under the two windows, in the order of their picture controls.
    void SetButtons(ButtonList buttons) { m_buttons = std::move(buttons); }

    // The check of the open project against discDir (empty: its own disc folder).
    QList<TFinding> RunCheck(const QString &discDir);
    // Selects a finding's entry in the command tree or its object in the design.
    void Choose(const TFinding &finding);

    TCheckForm &CheckForm();
    TDiscImage &Image() { return m_image; }
    QProgressDialog *ProgressDialog() const;

public slots:
    void ACheckProjectExecute();
    // True when the disc folder was written.
    bool APrepareDiscExecute();
    void ADiscImageExecute();

    // "23 команды": a number of commands in words.
    static QString CommandCount(int count);

private:
    QString DiscFolder();
    // The check (errors shown, the user may stop), then Velmora.XML and
    // autorun.inf written into dir from the project as it is now. True when
    // the folder holds the project.
    bool PrepareFolder(const QString &dir, const QString &caption);
    void ShowError(const QString &message);
    void ImageFinished(bool ok);

    TMainForm &m_main;
    TPreviewForm &m_preview;
    QPointer<TCheckForm> m_checkForm;
    ButtonList m_buttons;
    TDiscImage m_image;
    QPointer<QProgressDialog> m_progress;
    QString m_imagePath;
    QString m_lastLabel;   // the disc label typed last, offered next time
    // The disc project files this link wrote: path -> (the project's file
    // name, the bytes' hash); an older preparation of the same project is
    // replaced without the question about another project.
    QHash<QString, std::pair<QString, QByteArray>> m_written;
};
