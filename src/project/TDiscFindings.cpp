#include "project/TDiscFindings.h"

#include "project/TDiscFolder.h"
#include "rules/DiscNames.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("TDiscFindings", text);
}

// What each problem of a name means, in the order findings name them.
struct TProblemText
{
    unsigned problem;
    const char *text;
    std::size_t limit = 0;   // the figure the text names as %1
};

const TProblemText kProblemTexts[] = {
    {rules::npHugeFile, QT_TRANSLATE_NOOP("TDiscFindings", "файл 4 ГБ или больше: образ диска его не вместит")},
    {rules::npWindowsChar,
     QT_TRANSLATE_NOOP("TDiscFindings",
                       "в имени знак, который Windows не допускает (< > : \" | ? * \\ или управляющий)")},
    {rules::npJolietChar,
     QT_TRANSLATE_NOOP("TDiscFindings",
                       "в имени знак, который образ диска заменит на «_» (; * : ? \\ "
                       "или управляющий): по этому имени файл не найдётся")},
    {rules::npDeviceName,
     QT_TRANSLATE_NOOP("TDiscFindings",
                       "имя устройства Windows (CON, PRN, AUX, NUL, COM1–COM9, "
                       "LPT1–LPT9): Windows откроет устройство, а не файл")},
    {rules::npTrailingDotOrBlank,
     QT_TRANSLATE_NOOP("TDiscFindings", "имя кончается точкой или пробелом: Windows их отбросит и файл не найдёт")},
    {rules::npLongName, QT_TRANSLATE_NOOP("TDiscFindings", "имя длиннее %1 знаков: на диске оно будет обрезано"),
     rules::kMaxJolietName},
    {rules::npCaseTwin,
     QT_TRANSLATE_NOOP("TDiscFindings",
                       "в той же папке есть имя, отличающееся только регистром букв: "
                       "Windows откроет лишь одно из них")},
    {rules::npJolietPath,
     QT_TRANSLATE_NOOP("TDiscFindings",
                       "путь длиннее %1 знаков: в образе диска Windows его "
                       "не увидит"),
     rules::kMaxJolietPath},
    {rules::npWindowsPath, QT_TRANSLATE_NOOP("TDiscFindings", "путь длиннее %1 знаков: Windows его не откроет"),
     rules::kMaxWindowsPath},
};

// How many entries a finding names before "…".
constexpr int kNamedEntries = 5;

}   // namespace

namespace TDiscFindings {

QList<TFinding> Names(const TDiscFolder &disc, const TEntryKeys &entries)
{
    const QList<TDiscFolder::TUnfitName> &unfit = disc.UnfitNames();
    QList<TFinding> findings;
    if (unfit.isEmpty())
        return findings;
    // Which entries reach each unfit name: the name's own path, or one under it.
    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < unfit.size(); ++i)
        index.insert(unfit.at(i).key, i);
    QList<QList<const TBaseItem *>> reached(unfit.size());
    for (const auto &[key, item] : entries) {
        for (qsizetype end = key.indexOf(u'/');; end = key.indexOf(u'/', end + 1)) {
            const auto found = index.constFind(end < 0 ? key : key.left(end));
            if (found != index.cend() && !reached[*found].contains(item))
                reached[*found].append(item);
            if (end < 0)
                break;
        }
    }
    for (qsizetype i = 0; i < unfit.size(); ++i) {
        const TDiscFolder::TUnfitName &name = unfit.at(i);
        const QList<const TBaseItem *> &by = reached.at(i);
        QStringList subjects;
        for (const TBaseItem *item : by.mid(0, kNamedEntries))
            subjects << TProjectCheck::Subject(*item);
        if (by.size() > kNamedEntries)
            subjects << QStringLiteral("…");
        for (const TProblemText &p : kProblemTexts) {
            if (!(name.problems & p.problem))
                continue;
            // A character both forbid is named once.
            if (p.problem == rules::npJolietChar && (name.problems & rules::npWindowsChar))
                continue;
            TFinding f;
            f.severity = by.isEmpty() && p.problem != rules::npHugeFile ? TFinding::fsWarning : TFinding::fsError;
            f.subject = name.path;
            f.text = p.limit ? Tr(p.text).arg(p.limit) : Tr(p.text);
            if (!by.isEmpty()) {
                f.text += QCoreApplication::translate("TDiscFindings", "; к нему ведёт %1")
                              .arg(subjects.join(QStringLiteral(", ")));
                f.item = by.first();
            }
            findings.append(f);
        }
    }
    return findings;
}

QString SizeText(qint64 bytes)
{
    constexpr qint64 kKilo = 1024;
    constexpr qint64 kMega = kKilo * kKilo;
    if (bytes < kMega)
        return QCoreApplication::translate("TDiscFindings", "%1 КБ").arg((bytes + kKilo - 1) / kKilo);
    const bool giga = bytes >= kMega * kKilo;
    const QString number = QString::number(double(bytes) / double(giga ? kMega * kKilo : kMega), 'f', 1);
    return (giga ? QCoreApplication::translate("TDiscFindings", "%1 ГБ")
                 : QCoreApplication::translate("TDiscFindings", "%1 МБ"))
        .arg(QString(number).replace(u'.', QCoreApplication::translate("TDiscFindings", ",")));
}

QList<TFinding> Size(const TDiscFolder &disc)
{
    const qint64 image = disc.ImageSize();
    const QString size = SizeText(image);
    TFinding f;
    f.severity = TFinding::fsInfo;
    switch (TProjectCheck::DiscFit(image)) {
    case TProjectCheck::dfCd:
        f.text = QCoreApplication::translate("TDiscFindings", "образ диска займёт %1 и поместится на CD (700 МБ)")
                     .arg(size);
        break;
    case TProjectCheck::dfDvd:
        f.text = QCoreApplication::translate(
                     "TDiscFindings", "образ диска займёт %1: на CD (700 МБ) не поместится, на DVD (4,7 ГБ) поместится")
                     .arg(size);
        break;
    case TProjectCheck::dfDvdDualLayer:
        f.text = QCoreApplication::translate(
                     "TDiscFindings",
                     "образ диска займёт %1: на обычный DVD (4,7 ГБ) не поместится, на двухслойный DVD (8,5 ГБ) "
                     "поместится")
                     .arg(size);
        break;
    case TProjectCheck::dfNone:
        f.severity = TFinding::fsWarning;
        f.text = QCoreApplication::translate(
                     "TDiscFindings",
                     "образ диска займёт %1 и не поместится ни на CD, ни на DVD, даже двухслойный (8,5 ГБ)")
                     .arg(size);
        break;
    }
    TFinding stick;
    stick.severity = TFinding::fsInfo;
    stick.text = QCoreApplication::translate("TDiscFindings",
                                             "на флешку образ не нужен: файлы копируются как есть и займут %1")
                     .arg(SizeText(disc.TotalSize()));
    return {f, stick};
}

}   // namespace TDiscFindings
