#include "project/TProjectCheck.h"

#include "project/DiscFolderGuess.h"

#include "project/TDiscFolder.h"
#include "project/TPlayerPath.h"
#include "project/TProject.h"
#include "project/TWindowsFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
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
        : m_project(project), m_discDir(discDir.isEmpty() ? project.Options().RootDir() : discDir), m_design(design)
    {
    }

    QList<TFinding> Run()
    {
        CheckDiscFolder();
        CheckEntries();
        CheckMenuLevels();
        CheckWayOut();
        if (m_design) {
            CheckButtons();
            CheckObjects();
            CheckFonts();
        }
        CheckDiscSize();
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
        for (const TDiscFolder::TUnfitName &name : m_disc->UnfitNames()) {
            Add(TFinding::fsError, name.path,
                name.tooLong ? tr("имя длиннее %1 знаков не поместится на диск").arg(TDiscFolder::kMaxNameLength)
                             : tr("имя содержит знак, недопустимый на диске (< > : \" | ? *)"));
        }
        if (!m_disc->Contains(QString::fromLatin1(kPlayerName)))
            Add(TFinding::fsError, QString::fromLatin1(kPlayerName),
                tr("программы автозапуска нет в Корневом Каталоге, скопируйте её туда"));
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
        const TFinding::TSeverity missing = Reachable(&item) ? TFinding::fsError : TFinding::fsWarning;
        const TProjectCheck::TProgramPath path =
            TProjectCheck::ResolveProgram(m_project.Options(), m_project.FileName(), m_discDir, item.Custom());
        switch (path.kind) {
        case TProjectCheck::TProgramPath::pkEmpty:
            AddFor(missing, item, tr("не указан файл программы"));
            break;
        case TProjectCheck::TProgramPath::pkAbsolute:
            AddFor(TFinding::fsWarning, item,
                   tr("путь %1 абсолютный, на другом компьютере его может не быть").arg(item.Custom().trimmed()));
            break;
        case TProjectCheck::TProgramPath::pkOutside:
            if (m_disc)
                AddFor(missing, item, tr("путь %1 ведёт за пределы диска").arg(item.Custom().trimmed()));
            break;
        case TProjectCheck::TProgramPath::pkOnDisc:
            if (m_disc && m_disc->ContainsKey(path.relative))
                break;
            if (TPlayerPath::IsLocalFullPath(item.Custom()))
                CheckLocalPath(item, m_disc ? missing : TFinding::fsWarning);
            else if (m_disc)
                AddFor(missing, item, tr("файл %1 не найден на диске").arg(item.Custom().trimmed()));
            break;
        }
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
            const QString base = TProjectCheck::BaseFolder(m_project.Options(), m_project.FileName(), m_discDir);
            fix = TPlayerPath::FromLocal(QDir(m_disc->Dir()).absolutePath(), custom, base);
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

    // Escape in a group the visitor cannot leave closes the whole menu: each
    // group that lists commands needs an exit entry or an up button.
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
                          "Escape закроет всё меню"));
        });
    }

    void CheckFonts()
    {
        for (const TDesignFacts::Font &f : m_design->fonts) {
            if (!TWindowsFonts::IsShippedEverywhere(f.family))
                Add(TFinding::fsWarning, f.caption,
                    tr("шрифт «%1» есть не в каждой Windows 7–11, там его заменит другой").arg(f.family), nullptr,
                    f.object);
        }
    }

    // "730,5 МБ", "3 КБ": whole kilobytes (rounded up) below a megabyte.
    static QString SizeText(qint64 bytes)
    {
        constexpr qint64 kKilo = 1024;
        if (bytes < kKilo * kKilo)
            return tr("%1 КБ").arg((bytes + kKilo - 1) / kKilo);
        return tr("%1 МБ").arg(QString::number(double(bytes) / double(kKilo * kKilo), 'f', 1).replace(u'.', tr(",")));
    }

    void CheckDiscSize()
    {
        if (!m_disc)
            return;
        const qint64 bytes = m_disc->TotalSize();
        const QString size = SizeText(bytes);
        switch (TProjectCheck::DiscFit(bytes)) {
        case TProjectCheck::dfCd:
            Add(TFinding::fsInfo, QString(), tr("файлы диска занимают %1 и помещаются на CD (700 МБ)").arg(size));
            break;
        case TProjectCheck::dfDvd:
            Add(TFinding::fsInfo, QString(),
                tr("файлы диска занимают %1: на CD (700 МБ) не поместятся, на DVD (4,7 ГБ) поместятся").arg(size));
            break;
        case TProjectCheck::dfNone:
            Add(TFinding::fsWarning, QString(),
                tr("файлы диска занимают %1 и не поместятся ни на CD (700 МБ), ни на DVD (4,7 ГБ)").arg(size));
            break;
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
            else if (target->IsGroup())
                Add(TFinding::fsWarning, b.caption,
                    tr("«Пункт меню» %1 указывает на группу %2").arg(b.itemId).arg(TProjectCheck::Subject(*target)),
                    nullptr, b.object);
            else if (!Reachable(target))
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
    std::optional<TDiscFolder> m_disc;
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
    // The check box puts the disc's root first whenever the player runs from a
    // disc; the other choices all start where Velmora.EXE stands, at the root.
    if (options.CdRoot() || options.PathOption() != TProjectOptions::poProject || projectFile.isEmpty())
        return QString();
    const QString disc = QFileInfo(discDir).absoluteFilePath();
    const QString folder = QFileInfo(projectFile).absolutePath();
    const QString relative = QDir(disc).relativeFilePath(folder);
    if (relative == QLatin1String(".") || relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative))
        return QString();
    return relative;
}

TProjectCheck::TProgramPath TProjectCheck::ResolveProgramPath(const QString &custom, const QString &baseFolder)
{
    QString path = custom.trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2).trimmed();
    if (path.isEmpty())
        return {TProgramPath::pkEmpty, {}};
    auto isSeparator = [](QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); };
    const bool drive = path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter()
                       && path.at(0).unicode() < 0x80;
    const bool network = path.size() >= 2 && isSeparator(path.at(0)) && isSeparator(path.at(1));
    if (drive || network)
        return {TProgramPath::pkAbsolute, {}};
    // A leading separator starts at the root of the disc the player runs from.
    const QString joined = isSeparator(path.at(0)) ? path : baseFolder + QLatin1Char('/') + path;
    const std::optional<QString> key = TDiscFolder::Key(joined);
    if (!key)
        return {TProgramPath::pkOutside, {}};
    return {TProgramPath::pkOnDisc, *key};
}

TProjectCheck::TProgramPath TProjectCheck::ResolveProgram(const TProjectOptions &options, const QString &projectFile,
                                                          const QString &discDir, const QString &custom)
{
    return ResolveProgramPath(custom, BaseFolder(options, projectFile, discDir));
}

TProjectCheck::TDiscFit TProjectCheck::DiscFit(qint64 bytes)
{
    if (bytes <= kCdBytes)
        return dfCd;
    return bytes <= kDvdBytes ? dfDvd : dfNone;
}

bool TProjectCheck::IsAbsoluteUrl(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    // One letter before a colon is a drive, not a scheme.
    if (!url.isValid() || url.isRelative() || url.scheme().size() < 2)
        return false;
    static const QStringList kHostSchemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp")};
    return !kHostSchemes.contains(url.scheme().toLower()) || !url.host().isEmpty();
}
