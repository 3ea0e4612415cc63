#pragma once

#include "base/TPropertyLayer.h"

#include <QDialog>
#include <memory>

class QLabel;
class UserPrompt;

// Edits one picture: loads any image Qt reads (BMP, JPEG, PNG, GIF, ICO) and
// takes it as the bitmap the project will save, saves it as a bitmap, copies it to and pastes it from the clipboard, clears
// it, and shows it with its size. A file that cannot be read leaves the
// picture as it was and says why.
class TPictureDialog : public QDialog
{
    Q_OBJECT
public:
    TPictureDialog(const TPictureValue &value, UserPrompt *prompt = nullptr, QWidget *parent = nullptr);
    ~TPictureDialog() override;

    const TPictureValue &value() const { return m_value; }

    bool load(const QString &fileName);
    bool save(const QString &fileName);
    void copy() const;
    bool paste();
    void clear();
    // "64 x 64", or "Нет картинки".
    QString sizeText() const;
    // The line saying a loaded or pasted picture became a bitmap ("" when not).
    QString noteText() const;

private:
    void loadClick();
    void saveClick();
    void showPicture();
    // Takes the picture as the bitmap it will be saved as: another kind of
    // image is drawn over white into 24 bits at once, and the note says so
    // (source: "PNG", "из буфера обмена"); a bitmap is taken as it is.
    void takeAsBitmap(TPicture &picture, const QString &source);
    UserPrompt &prompt();

    TPictureValue m_value;
    UserPrompt *m_prompt;
    std::unique_ptr<UserPrompt> m_ownPrompt;
    QLabel *m_view;
    QLabel *m_size;
    QLabel *m_note;
};
