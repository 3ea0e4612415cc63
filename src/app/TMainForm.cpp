#include "app/TMainForm.h"

#include "base/TextLiterals.h"
#include "app/HiddenWhileWorking.h"
#include "app/TAutosave.h"
#include "app/TRecoveryFolder.h"
#include "app/TSettingsFile.h"
#include "app/WriteFailure.h"
#include "base/LazyIcon.h"
#include "base/BrenwickError.h"
#include "base/LoadFailure.h"
#include "kit/HelpContext.h"
#include "kit/QtUserPrompt.h"
#include "project/TDiscPreparation.h"
#include "project/TOptionsCommand.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QStatusBar>
#include <QFileInfo>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>

const char *const TMainForm::kTitle = "Velmora Brenwick";
const char *const TMainForm::kFileFilter = QT_TRANSLATE_NOOP("TMainForm", "Файлы XML|*.xml");

namespace {

const char *const kWindowSection = "window";
const char *const kCloseCaption = QT_TRANSLATE_NOOP("TMainForm", "Закрытие");
const char *const kErrorCaption = QT_TRANSLATE_NOOP("TMainForm", "Ошибка");
const char *const kOpenFailed = QT_TRANSLATE_NOOP("TMainForm", "Не удалось открыть файл «%1».");
const char *const kSaveFailed = QT_TRANSLATE_NOOP("TMainForm", "Не удалось сохранить файл «%1».");
// The title names the open file; Qt puts the modified mark in place of "[*]".
const char *const kFileTitle = "%1[*] — %2";
const char *const kCloseText = QT_TRANSLATE_NOOP("TMainForm", "Сохранить изменения?");
const char *const kDiscFolderTitle = QT_TRANSLATE_NOOP(
    "TMainForm", "Каталог, в котором располагаются файлы компакт-диска так же, как они будут на диске");
const char *const kSaveSuffix = "xml";

} // namespace

TMainForm::TMainForm(const QString &settingsPath, UserPrompt *prompt, QWidget *parent)
    : QMainWindow(parent), m_settingsPath(settingsPath), m_guard(TRecoveryFolder::DefaultFolder())
{
    if (!prompt) {
        m_ownPrompt = std::make_unique<QtUserPrompt>(this);
        prompt = m_ownPrompt.get();
    }
    m_prompt = prompt;
    m_autosave = std::make_unique<TAutosave>(m_project, *m_prompt, m_settingsPath);
    // A copy that failed is reported until a copy is written or the project saved.
    const auto clearNote = [this] {
        if (!m_autosaveNote.isEmpty() && statusBar()->currentMessage() == m_autosaveNote)
            statusBar()->clearMessage();
        m_autosaveNote.clear();
    };
    connect(m_autosave.get(), &TAutosave::Written, this, [this, clearNote](const QString &, const QString &error) {
        if (error.isEmpty()) {
            clearNote();
            return;
        }
        m_autosaveNote = tr("Копия для восстановления не записана (попытка повторится): %1").arg(error);
        statusBar()->showMessage(m_autosaveNote);
    });
    connect(m_autosave.get(), &TAutosave::Restored, this, [this](const QString &file) {
        if (!file.isEmpty())
            m_guard.Took(file, false);
    });
    connect(&m_project, &TProject::ModifiedChanged, this, [clearNote](bool modified) {
        if (!modified)
            clearNote();
    });

    UpdateTitle();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(icons::Program());
    setMinimumSize(kDesignWidth, kDesignHeight);

    setObjectName(QStringLiteral("MainForm"));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    tsCommands = new TCommandsPage(m_project, *m_prompt);
    tsLayout = new QWidget;
    tsText = new TOptionsPage(m_project);
    tsLayout->setObjectName(QStringLiteral("tsLayout"));
    PageControl->addTab(tsCommands, icons::Lazy(QStringLiteral(":/icons/page-commands.png")), tr("Команды"));
    PageControl->addTab(tsLayout, icons::Lazy(QStringLiteral(":/icons/page-design.png")), tr("Внешний вид"));
    PageControl->addTab(tsText, icons::Lazy(QStringLiteral(":/icons/page-options.png")), tr("Опции проекта"));
    setCentralWidget(PageControl);
    help::setHelpContext(this, help::kMainWindow);
    help::setHelpContext(tsCommands, help::kCommandsPage);
    help::setHelpContext(tsLayout, help::kLayoutPage);
    help::setHelpContext(tsText, help::kOptionsPage);

    CreateActions();
    CreateMenus();
    connect(tsCommands, &TCommandsPage::AddFolderRequested, this, &TMainForm::AddFolderRequested);
    connect(tsText, &TOptionsPage::RootDirRequested, this, &TMainForm::ADiscFolderExecute);
    tsCommands->SetDialogFolder([this] { return DialogFolder(); });

    connect(&m_project, &TProject::ModifiedChanged, this, &TMainForm::UpdateTitle);
    resize(kDesignWidth, kDesignHeight);
    FitToPages();
    move(kDesignLeft, kDesignTop);
    ReadSettings();
}

TMainForm::~TMainForm() = default;

void TMainForm::FitToPages()
{
    const QSize least = minimumSizeHint().expandedTo(QSize(kDesignWidth, kDesignHeight));
    setMinimumSize(least);
    resize(size().expandedTo(least));
}

QPoint TMainForm::BesidePlace(const QRect &available, const QRect &designFrame, const QSize &own,
                              const QPoint &fallback)
{
    constexpr int kGap = 8;
    const QRect beside(QPoint(designFrame.right() + 1 + kGap, designFrame.top()), own);
    return available.contains(beside) ? beside.topLeft() : fallback;
}

void TMainForm::PlaceBesideDesign(const QRect &designFrame)
{
    if (m_placeStored)
        return;
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect frame = frameGeometry();
    const QPoint place = BesidePlace(screen->availableGeometry(), designFrame, frame.size(), frame.topLeft());
    // The frame's place; move() places the frame too.
    move(place);
}

void TMainForm::SetDesignView(TDesignView *view)
{
    m_project.SetDesignView(view);
    m_project.RefreshDesign();
}

// ---------------------------------------------------------------------------
// Settings

void TMainForm::ReadSettings()
{
    QSettings settings(m_settingsPath, settings_file::Format());
    settings.beginGroup(U(kWindowSection));
    // A value that is not a number counts as missing: the current one stays.
    auto number = [&settings](const char *key, int current) {
        bool ok = false;
        const int value = settings.value(QString::fromLatin1(key)).toString().trimmed().toInt(&ok);
        return ok ? value : current;
    };
    m_placeStored = settings.contains(QStringLiteral("left")) || settings.contains(QStringLiteral("top"));
    const int left = number("left", x());
    const int top = number("top", y());
    const int width = number("width", this->width());
    const int height = number("height", this->height());
    m_splitterPos = number("splitterpos", m_splitterPos);
    settings.endGroup();
    resize(width, height);
    move(left, top);
    m_recent.Read(settings);
    RebuildRecentMenu();
}

void TMainForm::WriteSettings()
{
    // A settings file that cannot be written is no reason to keep the window open.
    QSettings settings(m_settingsPath, settings_file::Format());
    settings.beginGroup(U(kWindowSection));
    settings.setValue(QStringLiteral("left"), x());
    settings.setValue(QStringLiteral("top"), y());
    settings.setValue(QStringLiteral("width"), width());
    settings.setValue(QStringLiteral("height"), height());
    settings.setValue(QStringLiteral("splitterpos"), m_splitterPos);
    settings.endGroup();
    if (!m_recent.IsEmpty())
        m_recent.Write(settings);
    settings.sync();
}

// ---------------------------------------------------------------------------
// Closing and the file commands

bool TMainForm::FormCloseQuery()
{
    if (!m_project.Modified())
        return true;
    switch (m_prompt->ask(tr(kCloseCaption), tr(kCloseText), UserPrompt::Buttons::YesNoCancel,
                          UserPrompt::Icon::Question)) {
    case UserPrompt::Answer::Yes:
        // Unsaved work is never lost: a cancelled or failed save counts as Cancel.
        AFileSaveExecute();
        return !m_project.Modified();
    case UserPrompt::Answer::No:
        return true;
    default:
        return false;
    }
}

void TMainForm::CloseKeepingCopy()
{
    m_keepCopy = true;
    close();
    m_keepCopy = false;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!m_keepCopy && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    WriteSettings();
    if (m_keepCopy && m_project.Modified()) {
        m_autosave->WriteNow();
        m_autosave->WaitForWrite();
    } else {
        m_autosave->Discard();   // a normal exit leaves no copy behind
    }
    event->accept();
    emit Closed();
}

void TMainForm::ShowError(const char *failed, const QString &fileName, const QString &message)
{
    const QString text = tr(failed).arg(QDir::toNativeSeparators(fileName)) + QLatin1Char('\n') + message;
    m_prompt->inform(tr(kErrorCaption), text, UserPrompt::Icon::Error);
}

void TMainForm::UpdateTitle()
{
    const QString fileName = m_project.FileName();
    // A project without a file yet is "Без имени": its changes show from the first edit.
    QString shown = fileName.isEmpty() ? tr("Без имени") : QFileInfo(fileName).fileName();
    if (m_guard.ReadOnly())
        shown += tr(" (только чтение)");
    setWindowTitle(U(kFileTitle).arg(shown, U(kTitle)));
    setWindowModified(m_project.Modified());
}

void TMainForm::AFileOpenExecute()
{
    const QString name = m_prompt->openFileName(tr("Открыть"), DialogFolder(), tr(kFileFilter));
    if (!name.isEmpty())
        LoadProject(name, TProject::WholeProject());
}

void TMainForm::AFileSaveExecute()
{
    const QString name = m_project.FileName();
    if (name.isEmpty() || m_guard.ReadOnly())
        AFileSaveAsExecute();
    else
        SaveProject(name, TProject::WholeProject());
}

void TMainForm::AFileSaveAsExecute()
{
    // A project without a file belongs in its disc folder, where the player reads it.
    const QString disc = m_project.Options().RootDir();
    const QString start = m_project.FileName().isEmpty() && !disc.isEmpty()
                              ? QDir(disc).filePath(QString::fromLatin1(TDiscPreparation::kProjectName))
                              : DialogFolder();
    const QString name = m_prompt->saveFileName(tr("Сохранить как"), start, tr(kFileFilter), U(kSaveSuffix));
    if (!name.isEmpty())
        SaveProject(name, TProject::WholeProject());
}

void TMainForm::ALoadDesignExecute()
{
    const QString name = m_prompt->openFileName(tr("Загрузить оформление"), DialogFolder(), tr(kFileFilter));
    if (name.isEmpty())
        return;
    const QString discBefore = m_project.Options().RootDir();
    if (LoadProject(name, TProject::DesignFile()) && m_project.Options().RootDir() != discBefore)
        statusBar()->showMessage(tr("Оформление сменило Корневой Каталог: теперь это %1")
                                     .arg(QDir::toNativeSeparators(m_project.Options().RootDir())));
}

void TMainForm::ASaveDesignExecute()
{
    const QString name =
        m_prompt->saveFileName(tr("Сохранить оформление"), DialogFolder(), tr(kFileFilter), U(kSaveSuffix));
    if (!name.isEmpty())
        SaveProject(name, TProject::DesignFile());
}

void TMainForm::AFileNewExecute()
{
    if (!FormCloseQuery())
        return;
    m_project.DesignView().HidePreview();
    {
        HiddenWhileWorking hide(this);
        m_autosave->Discard();   // the work left behind was answered for by the close question
        m_project.NewProject();
        m_guard.Released();
    }
    UpdateTitle();
    m_project.DesignView().ShowPreview();
}

void TMainForm::AFileResetExecute()
{
    if (!FormCloseQuery())
        return;
    m_project.DesignView().HidePreview();
    {
        HiddenWhileWorking hide(this);
        ClearProject(TProject::WholeProject());
    }
    m_project.DesignView().ShowPreview();
}

void TMainForm::AFileExitExecute()
{
    close();
}

void TMainForm::ADiscFolderExecute()
{
    const QString folder = m_prompt->folder(tr(kDiscFolderTitle), m_project.Options().RootDir());
    if (folder.isEmpty())
        return;
    TProjectOptions changed;
    changed.Assign(m_project.Options());
    changed.SetRootDir(folder);
    if (changed.SameAs(m_project.Options()))
        m_project.Changed(TCommandTree::tcData);   // the same folder again still counts as an edit
    else
        m_project.Push(new TOptionsCommand(m_project.Options(), changed));
}

void TMainForm::APreviewExecute()
{
    m_project.DesignView().ShowPreview();
}

bool TMainForm::SaveProject(const QString &fileName, TProject::TParts parts)
{
    if (parts == TProject::WholeProject()) {
        if (const std::optional<QDateTime> changed = m_guard.ChangedOnDisk(fileName)) {
            const QString text = tr("Файл %1 изменён на диске после того, как вы его открыли или сохранили: "
                                    "его записали %2, возможно, в другом редакторе.\n\nЗаменить его вашим проектом?")
                                     .arg(QDir::toNativeSeparators(fileName),
                                          QLocale().toString(*changed, QLocale::ShortFormat));
            if (m_prompt->ask(tr("Сохранение"), text, UserPrompt::Buttons::YesNo, UserPrompt::Icon::Warning)
                != UserPrompt::Answer::Yes)
                return false;
        }
    }
    try {
        m_project.SaveProject(fileName, parts);
    } catch (const BrenwickError &e) {
        ShowError(kSaveFailed, fileName, WriteFailureText(fileName, e.message()));
        return false;
    }
    // A design file leaves the project's own file as unsaved as it was.
    if (parts == TProject::WholeProject()) {
        m_guard.Took(fileName, false);
        AddRecentFile(fileName);
        m_project.SetModified(false);   // the state saved: undo and redo find it again
    }
    UpdateTitle();
    return true;
}

bool TMainForm::LoadProject(const QString &fileName, TProject::TParts parts)
{
    if (fileName.isEmpty())
        return false;
    if (const QString folder = FolderAsFileText(fileName); !folder.isEmpty()) {
        ShowError(kOpenFailed, fileName, folder);
        return false;
    }
    if (parts == TProject::WholeProject() && !FormCloseQuery())
        return false;
    bool readOnly = false;
    if (parts == TProject::WholeProject()) {
        if (const std::optional<TOpenFileGuard::THolder> holder = m_guard.HolderOf(fileName)) {
            const QString text =
                tr("Проект %1 уже открыт в другом редакторе: %2 на %3, с %4.\n\nОткрыть его только для "
                   "чтения?\n«Нет» — открыть всё равно (чьё-то сохранение заменит другое), «Отмена» — не "
                   "открывать.")
                    .arg(QDir::toNativeSeparators(fileName), holder->user, holder->host,
                         QLocale().toString(holder->since, QLocale::ShortFormat));
            switch (m_prompt->ask(tr("Открыть"), text, UserPrompt::Buttons::YesNoCancel, UserPrompt::Icon::Warning)) {
            case UserPrompt::Answer::Yes:
                readOnly = true;
                break;
            case UserPrompt::Answer::No:
                break;
            default:
                return false;
            }
        }
        switch (m_autosave->OfferAtOpen(fileName)) {
        case TAutosave::TOffer::Restored:
            m_guard.Took(fileName, readOnly);
            AddRecentFile(fileName);
            UpdateTitle();
            return true;
        case TAutosave::TOffer::Cancelled:
            return false;
        default:
            break;
        }
    }
    TProject::TLoadedPtr loaded;
    try {
        loaded = m_project.ReadProject(fileName, parts);
    } catch (const BrenwickError &e) {
        ShowError(kOpenFailed, fileName, LoadFailureText(e));
        return false;
    }
    if (!loaded) {
        // The file could not be opened.
        ShowError(kOpenFailed, fileName, m_project.LastOpenError());
        return false;
    }
    m_project.DesignView().HidePreview();
    {
        HiddenWhileWorking hide(this);
        // The pages follow the project's own signals: nothing to refresh here.
        m_project.ApplyProject(std::move(loaded));
        if (m_project.TookNewDesign())
            statusBar()->showMessage(tr("В файле нет оформления: взято оформление нового проекта"));
        if (parts == TProject::WholeProject()) {
            m_guard.Took(fileName, readOnly);
            AddRecentFile(fileName);
        }
    }
    UpdateTitle();
    m_project.DesignView().ShowPreview();
    if (parts != TProject::WholeProject())
        m_autosave->WriteNow();   // a design load is kept at once
    else
        OfferFileFolderAsDisc(fileName);
    return true;
}

namespace {

bool SameFolder(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

} // namespace

QString TMainForm::DialogFolder() const
{
    const QString disc = m_project.Options().RootDir();
    if (!disc.isEmpty())
        return disc;
    return m_project.FileName().isEmpty() ? QString() : QFileInfo(m_project.FileName()).absolutePath();
}

void TMainForm::OfferFileFolderAsDisc(const QString &fileName)
{
    const QString stored = m_project.Options().RootDir();
    if (stored.isEmpty())
        return;
    const QFileInfo file(fileName);
    const QString here = file.absolutePath();
    const bool gone = !QFileInfo(stored).isDir();
    const bool discFile =
        file.fileName().compare(QLatin1StringView(TDiscPreparation::kProjectName), Qt::CaseInsensitive) == 0;
    if (SameFolder(here, stored) || (!gone && !discFile))
        return;
    const QString storedText = QDir::toNativeSeparators(stored), hereText = QDir::toNativeSeparators(here);
    const QString text =
        gone ? tr("Корневого Каталога проекта «%1» нет. Сделать Корневым Каталогом папку проекта «%2»?")
                   .arg(storedText, hereText)
             : tr("Проект открыт из папки «%2», а его Корневой Каталог — «%1»: подготовка диска записала бы "
                  "туда.\n\nСделать Корневым Каталогом папку проекта «%2»? («Нет» оставит «%1».)")
                   .arg(storedText, hereText);
    if (m_prompt->ask(tr("Корневой Каталог"), text, UserPrompt::Buttons::YesNo, UserPrompt::Icon::Question)
        != UserPrompt::Answer::Yes)
        return;
    TProjectOptions changed;
    changed.Assign(m_project.Options());
    changed.SetRootDir(here);
    m_project.Push(new TOptionsCommand(m_project.Options(), changed));
}

void TMainForm::ClearProject(TProject::TParts parts)
{
    m_project.ClearProject(parts);
}
