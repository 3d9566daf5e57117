#pragma once
// A command's options and operands. Options come as "--name value",
// "--name=value" or "-x value"; "--" ends them.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace rk::cli {

struct Option {
    QString name;       // long name without dashes: "model"
    QChar shortName;    // 'o', or null
    bool takesValue = false;
};

class Arguments {
public:
    bool Has(const QString& name) const { return m_flags.contains(name) || m_values.contains(name); }
    QString Value(const QString& name) const { return m_values.value(name); }
    const QStringList& Operands() const { return m_operands; }

private:
    friend std::optional<Arguments> ParseArguments(const QStringList&, const std::vector<Option>&, QString&);
    QSet<QString> m_flags;
    QHash<QString, QString> m_values;
    QStringList m_operands;
};

// Nothing, with `error` set, for an unknown or repeated option or a missing
// value.
std::optional<Arguments> ParseArguments(const QStringList& words, const std::vector<Option>& options,
                                        QString& error);

}  // namespace rk::cli
