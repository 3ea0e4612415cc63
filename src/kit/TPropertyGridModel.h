#pragma once

#include "base/TPropertyLayer.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

// What a property grid asks of the program that shows it: which properties
// are rows, their display names, groups, order and descriptions.
class TPropertyGridConfig
{
public:
    virtual ~TPropertyGridConfig() = default;
    // Whether the property (its own name, its path from the inspected object)
    // is a row while the object is inspected.
    virtual bool ShowProperty(QObject *inspected, const QString &path, const QString &name) const = 0;
    // The display name of a row with display names on (path: "Font.Color").
    virtual QString DisplayName(const QString &path, const QString &name) const = 0;
    // The group of a top-level property; groups come in the order of GroupOrder.
    virtual QString Group(const QString &name) const = 0;
    virtual QStringList GroupOrder() const = 0;
    // True when a goes before b among rows of one level.
    virtual bool Before(const QString &a, const QString &b) const = 0;
    virtual QString Description(QObject *inspected, const QString &path) const = 0;
    // The label an enumeration value shows with display names on (key:
    // "taRightJustify"), or "" to show the key itself.
    virtual QString ValueLabel([[maybe_unused]] const QString &key) const { return QString(); }
    // The values a whole-number row accepts; false when any int will do.
    virtual bool Range(QObject *inspected, const QString &path, int *min, int *max) const
    {
        Q_UNUSED(inspected) Q_UNUSED(path) Q_UNUSED(min) Q_UNUSED(max)
        return false;
    }
    // True when a number outside the row's range is taken at the nearest end
    // of it, as the property's setter does, rather than refused.
    virtual bool Clamps([[maybe_unused]] QObject *inspected, [[maybe_unused]] const QString &path) const
    {
        return false;
    }
};

// How the grid shows and parses the values of a type of its own (colours,
// cursors): the text of a value, the named values offered in a list, an icon
// beside a value, and the dialog that picks one.
struct TPropertyValueType
{
    std::function<QString(const QVariant &)> text;
    QList<QPair<QString, QVariant>> choices;
    // Parses typed text; false when it is not a value of the type.
    std::function<bool(const QString &, QVariant *)> parse;
    std::function<QIcon(const QVariant &)> icon;
    // Opens a dialog from the current value; true with the chosen one.
    std::function<bool(QWidget *, const QVariant &, QVariant *)> dialog;
};

// The property grid's model: group headings on top, the inspected object's
// rows under them, the rows of sets and sub-objects below their property.
// Column 0 is the name, column 1 the value. Values are read through the
// property layer when shown; edits go to the commit handler (by default the
// layer itself), so the grid never writes a property any other way. The grid
// shows a change when its owner passes it on (ValuesChanged).
class TPropertyGridModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    // HasIconRole: whether the value's cell shows a picture (Qt::DecorationRole),
    // answered without drawing it.
    enum Role { PathRole = Qt::UserRole + 1, KindRole, GroupRole, TypeRole, ClassRole, HasIconRole };
    enum Column { NameColumn, ValueColumn, ColumnCount };
    static const char *const kCatchAllGroup;   // "Особое"
    // Changed values repaint at most once a frame (60 per second); their
    // texts are up to date at once.
    static constexpr int kRepaintMs = 16;

    // Writes a value; false with a message when it cannot. editing: the
    // editing of the row it came from (BeginEditing), 0 for none.
    using CommitHandler = std::function<bool(QObject *, const QString &path, const QVariant &value, bool typed,
                                             int editing, QString *error)>;
    using ErrorHandler = std::function<void(const QString &message)>;

    explicit TPropertyGridModel(const TPropertyGridConfig &config, QObject *parent = nullptr);
    ~TPropertyGridModel() override;

    // One object or none; the object already shown only has its values refreshed.
    void SetInspected(QObject *object);
    QObject *Inspected() const { return m_inspected; }
    // Re-reads every shown value.
    void RefreshValues();
    // Values of an object changed: shown when it is the inspected one. One
    // value may change others with it (the client width the outer one), so
    // every row is read again, and only those whose text changed repaint.
    void ValuesChanged(QObject *root);
    void SetDisplayNames(bool on);
    bool DisplayNames() const { return m_displayNames; }

    void SetCommitHandler(CommitHandler handler) { m_commit = std::move(handler); }
    void SetErrorHandler(ErrorHandler handler) { m_error = std::move(handler); }
    void SetValueType(int metaTypeId, TPropertyValueType type) { m_types.insert(metaTypeId, std::move(type)); }
    const TPropertyValueType *ValueType(int metaTypeId) const;
    // The dialog of a sub-object class (a font): from the object to the new value.
    using ObjectDialog = std::function<bool(QWidget *, QObject *, QVariant *)>;
    void SetObjectDialog(const QString &className, ObjectDialog dialog) { m_objectDialogs.insert(className, std::move(dialog)); }
    ObjectDialog ObjectDialogFor(const QModelIndex &index) const;
    // What the row of a sub-object class (a font, size limits) reads with
    // display names on; without one the row shows "(class name)".
    using ObjectText = std::function<QString(QObject *)>;
    void SetObjectText(const QString &className, ObjectText text) { m_objectTexts.insert(className, std::move(text)); }
    // The texts a row offers in its list (Booleans, enumerations), as they
    // read: with display names on "Нет"/"Да" and the enumeration's labels.
    QStringList ChoiceTexts(const QModelIndex &index) const;

    QString Path(const QModelIndex &index) const;
    TPropertyLayer::Kind Kind(const QModelIndex &index) const;
    bool IsGroup(const QModelIndex &index) const;
    QModelIndex IndexOfPath(const QString &path, int column = NameColumn) const;
    // The description of the row's property, "" when it has none.
    QString Description(const QModelIndex &index) const;
    // The text a value shows.
    QString ValueText(const QModelIndex &index) const;
    // Sets a row from typed text or a chosen value; on bad input reports the
    // error, changes nothing and returns false. editing: see BeginEditing.
    bool Commit(const QModelIndex &index, const QVariant &value, bool typed, int editing = 0);
    // setData within one editing of the row.
    bool Edit(const QModelIndex &index, const QVariant &value, int editing);
    // One editing of one row: an editor opened, from its first value to its
    // last. Typed values merge into one step only within one editing; a value
    // set without an editor is an editing of its own (0).
    int BeginEditing() { return ++m_lastEditing; }

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Row;
    Row *rowOf(const QModelIndex &index) const;
    void rebuild();
    void addChildren(Row *row, QObject *object, const QString &path, int depth);
    void sortRows(std::vector<std::unique_ptr<Row>> &rows) const;
    bool parseText(const Row &row, const QString &text, QVariant *value, QString *error) const;
    void refreshRows(const Row &parent);
    // An enumeration value's label with display names on, else its key.
    QString enumText(const QMetaEnum &enumerator, int value) const;
    void refreshRow(const Row &row);
    void repaintChanged();

    const TPropertyGridConfig &m_config;
    QPointer<QObject> m_inspected;
    std::unique_ptr<Row> m_root;
    bool m_displayNames = true;
    CommitHandler m_commit;
    ErrorHandler m_error;
    QHash<int, TPropertyValueType> m_types;
    QHash<QString, ObjectDialog> m_objectDialogs;
    QHash<QString, ObjectText> m_objectTexts;
    int m_lastEditing = 0;
    QTimer m_repaint;
    QSet<const Row *> m_changed;
};
