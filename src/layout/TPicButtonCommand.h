#pragma once

#include <QPointer>
#include <QUndoCommand>

class TDesignDocument;
class TPicButton;

// Adding or deleting one stand-alone picture button, as one step of undo.
// While the button is out of the design (a deletion done, an addition
// undone) the command owns it and frees it when the command goes.
class TPicButtonCommand : public QUndoCommand
{
public:
    enum class Kind { Add, Delete };

    // Add: the first redo creates a button with the caption. Delete: the
    // button to take out.
    static TPicButtonCommand *Add(TDesignDocument &document, const QString &caption);
    static TPicButtonCommand *Delete(TDesignDocument &document, TPicButton *button);
    ~TPicButtonCommand() override;

    void redo() override;
    void undo() override;

    TPicButton *Button() const { return m_button; }

private:
    TPicButtonCommand(TDesignDocument &document, Kind kind, const QString &text);
    void takeOut();
    void putBack();

    QPointer<TDesignDocument> m_document;
    Kind m_kind;
    QString m_caption;
    QPointer<TPicButton> m_button;
    qsizetype m_index = -1;
    bool m_owned = false;
};
