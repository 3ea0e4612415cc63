#include "project/TProjectCheck.h"

#include "project/DiscFolderGuess.h"
#include "project/TDiscFindings.h"
#include "project/TDiscFolder.h"
#include "project/TPlayerPath.h"
#include "project/TProject.h"
#include "project/TWindowsFonts.h"
#include "rules/FontTwins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

const char *const kPlayerName = "Velmora.EXE";

QString Quoted(const QString &text)
{
    return QCoreApplication::translate("TProjectCheck", "«%1»").arg(text);
}

// Hidden entries, and everything in a hidden group, never show in the menu.
bool Reachable(const TBaseItem *item)
{
    for (; item; item = item->Parent()) {
        if (item->Hidden())
            return false;
    }
    return true;
}

class TChecker
{
    Q_DECLARE_TR_FUNCTIONS(TProjectCheck)

public:
    TChecker(const TProject &project, const QString &discDir, const TDesignFacts *design)
        : m_project(project), m_discDir(discDir.isEmpty() ? project.Options().RootDir() : discDir), m_design(design),
          m_asItIs(!discDir.isEmpty())
    {
    }

    QList<TFinding> Run()
    {
        CheckDiscFolder();
        FindButtonTargets();
        CheckEntries();
        if (m_disc)
            m_findings += TDiscFindings::Names(*m_disc, m_entryKeys);
        CheckMenuLevels();
        CheckWayOut();
        if (m_design) {
            CheckButtons();
            CheckObjects();
            CheckFonts();
        }
        if (m_disc)
            m_findings += TDiscFindings::Size(*m_disc);
        return m_findings;
    }

private:
    void Add(TFinding::TSeverity severity, const QString &subject, const QString &text,
             const TBaseItem *item = nullptr, QObject *object = nullptr)
    {
        TFinding f;
        f.severity = severity;
        f.subject = subject;
        f.text = text;
        f.item = item;
        f.object = object;
        m_findings.append(f);
    }
    void AddFor(TFinding::TSeverity severity, const TBaseItem &item, const QString &text)
    {
        Add(severity, TProjectCheck::Subject(item), text, &item);
    }

    void CheckDiscFolder()
    {
        if (m_discDir.isEmpty()) {
            Add(TFinding::fsWarning, QString(), tr("Корневой Каталог не задан, файлы программ не проверены"));
            return;
        }
        m_disc.emplace(m_discDir, true);
        if (!m_disc->Exists()) {
            Add(TFinding::fsError, QDir::toNativeSeparators(m_discDir), tr("Корневой Каталог не найден"));
            m_disc.reset();
            return;
        }
        if (m_disc->Contains(QString::fromLatin1(kPlayerName)))
            return;
        if (m_asItIs)
            Add(TFinding::fsError, QString::fromLatin1(kPlayerName),
                tr("программы автозапуска нет в Корневом Каталоге, скопируйте её туда"));
        else
            Add(TFinding::fsInfo, QString::fromLatin1(kPlayerName),
                tr("программы автозапуска пока нет в Корневом Каталоге: «Подготовить диск» и образ диска "
                   "скопируют её туда"));
    }

    // The entries a visible stand-alone button runs: the visitor reaches
    // them even when they are hidden.
    void FindButtonTargets()
    {
        if (!m_design)
            return;
        for (const TDesignFacts::Button &b : m_design->buttons) {
            if (b.executes && b.visible)
                m_buttonTargets.insert(b.itemId);
        }
    }

    void CheckEntries()
    {
        m_project.Tree().ForEach([this](TBaseItem *item, int) {
            if (item->Kind() == ikProgram)
                CheckProgram(*item);
            else if (item->Kind() == ikUrl)
                CheckUrl(*item);
        });
    }

    void CheckProgram(const TBaseItem &item)
    {
        // What the player never shows cannot fail it.
        const TFinding::TSeverity missing =
            Reachable(&item) || m_buttonTargets.contains(item.Id()) ? TFinding::fsError : TFinding::fsWarning;
        // Judged where "Подготовить диск" puts the project file: the root.
        const rules::ProgramPath path = rules::ResolveProgramPath(item.Custom().toStdString(), std::string());
        switch (path.kind) {
        case rules::ProgramPath::Empty:
            AddFor(missing, item, tr("не указан файл программы"));
            return;
        case rules::ProgramPath::Absolute:
            AddFor(TFinding::fsWarning, item,
                   tr("путь %1 абсолютный, на другом компьютере его может не быть").arg(item.Custom().trimmed()));
            return;
        case rules::ProgramPath::Outside:
        case rules::ProgramPath::OnDisc:
            break;
        }
        const QString key = TDiscFolder::Key(QString::fromStdString(path.relative));
        // The names the disc cannot take name the entries that reach them.
        if (m_disc && !m_disc->UnfitNames().isEmpty())
            m_entryKeys.append({key, &item});
        if (m_disc && m_disc->ContainsKey(key)) {
            if (path.folder || m_disc->IsFolderKey(key))
                AddFor(missing, item, tr("путь %1 ведёт к папке, а не к программе").arg(item.Custom().trimmed()));
            return;
        }
        if (TPlayerPath::IsLocalFullPath(item.Custom()))
            CheckLocalPath(item, m_disc ? missing : TFinding::fsWarning);
        else if (m_disc)
            AddFor(missing, item, tr("файл %1 не найден на диске").arg(item.Custom().trimmed()));
    }

    // A path of this machine: it never resolves on the disc; when it leads
    // into the disc folder, the player's form of it mends it.
    void CheckLocalPath(const TBaseItem &item, TFinding::TSeverity severity)
    {
        QString custom = item.Custom().trimmed();
        if (custom.size() >= 2 && custom.startsWith(u'"') && custom.endsWith(u'"'))
            custom = custom.mid(1, custom.size() - 2).trimmed();
        QString text = tr("полный путь Linux: на диске он не сработает (%1)").arg(custom);
        std::optional<QString> fix;
        if (m_disc) {
            fix = TPlayerPath::FromLocal(QDir(m_disc->Dir()).absolutePath(), custom, QString());
        }
        if (fix) {
            text += tr("; «Исправить» заменит его на %1").arg(*fix);
        } else if (const QString folder = m_disc ? WiderDiscFolder(m_discDir, custom, m_project.FileName(), QDir::homePath())
                                                 : GuessDiscFolder(custom, m_project.FileName(), QDir::homePath());
                   !folder.isEmpty()) {
            // Which disc folder would hold it: the one to choose, or to move the file into.
            text += m_disc ? tr("; файл вне Корневого Каталога: его вместил бы Корневой Каталог %1")
                                 .arg(QDir::toNativeSeparators(folder))
                           : tr("; Корневой Каталог не задан, им могла бы быть папка %1")
                                 .arg(QDir::toNativeSeparators(folder));
        }
        AddFor(severity, item, text);
        if (fix)
            m_findings.last().fix = *fix;
    }

    void CheckUrl(const TBaseItem &item)
    {
        const QString address = item.Custom().trimmed();
        if (address.isEmpty())
            AddFor(TFinding::fsError, item, tr("не указан адрес"));
        else if (!TProjectCheck::IsAbsoluteUrl(address))
            AddFor(TFinding::fsError, item, tr("адрес %1 не полный (нужна схема, например http://)").arg(address));
    }

    // Every level the player can open must list at least one command.
    void CheckMenuLevels()
    {
        const TCommandTree &tree = m_project.Tree();
        auto allHidden = [](const QList<TBaseItem *> &entries) {
            return std::all_of(entries.begin(), entries.end(), [](const TBaseItem *e) { return e->Hidden(); });
        };
        if (tree.IsEmpty())
            Add(TFinding::fsWarning, QString(), tr("в проекте нет ни одной команды, меню будет пустым"));
        else if (allHidden(tree.TopLevel()))
            Add(TFinding::fsWarning, QString(), tr("все команды верхнего уровня скрыты, меню будет пустым"));
        tree.ForEach([&](TBaseItem *item, int) {
            if (!item->IsGroup() || !Reachable(item))
                return;
            if (item->Children().isEmpty())
                AddFor(TFinding::fsWarning, *item, tr("группа пуста, меню группы будет пустым"));
            else if (allHidden(item->Children()))
                AddFor(TFinding::fsWarning, *item, tr("все команды группы скрыты, меню группы будет пустым"));
        });
    }

    // Only the keys lead out of a group without an exit entry or an up
    // button, and a visitor with the mouse does not know them: each group
    // that lists commands needs one or the other.
    void CheckWayOut()
    {
        const TCommandTree &tree = m_project.Tree();
        bool upButton = false;
        if (m_design) {
            for (const TDesignFacts::Button &b : m_design->buttons) {
                const TBaseItem *target = b.executes ? tree.FindById(b.itemId) : nullptr;
                if (b.visible && (b.levelUp || (target && target->Kind() == ikExit)))
                    upButton = true;
            }
        }
        if (upButton)
            return;
        tree.ForEach([&](TBaseItem *item, int) {
            if (!item->IsGroup() || !Reachable(item))
                return;
            const QList<TBaseItem *> &children = item->Children();
            auto shown = [](const TBaseItem *e) { return !e->Hidden(); };
            auto isExit = [](const TBaseItem *e) { return !e->Hidden() && e->Kind() == ikExit; };
            if (std::any_of(children.begin(), children.end(), shown)
                && std::none_of(children.begin(), children.end(), isExit))
                AddFor(TFinding::fsWarning, *item,
                       tr("из группы нет выхода: в ней нет команды «Выход», а в окне нет кнопки «Вверх»; "
                          "выйти из неё можно только клавишами Esc, Backspace или «Влево»"));
        });
    }

    void CheckFonts()
    {
        QSet<QString> standIns;
        const auto firstTime = [&standIns](const QString &family) {
            const QString key = family.trimmed().toCaseFolded();
            if (standIns.contains(key))
                return false;
            standIns.insert(key);
            return true;
        };
        for (const TDesignFacts::Font &f : m_design->fonts) {
            if (TWindowsFonts::IsSymbolFont(f.family))
                Add(TFinding::fsWarning, f.caption,
                    tr("шрифт «%1» состоит из значков: буквы надписи станут картинками").arg(f.family), nullptr,
                    f.object);
            else if (!TWindowsFonts::IsShippedEverywhere(f.family))
                Add(TFinding::fsWarning, f.caption,
                    tr("шрифт «%1» есть не в каждой Windows 7–11, там его заменит другой").arg(f.family), nullptr,
                    f.object);
            else if (f.charset == TWindowsFonts::kCyrillicCharset && !TWindowsFonts::HasCyrillic(f.family))
                Add(TFinding::fsWarning, f.caption,
                    tr("в шрифте «%1» нет русских букв, а набор символов у него кириллический").arg(f.family),
                    nullptr, f.object);
            // A stand-in is a note about the family: said once, at its first object.
            else if (!rules::HasMetricTwin(f.family.trimmed().toStdString())
                     && firstTime(f.family))
                Add(TFinding::fsInfo, f.caption,
                    tr("шрифт «%1» здесь показан похожим, а не таким же: в Windows строки могут лечь иначе")
                        .arg(f.family),
                    nullptr, f.object);
        }
    }

    void CheckButtons()
    {
        const TCommandTree &tree = m_project.Tree();
        for (const TDesignFacts::Button &b : m_design->buttons) {
            if (!b.executes)
                continue;
            const TBaseItem *target = tree.FindById(b.itemId);
            if (!target)
                Add(TFinding::fsError, b.caption, tr("«Пункт меню» %1 не указывает ни на одну команду").arg(b.itemId),
                    nullptr, b.object);
            else if (!target->IsGroup() && !Reachable(target))
                Add(TFinding::fsWarning, b.caption,
                    tr("«Пункт меню» %1 указывает на скрытую команду %2").arg(b.itemId).arg(TProjectCheck::Subject(*target)),
                    nullptr, b.object);
        }
    }

    void CheckObjects()
    {
        if (m_design->captionIsDefault)
            Add(TFinding::fsWarning, tr("«Окно»"),
                tr("«Заголовок» окна всё ещё «%1»: автозапуск покажет его в заголовке меню").arg(m_design->caption),
                nullptr, m_design->window);
        const QSize client = m_design->client;
        const QRect window(QPoint(0, 0), client);
        for (int i = 0; i < m_design->objects.size(); ++i) {
            const TDesignFacts::Object &o = m_design->objects.at(i);
            if (!o.visible)
                continue;
            if (o.bounds.width() > 0 && o.bounds.height() > 0 && !window.intersects(o.bounds))
                Add(TFinding::fsWarning, o.caption, tr("объект целиком за пределами окна"), nullptr, o.object);
            if (!o.picture.isEmpty() && !o.pictureScaled
                && (o.picture.width() > client.width() || o.picture.height() > client.height()))
                Add(TFinding::fsWarning, o.caption,
                    tr("картинка %1×%2 больше окна %3×%4")
                        .arg(o.picture.width()).arg(o.picture.height()).arg(client.width()).arg(client.height()),
                    nullptr, o.object);
            if (i == m_design->menuIndex && (o.bounds.height() < m_design->menuRowHeight || o.bounds.width() <= 0))
                Add(TFinding::fsError, o.caption, tr("в области меню нет места ни для одной кнопки"), nullptr,
                    o.object);
        }
    }

    const TProject &m_project;
    const QString m_discDir;
    const TDesignFacts *m_design;
    // The disc folder was given to be burned as it is, not prepared first.
    const bool m_asItIs;
    std::optional<TDiscFolder> m_disc;
    QSet<int> m_buttonTargets;
    TDiscFindings::TEntryKeys m_entryKeys;
    QList<TFinding> m_findings;
};

} // namespace

QString TFinding::SeverityCaption(TSeverity severity)
{
    switch (severity) {
    case fsError: return QCoreApplication::translate("TProjectCheck", "Ошибка");
    case fsWarning: return QCoreApplication::translate("TProjectCheck", "Предупреждение");
    case fsInfo: break;
    }
    return QCoreApplication::translate("TProjectCheck", "Сведения");
}

QString TFinding::Line() const
{
    QString line = SeverityCaption(severity).toLower() + QStringLiteral(": ");
    if (!subject.isEmpty())
        line += subject + QStringLiteral(": ");
    return line + text;
}

QList<TFinding> TProjectCheck::Run(const TProject &project, const QString &discDir, const TDesignFacts *design)
{
    return TChecker(project, discDir, design).Run();
}

bool TProjectCheck::HasErrors(const QList<TFinding> &findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const TFinding &f) { return f.severity == TFinding::fsError; });
}

QString TProjectCheck::Subject(const TBaseItem &item)
{
    return QStringLiteral("#%1 ").arg(item.Id()) + Quoted(item.Name());
}

QString TProjectCheck::BaseFolder(const TProjectOptions &options, const QString &projectFile, const QString &discDir)
{
    if (projectFile.isEmpty())
        return QString();
    const QString disc = QFileInfo(discDir).absoluteFilePath();
    const QString folder = QFileInfo(projectFile).absolutePath();
    const QString relative = QDir(disc).relativeFilePath(folder);
    // Only ".." itself climbs: a folder may be named "..menu".
    if (relative == QLatin1String(".") || relative == QLatin1String("..") || relative.startsWith(QLatin1String("../"))
        || QDir::isAbsolutePath(relative))
        return QString();
    rules::Options rulesOptions;
    rulesOptions.pathOption = rules::PathOption(int(options.PathOption()));
    rulesOptions.cdRoot = options.CdRoot();
    return QString::fromStdString(rules::BaseFolder(rulesOptions, relative.toStdString()));
}

rules::ProgramPath TProjectCheck::ResolveProgram(const TProjectOptions &options, const QString &projectFile,
                                                 const QString &discDir, const QString &custom)
{
    return rules::ResolveProgramPath(custom.toStdString(), BaseFolder(options, projectFile, discDir).toStdString());
}

TProjectCheck::TDiscFit TProjectCheck::DiscFit(qint64 bytes)
{
    if (bytes <= kCdBytes)
        return dfCd;
    if (bytes <= kDvdBytes)
        return dfDvd;
    return bytes <= kDvdDualLayerBytes ? dfDvdDualLayer : dfNone;
}

bool TProjectCheck::IsAbsoluteUrl(const QString &address)
{
    // The shell opens a bare "www." host as a web address.
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && address.size() > 4
        && !address.contains(u' '))
        return QUrl(QStringLiteral("http://") + address, QUrl::StrictMode).isValid();
    const QUrl url(address, QUrl::StrictMode);
    // One letter before a colon is a drive, not a scheme.
    if (!url.isValid() || url.isRelative() || url.scheme().size() < 2)
        return false;
    static const QStringList kHostSchemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp")};
    return !kHostSchemes.contains(url.scheme().toLower()) || !url.host().isEmpty();
}
