#include "app/TDiscLink.h"

#include "app/TCheckForm.h"
#include "app/TMainForm.h"
#include "app/WindowPlace.h"
#include "app/WriteFailure.h"
#include "base/BrenwickError.h"
#include "kit/HelpContext.h"
#include "base/UserPrompt.h"
#include "layout/TDesignFactsReader.h"
#include "layout/TPreviewForm.h"
#include "project/TDiscPreparation.h"
#include "project/TFixPathsCommand.h"
#include "project/TOptionsCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTabWidget>

namespace {

// How many error lines the question before preparing the disc quotes.
const int kQuotedErrors = 10;
const int kPercentAll = 100;

QByteArray FileHash(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace

TDiscLink::TDiscLink(TMainForm &mainForm, TPreviewForm &preview)
    : m_main(mainForm), m_preview(preview)
{
    m_buttons = [this] { return FindPicButtons(m_preview, {&m_main, &m_main.Project()}); };
    connect(m_main.ACheckProject, &QAction::triggered, this, &TDiscLink::ACheckProjectExecute);
    connect(m_main.APrepareDisc, &QAction::triggered, this, &TDiscLink::APrepareDiscExecute);
    connect(m_main.ADiscImage, &QAction::triggered, this, &TDiscLink::ADiscImageExecute);
    connect(&m_image, &TDiscImage::Progress, this, [this](int percent) {
        if (m_progress)
            m_progress->setValue(percent);
    });
    connect(&m_image, &TDiscImage::Finished, this, &TDiscLink::ImageFinished);
}

TDiscLink::~TDiscLink() = default;

TCheckForm &TDiscLink::CheckForm()
{
    // Made when first needed, not at start-up.
    if (!m_checkForm) {
        m_checkForm = new TCheckForm(&m_main);
        m_checkForm->SetChooser([this](const TFinding &f) { Choose(f); });
        m_checkForm->SetFixer([this](const QList<TFinding> &findings) {
            m_main.Project().Push(new TFixPathsCommand(m_main.Tree(), findings));
            m_checkForm->ShowFindings(RunCheck(QString()));
        });
    }
    return *m_checkForm;
}

QProgressDialog *TDiscLink::ProgressDialog() const
{
    return m_progress;
}

QList<TFinding> TDiscLink::RunCheck(const QString &discDir)
{
    const TDesignFacts design = ReadDesignFacts(m_preview, m_buttons());
    return TProjectCheck::Run(m_main.Project(), discDir, &design);
}

void TDiscLink::Choose(const TFinding &finding)
{
    if (finding.item) {
        // The entry may have been deleted since the check.
        TBaseItem *found = nullptr;
        m_main.Tree().ForEach([&](TBaseItem *item, int) {
            if (item == finding.item)
                found = item;
        });
        if (!found)
            return;
        m_main.PageControl->setCurrentWidget(m_main.tsCommands);
        m_main.Tree().Select(found);
        if (m_checkForm)
            shell::MoveOffWindow(*m_checkForm, m_main);
        return;
    }
    QObject *object = finding.object;
    if (!object)
        return;
    m_main.PageControl->setCurrentWidget(m_main.tsLayout);
    if (TDesignObjects *tree = m_preview.designObjects()) {
        const int index = int(tree->designObjects().indexOf(object));
        if (index >= 0) {
            tree->selectDesignObject(index);
            return;
        }
    }
    m_preview.SetSelection(object);
}

void TDiscLink::ACheckProjectExecute()
{
    TCheckForm &form = CheckForm();
    form.ShowFindings(RunCheck(QString()));
    const bool first = !form.isVisible();
    form.show();
    if (first)
        shell::MoveOffWindow(form, m_main);   // the fields it points to stay in sight
    form.raise();
}

QString TDiscLink::DiscFolder()
{
    TProject &project = m_main.Project();
    const QString dir = project.Options().RootDir();
    if (!dir.isEmpty())
        return dir;
    const QString chosen = m_main.Prompt().folder(tr("Корневой каталог"), m_main.DialogFolder());
    if (chosen.isEmpty())
        return chosen;
    // The folder chosen becomes the project's disc folder, so that nothing
    // asks for it again.
    TProjectOptions changed;
    changed.Assign(project.Options());
    changed.SetRootDir(chosen);
    project.Push(new TOptionsCommand(project.Options(), changed));
    return chosen;
}

void TDiscLink::ShowError(const QString &message)
{
    m_main.Prompt().inform(QString::fromLatin1(TMainForm::kTitle), message, UserPrompt::Icon::Error);
}

QString TDiscLink::CommandCount(int count)
{
    // Russian plural: 1, 21 команда; 2-4, 22 команды; 0, 5-20, 25 команд.
    const int lastTwo = count % 100;
    const int last = count % 10;
    if (last == 1 && lastTwo != 11)
        return tr("%1 команда").arg(count);
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return tr("%1 команды").arg(count);
    return tr("%1 команд").arg(count);
}

bool TDiscLink::APrepareDiscExecute()
{
    const QString dir = DiscFolder();
    if (dir.isEmpty() || !PrepareFolder(dir, tr("Подготовить диск")))
        return false;
    m_main.Prompt().inform(tr("Подготовить диск"), tr("Диск подготовлен в каталоге %1.").arg(QDir::toNativeSeparators(dir)));
    return true;
}

bool TDiscLink::PrepareFolder(const QString &dir, const QString &caption)
{
    UserPrompt &prompt = m_main.Prompt();
    const QString folder = QDir::toNativeSeparators(dir);
    // The player this editor ships goes onto the disc: the check need not find one there.
    const QString player = TDiscPreparation::PlayerSource(QCoreApplication::applicationDirPath());
    QList<TFinding> findings = RunCheck(dir);
    if (!player.isEmpty())
        findings = TDiscPreparation::WithPlayerSupplied(findings);
    if (TProjectCheck::HasErrors(findings)) {
        QStringList lines;
        int errors = 0;
        for (const TFinding &f : findings) {
            if (f.severity != TFinding::fsError)
                continue;
            if (++errors <= kQuotedErrors)
                lines << f.Line();
        }
        if (errors > kQuotedErrors)
            lines << tr("…и ещё %1").arg(errors - kQuotedErrors);
        const QString text = tr("Проверка нашла ошибки:\n\n%1\n\nВсё равно подготовить диск в папке «%2»?")
                                 .arg(lines.join(u'\n'), folder);
        if (prompt.ask(caption, text, UserPrompt::Buttons::YesNo, UserPrompt::Icon::Warning)
            != UserPrompt::Answer::Yes) {
            CheckForm().ShowFindings(findings);
            CheckForm().show();
            return false;
        }
    }
    TProject &project = m_main.Project();
    const QString discFile = TDiscPreparation::FileIn(dir, QString::fromLatin1(TDiscPreparation::kProjectName));
    const auto written = m_written.constFind(QFileInfo(discFile).absoluteFilePath());
    const bool ownPreparation = written != m_written.cend() && written->first == project.FileName()
                                && written->second == FileHash(discFile);
    if (const std::optional<int> other = TDiscPreparation::OtherProject(project, dir); other && !ownPreparation) {
        const QString text =
            *other < 0 ? tr("В папке «%1» уже есть Velmora.XML, который не читается. Заменить?").arg(folder)
                       : tr("В папке «%1» уже есть другой Velmora.XML (%2), не файл этого проекта. Заменить его?")
                             .arg(folder, CommandCount(*other));
        if (prompt.ask(caption, text, UserPrompt::Buttons::YesNo, UserPrompt::Icon::Warning) != UserPrompt::Answer::Yes)
            return false;
    }
    const bool ownFile = TDiscPreparation::IsOwnFile(project, dir);
    if (ownFile && project.Modified()
        && prompt.ask(caption,
                      tr("Проект будет сохранён в %1. Продолжить?").arg(QDir::toNativeSeparators(project.FileName())),
                      UserPrompt::Buttons::YesNo, UserPrompt::Icon::Question)
               != UserPrompt::Answer::Yes)
        return false;
    QString writing = discFile;
    try {
        if (ownFile) {
            // The disc's file is the project's own: this is an ordinary save.
            if (!m_main.SaveProject(project.FileName(), TProject::WholeProject()))
                return false;
        } else {
            TDiscPreparation::WriteProject(project, dir);
        }
        m_written.insert(QFileInfo(discFile).absoluteFilePath(), {project.FileName(), FileHash(discFile)});
        // Another player already there is the author's choice unless they say otherwise.
        const TDiscPreparation::TPlayerState state =
            player.isEmpty() ? TDiscPreparation::psSame : TDiscPreparation::PlayerState(dir, player);
        if (state == TDiscPreparation::psNone
            || (state == TDiscPreparation::psOther
                && prompt.ask(caption,
                              tr("В папке «%1» уже есть другой Velmora.EXE. Заменить его проигрывателем версии %2?")
                                  .arg(folder, QStringLiteral(BRENWICK_VERSION)),
                              UserPrompt::Buttons::YesNo, UserPrompt::Icon::Question)
                       == UserPrompt::Answer::Yes)) {
            writing = TDiscPreparation::FileIn(dir, QString::fromLatin1(TDiscPreparation::kPlayerName));
            TDiscPreparation::CopyPlayer(player, dir);
        }
        writing = TDiscPreparation::FileIn(dir, QString::fromLatin1(TDiscPreparation::kAutorunName));
        if (!TDiscPreparation::AutorunDiffers(dir)
            || prompt.ask(caption, tr("В каталоге уже есть другой autorun.inf. Заменить его?"),
                          UserPrompt::Buttons::YesNo, UserPrompt::Icon::Question)
                   == UserPrompt::Answer::Yes)
            TDiscPreparation::WriteAutorun(dir);
    } catch (const BrenwickError &e) {
        ShowError(WriteFailureText(writing, e.message()));
        return false;
    }
    return true;
}

void TDiscLink::ADiscImageExecute()
{
    if (m_image.IsRunning())
        return;
    if (m_image.Program().isEmpty()) {
        ShowError(TDiscImage::MissingMessage());
        return;
    }
    const QString dir = DiscFolder();
    if (dir.isEmpty())
        return;
    UserPrompt &prompt = m_main.Prompt();
    const QString caption = tr("Создать образ диска");
    // The label typed last, else the disc folder's name when it makes one.
    QString offered = m_lastLabel;
    if (offered.isEmpty()) {
        const QString name = QFileInfo(QDir::cleanPath(dir)).fileName();
        offered = !name.isEmpty() && name.size() <= TDiscImage::kMaxLabelLength && TDiscImage::LabelProblem(name).isEmpty()
                      ? name
                      : QString::fromLatin1(TDiscImage::kDefaultLabel);
    }
    const QString label =
        prompt.limitedText(caption, tr("Метка диска:"), offered, TDiscImage::kMaxLabelLength, &TDiscImage::JolietNote);
    if (label.isEmpty())
        return;
    m_lastLabel = label;
    const QString problem = TDiscImage::LabelProblem(label);
    if (!problem.isEmpty()) {
        ShowError(problem);
        return;
    }
    const QString output = prompt.saveFileName(caption, QFileInfo(dir).absolutePath(),
                                               tr("Образы дисков|*.iso"), QStringLiteral("iso"));
    if (output.isEmpty())
        return;
    // The image carries the project as it is now, never an older preparation.
    if (!PrepareFolder(dir, caption))
        return;
    m_imagePath = output;
    if (!m_image.Start(dir, output, label)) {
        ShowError(m_image.LastError());
        return;
    }
    if (!m_image.IsRunning())
        return;   // it has already failed and reported
    if (!m_progress) {
        m_progress = new QProgressDialog(&m_main);
        m_progress->setObjectName(QStringLiteral("ImageProgress"));
        help::setHelpKeyword(m_progress, QString::fromLatin1(help::kDiscImageKeyword));
        m_progress->setWindowTitle(caption);
        m_progress->setLabelText(tr("Создаётся образ диска…"));
        m_progress->setCancelButtonText(tr("Отмена"));
        m_progress->setRange(0, kPercentAll);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->setWindowModality(Qt::NonModal);   // the editor stays usable meanwhile
        connect(m_progress, &QProgressDialog::canceled, &m_image, &TDiscImage::Cancel);
    }
    m_progress->setValue(0);
    m_progress->show();
}

void TDiscLink::ImageFinished(bool ok)
{
    if (m_progress)
        m_progress->hide();
    if (ok)
        m_main.Prompt().inform(tr("Создать образ диска"),
                               tr("Образ диска записан в %1.").arg(QDir::toNativeSeparators(m_imagePath)));
    else if (!m_image.Cancelled())
        ShowError(m_image.LastError());
}
