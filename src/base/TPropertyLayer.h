#pragma once

#include "base/TPicture.h"

#include <QImage>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

// A picture's content as a value: what a property of picture type holds when
// read, written, compared or kept for undo.
struct TPictureValue
{
    QImage image;
    TPicture::GraphicKind kind = TPicture::gkNone;
    bool transparent = false;
    // How a bitmap read from a file lay there, so that it is saved so again.
    TBitmapLayout layout = {};

    static TPictureValue of(const TPicture &picture);
    void applyTo(TPicture &picture) const;
    bool operator==(const TPictureValue &other) const
    {
        return kind == other.kind && transparent == other.transparent && layout == other.layout && image == other.image;
    }
};
Q_DECLARE_METATYPE(TPictureValue)

// The one way to reach the published properties of the menu window's objects
// by path: "Caption", "Font.Color", "Font.Style.fsBold", "Anchors.akLeft",
// "Constraints.MinWidth", "Pictures.Default". A path walks through properties
// that hold objects (a font, the size limits, a picture set); its last name is
// a property or, below a set, one of the set's flags.
//
// Values travel as QVariants:
//  - enumerations and sets as their int value; a flag of a set as a bool;
//  - a picture as a TPictureValue (written into the picture object in place);
//  - an object (a whole font, a picture set) as a QVariantMap of its stored
//    sub-paths, so that one value carries everything a dialog changed;
//  - everything else as the property's own type (int, QString, QStringList,
//    TColor, TCursor).
//
// Only the properties our own classes declare are visible; those Qt's classes
// declare (QWidget's size, font, cursor, visible...) are neither listed nor
// reachable, so a path never lands on them by accident.
//
// The layer reads and writes without telling anyone: whoever writes through
// it announces the change (the design document).
class TPropertyLayer : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Invalid, Value, Enumeration, Set, Flag, Picture, Object };

    // What a path leads to.
    struct Node
    {
        Kind kind = Kind::Invalid;
        QObject *owner = nullptr;     // the object holding the property
        QMetaProperty property;       // the property (for a flag: its set)
        QMetaEnum enumerator;         // for enumerations, sets and flags
        int flag = 0;                 // the flag's bit
        QString name;                 // the last name of the path

        bool isValid() const { return kind != Kind::Invalid; }
        bool isWritable() const;
        // The object a property of kind Object or Picture holds, else null.
        QObject *target() const;
    };

    static constexpr int kMaxDepth = 8;

    explicit TPropertyLayer(QObject *parent = nullptr);

    static Node resolve(QObject *root, const QString &path);
    // The names below a path ("" is the root object itself): the properties of
    // an object, or the flags of a set, in declaration order. Empty for a value.
    static QStringList children(QObject *root, const QString &path = QString());
    static QVariant read(QObject *root, const QString &path);
    // Writes one value; false (with a message in error) when the path is unknown
    // or read-only, or the value does not convert. Nothing changes then: the
    // parts of a sub-object are all converted before any of them is written.
    static bool write(QObject *root, const QString &path, const QVariant &value, QString *error = nullptr);
    // Joins a path and a name below it.
    static QString join(const QString &path, const QString &name)
    {
        return path.isEmpty() ? name : path + QLatin1Char('.') + name;
    }

private:
    // A value converted for its node, ready to be written.
    using Ready = QList<QPair<Node, QVariant>>;
    static QVariant readNode(const Node &node, int depth = 0);
    static bool prepareNode(const Node &node, const QVariant &value, Ready &ready, QString *error, int depth = 0);
    static bool writeReady(const Ready &ready);
};
