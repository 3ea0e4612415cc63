#include "kit/TPictureDialog.h"

#include "base/BrenwickError.h"
#include "kit/QtUserPrompt.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMetaEnum>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const char *const kCaption = QT_TRANSLATE_NOOP("TPictureDialog", "Картинка");
const char *const kOpenFilter =
    QT_TRANSLATE_NOOP("TPictureDialog", "Картинки|*.bmp *.jpg *.jpeg *.png *.gif *.ico|Все файлы|*.*");
const char *const kSaveFilter = QT_TRANSLATE_NOOP("TPictureDialog", "Точечные рисунки|*.bmp");
constexpr int kViewSize = 256;
const char *const kContext = "TPictureDialog";
const char *const kConvertedNote = QT_TRANSLATE_NOOP(
    "TPictureDialog", "Картинка %1 стала точечным рисунком 24 бит на белом фоне: так она будет сохранена.");

} // namespace

TPictureDialog::TPictureDialog(const TPictureValue &value, UserPrompt *prompt, QWidget *parent)
    : QDialog(parent), m_value(value), m_prompt(prompt), m_view(new QLabel), m_size(new QLabel), m_note(new QLabel)
{
    setObjectName(QStringLiteral("PictureDialog"));
    setWindowTitle(tr(kCaption));
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setObjectName(QStringLiteral("PictureView"));
    m_size->setObjectName(QStringLiteral("stSize"));
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_view);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(kViewSize, kViewSize);

    auto *tools = new QVBoxLayout;
    auto addButton = [&](const QString &text, const char *name, auto slot) {
        auto *button = new QPushButton(text);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(text);
        connect(button, &QPushButton::clicked, this, slot);
        tools->addWidget(button);
    };
    addButton(tr("Загрузить..."), "bLoad", [this] { loadClick(); });
    addButton(tr("Сохранить..."), "bSave", [this] { saveClick(); });
    addButton(tr("Копировать"), "bCopy", [this] { copy(); });
    addButton(tr("Вставить"), "bPaste", [this] { paste(); });
    addButton(tr("Очистить"), "bClear", [this] { clear(); });
    tools->addStretch(1);
    tools->addWidget(m_size);
    m_note->setObjectName(QStringLiteral("stConverted"));
    m_note->setWordWrap(true);
    m_note->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *top = new QHBoxLayout;
    top->addWidget(scroll, 1);
    top->addLayout(tools);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    showPicture();
}

TPictureDialog::~TPictureDialog() = default;

UserPrompt &TPictureDialog::prompt()
{
    if (!m_prompt) {
        m_ownPrompt = std::make_unique<QtUserPrompt>(this);
        m_prompt = m_ownPrompt.get();
    }
    return *m_prompt;
}

bool TPictureDialog::load(const QString &fileName)
{
    TPicture picture;
    try {
        picture.loadFromFile(fileName);
    } catch (const BrenwickError &e) {
        prompt().inform(tr("Ошибка"), e.message(), UserPrompt::Icon::Error);
        return false;
    }
    const QString format = QString::fromLatin1(QMetaEnum::fromType<TPicture::GraphicKind>().valueToKey(picture.kind()))
                               .mid(2)
                               .toUpper();
    takeAsBitmap(picture, format);
    return true;
}

void TPictureDialog::takeAsBitmap(TPicture &picture, const QString &source)
{
    const bool converted = picture.kind() != TPicture::gkBitmap;
    picture.makeBitmap();
    m_value = TPictureValue::of(picture);
    m_note->setText(converted ? QCoreApplication::translate(kContext, kConvertedNote).arg(source) : QString());
    m_note->setVisible(converted);
    showPicture();
}

bool TPictureDialog::save(const QString &fileName)
{
    TPicture picture;
    m_value.applyTo(picture);
    picture.makeBitmap();
    QSaveFile file(fileName);
    const QByteArray bytes = WriteBmp(picture.image(), picture.bitmapLayout());
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        prompt().inform(tr("Ошибка"), QStringLiteral("Cannot create file %1").arg(fileName), UserPrompt::Icon::Error);
        return false;
    }
    return true;
}

void TPictureDialog::copy() const
{
    if (m_value.kind != TPicture::gkNone && !m_value.image.isNull())
        QApplication::clipboard()->setImage(m_value.image);
}

bool TPictureDialog::paste()
{
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull())
        return false;
    TPicture picture;
    picture.setGraphic(image, TPicture::gkPng);   // any image but a bitmap file's
    takeAsBitmap(picture, QCoreApplication::translate(kContext, "из буфера обмена"));
    return true;
}

void TPictureDialog::clear()
{
    m_value = TPictureValue{QImage(), TPicture::gkNone, m_value.transparent, {}};
    m_note->clear();
    m_note->hide();
    showPicture();
}

QString TPictureDialog::noteText() const
{
    return m_note->text();
}

QString TPictureDialog::sizeText() const
{
    if (m_value.kind == TPicture::gkNone || m_value.image.isNull())
        return tr("Нет картинки");
    return QStringLiteral("%1 x %2").arg(m_value.image.width()).arg(m_value.image.height());
}

void TPictureDialog::loadClick()
{
    const QString name = prompt().openFileName(tr("Загрузить картинку"), QString(), tr(kOpenFilter));
    if (!name.isEmpty())
        load(name);
}

void TPictureDialog::saveClick()
{
    if (m_value.kind == TPicture::gkNone)
        return;
    const QString name = prompt().saveFileName(tr("Сохранить картинку"), QString(), tr(kSaveFilter), QStringLiteral("bmp"));
    if (!name.isEmpty())
        save(name);
}

void TPictureDialog::showPicture()
{
    m_view->setPixmap(m_value.image.isNull() ? QPixmap() : QPixmap::fromImage(m_value.image));
    m_size->setText(sizeText());
}
