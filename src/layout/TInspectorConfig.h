#pragma once

#include "kit/TPropertyGridModel.h"

#include <QHash>
#include <QSet>
#include <QStringList>

class TPreviewForm;

// The property inspector's settings for the design: the names that may be
// rows at all, the rows hidden for particular objects, display names and
// groups, the order of rows, the "Font.Color" display name and the
// descriptions of the description strip.
class TInspectorConfig : public TPropertyGridConfig
{
public:
    // form: the design window, whose fixed objects have rows hidden.
    explicit TInspectorConfig(const TPreviewForm *form = nullptr);

    bool ShowProperty(QObject *inspected, const QString &path, const QString &name) const override;
    QString DisplayName(const QString &path, const QString &name) const override;
    QString Group(const QString &name) const override;
    QStringList GroupOrder() const override { return m_groups; }
    bool Before(const QString &a, const QString &b) const override;
    QString Description(QObject *inspected, const QString &path) const override;
    QString ValueLabel(const QString &key) const override;
    bool Range(QObject *inspected, const QString &path, int *min, int *max) const override;
    bool Clamps(QObject *inspected, const QString &path) const override;

    // The names a description of the object's properties is looked up under:
    // its own classes up the hierarchy, with the framework's names for the
    // window (TForm), the picture controls (TImage) and every control (TControl).
    static QStringList DescriptionClasses(const QObject *object);
    // The alias of a property name (letter case ignored), or "" when it has none.
    QString Alias(const QString &name) const;
    // The description stored under exactly this key ("TForm.AlphaBlend",
    // "Font.Color"), in the interface language; "" when there is none.
    QString DescriptionOf(const QString &key) const;

private:
    const TPreviewForm *m_form;
    QSet<QString> m_displayed;
    QStringList m_order;
    QStringList m_groups;
    QHash<QString, QString> m_aliases;   // lower-case name -> display name
    QHash<QString, QString> m_groupOf;   // lower-case name -> group
    QHash<QString, const char *> m_descriptions;   // key -> untranslated text
};
