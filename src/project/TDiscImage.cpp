#include "project/TDiscImage.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QRandomGenerator>
#include <algorithm>
#include <filesystem>
#include <system_error>

const char *const TDiscImage::kDefaultLabel = "VELMORA";

namespace {

const char *const kProgramName = "xorriso";
const int kPercentAll = 100;
// The program's complaints kept for the message: the last few.
const int kFailureLines = 3;
// Names tried for the image's temporary file before giving up.
const int kTemporaryAttempts = 16;

} // namespace

TDiscImage::TDiscImage(QObject *parent) : QObject(parent) {}

TDiscImage::~TDiscImage()
{
    if (IsRunning()) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished();
        RemoveTemporary();
    }
}

QString TDiscImage::Program() const
{
    return m_program.isEmpty() ? QStandardPaths::findExecutable(QString::fromLatin1(kProgramName)) : m_program;
}

QString TDiscImage::MissingMessage()
{
    return tr("Для создания образа диска нужна программа xorriso, а она не найдена.\n"
             "Установите её (в Debian и Ubuntu: apt-get install xorriso) и повторите.");
}

QString TDiscImage::LabelProblem(const QString &label)
{
    if (label.trimmed().isEmpty())
        return tr("Метка диска не задана.");
    if (label.size() > kMaxLabelLength)
        return tr("Метка диска длиннее %1 знаков.").arg(kMaxLabelLength);
    return QString();
}

QString TDiscImage::IsoVolumeName(const QString &label)
{
    // Russian letters in the order of the alphabet, а to я, then ё.
    static const char *const kLatin[] = {"A", "B", "V", "G", "D", "E", "ZH", "Z", "I", "J", "K", "L", "M", "N", "O",
                                         "P", "R", "S", "T", "U", "F", "H", "C", "CH", "SH", "SCH", "", "Y", "", "E",
                                         "YU", "YA"};
    QString name;
    for (const QChar c : label.toUpper()) {
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_')
            name += c;
        else if (u >= u'А' && u <= u'Я')
            name += QLatin1StringView(kLatin[u - u'А']);
        else if (u == u'Ё')
            name += QLatin1Char('E');
        else
            name += QLatin1Char('_');
    }
    return name.left(kMaxLabelLength);
}

QString TDiscImage::JolietNote(const QString &label)
{
    if (label.size() <= kJolietLabelLength)
        return QString();
    return tr("Windows покажет: «%1»").arg(label.left(kJolietLabelLength));
}

bool TDiscImage::WriteJolietLabel(const QString &isoPath, const QString &label)
{
    // Volume descriptors start at sector 16; a supplementary one whose escape
    // sequence names UCS-2 is Joliet's. Its volume name: 32 bytes, UCS-2 big-endian.
    constexpr qint64 kSector = 2048, kFirst = 16, kLast = 64;
    constexpr int kNameAt = 40, kNameBytes = 2 * kJolietLabelLength, kEscapeAt = 88;
    QFile file(isoPath);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    for (qint64 sector = kFirst; sector < kLast; ++sector) {
        if (!file.seek(sector * kSector))
            return false;
        const QByteArray head = file.read(kEscapeAt + 3);
        if (head.size() < kEscapeAt + 3 || head.mid(1, 5) != "CD001" || quint8(head[0]) == 255)
            return false;
        const QByteArray escape = head.mid(kEscapeAt, 3);
        if (head[0] != 2 || (escape != "%/@" && escape != "%/C" && escape != "%/E"))
            continue;
        QByteArray name;
        for (const QChar c : label.left(kNameBytes / 2)) {
            name += char(c.unicode() >> 8);
            name += char(c.unicode() & 0xFF);
        }
        while (name.size() < kNameBytes)
            name += QByteArrayView("\0 ", 2);
        return file.seek(sector * kSector + kNameAt) && file.write(name) == kNameBytes && file.flush();
    }
    return false;
}

QStringList TDiscImage::Arguments(const QString &discDir, const QString &output, const QString &label)
{
    // The folder goes last and absolute, so that no name reads as an option.
    return {QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-r"),
            QStringLiteral("-J"),  QStringLiteral("-V"),      IsoVolumeName(label),
            QStringLiteral("-o"),  output,                    QFileInfo(discDir).absoluteFilePath()};
}

bool TDiscImage::Start(const QString &discDir, const QString &isoPath, const QString &label)
{
    m_lastError.clear();
    m_failures.clear();
    m_pending.clear();
    m_cancelled = false;
    m_done = false;
    m_ok = false;
    if (IsRunning()) {
        m_lastError = tr("Образ диска уже создаётся.");
        return false;
    }
    const QString labelProblem = LabelProblem(label);
    if (!labelProblem.isEmpty()) {
        m_lastError = labelProblem;
        return false;
    }
    if (!QFileInfo(discDir).isDir()) {
        m_lastError = tr("Каталог %1 не найден.").arg(QDir::toNativeSeparators(discDir));
        return false;
    }
    const QString program = Program();
    if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
        m_lastError = MissingMessage();
        return false;
    }
    // The image must not lie inside the folder it is made of.
    const QString target = QFileInfo(isoPath).absoluteFilePath();
    const QString disc = QFileInfo(discDir).absoluteFilePath() + QLatin1Char('/');
    if (target.startsWith(disc)) {
        m_lastError = tr("Образ нельзя сохранить внутри Корневого Каталога.");
        return false;
    }
    // Created as any new file of the user's (the umask decides; a temporary
    // file would be readable by its owner only), and renamed with that mode.
    QFile temporary;
    for (int attempt = 0; attempt < kTemporaryAttempts && !temporary.isOpen(); ++attempt) {
        temporary.setFileName(QStringLiteral("%1.%2.part").arg(target).arg(QRandomGenerator::global()->generate(), 0, 16));
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
    }
    if (!temporary.isOpen()) {
        m_lastError = QStringLiteral("Cannot create file %1").arg(isoPath);
        return false;
    }
    m_temporary = temporary.fileName();
    temporary.close();
    m_target = target;
    m_label = label;

    if (m_process)
        m_process->deleteLater();
    m_process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));   // names and label pass as UTF-8
    m_process->setProcessEnvironment(env);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyRead, this, &TDiscImage::OnOutput);
    connect(m_process, &QProcess::finished, this, &TDiscImage::OnFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Fail(MissingMessage());
    });
    m_process->start(program, Arguments(QFileInfo(discDir).absoluteFilePath(), m_temporary, label));
    return true;
}

bool TDiscImage::IsRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

void TDiscImage::Cancel()
{
    if (!IsRunning())
        return;
    m_cancelled = true;
    m_process->kill();
}

bool TDiscImage::WaitForFinished()
{
    if (m_done)
        return m_ok;
    QEventLoop loop;
    connect(this, &TDiscImage::Finished, &loop, &QEventLoop::quit);
    if (!m_done)
        loop.exec();
    return m_ok;
}

void TDiscImage::OnOutput()
{
    static const QRegularExpression kPercent(QStringLiteral("([0-9]+(?:\\.[0-9]+)?)% done"));
    m_pending += m_process->readAll();
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        const QRegularExpressionMatch match = kPercent.match(line);
        if (match.hasMatch()) {
            emit Progress(std::clamp(int(match.captured(1).toDouble()), 0, kPercentAll));
        } else if (line.contains(QLatin1String(": FAILURE :")) || line.contains(QLatin1String(": SORRY :"))
                   || line.contains(QLatin1String(": FATAL :"))) {
            m_failures.append(line);
            if (m_failures.size() > kFailureLines)
                m_failures.removeFirst();
        }
    }
}

void TDiscImage::OnFinished(int exitCode, QProcess::ExitStatus status)
{
    OnOutput();
    if (m_done)
        return;
    if (m_cancelled) {
        Fail(tr("Создание образа отменено."));
        return;
    }
    if (status != QProcess::NormalExit || exitCode != 0) {
        QString message = tr("xorriso не смог создать образ (код %1).").arg(exitCode);
        if (!m_failures.isEmpty())
            message += QLatin1Char('\n') + m_failures.join(QLatin1Char('\n'));
        Fail(message);
        return;
    }
    if (!WriteJolietLabel(m_temporary, m_label)) {
        Fail(tr("Не удалось записать метку диска в образ %1.").arg(m_target));
        return;
    }
    // Replaces an older image of that name in one step.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_temporary).toStdString(), QFile::encodeName(m_target).toStdString(),
                            error);
    if (error) {
        Fail(QStringLiteral("Cannot create file %1").arg(m_target));
        return;
    }
    m_temporary.clear();
    m_done = true;
    m_ok = true;
    emit Progress(kPercentAll);
    emit Finished(true);
}

void TDiscImage::Fail(const QString &message)
{
    if (m_done)
        return;
    if (IsRunning()) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished();
    }
    RemoveTemporary();
    m_lastError = message;
    m_done = true;
    m_ok = false;
    emit Finished(false);
}

void TDiscImage::RemoveTemporary()
{
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
    m_temporary.clear();
}
